// The generic part loader (see generic_loader.h). Owns the placeholders of
// the part-build text, the representation remembered at initialisation and
// the dialog hooks; the text itself (Data_pbuildcmds) is readcmds'.
//
// One routine serves each operation from the dialog (flag 0: fields read
// and checked, lines recorded) and from "data_partbuild:" (flag 1: the
// pending values used as they stand, nothing recorded). A dialog creation
// records its lines only once every check has passed, so a refused
// creation leaves nothing in the record that a replay would act on; only
// the element-representation lines come first, since that change is made.
#include "data/generic_loader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/cases.h"
#include "client/cmd_tables.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "data/builders.h"
#include "data/data_cmdproc.h"
#include "data/data_dlog.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/pbuild.h"
#include "data/readcmds.h"
#include "parts/attribute.h"
#include "parts/part_copy.h"
#include "parts/read.h"
#include "state/partbuild_text.h"
#include "variables/variables_dlog.h"

Generic_loader_windep_rec Generic_loader_windep = {};
int (*Data_iblank_list_exists)(int loader, int which) = nullptr;
void (*Data_iblank_list_set)(int loader, int which, const std::vector<std::string> &items) = nullptr;
int Loader_saved_elemrep = 0;
float Loader_saved_fangle = 0.0f;

static const int SELECTION_WIDTH = 10;  // characters of a selection placeholder
static const int RANGE_WIDTH = 12;      // characters of a range placeholder from its "1"
static std::vector<size_t> Sel_marks;   // offsets of the selection placeholders
static std::vector<size_t> Range_marks; // offsets of the three range placeholders

static bool dialog_shown() {
  return Generic_loader_windep.shown && Generic_loader_windep.shown() == 1;
}

// ---- the part-build text ---------------------------------------------------------------

void pbuildcmds_clear() {
  if (Data_pbuildcmds) Data_pbuildcmds[0] = '\0';
  Sel_marks.clear();
  Range_marks.clear();
}

int pbuildcmds_add(const char *line) {
  return data_append_cmdline(&Data_pbuildcmds, &Data_pbuildcmds_len, line, "data_PART_BLDCMDS:");
}

// Appends line and returns where its characters from skip on begin.
static int add_marked(const char *line, size_t skip, std::vector<size_t> *marks) {
  size_t before = Data_pbuildcmds ? strlen(Data_pbuildcmds) : 0;
  if (pbuildcmds_add(line) != 0) return -1;
  marks->push_back(before + (before == 0 ? 2 : 3) + skip);
  return 0;
}

int pbuildcmds_add_selection() {
  return add_marked(std::string(SELECTION_WIDTH, ' ').c_str(), 0, &Sel_marks);
}

int pbuildcmds_add_ranges(const char *keyword) {
  for (const char *axis : {"_i ", "_j ", "_k "}) {
    std::string head = std::string("data_partbuild: ") + keyword + axis;
    std::string line = head + "1" + std::string(RANGE_WIDTH - 1, ' ');
    if (add_marked(line.c_str(), head.size(), &Range_marks) != 0) return -1;
  }
  return 0;
}

// Copies text over width characters at offset, blanks after it; never a NUL.
static void overwrite(size_t offset, int width, const char *text) {
  if (!Data_pbuildcmds || offset + width > strlen(Data_pbuildcmds)) return;
  size_t n = strlen(text);
  for (int k = 0; k < width; k++) Data_pbuildcmds[offset + k] = (size_t)k < n ? text[k] : ' ';
}

void pbuildcmds_fill_selection(int k, int value) {
  if (k < 0 || k >= (int)Sel_marks.size()) return;
  char text[32];
  snprintf(text, sizeof text, "%10d", value);
  overwrite(Sel_marks[k], SELECTION_WIDTH, text);
}

void pbuildcmds_fill_ranges(const int dims[3]) {
  for (size_t a = 0; a < Range_marks.size() && a < 3; a++) {
    char text[32];
    snprintf(text, sizeof text, "1 %d", dims[a]);
    overwrite(Range_marks[a], RANGE_WIDTH, text);
  }
}

