// The ESTET part loader (see estet_loader.h).
#include "data/estet_loader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "data/builders.h"
#include "data/data_dlog.h"
#include "data/data_read.h"
#include "data/generic_loader.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/pbuild.h"
#include "data/readcmds.h"
#include "parts/attribute.h"
#include "parts/part_copy.h"
#include "parts/read.h"
#include "state/partbuild_text.h"
#include "variables/variables_dlog.h"

Estet_loader_windep_rec Estet_loader_windep = {};

namespace {

bool dialog_shown() { return Estet_loader_windep.shown && Estet_loader_windep.shown() == 1; }

std::string field(int f) {
  std::string s;
  if (Estet_loader_windep.get_text) Estet_loader_windep.get_text(f, &s);
  return s;
}

void set_field(int f, const char *text) {
  if (Estet_loader_windep.set_text) Estet_loader_windep.set_text(f, text);
}

void set_number(int f, int value) {
  char text[32];
  snprintf(text, sizeof text, "%6d", value);
  set_field(f, text);
}

// A description field taken for a creation: cut to 49 characters and emptied.
void take_description(int f, char *desc) {
  std::string s = field(f);
  desc[0] = '\0';
  if (s.empty()) return;
  snprintf(desc, PBLD_DESC_LEN, "%s", s.c_str());
  set_field(f, "");
}

std::vector<int> selected(int list) {
  std::vector<int> out;
  if (Estet_loader_windep.selected) Estet_loader_windep.selected(list, &out);
  return out;
}

void refuse(const char *text) {
  disperr(text);
  Command_proc_err = 1;
}

// The element representation of new parts from the dialog's menu and angle.
void elemrep_apply() {
  if (!Estet_loader_windep.elemrep) return;
  int rep = Estet_loader_windep.elemrep();
  float angle = rep == 2 ? (float)atof(field(EST_FANGLE).c_str()) : 0.0f;
  data_loader_elemrep_change(rep, angle);
}

}  // namespace

void estet_domain_rows(int bc_flag, int *inside_on, int *outside_on, int *shown) {
  switch (bc_flag) {
    case 0: *inside_on = 0, *outside_on = 1, *shown = 0; break;
    case 1: *inside_on = 1, *outside_on = 0, *shown = 1; break;
    case 3: *inside_on = 0, *outside_on = 0, *shown = 2; break;
    default: *inside_on = 1, *outside_on = 1, *shown = 1; break;  // 2, and codes the mesh does not define
  }
}

const char *estet_range_refusal(const int ijk[9], char *buf, size_t cap) {
  int c = Case_num;
  for (int a = 0; a < 3; a++) {
    if (ijk[a * 3 + 1] < ijk[a * 3]) return "Maximum value must be >= minimum value.";
    if (ijk[a * 3] < 1) return "Minimum value must be >= 1.";
  }
  if (ijk[1] > Max_x_node[c] || ijk[4] > Max_y_node[c] || ijk[7] > Max_z_node[c]) {
    snprintf(buf, cap,
             "Maximum value must be <= maximum data values of (MaxX = %d, MaxY = %d, MaxZ = %d).",
             Max_x_node[c], Max_y_node[c], Max_z_node[c]);
    return buf;
  }
  // A step below 1 would leave the server no nodes to walk.
  for (int a = 0; a < 3; a++)
    if (ijk[a * 3 + 2] < 1) return "Step values must be >= 1.";
  return nullptr;
}

// ---- the period ---------------------------------------------------------------------

