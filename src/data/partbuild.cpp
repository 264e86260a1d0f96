// The "data_partbuild:" category: pending values per builder and the
// processor that changes them or acts with them.
#include "data/partbuild.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/cases.h"
#include "client/cmd_play.h"
#include "client/cmd_tables.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "data/data_cmdproc.h"
#include "data/data_dlog.h"
#include "data/data_read.h"
#include "data/n3s_loader.h"
#include "data/pbuild.h"
#include "data/vctbld.h"
#include "render/display.h"

void (*Data_showinfo_hook)() = nullptr;

namespace {

struct Part_build_pending_rec {
  int load = 0;                 // simple loader: load choice
  int value = 0;                // generic: data type; N3S: selection value
  int domain = 0;
  char desc[PBLD_DESC_LEN] = "";
  int ijk[9] = {};
  std::vector<int> sel;         // generic: selection numbers; PLOT3D: zones
  std::vector<int> codes;       // N3S boundary codes
};

enum Builder { B_NONE, B_TARV, B_GENERIC, B_N3S, B_ESTET, B_PLOT3D, B_COUNT };

Part_build_pending_rec Pending[B_COUNT];

Builder builder_of(int format) {
  switch (format) {
    case 2: case 5: case 6: case 7: case 9: return B_TARV;
    case 0: case 10: return B_GENERIC;
    case 3: return B_N3S;
    case 4: return B_ESTET;
    case 1: return B_PLOT3D;
    default: return format >= 11 && format <= 30 ? B_GENERIC : B_NONE;
  }
}

// Copies a list into a new malloc'd block for a caller; false when none can be had.
bool give_list(const std::vector<int> &v, int **out) {
  if (v.empty()) return true;
  int *copy = (int *)malloc(v.size() * sizeof(int));
  if (!copy) return false;
  memcpy(copy, v.data(), v.size() * sizeof(int));
  *out = copy;
  return true;
}

void take_list(std::vector<int> &v, int n, const int *list) {
  if (n <= 0 || !list)
    v.clear();
  else
    v.assign(list, list + n);
}

void copy_desc(char *to, const char *from) { snprintf(to, PBLD_DESC_LEN, "%s", from); }

void oom(const char *who) { fprintf(stderr, "%s: Ran out of memory, cannot recover properly.\n", who); }

// The shared body of the accessors: fields a builder does not keep are passed null.
void pending_vals(Builder b, const char *who, int *value, int *nsel, int **sel, char *desc,
                  int *ijk, int *domain, int *ncodes, int **codes, int mode) {
  Part_build_pending_rec &r = Pending[b];
  if (mode == 1) {
    if (value) r.value = *value;
    if (domain) r.domain = *domain;
    if (desc) copy_desc(r.desc, desc);
    if (ijk) memcpy(r.ijk, ijk, sizeof r.ijk);
    if (nsel && sel) take_list(r.sel, *nsel, *sel);
    if (ncodes && codes) take_list(r.codes, *ncodes, *codes);
    return;
  }
  if (value) *value = r.value;
  if (domain) *domain = r.domain;
  if (desc) copy_desc(desc, r.desc);
  if (ijk) memcpy(ijk, r.ijk, sizeof r.ijk);
  if (nsel && sel) {
    *nsel = (int)r.sel.size();
    if (!give_list(r.sel, sel)) oom(who);
  }
  if (ncodes && codes) {
    *ncodes = (int)r.codes.size();
    if (!give_list(r.codes, codes)) oom(who);
  }
}

}  // namespace

void tarv_partbld_vals(int *load, int mode) {
  if (mode == 1)
    Pending[B_TARV].load = *load;
  else
    *load = Pending[B_TARV].load;
}

void generic_partbld_vals(int *, int *data_type, int *nsel, int **sel, char *desc, int ijk[9],
                          int *domain, int mode) {
  pending_vals(B_GENERIC, "generic_partbld_vals", data_type, nsel, sel, desc, ijk, domain,
               nullptr, nullptr, mode);
}

void n3s_partbld_vals(int *selector, int *ncodes, int **codes, char *desc, int mode) {
  pending_vals(B_N3S, "n3s_partbld_vals", selector, nullptr, nullptr, desc, nullptr, nullptr,
               ncodes, codes, mode);
}