// ---- lines shared by the loaders ---------------------------------------------------------

bool Creation_lines::both(const std::string &line) {
  record(line);
  return pbuildcmds_add(line.c_str()) == 0;
}

void Creation_lines::flush() {
  if (dialog && Recrdr == 1)
    for (const std::string &l : held) cmdrec(l.c_str());
  held.clear();
}

std::string pbuild_line(const char *rest) { return std::string("data_partbuild: ") + rest; }

const char *pbuild_option_word(int cmd_id, int value) {
  for (int k = 0; Cmds_partbuild[k].keyword[0]; k++) {
    const Cmd_keyword_rec &row = Cmds_partbuild[k];
    if (row.cmd_id != cmd_id || !row.options) continue;
    for (int o = 0; row.options[o].keyword[0]; o++)
      if (row.options[o].value == value) return row.options[o].keyword;
  }
  return "";
}

void pbuild_record_selection(Creation_lines &out, const std::vector<int> &numbers, const char *begin,
                      const char *end) {
  out.record(pbuild_line(begin));
  std::string line;
  for (size_t k = 0; k < numbers.size(); k++) {
    line += " " + std::to_string(numbers[k]) + " ";
    if (k % 16 == 15 || k + 1 == numbers.size()) {
      out.record(line);
      line.clear();
    }
  }
  out.record(pbuild_line(end));
}

bool pbuild_append_selection(int placeholders, const char *begin, const char *end) {
  if (pbuildcmds_add(pbuild_line(begin).c_str()) != 0) return false;
  for (int k = 0; k < placeholders; k++)
    if (pbuildcmds_add_selection() != 0) return false;
  return pbuildcmds_add(pbuild_line(end).c_str()) == 0;
}

std::string loader_field(const Generic_loader_windep_rec &w, int f) {
  std::string s;
  if (w.get_text) w.get_text(f, &s);
  return s;
}

void loader_set_field(const Generic_loader_windep_rec &w, int f, const char *text) {
  if (w.set_text) w.set_text(f, text);
}

void take_description(const Generic_loader_windep_rec &w, int f, char *desc) {
  std::string s = loader_field(w, f);
  desc[0] = '\0';
  if (s.empty()) return;
  snprintf(desc, PBLD_DESC_LEN, "%s", s.c_str());
  loader_set_field(w, f, "");
}

bool pbuild_blanks_and_digits(const std::string &s) {
  for (char ch : s)
    if (ch != ' ' && (ch < '0' || ch > '9')) return false;
  return true;
}

namespace {

// The records the selection numbers name: the n-th record of the kind
// (0 unstructured, else structured), scanning on from the previous match.
int match_selection(int data_type, const std::vector<int> &sel, std::vector<int> &recs) {
  int c = Case_num, pos = 0, count = 0, total = Pbuild[c] ? Tot_num_quivane_parts[c] : 0;
  for (int number : sel) {
    bool found = false;
    for (; pos < total && !found; pos++) {
      if ((Pbuild[c][pos].kind == 0) != (data_type == 0)) continue;
      if (++count == number) {
        recs.push_back(pos);
        found = true;
      }
    }
    if (!found) {
      printf("data_generic_creatpart: Internal part list match error.\n");
      Command_proc_err = 1;
      return -1;
    }
  }
  return 0;
}

std::string range_line(const char *axis, int from, int to) {
  return pbuild_line("noderange_") + axis + " " + std::to_string(from) + " " + std::to_string(to);
}

void fail_command(bool dialog) {
  if (!dialog) Command_proc_err = 1;
}

}  // namespace

int check_range(const int ijk[9], const int dims[3]) {
  for (int a = 0; a < 3; a++) {
    if (ijk[a * 3 + 1] < ijk[a * 3]) {
      disperr("Maximum value must be >= minimum value.");
      return -1;
    }
    if (ijk[a * 3] < 1) {
      disperr("Minimum value must be >= 1.");
      return -1;
    }
  }
  if (dims[0] < ijk[1] || dims[1] < ijk[4] || dims[2] < ijk[7]) {
    char text[160];
    snprintf(text, sizeof text,
             "Maximum value must be <= maximum data values of (MaxX = %d, MaxY = %d, MaxZ = %d).",
             dims[0], dims[1], dims[2]);
    disperr(text);
    return -1;
  }
  return 0;
}