void data_estetpartc_init(int flag) {
  int c = Case_num;
  data_build_mark_start(flag, start_estet_part_create);
  if (!dialog_shown()) return;
  Estet_loader_windep_rec &w = Estet_loader_windep;
  if (w.form_sensitive) w.form_sensitive(Gexist[c] ? 1 : 0);
  if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: begin");
  int inside = 1, outside = 1, shown = 1;
  estet_domain_rows(Bc_flag[c], &inside, &outside, &shown);
  if (w.domain_rows) w.domain_rows(inside, outside, shown);
  const int extent[3] = {Max_x_node[c], Max_y_node[c], Max_z_node[c]};
  for (int a = 0; a < 3; a++) {
    // Typed From and To values stay across periods and cases.
    if (field(EST_RANGE + a * 3).empty()) set_number(EST_RANGE + a * 3, 1);
    if (field(EST_RANGE + a * 3 + 1).empty()) set_number(EST_RANGE + a * 3 + 1, extent[a]);
    set_number(EST_MINMAX + a * 2, 1);
    set_number(EST_MINMAX + a * 2 + 1, extent[a]);
  }
  float attr[PART_ATTR_SLOTS];
  part_attributes(-1, PART_MODEL, attr, nullptr, nullptr, nullptr, 0);
  int rep = (int)attr[SLOT_ELT_REP];
  if (w.set_elemrep) w.set_elemrep(rep);
  char angle[32];
  snprintf(angle, sizeof angle, "%5.1f", attr[SLOT_FEATURE_ANGLE]);
  set_field(EST_FANGLE, angle);
  Loader_saved_elemrep = rep;
  Loader_saved_fangle = attr[SLOT_FEATURE_ANGLE];
  data_structiblankitems_refresh(LOADER_ESTET);
  data_structiblankparent_refresh(LOADER_ESTET);
}

void data_estet_dismiss(int flag) {
  if (Gexist[Case_num]) {
    set_working_cursor("**Working**");
    if (flag == 0) var_dialog_init();
    data_build_close(stop_estet_part_create);
    if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: end");
    unset_working_cursor();
  }
  if (flag == 1) return;
  if (Estet_loader_windep.hide) Estet_loader_windep.hide();
  // The representation the period began with comes back, as the other loaders do.
  data_reset_partelemrep();
}

void data_estetread_init() {
  Estet_loader_windep_rec &w = Estet_loader_windep;
  if (!w.exists || !w.exists()) return;
  if (Gexist[Case_num]) {
    if (w.form_sensitive) w.form_sensitive(1);
    return;
  }
  if (w.form_sensitive) w.form_sensitive(0);
  for (int a = 0; a < 3; a++) {
    set_field(EST_RANGE + a * 3, "");
    set_field(EST_RANGE + a * 3 + 1, "");
    set_field(EST_MINMAX + a * 2, "");
    set_field(EST_MINMAX + a * 2 + 1, "");
  }
  if (w.domain_rows) w.domain_rows(1, 1, 1);
  set_field(EST_DESC, "");
}

// ---- structured creation ----------------------------------------------------------------

namespace {

// The nine range fields; false after the refusal.
bool read_ranges(int ijk[9]) {
  for (int k = 0; k < 9; k++) {
    std::string s = field(EST_RANGE + k);
    if (!pbuild_blanks_and_digits(s)) {
      disperr("Minimum and Maximum values must be integers.");
      return false;
    }
    ijk[k] = atoi(s.c_str());
  }
  return true;
}

bool structured_lines(Creation_lines &lines, const int ijk[9], int domain, const char *desc) {
  static const char *const axes[3] = {"i", "j", "k"};
  if (!lines.both(pbuild_line("estetdomain ") + pbuild_option_word(PBLD_ESTETDOMAIN, domain)) ||
      !lines.both(pbuild_line("description ") + desc))
    return false;
  for (int a = 0; a < 3; a++) {
    char text[96];
    snprintf(text, sizeof text, "estetnoderange_%s %d %d", axes[a], ijk[a * 3], ijk[a * 3 + 1]);
    if (!lines.both(pbuild_line(text))) return false;
  }
  char step[96];
  snprintf(step, sizeof step, "estetstep %d %d %d", ijk[2], ijk[5], ijk[8]);
  return lines.both(pbuild_line(step));
}

}  // namespace

