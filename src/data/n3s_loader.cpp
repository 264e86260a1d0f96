// The N3S part loader (see n3s_loader.h). Each creation writes its lines
// (description, criterion, create) to the part-build text that the new
// part keeps; from the dialog they are recorded too, once its checks pass.
#include "data/n3s_loader.h"

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
#include "data/readcmds.h"
#include "state/partbuild_text.h"
#include "variables/variables_dlog.h"

const char *const N3scode_names[N3S_CODES] = {
    "Free Node",          "Homogeneous Dirichlet", "Non-homogeneous Directlet",
    "Friction Condition", "Friction Condition",    "Curved Wall/No Friction"};

N3s_loader_windep_rec N3s_loader_windep = {};

static const size_t BOUNDARY_DESC_MAX = 48;  // characters of a default boundary description

const char *n3s_code_name(int code) {
  return code >= 0 && code < N3S_CODES ? N3scode_names[code] : "?";
}

const char *n3s_condition_name(int cond) {
  return cond >= 1 && cond <= N3S_VARNAMES ? N3svarname[Case_num][cond - 1] : "?";
}

static bool dialog_shown() { return N3s_loader_windep.shown && N3s_loader_windep.shown() == 1; }

static int criterion() {
  return N3s_loader_windep.criterion ? N3s_loader_windep.criterion() : N3S_ALL;
}

static std::vector<int> selected(int list) {
  std::vector<int> out;
  if (N3s_loader_windep.selected) N3s_loader_windep.selected(list, &out);
  return out;
}

// The codes of the condition at list position (from 1); empty for none.
static std::vector<int> condition_codes(int position) {
  int c = Case_num;
  std::vector<int> codes;
  if (position < 1 || position > N3snumbound[c] || !N3snumbccodes[c] || !N3sbccodes[c]) return codes;
  for (int k = 0; k < N3snumbccodes[c][position - 1]; k++) codes.push_back(N3sbccodes[c][position - 1][k]);
  return codes;
}

std::vector<std::string> n3s_code_items(int position) {
  std::vector<std::string> items;
  for (int code : condition_codes(position)) {
    char text[64];
    snprintf(text, sizeof text, "%2d %s", code, n3s_code_name(code));
    items.push_back(text);
  }
  return items;
}

void data_n3sboundcode_init(int position) {
  if (N3s_loader_windep.set_list) N3s_loader_windep.set_list(N3S_LIST_CODES, n3s_code_items(position));
}

void data_n3s_lists_sens() {
  if (!N3s_loader_windep.lists_sensitive) return;
  int crit = criterion();
  N3s_loader_windep.lists_sensitive(crit == N3S_COLOR, crit == N3S_BOUNDARY);
}

std::string n3s_boundary_desc(const char *condition, const std::vector<int> &codes) {
  char head[128];
  snprintf(head, sizeof head, "Part by Bound Cond %s Code(s)", condition);
  std::string desc = head;
  for (int code : codes) {
    std::string more = desc + " " + std::to_string(code);
    if (more.size() > BOUNDARY_DESC_MAX) break;
    desc = more;
  }
  return desc;
}

// ---- the period ---------------------------------------------------------------------

void data_n3spartc_init(int flag) {
  int c = Case_num;
  data_build_mark_start(flag, start_n3s_part_create);
  if (!dialog_shown()) return;
  N3s_loader_windep_rec &w = N3s_loader_windep;
  if (w.form_sensitive) w.form_sensitive(Gexist[c] ? 1 : 0);
  if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: begin");
  std::vector<std::string> colors, conditions;
  for (int k = 0; k < N3snumcol[c] && N3scolors[c]; k++) {
    char text[32];
    snprintf(text, sizeof text, "%2d", N3scolors[c][k]);
    colors.push_back(text);
  }
  for (int k = 0; k < N3snumbound[c] && N3sboundcon[c]; k++)
    conditions.push_back(n3s_condition_name(N3sboundcon[c][k]));
  if (w.set_list) {
    w.set_list(N3S_LIST_COLORS, colors);
    w.set_list(N3S_LIST_CONDITIONS, conditions);
  }
  data_n3s_lists_sens();
  if (!conditions.empty() && w.select_condition) w.select_condition(1);
}

static int Stop_result = 0;
static void stop_period() { Stop_result = stop_n3s_part_create(); }

void data_n3s_dismiss(int flag) {
  if (Gexist[Case_num]) {
    set_working_cursor("**Working**");
    if (flag == 0) var_dialog_init();
    Stop_result = 0;
    data_build_close(stop_period);
    if (Stop_result == 4) disperr("Error writing tmp to disk, will not be able to create more parts.");
    if (Stop_result == 2) disperr("Error opening tmp file, will not be able to create more parts.");
    if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: end");
    unset_working_cursor();
  }
  if (flag == 1) return;
  if (N3s_loader_windep.hide) N3s_loader_windep.hide();
}

// ---- creation ---------------------------------------------------------------------------