int check_steps(const int ijk[9]) {
  for (int a = 0; a < 3; a++)
    if (ijk[a * 3 + 2] < 1) {
      disperr("Step values must be >= 1.");
      return -1;
    }
  return 0;
}

// Reads the fields of the k in ks (offsets from GEN_RANGE) into ijk; false
// after message when one holds more than digits and blanks.
static bool read_fields(const Generic_loader_windep_rec &w, std::initializer_list<int> ks, int ijk[9],
                        const char *message) {
  for (int k : ks) {
    std::string s = loader_field(w, GEN_RANGE + k);
    if (!pbuild_blanks_and_digits(s)) {
      disperr(message);
      return false;
    }
    ijk[k] = atoi(s.c_str());
  }
  return true;
}

static void rewrite_fields(const Generic_loader_windep_rec &w, std::initializer_list<int> ks,
                           const int ijk[9]) {
  for (int k : ks) {
    char text[16];
    snprintf(text, sizeof text, "%6d", ijk[k]);
    loader_set_field(w, GEN_RANGE + k, text);
  }
}

bool read_from_to(const Generic_loader_windep_rec &w, const int dims[3], int ijk[9]) {
  if (!read_fields(w, {0, 1, 3, 4, 6, 7}, ijk, "Minimum and Maximum values must be integers.") ||
      check_range(ijk, dims) < 0)
    return false;
  rewrite_fields(w, {0, 1, 3, 4, 6, 7}, ijk);
  return true;
}

bool read_range_fields(const Generic_loader_windep_rec &w, int ijk[9], const char *message) {
  return read_fields(w, {0, 1, 2, 3, 4, 5, 6, 7, 8}, ijk, message);
}

bool read_steps(const Generic_loader_windep_rec &w, int ijk[9], const char *message) {
  if (!read_fields(w, {2, 5, 8}, ijk, message)) return false;
  rewrite_fields(w, {2, 5, 8}, ijk);
  return true;
}

// ---- element representation ---------------------------------------------------------

static void model_defaults(float *attr) {
  part_attributes(-1, PART_MODEL, attr, nullptr, nullptr, nullptr, 0);
}

// Sets the model defaults' representation and angle where they differ,
// recording the change.
void data_loader_elemrep_change(int rep, float angle) {
  float old[PART_ATTR_SLOTS], now[PART_ATTR_SLOTS];
  model_defaults(old);
  memcpy(now, old, sizeof now);
  int flags[PART_ATTR_SLOTS] = {};
  bool rep_differs = (int)old[SLOT_ELT_REP] != rep;
  bool angle_differs = rep == 2 && old[SLOT_FEATURE_ANGLE] != angle;
  if (!rep_differs && !angle_differs) return;
  if (rep_differs) {
    now[SLOT_ELT_REP] = (float)rep;
    flags[SLOT_ELT_REP] = 1;
  }
  if (angle_differs) {
    now[SLOT_FEATURE_ANGLE] = angle;
    flags[SLOT_FEATURE_ANGLE] = 1;
  }
  if (Recrdr == 1) cmdrec("part: select_default");
  float saved[PART_ATTR_SLOTS];
  memcpy(saved, old, sizeof saved);
  cmd_setrec_partatt(0, saved, now, nullptr, nullptr, PART_ATTR_SLOTS, CMD_CAT_PART, nullptr, flags,
                     0, 0, 1);
  part_attributes(-1, PART_MODEL, now, nullptr, nullptr, nullptr, 1);
}

void loader_elemrep_apply(const Generic_loader_windep_rec &w) {
  if (!w.elemrep) return;
  int rep = w.elemrep();
  float angle = 0.0f;
  if (rep == 2) angle = (float)atof(loader_field(w, GEN_FANGLE).c_str());
  data_loader_elemrep_change(rep, angle);
}

void data_generic_elemrep_apply() { loader_elemrep_apply(Generic_loader_windep); }