void estet_partbld_vals(int ijk[9], int *domain, char *desc, int *nsel, int **sel, int mode) {
  pending_vals(B_ESTET, "estet_partbld_vals", nullptr, nsel, sel, desc, ijk, domain, nullptr,
               nullptr, mode);
}

void plot3d_partbld_vals(int ijk[9], int *domain, char *desc, int *nsel, int **sel, int mode) {
  pending_vals(B_PLOT3D, "plot3d_partbld_vals", nullptr, nsel, sel, desc, ijk, domain, nullptr,
               nullptr, mode);
}

void partbld_vals_reset() {
  for (auto &r : Pending) r = Part_build_pending_rec();
}

// ---- the keyword table ------------------------------------------------------------

static const Cmd_option_rec Opt_tarvload[] = {
    {"all_parts", 0}, {"part1_only", 1}, {"all_but_part1", 2}, {"no_parts", 3}, {"", -99}};
static const Cmd_option_rec Opt_estetdomain[] = {
    {"inside", 1}, {"outside", 0}, {"all", 2}, {"symmetry", -50}, {"", -99}};
static const Cmd_option_rec Opt_plot3ddomain[] = {
    {"inside", 1},  {"outside", 0}, {"all", 2}, {"blanked_out", 0}, {"internal_boundary", -50},
    {"between_zones", -51}, {"", -99}};
static const Cmd_option_rec Opt_data_type[] = {{"unstructured", 0}, {"structured", 1}, {"", -99}};
static const Cmd_option_rec Opt_domain[] = {
    {"inside", 1},   {"outside", 0},           {"all", 2},      {"boundary", 4},
    {"internal_boundary", 5}, {"symmetry", 6}, {"", -99}};

const Cmd_keyword_rec Cmds_partbuild[] = {
    {"tarvload", 1, 's', 0, PBLD_TARVLOAD, Opt_tarvload},
    {"n3sall_elements", 0, 'o', 0, PBLD_N3SALL_ELEMENTS, nullptr},
    {"n3scolor_number", 1, 'd', 0, PBLD_N3SCOLOR_NUMBER, nullptr},
    {"n3sboundary", 0, 'o', 0, PBLD_N3SBOUNDARY, nullptr},
    {"n3scondition", 1, 's', 0, PBLD_N3SCONDITION, nullptr},
    {"n3scode", 1, 's', 0, PBLD_N3SCODE, nullptr},
    {"estetdomain", 1, 's', 0, PBLD_ESTETDOMAIN, Opt_estetdomain},
    {"estetnoderange_i", 2, 'f', 0, PBLD_ESTETNODERANGE_I, nullptr},
    {"estetnoderange_j", 2, 'f', 0, PBLD_ESTETNODERANGE_J, nullptr},
    {"estetnoderange_k", 2, 'f', 0, PBLD_ESTETNODERANGE_K, nullptr},
    {"estetstep", 3, 'f', 0, PBLD_ESTETSTEP, nullptr},
    {"estetvectordesc", 1, 's', 0, PBLD_ESTETVECTORDESC, nullptr},
    {"estetvector_x", 1, 's', 0, PBLD_ESTETVECTOR_X, nullptr},
    {"estetvector_y", 1, 's', 0, PBLD_ESTETVECTOR_Y, nullptr},
    {"estetvector_z", 1, 's', 0, PBLD_ESTETVECTOR_Z, nullptr},
    {"estetbuildvector", 0, 'z', 0, PBLD_ESTETBUILDVECTOR, nullptr},
    {"description", 1, 's', 0, PBLD_DESCRIPTION, nullptr},
    {"create", 0, 'z', 0, PBLD_CREATE, nullptr},
    {"begin", 0, 'z', 0, PBLD_BEGIN, nullptr},
    {"end", 0, 'z', 0, PBLD_END, nullptr},
    {"plot3dnoderange_i", 2, 'f', 0, PBLD_PLOT3DNODERANGE_I, nullptr},
    {"plot3dnoderange_j", 2, 'f', 0, PBLD_PLOT3DNODERANGE_J, nullptr},
    {"plot3dnoderange_k", 2, 'f', 0, PBLD_PLOT3DNODERANGE_K, nullptr},
    {"plot3dstep", 3, 'f', 0, PBLD_PLOT3DSTEP, nullptr},
    {"plot3ddomain", 1, 's', 0, PBLD_PLOT3DDOMAIN, Opt_plot3ddomain},
    {"plot3dselect_zone_begin", 0, 'b', 0, PBLD_PLOT3DSELECT_ZONE_BEGIN, nullptr},
    {"plot3dselect_zone_end", 0, 'e', 0, PBLD_PLOT3DSELECT_ZONE_END, nullptr},
    {"noderange_i", 2, 'f', 0, PBLD_NODERANGE_I, nullptr},
    {"noderange_j", 2, 'f', 0, PBLD_NODERANGE_J, nullptr},
    {"noderange_k", 2, 'f', 0, PBLD_NODERANGE_K, nullptr},
    {"nodestep", 3, 'f', 0, PBLD_NODESTEP, nullptr},
    {"data_type", 1, 's', 0, PBLD_DATA_TYPE, Opt_data_type},
    {"domain", 1, 's', 0, PBLD_DOMAIN, Opt_domain},
    {"select_begin", 0, 'b', 0, PBLD_SELECT_BEGIN, nullptr},
    {"select_end", 0, 'e', 0, PBLD_SELECT_END, nullptr},
    {"select_all", 0, 'z', 0, PBLD_SELECT_ALL, nullptr},
    {"iblank_type", 1, 's', 0, PBLD_IBLANK_TYPE, nullptr},
    {"create_iblank", 0, 'z', 0, PBLD_CREATE_IBLANK, nullptr},
    CMD_KEYWORD_END};