void data_estet_creatpart(int flag) {
  const bool dialog = flag == 0;
  const int c = Case_num;
  Creation_lines lines{dialog, {}};
  pbuildcmds_clear();
  int ijk[9] = {}, domain = 1;
  char desc[PBLD_DESC_LEN] = "";
  char buf[200];
  if (dialog) {
    if (!dialog_shown()) return;
    elemrep_apply();
    domain = Estet_loader_windep.domain ? Estet_loader_windep.domain() : 1;
    if (!read_ranges(ijk)) return;
    if (const char *why = estet_range_refusal(ijk, buf, sizeof buf)) {
      disperr(why);
      return;
    }
    take_description(EST_DESC, desc);
  } else {
    int nsel = 0, *list = nullptr;
    estet_partbld_vals(ijk, &domain, desc, &nsel, &list, 0);
    free(list);
    if (const char *why = estet_range_refusal(ijk, buf, sizeof buf)) return refuse(why);
  }
  if (!structured_lines(lines, ijk, domain, desc)) {
    if (!dialog) Command_proc_err = 1;
    return;
  }
  lines.flush();

  set_working_cursor("**Creating Part**");
  int number = 0;
  int r = read_estet_part(ijk, Max_x_node[c], Max_y_node[c], Max_z_node[c], domain, desc, &number);
  unset_working_cursor();
  if (r == -1) return refuse("Error creating ESTET part: No elements found for selection criteria chosen.");
  if (r == 2) return refuse("Error creating ESTET part: allocation or disk space problem with part map.");
  if (r != 0 || number <= 0) {
    // Only 0 with a new part is success; a part whose geometry did not
    // arrive (5) or any other answer is reported and keeps no text.
    snprintf(buf, sizeof buf, "Error creating ESTET part: the part could not be made (status %d).", r);
    return refuse(buf);
  }
  if (dialog && Recrdr == 1) cmdrec("data_partbuild: create");
  if (pbuildcmds_add("data_partbuild: create") == 0) save_model_part_build_instructions(number, Data_pbuildcmds);
  data_build_refresh_lists();
  data_structiblankparent_refresh(LOADER_ESTET);
}

// ---- iblanked creation ------------------------------------------------------------------

void data_estet_creatiblankpart(int flag) {
  const bool dialog = flag == 0;
  Creation_lines lines{dialog, {}};
  pbuildcmds_clear();
  std::vector<int> parents;
  std::vector<std::string> names;
  char desc[PBLD_DESC_LEN] = "";
  int type = -1;
  if (dialog) {
    if (!dialog_shown()) return;
    elemrep_apply();
    std::vector<int> values = selected(EST_LIST_IBLANK_VALUES);
    if (values.empty()) {
      disperr("Please select from the Iblank values list before creating parts.");
      return;
    }
    type = values[0] - 1;
    if (!pbuild_iblank_names(&names, "Error allocation memory for command language.")) return;
    take_description(EST_IBLANK_DESC, desc);
    if (!lines.both(pbuild_line("description ") + desc)) return;
    std::vector<int> positions = selected(EST_LIST_IBLANK_PARENTS);
    if (!positions.empty()) parents = structured_parents_at("data_estet_creatiblankpart()", positions);
    if (parents.empty()) {
      disperr("Please select from the parent part list before creating parts.");
      return;
    }
    pbuild_record_selection(lines, parents);
    if (!pbuild_append_selection((int)parents.size())) return;
  } else {
    int nsel = 0, *list = nullptr, ijk[9];
    estet_partbld_vals(ijk, &type, desc, &nsel, &list, 0);
    if (list) parents.assign(list, list + nsel);
    free(list);
    if (!lines.both(pbuild_line("description ") + desc) || !pbuild_append_selection((int)parents.size()))
      return refuse("Error allocating space for part build commands.");
    if (!pbuild_iblank_names(&names, "Error allocation memory for part build command language."))
      return refuse("data_partbuild: Bad iblank type.");
    if (parents.empty()) return refuse("Please select from the parent part list before creating parts.");
  }
  // An index the server's names do not reach cannot be written or sent.
  if (type < 0 || type >= (int)names.size()) return refuse("data_partbuild: Bad iblank type.");
  if (!lines.both(pbuild_line("iblank_type ") + names[type])) return;
  lines.flush();

  if (pbuild_make_iblank(dialog, parents, type, desc, "**Creating Part**") < 0) {
    Command_proc_err = 1;
    return;
  }
  data_build_refresh_lists();
}