void loader_show_elemrep(const Generic_loader_windep_rec &w) {
  float attr[PART_ATTR_SLOTS];
  model_defaults(attr);
  Loader_saved_elemrep = (int)attr[SLOT_ELT_REP];
  Loader_saved_fangle = attr[SLOT_FEATURE_ANGLE];
  if (w.set_elemrep) w.set_elemrep(Loader_saved_elemrep);
  char angle[32];
  snprintf(angle, sizeof angle, "%5.1f", Loader_saved_fangle);
  loader_set_field(w, GEN_FANGLE, angle);
}

void data_reset_partelemrep() {
  float attr[PART_ATTR_SLOTS];
  model_defaults(attr);
  if ((int)attr[SLOT_ELT_REP] == Loader_saved_elemrep &&
      (Loader_saved_elemrep != 2 || attr[SLOT_FEATURE_ANGLE] == Loader_saved_fangle))
    return;
  data_loader_elemrep_change(Loader_saved_elemrep,
                 Loader_saved_elemrep == 2 ? Loader_saved_fangle : attr[SLOT_FEATURE_ANGLE]);
}

// ---- lists and the range update ---------------------------------------------------------

static int generic_structured() {
  return Generic_loader_windep.structured && Generic_loader_windep.structured() ? 1 : 0;
}

void data_generic_zoneinit() {
  Generic_loader_windep_rec &w = Generic_loader_windep;
  if (!dialog_shown() || !generic_structured() || !w.selected) return;
  std::vector<int> sel, recs;
  w.selected(GEN_LIST_PARTS, &sel);
  if (w.range_sensitive) w.range_sensitive(sel.size() == 1 ? 1 : 0);
  if (sel.empty() || match_selection(1, sel, recs) < 0) return;
  int code;
  if (recs.size() == 1) {
    const Pbuild_rec &r = Pbuild[Case_num][recs[0]];
    loader_show_range(w, r.dims);
    code = r.iblank_option;
  } else {
    code = shared_iblank_options((int)recs.size(), recs.data());
  }
  loader_show_domains(w, code);
}

void loader_show_range(const Generic_loader_windep_rec &w, const int dims[3]) {
  for (int a = 0; a < 3; a++) {
    char one[16], dim[16];
    snprintf(one, sizeof one, "%6d", 1);
    snprintf(dim, sizeof dim, "%6d", dims[a]);
    loader_set_field(w, GEN_RANGE + a * 3, one);
    loader_set_field(w, GEN_RANGE + a * 3 + 1, dim);
    loader_set_field(w, GEN_MINMAX + a * 2, one);
    loader_set_field(w, GEN_MINMAX + a * 2 + 1, dim);
  }
}

void loader_show_domains(const Generic_loader_windep_rec &w, int code) {
  int inside = code == 1 || code == 2, outside = code == 0 || code == 2;
  if (w.domain_rows) w.domain_rows(inside, outside, inside ? 1 : outside ? 0 : 2);
}

void data_structiblankitems_refresh(int loader) {
  if (!Data_iblank_list_exists || !Data_iblank_list_exists(loader, 0)) return;
  int count = 0;
  char **names = nullptr;
  if (get_bnd_list(&count, &names) < 0) {
    disperr("Memory allocation error. Could not get list of iblank items.");
    return;
  }
  std::vector<std::string> items;
  for (int k = 0; k < count && names; k++) items.push_back(names[k]);
  free_bnd_list(names);
  if (Data_iblank_list_set) Data_iblank_list_set(loader, 0, items);
}

// Calls fn(number, name) for each main-list entry of the current case that
// is structured; who names the caller in the console line of a bad entry.
template <typename Fn>
static void each_structured_entry(const char *who, Fn fn) {
  for (int n = 0; n < Num_p_partlist; n++) {
    int number = 0, type = 0, c = -1, structured = 0;
    char name[PART_NAME_USED];
    if (ui_part_get(0, n, &number, &type, name, &c, &structured) < 0) {
      printf("%s: Part internal # bad.\n", who);
      continue;
    }
    if (c == Case_num && structured) fn(number, name);
  }
}