// ---- the processor ----------------------------------------------------------------

// A refused line fails the command group.
static int refuse(const char *text) {
  disperr(text);
  Command_proc_err = 1;
  return -1;
}

// An option value (no list holds -1), or -1 after the command layer
// reported a keyword that is not in the list.
static int option_value(const char *params, int cat_index, int kw_row) {
  return cmd_process_strparams(params, cat_index, kw_row);
}

static int set_range(int cat_index, int kw_row, const char *params, int *ijk, int axis) {
  float v[3] = {0, 0, 0};
  if (cmd_process_params(cat_index, kw_row, params, v) < 0) return -1;
  ijk[axis * 3] = (int)v[0];
  ijk[axis * 3 + 1] = (int)v[1];
  return 1;
}

static int set_steps(int cat_index, int kw_row, const char *params, int *ijk) {
  float v[3] = {0, 0, 0};
  if (cmd_process_params(cat_index, kw_row, params, v) < 0) return -1;
  for (int a = 0; a < 3; a++) ijk[a * 3 + 2] = (int)v[a];
  return 1;
}

// The number of an N3S code: its exact name (first row that has it) or its
// number; "Friction Condition" names both 3 and 4, so the number tells them apart.
static int n3s_code_of(const char *text) {
  for (int k = 0; k < N3S_CODES; k++)
    if (strcmp(N3scode_names[k], text) == 0) return k;
  char *end = nullptr;
  long n = strtol(text, &end, 10);
  if (end != text && *end == '\0' && n >= 0 && n < N3S_CODES) return (int)n;
  return -1;
}

static int select_all(Part_build_pending_rec &w) {
  int c = Case_num;
  w.sel.clear();
  if (!Pbuild[c] || Tot_num_quivane_parts[c] <= 0)
    return refuse("data_partbuild: select_all - No parts available for selection.");
  int m = 0;
  for (int i = 0; i < Tot_num_quivane_parts[c]; i++)
    if ((w.value == 0) == (Pbuild[c][i].kind == 0)) m++;
  for (int k = 1; k <= m; k++) w.sel.push_back(k);
  return 1;
}

