// The ESTET part loader (see estet_loader.h). Owns its dialog hooks; the
// shared pieces of a loader (fields, description, element representation,
// iblanked creation, close) are generic_loader's.
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
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/pbuild.h"
#include "data/readcmds.h"
#include "state/partbuild_text.h"

Generic_loader_windep_rec Estet_loader_windep = {};
Estet_loader_extras_rec Estet_loader_extras = {};

namespace {

bool dialog_shown() { return Estet_loader_windep.shown && Estet_loader_windep.shown() == 1; }

void set_number(int f, int value) {
  char text[32];
  snprintf(text, sizeof text, "%6d", value);
  loader_set_field(Estet_loader_windep, f, text);
}

void form_sensitive(int on) {
  if (Estet_loader_extras.form_sensitive) Estet_loader_extras.form_sensitive(on);
}

void refuse(const char *text) {
  disperr(text);
  Command_proc_err = 1;
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

// ---- the period ---------------------------------------------------------------------

void data_estetpartc_init(int flag) {
  int c = Case_num;
  data_build_mark_start(flag, start_estet_part_create);
  if (!dialog_shown()) return;
  const Generic_loader_windep_rec &w = Estet_loader_windep;
  form_sensitive(Gexist[c] ? 1 : 0);
  if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: begin");
  int inside = 1, outside = 1, shown = 1;
  estet_domain_rows(Bc_flag[c], &inside, &outside, &shown);
  if (w.domain_rows) w.domain_rows(inside, outside, shown);
  const int extent[3] = {Max_x_node[c], Max_y_node[c], Max_z_node[c]};
  for (int a = 0; a < 3; a++) {
    // Typed From and To values stay across periods and cases.
    if (loader_field(w, GEN_RANGE + a * 3).empty()) set_number(GEN_RANGE + a * 3, 1);
    if (loader_field(w, GEN_RANGE + a * 3 + 1).empty()) set_number(GEN_RANGE + a * 3 + 1, extent[a]);
    set_number(GEN_MINMAX + a * 2, 1);
    set_number(GEN_MINMAX + a * 2 + 1, extent[a]);
  }
  loader_show_elemrep(w);
  data_structiblankitems_refresh(LOADER_ESTET);
  data_structiblankparent_refresh(LOADER_ESTET);
}

void data_estet_dismiss(int flag) {
  // Closing also gives back the representation the period began with, as
  // the other loaders do.
  loader_dismiss(Estet_loader_windep, flag, stop_estet_part_create);
}

void data_estetread_init() {
  const Generic_loader_windep_rec &w = Estet_loader_windep;
  if (!Estet_loader_extras.exists || !Estet_loader_extras.exists()) return;
  if (Gexist[Case_num]) {
    form_sensitive(1);
    return;
  }
  form_sensitive(0);
  for (int a = 0; a < 3; a++)
    for (int k = 0; k < 2; k++) {
      loader_set_field(w, GEN_RANGE + a * 3 + k, "");
      loader_set_field(w, GEN_MINMAX + a * 2 + k, "");
    }
  if (w.domain_rows) w.domain_rows(1, 1, 1);
  loader_set_field(w, GEN_ST_DESC, "");
}

// ---- structured creation ----------------------------------------------------------------

namespace {

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
  const Generic_loader_windep_rec &w = Estet_loader_windep;
  const bool dialog = flag == 0;
  const int c = Case_num;
  const int extent[3] = {Max_x_node[c], Max_y_node[c], Max_z_node[c]};
  Creation_lines lines{dialog, {}};
  pbuildcmds_clear();
  int ijk[9] = {}, domain = 1;
  char desc[PBLD_DESC_LEN] = "";
  if (dialog) {
    if (!dialog_shown()) return;
    loader_elemrep_apply(w);
    if (w.domain) domain = w.domain();
    // Every field, Step included, is taken as typed; none is rewritten.
    if (!read_range_fields(w, ijk, "Minimum and Maximum values must be integers.")) return;
    if (check_range(ijk, extent) < 0 || check_steps(ijk) < 0) return;
    take_description(w, GEN_ST_DESC, desc);
  } else {
    int nsel = 0, *list = nullptr;
    estet_partbld_vals(ijk, &domain, desc, &nsel, &list, 0);
    free(list);
    // The pending values are checked against the mesh as the dialog's are.
    if (check_range(ijk, extent) < 0 || check_steps(ijk) < 0) {
      Command_proc_err = 1;
      return;
    }
  }
  if (!structured_lines(lines, ijk, domain, desc)) {
    if (!dialog) Command_proc_err = 1;
    return;
  }
  lines.flush();

  set_working_cursor("**Creating Part**");
  int number = 0;
  int r = read_estet_part(ijk, extent[0], extent[1], extent[2], domain, desc, &number);
  unset_working_cursor();
  if (r == -1) return refuse("Error creating ESTET part: No elements found for selection criteria chosen.");
  if (r == 2) return refuse("Error creating ESTET part: allocation or disk space problem with part map.");
  if (r != 0 || number <= 0) {
    // Only 0 with a new part is success; a part whose geometry did not
    // arrive (5) or any other answer is reported and keeps no text.
    char buf[120];
    snprintf(buf, sizeof buf, "Error creating ESTET part: the part could not be made (status %d).", r);
    return refuse(buf);
  }
  if (dialog && Recrdr == 1) cmdrec("data_partbuild: create");
  if (pbuildcmds_add("data_partbuild: create") == 0) save_model_part_build_instructions(number, Data_pbuildcmds);
  data_build_refresh_lists();
  data_structiblankparent_refresh(LOADER_ESTET);
}

// ---- iblanked creation ------------------------------------------------------------------

static void estet_iblank_pending(int *type, std::vector<int> *parents, char *desc) {
  int nsel = 0, *list = nullptr, ijk[9];
  estet_partbld_vals(ijk, type, desc, &nsel, &list, 0);
  if (list) parents->assign(list, list + nsel);
  free(list);
}

void data_estet_creatiblankpart(int flag) {
  static const Loader_iblank_rec how = {1,
                                        nullptr,
                                        "**Creating Part**",
                                        "data_estet_creatiblankpart()",
                                        "Error allocation memory for part build command language.",
                                        estet_iblank_pending};
  loader_creatiblankpart(Estet_loader_windep, flag, how);
}