void data_structiblankparent_refresh(int loader) {
  if (!Data_iblank_list_exists || !Data_iblank_list_exists(loader, 1)) return;
  std::vector<std::string> items;
  each_structured_entry("data_structiblankparent_refresh()",
                        [&](int, const char *name) { items.push_back(name); });
  if (Data_iblank_list_set) Data_iblank_list_set(loader, 1, items);
}

// ---- initialisation and close -----------------------------------------------------------

void data_genericpartc_init(int flag) {
  int c = Case_num;
  if (!Gexist[c]) return;
  data_build_mark_start(flag, data_build_userd_format() ? start_userd_part_create
                                                        : start_quivane_part_create);
  if (!dialog_shown()) return;
  Generic_loader_windep_rec &w = Generic_loader_windep;
  int structured = generic_structured();
  if (!structured && Num_unstruct[c] <= 0) structured = 1;
  if (structured && Num_struct[c] <= 0) structured = 0;
  if (w.show_kind) w.show_kind(structured);
  if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: begin");
  std::vector<std::string> items;
  for (int k = 0; Pbuild[c] && k < Tot_num_quivane_parts[c]; k++)
    if ((Pbuild[c][k].kind != 0) == (structured != 0)) items.push_back(Pbuild[c][k].description);
  if (w.set_parts) w.set_parts(items);
  loader_show_elemrep(w);
  data_structiblankitems_refresh(LOADER_GENERIC);
  data_structiblankparent_refresh(LOADER_GENERIC);
}

void loader_dismiss(const Generic_loader_windep_rec &w, int flag, void (*stop)()) {
  if (Gexist[Case_num]) {
    set_working_cursor("**Working**");
    if (flag == 0) var_dialog_init();
    data_build_close(stop);
    if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: end");
    unset_working_cursor();
  }
  if (flag == 1) return;
  if (w.hide) w.hide();
  data_reset_partelemrep();
}

void data_generic_dismiss(int flag) {
  loader_dismiss(Generic_loader_windep, flag,
                 data_build_userd_format() ? stop_userd_part_create : stop_quivane_part_create);
}

// ---- creation ---------------------------------------------------------------------------