static int iblank_type(Part_build_pending_rec &w, const char *name) {
  if (!name[0]) return refuse("data_partbuild: Bad iblank type.");
  int count = 0;
  char **names = nullptr;
  if (get_bnd_list(&count, &names) < 0)
    return refuse("Error allocation memory for command processing.");
  int found = -1;
  for (int k = 0; k < count && found < 0; k++)
    if (strcasecmp(names[k], name) == 0) found = k;
  free_bnd_list(names);
  if (found < 0) return refuse("data_partbuild: Bad iblank type.");
  w.domain = found;
  return 1;
}

static int create(Builder b, int iblank) {
  Command_proc_err = 0;
  switch (b) {
    case B_N3S:
      data_n3s_creatpart(1);
      Pending[b].codes.clear();
      break;
    case B_ESTET:
      if (iblank) data_estet_creatiblankpart(1); else data_estet_creatpart(1);
      break;
    case B_PLOT3D:
      if (iblank) data_plot3d_creatiblankpart(1); else data_plot3d_creatpart(1);
      Pending[b].sel.clear();
      break;
    case B_GENERIC:
      if (iblank) data_generic_creatiblankpart(1); else data_generic_creatpart(0, 1);
      Pending[b].sel.clear();
      break;
    default:
      break;
  }
  return Command_proc_err == 1 ? -1 : 1;
}

static void begin(Builder b) {
  if (b == B_N3S) data_n3spartc_init(1);
  if (b == B_ESTET) data_estetpartc_init(1);
  if (b == B_GENERIC) data_genericpartc_init(1);
}

static void end(Builder b) {
  if (b == B_N3S) data_n3s_dismiss(1);
  if (b == B_ESTET) data_estet_dismiss(1);
  if (b == B_PLOT3D) data_plot3d_dismiss(1);
  if (b == B_GENERIC) data_generic_dismiss(1);
}

// Keywords of the vector builder and the text values: "??" asks first.
static int text_value(const char **params, char **answer) {
  return cmd_param_asked(params, answer, Cmd_no_value_entered);
}

static int apply(Builder b, Part_build_pending_rec &w, int cat_index, int kw_row, int cmd_id,
                 const char *params, const int *ids, int nids) {
  switch (cmd_id) {
    case PBLD_TARVLOAD: {
      int v = option_value(params, cat_index, kw_row);
      if (v < 0) return refuse("data_partbuild: Bad load type.");
      w.load = v;
      if (Data_format[Case_num] == 0) {
        Pending[B_TARV].load = v;
        Cmd_file_format = 5;
      }
      return 1;
    }
    case PBLD_N3SALL_ELEMENTS:
      w.value = -1;
      w.codes.clear();
      return 1;
    case PBLD_N3SCOLOR_NUMBER: {
      float v[1] = {0};
      if (cmd_process_params(cat_index, kw_row, params, v) < 0) return -1;
      w.value = (int)v[0];
      w.codes.clear();
      return 1;
    }
    case PBLD_N3SBOUNDARY:
      w.codes.clear();
      return 1;
    case PBLD_N3SCONDITION:
      for (int k = 0; k < N3S_VARNAMES; k++)
        if (strncmp(N3svarname[Case_num][k], params, 20) == 0 && strlen(params) <= 20) {
          w.value = k + 1;
          return 1;
        }
      return refuse("data_partbuild: N3S boundary condition not found.");
    case PBLD_N3SCODE: {
      int code = n3s_code_of(params);
      if (code < 0) return refuse("data_partbuild: N3S boundary code not found.");
      w.codes.push_back(code);
      return 1;
    }
    case PBLD_ESTETDOMAIN: {
      int v = option_value(params, cat_index, kw_row);
      if (v == -50)
        return refuse(
            "We are sorry for the inconvenience.  Due to necessary changes to Quivane, command "
            "files that use the old 'symmetry' part building command are not compatible.");
      if (v < 0) return refuse("data_partbuild: Bad ESTET domain.");
      w.domain = v;
      return 1;
    }
    case PBLD_PLOT3DDOMAIN: {
      int v = option_value(params, cat_index, kw_row);
      if (v == -50 || v == -51)
        return refuse(
            "We are sorry for the inconvenience.  Due to necessary changes to Quivane, command "
            "files that use the old 'internal_boundary' and 'between_zones' part building "
            "commands are not compatible.");
      if (v < 0) return refuse("data_partbuild: Bad PLOT3D domain.");
      w.domain = v;
      return 1;
    }
    case PBLD_ESTETNODERANGE_I: case PBLD_PLOT3DNODERANGE_I: case PBLD_NODERANGE_I:
      return set_range(cat_index, kw_row, params, w.ijk, 0);
    case PBLD_ESTETNODERANGE_J: case PBLD_PLOT3DNODERANGE_J: case PBLD_NODERANGE_J:
      return set_range(cat_index, kw_row, params, w.ijk, 1);
    case PBLD_ESTETNODERANGE_K: case PBLD_PLOT3DNODERANGE_K: case PBLD_NODERANGE_K:
      return set_range(cat_index, kw_row, params, w.ijk, 2);
    case PBLD_ESTETSTEP: case PBLD_PLOT3DSTEP: case PBLD_NODESTEP:
      return set_steps(cat_index, kw_row, params, w.ijk);
    case PBLD_ESTETVECTORDESC: case PBLD_ESTETVECTOR_X: case PBLD_ESTETVECTOR_Y:
    case PBLD_ESTETVECTOR_Z: case PBLD_ESTETBUILDVECTOR:
      return datavctbld_line(cmd_id - PBLD_ESTETVECTORDESC, params);
    case PBLD_DESCRIPTION:
      if (strlen(params) >= PBLD_DESC_LEN) fprintf(stderr, "Part description too long, truncating.\n");
      copy_desc(w.desc, params);
      return 1;
    case PBLD_PLOT3DSELECT_ZONE_END: case PBLD_SELECT_END:
      take_list(w.sel, nids, ids);
      return 1;
    case PBLD_DATA_TYPE: {
      int v = option_value(params, cat_index, kw_row);
      if (v < 0) return refuse("data_partbuild: Bad Part Type (Structure/Unstru...).");
      w.value = v;
      return 1;
    }
    case PBLD_DOMAIN: {
      int v = option_value(params, cat_index, kw_row);
      if (v < 0) return refuse("data_partbuild: Bad Domain.");
      w.domain = v;
      return 1;
    }
    case PBLD_SELECT_ALL:
      return select_all(w);
    case PBLD_IBLANK_TYPE:
      return iblank_type(w, params);
    case PBLD_BEGIN:
      begin(b);
      return 1;
    default:
      return 1;
  }
}