namespace {

// Messages of a failed creation by result (1..5) and path: command, colour,
// boundary, all elements.
const char *const Creation_errors[5][4] = {
    {"Memory allocation Error creating N3s part.", "Error allocating memory", "Error allocating memory.",
     "Error allocating memory."},
    {"Error opening disk file.", "Error opening file.", "Error opening file.", "Error opening file"},
    {"Error reading N3s file.", "Error reading N3s file.", "Error reading N3s file.", "Error reading N3s file."},
    {"Error writing to disk, disk space?", "Error writing to disk, space?", "Error writing to disk.",
     "Error writing to disk."},
    {"Error creating N3s part.", "Error creating N3s part.", "Error creating N3s part.",
     "Error creating N3s part."},
};
enum Message_path { PATH_COMMAND = 0, PATH_COLOR = 1, PATH_BOUNDARY = 2, PATH_ALL = 3 };

// One N3S request: selector -1 all elements, a colour, or a condition with codes.
struct N3s_request {
  int selector = -1;
  std::vector<int> codes;
  char desc[PBLD_DESC_LEN] = "";
};

// The criterion lines (2a, 2b or 2c) of a request.
bool criterion_lines(Creation_lines &lines, const N3s_request &q) {
  if (q.selector == -1 && q.codes.empty()) return lines.both(pbuild_line("n3sall_elements"));
  if (q.codes.empty()) return lines.both(pbuild_line("n3scolor_number ") + std::to_string(q.selector));
  if (!lines.both(pbuild_line("n3sboundary")) ||
      !lines.both(pbuild_line("n3scondition ") + n3s_condition_name(q.selector)))
    return false;
  for (int code : q.codes)
    if (!lines.both(pbuild_line("n3scode ") + n3s_code_name(code))) return false;
  return true;
}

// A boundary request naming a condition or code without a name is refused:
// its lines could not be replayed.
bool names_known(const N3s_request &q) {
  if (q.codes.empty()) return true;
  if (q.selector < 1 || q.selector > N3S_VARNAMES) return false;
  for (int code : q.codes)
    if (code < 0 || code >= N3S_CODES) return false;
  return true;
}

// The server makes the part; its number, or 0 after the message of path.
int make_part(const N3s_request &q, int path) {
  set_working_cursor("**Creating/Reading Part**");
  int number = 0;
  int r = read_n3s_part(q.selector, (int)q.codes.size(), q.codes.data(), q.desc, &number);
  if (r != 0 || number <= 0) {
    // Only 0 with a new part is success; any other answer is reported as
    // the failed creation it is.
    int row = r >= 1 && r <= 5 ? r - 1 : 4;
    disperr(Creation_errors[row][path]);
    unset_working_cursor();
    if (path == PATH_COMMAND) Command_proc_err = 1;
    return 0;
  }
  return number;
}

void keep_text(int number) {
  save_model_part_build_instructions(number, Data_pbuildcmds);
  data_build_refresh_lists();
}

std::string take_desc() {
  std::string s;
  if (N3s_loader_windep.get_desc) N3s_loader_windep.get_desc(&s);
  if (!s.empty() && N3s_loader_windep.set_desc) N3s_loader_windep.set_desc("");
  return s;
}

void dialog_creation() {
  int c = Case_num;
  N3s_request q;
  int path = PATH_ALL;
  std::string typed = take_desc();
  std::string desc = typed;
  int crit = criterion();
  if (crit == N3S_COLOR) {
    std::vector<int> sel = selected(N3S_LIST_COLORS);
    if (sel.empty() || sel[0] > N3snumcol[c] || !N3scolors[c]) {
      disperr("No color codes selected.");
      return;
    }
    path = PATH_COLOR;
    q.selector = N3scolors[c][sel[0] - 1];
    if (desc.empty()) desc = "Part by Color # " + std::to_string(q.selector);
  } else if (crit == N3S_BOUNDARY) {
    std::vector<int> sel = selected(N3S_LIST_CONDITIONS);
    if (sel.empty() || sel[0] > N3snumbound[c] || !N3sboundcon[c]) {
      disperr("No boundary conditions selected.");
      return;
    }
    path = PATH_BOUNDARY;
    q.selector = N3sboundcon[c][sel[0] - 1];
    std::vector<int> all = condition_codes(sel[0]);
    for (int pos : selected(N3S_LIST_CODES))
      if (pos >= 1 && pos <= (int)all.size()) q.codes.push_back(all[pos - 1]);
    if (q.codes.empty()) {
      disperr("No boundary codes selected.");
      return;
    }
    if (!names_known(q)) {
      disperr("Unknown boundary condition or code (shown as \"?\"): no part can be made from it.");
      return;
    }
    if (desc.empty()) desc = n3s_boundary_desc(n3s_condition_name(q.selector), q.codes);
  } else if (desc.empty()) {
    desc = "Part by All Elements";
  }
  snprintf(q.desc, sizeof q.desc, "%s", desc.c_str());
  Creation_lines lines{true, {}};
  if (!lines.both(pbuild_line("description ") + q.desc) || !criterion_lines(lines, q)) return;
  lines.flush();
  int number = make_part(q, path);
  if (!number) return;
  if (Recrdr == 1) cmdrec("data_partbuild: create");
  if (pbuildcmds_add("data_partbuild: create") == 0) keep_text(number);
  unset_working_cursor();
}

void command_creation() {
  N3s_request q;
  int ncodes = 0, *codes = nullptr;
  n3s_partbld_vals(&q.selector, &ncodes, &codes, q.desc, 0);
  if (codes) q.codes.assign(codes, codes + ncodes);
  free(codes);
  if (!names_known(q)) {
    disperr("data_partbuild: Bad N3S boundary condition or code.");
    Command_proc_err = 1;
    return;
  }
  int number = make_part(q, PATH_COMMAND);
  if (!number) return;
  Creation_lines lines{false, {}};
  if (lines.both(pbuild_line("description ") + q.desc) && criterion_lines(lines, q) &&
      lines.both("data_partbuild: create"))
    keep_text(number);
  unset_working_cursor();
}

}  // namespace

void data_n3s_creatpart(int flag) {
  pbuildcmds_clear();
  if (flag == 1)
    command_creation();
  else if (dialog_shown())
    dialog_creation();
}