void data_generic_creatpart(int load_all, int flag) {
  Generic_loader_windep_rec &w = Generic_loader_windep;
  const bool dialog = flag == 0;
  const int c = Case_num;
  Creation_lines lines{dialog, {}};
  pbuildcmds_clear();
  int data_type = 0, domain = 0, ijk[9] = {};
  std::vector<int> sel;
  char desc[PBLD_DESC_LEN] = "";
  if (dialog) {
    if (!dialog_shown()) return;
    data_generic_elemrep_apply();
    data_type = generic_structured();
  } else {
    int nsel = 0, *list = nullptr;
    generic_partbld_vals(nullptr, &data_type, &nsel, &list, desc, ijk, &domain, 0);
    if (list) sel.assign(list, list + nsel);
    free(list);
  }
  if (!lines.both(pbuild_line("data_type ") + pbuild_option_word(PBLD_DATA_TYPE, data_type))) return fail_command(dialog);
  if (dialog) {
    bool all = load_all && data_type == 0;
    if (all)
      for (int k = 1; k <= Num_unstruct[c]; k++) sel.push_back(k);
    else if (w.selected)
      w.selected(GEN_LIST_PARTS, &sel);
    if (sel.empty()) {
      disperr("Please select from the part list before creating parts.");
      return;
    }
    if (all)
      lines.record(pbuild_line("select_all"));
    else
      pbuild_record_selection(lines, sel, "select_begin", "select_end");
  }
  if (!pbuild_append_selection(1, "select_begin", "select_end")) return fail_command(dialog);
  std::vector<int> recs;
  if (sel.empty()) return fail_command(dialog);
  if (match_selection(data_type, sel, recs) < 0) return;
  const bool several = recs.size() > 1;
  if (data_type != 0) {
    if (dialog) domain = w.domain ? w.domain() : 1;
    if (!lines.both(pbuild_line("domain ") + pbuild_option_word(PBLD_DOMAIN, domain))) return fail_command(dialog);
    if (!several) {
      if (dialog && (!read_from_to(w, Pbuild[c][recs[0]].dims, ijk) || !read_steps(w, ijk, "Minimum and Maximum values must be integers."))) return;
      static const char *const axes[3] = {"i", "j", "k"};
      for (int a = 0; a < 3; a++)
        if (!lines.both(range_line(axes[a], ijk[a * 3], ijk[a * 3 + 1]))) return fail_command(dialog);
    } else {
      if (pbuildcmds_add_ranges("noderange") != 0) return fail_command(dialog);
      if (dialog && !read_steps(w, ijk, "Step values must be integers.")) return;
    }
    char step[96];
    snprintf(step, sizeof step, "nodestep %d %d %d", ijk[2], ijk[5], ijk[8]);
    if (!lines.both(pbuild_line(step))) return fail_command(dialog);
  }
  if (dialog) take_description(w, data_type ? GEN_ST_DESC : GEN_DESC, desc);
  if (!lines.both(pbuild_line("description ") + desc)) return fail_command(dialog);
  lines.flush();

  std::vector<int> ids, made(recs.size(), 0);
  for (int r : recs) ids.push_back(Pbuild[c][r].id);
  set_working_cursor("**Creating/Reading Part**");
  int n = (int)ids.size();
  int r = data_build_userd_format() ? read_userd_parts(n, ids.data(), desc, ijk, domain, made.data())
                                    : read_quivane_parts(n, ids.data(), desc, ijk, domain, made.data());
  if (r != 0) {
    const char *text = data_build_error_text(r);
    if (text) disperr(text);
    unset_working_cursor();
    fail_command(dialog);
    data_build_refresh_lists();
    return;
  }
  if (dialog && Recrdr == 1) cmdrec("data_partbuild: create");
  if (pbuildcmds_add("data_partbuild: create") == 0) {
    for (size_t i = 0; i < made.size(); i++) {
      if (made[i] <= 0) continue;
      pbuildcmds_fill_selection(0, sel[i]);
      if (several && data_type != 0) pbuildcmds_fill_ranges(Pbuild[c][recs[i]].dims);
      save_model_part_build_instructions(made[i], Data_pbuildcmds);
    }
  }
  unset_working_cursor();
  data_build_refresh_lists();
  if (data_type != 0) data_structiblankparent_refresh(LOADER_GENERIC);
}

// The iblank value names of the case, or false after the message.
bool pbuild_iblank_names(std::vector<std::string> *out, const char *message) {
  int count = 0;
  char **names = nullptr;
  if (get_bnd_list(&count, &names) < 0) {
    disperr(message);
    return false;
  }
  out->clear();
  for (int k = 0; k < count && names; k++) out->push_back(names[k]);
  free_bnd_list(names);
  return true;
}

std::vector<int> structured_parents_at(const char *who, const std::vector<int> &positions) {
  std::vector<int> parents;
  int seen = 0;
  size_t next = 0;
  each_structured_entry(who, [&](int number, const char *) {
    ++seen;
    if (next < positions.size() && positions[next] == seen) {
      parents.push_back(number);
      next++;
    }
  });
  return parents;
}

// The dialog's values of an iblanked creation; false after the message.
static bool iblank_dialog_values(const Generic_loader_windep_rec &w, const Loader_iblank_rec &how,
                                 int *type, std::vector<int> *parents, char *desc,
                                 std::vector<std::string> *names) {
  std::vector<int> values, positions;
  if (how.values_first && w.selected) w.selected(GEN_LIST_IBLANK_VALUES, &values);
  if (how.values_first && values.empty()) {
    disperr("Please select from the Iblank values list before creating parts.");
    return false;
  }
  if (!pbuild_iblank_names(names, "Error allocation memory for command language.")) return false;
  take_description(w, GEN_IBLANK_DESC, desc);
  if (w.selected) w.selected(GEN_LIST_IBLANK_PARENTS, &positions);
  if (!positions.empty()) *parents = structured_parents_at(how.who, positions);
  if (parents->empty()) {
    disperr("Please select from the parent part list before creating parts.");
    return false;
  }
  if (!how.values_first && w.selected) w.selected(GEN_LIST_IBLANK_VALUES, &values);
  if (values.empty()) {
    disperr("Please select from the Iblank values list before creating parts.");
    return false;
  }
  *type = values[0] - 1;
  return true;
}