int databld_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                    int kw_row, int cmd_id, const int *ids, int nids) {
  if (kw_row == CMD_NOT_FOUND || cmd_id < 0)
    return refuse("data_partbuild: Bad command for this category.");
  Builder b = builder_of(Data_format[Case_num]);
  if (cmd_id == PBLD_CREATE) return create(b, 0);
  if (cmd_id == PBLD_CREATE_IBLANK) {
    // The emptied selection is stored back as after any other keyword.
    return create(b, 1);
  }
  if (cmd_id == PBLD_END) {
    end(b);
    return 1;
  }
  Part_build_pending_rec w = b == B_NONE ? Part_build_pending_rec() : Pending[b];
  char *answer = nullptr;
  const char *text = params ? params : "";
  const Cmd_keyword_rec &row = Cmds_partbuild[kw_row];
  if (row.type == 's' && !row.options && text_value(&text, &answer) < 0) {
    Command_proc_err = 1;
    return -1;
  }
  int r = apply(b, w, cat_index, kw_row, cmd_id, text, ids, nids);
  free(answer);
  if (r < 0) {
    Command_proc_err = 1;
    return -1;
  }
  if (b != B_NONE) Pending[b] = w;
  return 1;
}

void dpbld_ref(int cat_index) {
  Cmds_cat[cat_index].refresh_needed = 0;
  data_partbld_refresh();
}

void data_partbld_refresh() {
  switch (Data_format[Case_num]) {
    case 0: case 10: data_genericpartc_init(0); break;
    case 1: data_plot3dpartc_init(0); break;
    case 3: data_n3spartc_init(0); break;
    case 4: data_estetpartc_init(0); break;
    default: break;
  }
}

void data_refresh_dependencies() {
  view_menu_init();
  if (Data_showinfo_hook) Data_showinfo_hook();
}