void loader_creatiblankpart(const Generic_loader_windep_rec &w, int flag, const Loader_iblank_rec &how) {
  const bool dialog = flag == 0;
  Creation_lines lines{dialog, {}};
  pbuildcmds_clear();
  std::vector<int> parents;
  std::vector<std::string> names;
  char desc[PBLD_DESC_LEN] = "";
  int type = 0;
  if (dialog) {
    if (!w.shown || w.shown() != 1) return;
    loader_elemrep_apply(w);
    if (!iblank_dialog_values(w, how, &type, &parents, desc, &names)) return;
  } else {
    how.pending(&type, &parents, desc);
  }
  if (!lines.both(pbuild_line("description ") + desc) ||
      (!dialog && how.type_line && !lines.both(how.type_line)))
    return fail_command(dialog);
  pbuild_record_selection(lines, parents, "select_begin", "select_end");
  if (!pbuild_append_selection((int)parents.size(), "select_begin", "select_end")) return fail_command(dialog);
  // The dialog fetched the names with its checks; the command path asks once here.
  if (!dialog && !pbuild_iblank_names(&names, how.names_error)) return fail_command(dialog);
  if (parents.empty()) {
    disperr("Please select from the parent part list before creating parts.");
    return fail_command(dialog);
  }
  // An index the server's names do not reach cannot be written or sent.
  if (type < 0 || type >= (int)names.size()) {
    disperr("data_partbuild: Bad iblank type.");
    return fail_command(dialog);
  }
  if (!lines.both(pbuild_line("iblank_type ") + names[type])) return fail_command(dialog);
  lines.flush();

  if (pbuild_make_iblank(dialog, parents, type, desc, how.cursor) < 0) return fail_command(dialog);
  data_build_refresh_lists();
}

int pbuild_make_iblank(bool dialog, const std::vector<int> &parents, int type, char *desc,
                       const char *cursor) {
  set_working_cursor(cursor);
  int made_count = 0;
  std::vector<int> made(parents.size() + 1, 0);
  if (bnd_iblank_part((int)parents.size(), parents.data(), type, desc, &made_count, made.data()) < 0) {
    disperr("Creation of the iblank part failed. Memory allocation failed.");
    unset_working_cursor();
    return -1;
  }
  if (dialog && Recrdr == 1) cmdrec("data_partbuild: create_iblank");
  if (pbuildcmds_add("data_partbuild: create_iblank") == 0) {
    // Every new part names all its parents, so a replay rebuilds it whole.
    for (size_t k = 0; k < parents.size(); k++) pbuildcmds_fill_selection((int)k, parents[k]);
    for (int i = 0; i < made_count && i < (int)made.size(); i++)
      if (made[i] > 0) save_model_part_build_instructions(made[i], Data_pbuildcmds);
  }
  unset_working_cursor();
  return 0;
}

static void generic_iblank_pending(int *type, std::vector<int> *parents, char *desc) {
  int nsel = 0, *list = nullptr;
  generic_partbld_vals(nullptr, nullptr, &nsel, &list, desc, nullptr, type, 0);
  if (list) parents->assign(list, list + nsel);
  free(list);
}

void data_generic_creatiblankpart(int flag) {
  int data_type = 0;
  generic_partbld_vals(nullptr, &data_type, nullptr, nullptr, nullptr, nullptr, nullptr, 0);
  std::string type_line = pbuild_line("data_type ") + pbuild_option_word(PBLD_DATA_TYPE, data_type);
  Loader_iblank_rec how = {0, type_line.c_str(), "**Creating/Reading Part**",
                           "data_generic_creatiblankpart()",
                           "Error allocation memory for part build command language.",
                           generic_iblank_pending};
  loader_creatiblankpart(Generic_loader_windep, flag, how);
}
