// Context mapping (see context_map.h). Owns the old names of a context
// restore, the two mapping tables, the List 1 / List 2 index tables of the
// mapping dialog and the two temporary command files. The header lines
// arrive one at a time from the line processor while the file plays, so the
// reader is a small state machine: after a "Part Name" or "File
// Information" line it expects the block's count line, then the block's
// lines until the count is used up. The tables live until the next restore
// begins, which drops them.
#include "client/context_map.h"

#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "client/cases.h"
#include "client/cmd_tables.h"
#include "client/command_dlog.h"
#include "data/data_dlog.h"
#include "parts/read.h"
#include "client/screen.h"
#include "variables/variables.h"

int Context_old_totalparts = 0;
int Context_old_partcnt = 0;
std::vector<std::string> Context_old_partnames;
int Context_old_totalvars = 0;
int Context_old_varcnt = 0;
std::vector<std::string> Context_old_varnames;
std::vector<std::vector<int>> Context_oldtonew_partmap;
int Context_oldtonew_partmapcnt = 0;
std::vector<int> Context_oldtonew_varmap;
int Context_oldtonew_varmapcnt = 0;
std::vector<int> Context_listtoold_partindxs;
std::vector<int> Context_listtoold_varindxs;
std::vector<int> Context_listtonew_partids;
std::vector<int> Context_listtonew_varids;
int Map_context_state = 0;
int Context_restoretoall_cases = 0;
std::string Context_datafile_name;
std::string Context_buildfile_name;

// What the next header line is expected to be.
enum Header_expect { EXPECT_KEYWORD, EXPECT_BUILD_COUNT, EXPECT_BUILD_LINE, EXPECT_DATA_COUNT,
                     EXPECT_DATA_LINE };
static Header_expect Expect = EXPECT_KEYWORD;
static long Block_left = 0;            // characters of the current block still to come
static int Restore_active = 0;         // 1 from the first header line to the comparison
static FILE *Datafile = nullptr;       // open data-read command file
static FILE *Buildfile = nullptr;      // open part-build command file

static void close_file(FILE **fp) {
  if (*fp) fclose(*fp);
  *fp = nullptr;
}

static void drop_file(FILE **fp, std::string *name) {
  close_file(fp);
  if (!name->empty()) unlink(name->c_str());
  name->clear();
}

void cmd_context_restore_begin() {
  Context_old_totalparts = Context_old_partcnt = 0;
  Context_old_totalvars = Context_old_varcnt = 0;
  Context_old_partnames.clear();
  Context_old_varnames.clear();
  Context_oldtonew_partmap.clear();
  Context_oldtonew_partmapcnt = 0;
  Context_oldtonew_varmap.clear();
  Context_oldtonew_varmapcnt = 0;
  Context_listtoold_partindxs.clear();
  Context_listtoold_varindxs.clear();
  Context_listtonew_partids.clear();
  Context_listtonew_varids.clear();
  drop_file(&Datafile, &Context_datafile_name);
  drop_file(&Buildfile, &Context_buildfile_name);
  Expect = EXPECT_KEYWORD;
  Block_left = 0;
  Restore_active = 1;
}

// ---- the current case's parts and variables ---------------------------------------------

// Top-level parts of type 0 of a case.
static int model_part_count(int case_index) {
  int n = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && p->parent_group == -1 && p->case_index == case_index && p->type == 0) n++;
  }
  return n;
}

// Number of the current case's part whose name equals name without regard
// to case, or -1.
static int partnum_by_description(const char *name) {
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && p->case_index == Case_num && strcasecmp(p->name, name) == 0) return p->number;
  }
  return -1;
}

// ---- temporary command files --------------------------------------------------------------

// Creates a temporary command file "qvnbcmd_XXXXXX" in TMPDIR (else /tmp)
// with its version line; what is the kind of commands for the messages.
static FILE *open_temp(std::string *name, const char *what, const char *ignored) {
  const char *dir = getenv("TMPDIR");
  std::string path = std::string(dir && *dir ? dir : "/tmp") + "/qvnbcmd_XXXXXX";
  std::vector<char> buf(path.begin(), path.end());
  buf.push_back('\0');
  int fd = mkstemp(buf.data());
  FILE *fp = fd >= 0 ? fdopen(fd, "w") : nullptr;
  if (!fp) {
    if (fd >= 0) {
      close(fd);
      unlink(buf.data());
    }
    char line[80];
    caddtxt("***Context File Restore***");
    snprintf(line, sizeof line, "Could not %s temp file to store %s", fd < 0 ? "create" : "open",
             what);
    caddtxt(line);
    caddtxt(ignored);
    name->clear();
    return nullptr;
  }
  *name = buf.data();
  fprintf(fp, "VERSION %f\n", 7.1);
  return fp;
}

// ---- header lines --------------------------------------------------------------------------

static int header_error(const char *msg) {
  disperr(msg);
  Expect = EXPECT_KEYWORD;
  return -1;
}

// The name after the first ':' and the blanks after it; null without ':'.
static const char *after_colon(const char *line) {
  const char *p = strchr(line, ':');
  if (!p) return nullptr;
  p++;
  while (*p == ' ' || *p == '\t') p++;
  return p;
}

static bool keyword_is(const char *line, const char *kw) {
  return strncasecmp(line + 2, kw, strlen(kw)) == 0;
}

static void write_block_line(FILE *fp, const char *text) {
  if (fp) fprintf(fp, "%s\n", strlen(text) < 2 ? "" : text + 2);
}

// A line of a part's build block: a description line naming another part
// is renamed to the header's name, so the part is rebuilt under that name.
static void build_line(const char *line) {
  static const char desc[] = "# data_partbuild: description";
  const std::string &name = Context_old_partnames[Context_old_partcnt - 1];
  if (strncasecmp(line, desc, 29) == 0) {
    const char *p = line + 29;
    while (*p == ' ') p++;
    if (name != p) {
      std::string renamed = std::string(line).substr(0, 30) + name;
      write_block_line(Buildfile, renamed.c_str());
      return;
    }
  }
  write_block_line(Buildfile, line);
}

static int run_comparison();

// Takes the announced count of names. Nothing is allocated for them here: a
// header may announce any number, so the list grows as the names arrive.
static int announce(const char *line, const char *bad, std::vector<std::string> *names,
                    int *total, int *count) {
  const char *p = strchr(line, ':');
  if (!p) return header_error(bad);
  *total = atoi(p + 1);
  *count = 0;
  names->clear();
  return -100;
}

// Appends an old name (cut to size - 1 characters); -1 when memory is out.
static int add_name(std::vector<std::string> *names, int *count, const char *name, size_t size,
                    const char *nomem) {
  try {
    names->push_back(std::string(name).substr(0, size - 1));
  } catch (const std::exception &) {
    return header_error(nomem);
  }
  *count = (int)names->size();
  return -100;
}

static int keyword_line(const char *line) {
  if (keyword_is(line, "File Information")) {
    if (!Datafile && Context_datafile_name.empty())
      Datafile = open_temp(&Context_datafile_name, "data",
                           "read commands. 'data:' commands ignored.");
    Expect = EXPECT_DATA_COUNT;
    return -100;
  }
  if (keyword_is(line, "Number Model Parts"))
    return announce(line, "Context file: Number of Model Parts is incorrect.",
                    &Context_old_partnames, &Context_old_totalparts, &Context_old_partcnt);
  if (keyword_is(line, "Part Name")) {
    const char *name = after_colon(line);
    if (!name) return header_error("Context file Part Name is incorrect");
    if (!*name) return header_error("Context file: Part Name is incorrect");
    if (Context_old_partcnt >= Context_old_totalparts)
      return header_error("Context file: Too Many Part Names. Doesn't match count.");
    if (add_name(&Context_old_partnames, &Context_old_partcnt, name, CONTEXT_PARTNAME_LEN,
                 "Context file: Error allocating temporary old part list.") == -1)
      return -1;
    if (!Buildfile && Context_buildfile_name.empty())
      Buildfile = open_temp(&Context_buildfile_name, "part",
                            "build commands. Build commands ignored.");
    Expect = EXPECT_BUILD_COUNT;
    return -100;
  }
  if (keyword_is(line, "Number Orig. Variables")) {
    int r = announce(line, "Context file: Number of Original Variables is incorrect.",
                     &Context_old_varnames, &Context_old_totalvars, &Context_old_varcnt);
    // Without variables no "Variable Name" line follows: compare now.
    if (r == -100 && Context_old_totalvars <= 0) return run_comparison();
    return r;
  }
  if (keyword_is(line, "Variable Name")) {
    const char *name = after_colon(line);
    if (!name) return header_error("Context file Variable Name is incorrect");
    if (!*name) return header_error("Context file: Variable Name is incorrect");
    if (Context_old_varcnt >= Context_old_totalvars)
      return header_error("Context file: Too many variable names. Doesn't match count.");
    if (add_name(&Context_old_varnames, &Context_old_varcnt, name, CONTEXT_VARNAME_LEN,
                 "Context file: Error allocating temporary old variable list.") == -1)
      return -1;
    if (Context_old_varcnt == Context_old_totalvars) return run_comparison();
    return -100;
  }
  return -100;  // a comment
}

int cmd_context_header_line(const char *line) {
  if (!line) return -100;
  if (!Restore_active) cmd_context_restore_begin();
  switch (Expect) {
    case EXPECT_BUILD_COUNT:
    case EXPECT_DATA_COUNT:
      Block_left = atol(line + 1);
      Expect = Block_left < 1
                   ? EXPECT_KEYWORD
                   : (Expect == EXPECT_BUILD_COUNT ? EXPECT_BUILD_LINE : EXPECT_DATA_LINE);
      return -100;
    case EXPECT_BUILD_LINE:
    case EXPECT_DATA_LINE: {
      size_t n = strnlen(line, CONTEXT_BLOCK_LINE + 1);
      if (Expect == EXPECT_BUILD_LINE)
        build_line(line);
      else if (n > 5)
        write_block_line(Datafile, line);
      Block_left -= (long)n + 1;
      if (Block_left <= 0) Expect = EXPECT_KEYWORD;
      return -100;
    }
    case EXPECT_KEYWORD:
      break;
  }
  if (strlen(line) < 4) return -100;
  return keyword_line(line);
}

int cmd_context_header_end() {
  const Header_expect was = Expect;
  Expect = EXPECT_KEYWORD;
  switch (was) {
    case EXPECT_BUILD_COUNT:
    case EXPECT_BUILD_LINE:
      return header_error("Context file: Bad part building commands.");
    case EXPECT_DATA_COUNT:
      return header_error("Context file: Bad file information commands.");
    case EXPECT_DATA_LINE:
      return header_error("Context file: Bad data read commands.");
    case EXPECT_KEYWORD:
      break;
  }
  return 1;
}

// ---- comparison ------------------------------------------------------------------------------

static void list_names_on_stderr(const char *title, const std::vector<std::string> &names,
                                 int count) {
  fprintf(stderr, "%s", title);
  for (int i = 0; i < count && i < (int)names.size(); i++)
    fprintf(stderr, "%s\n", names[i].c_str());
}

// Plays a temporary command file and deletes it.
static void play_temp(FILE **fp, std::string *name) {
  int saved_no_update = Play_file_no_update;
  close_file(fp);
  cmdplay(name->c_str(), 1);
  Check_context_state = 1;
  Play_file_no_update = saved_no_update;
  drop_file(fp, name);
}

int check_context_state_match() {
  if (model_part_count(Case_num) == 0 && Context_old_totalparts > 0) {
    if (Context_buildfile_name.empty()) {
      disperr("No model parts loaded. Please read in your model parts.The list of model parts "
              "that existed when this context file was created is now displayed in the window "
              "that you started Quivane in. ");
      list_names_on_stderr(
          "****Context File: List of parts defined when the context file was saved. ****\n",
          Context_old_partnames, Context_old_partcnt);
      return -2;
    }
    close_file(&Datafile);
    close_file(&Buildfile);
    Check_context_state = 0;
    if (!Gexist[Case_num]) {
      if (Context_datafile_name.empty()) {
        disperr("Please read the data files before restoring this context file.");
        return -1;
      }
      play_temp(&Datafile, &Context_datafile_name);
    }
    play_temp(&Buildfile, &Context_buildfile_name);
  }

  bool part_missing = false;
  for (int i = 0; i < Context_old_partcnt; i++)
    if (partnum_by_description(Context_old_partnames[i].c_str()) < 0) part_missing = true;
  // One entry per old name read: an announced count is not trusted.
  if (part_missing && Context_oldtonew_partmapcnt != Context_old_partcnt) {
    Context_oldtonew_partmap.resize((size_t)Context_old_partcnt);
    Context_oldtonew_partmapcnt = Context_old_partcnt;
  }

  if (Context_old_totalvars > 0) {
    if (how_many_avail_variables(Case_num) <= 2) {
      disperr("No variables loaded. Please read in your results file.The list of variables that "
              "existed when this context file was created is now displayed in the window that "
              "you started Quivane in. ");
      list_names_on_stderr(
          "****Context File: List of variables active when the context file was saved. ****\n",
          Context_old_varnames, Context_old_varcnt);
      return -3;
    }
    bool var_missing = false;
    for (int i = 0; i < Context_old_varcnt; i++)
      if (varindx_by_namecase(Context_old_varnames[i].c_str(), Case_num) < 0) var_missing = true;
    if (var_missing && Context_oldtonew_varmapcnt != Context_old_varcnt) {
      Context_oldtonew_varmap.assign((size_t)Context_old_varcnt, -1);
      Context_oldtonew_varmapcnt = Context_old_varcnt;
    }
  }

  bool parts_table = Context_oldtonew_partmapcnt > 0, vars_table = Context_oldtonew_varmapcnt > 0;
  if (parts_table && vars_table) return -6;
  if (parts_table) return -4;
  if (vars_table) return -5;
  return 1;
}

// The comparison after the last old name: all matched ends the header; a
// mismatch pauses playback and opens a new mapping dialog (playback goes on
// when it is closed); anything else fails the line.
static int run_comparison() {
  Expect = EXPECT_KEYWORD;
  int r = check_context_state_match();
  if (r == 1) {
    Check_context_state = 0;
    Restore_active = 0;
    return -100;
  }
  if (r != -4 && r != -5 && r != -6) return -1;
  cmd_playinterrupt();
  snprintf(Cmd_lastcat, sizeof Cmd_lastcat, "%s", "nomatch");
  cmd_refresh();
  unset_working_cursor();
  cmd_mapdialog_open_windep();
  cmd_init_contextmapdialog(r == -4 ? 0 : (r == -5 ? 1 : 2));
  Check_context_state = 0;
  Restore_active = 0;
  return -100;
}

// ---- the mapping dialog's contents -----------------------------------------------------------

static const char *const Parts_directions =
    "The model parts from the context file do not match the model parts in the current case.\n"
    "Please map the parts by selecting a part from List 1 to map to a part or part(s) that\n"
    "you select in List 2.  Then click the \"Map List 1 Item To List 2 Item(s)\" button.";
static const char *const Vars_directions =
    "The variables from the context file do not match the available variables in the current\n"
    "case.  Please map the variables by selecting a variable from List 1 to map to a variable\n"
    "that you select in List 2.  Then click the Map \"List 1 Item To List 2 Item(s)\" button.";

static void part_lists(std::vector<std::string> *list1, std::vector<std::string> *list2) {
  Context_listtoold_partindxs.clear();
  Context_listtonew_partids.clear();
  for (int i = 0; i < Context_old_partcnt; i++) {
    bool mapped = i < Context_oldtonew_partmapcnt && !Context_oldtonew_partmap[i].empty();
    if (mapped || partnum_by_description(Context_old_partnames[i].c_str()) >= 0) continue;
    list1->push_back(Context_old_partnames[i]);
    Context_listtoold_partindxs.push_back(i);
  }
  for (int n = 0; n < Num_p_partlist; n++) {
    int number, type, case_index, structured;
    char name[PART_NAME_TEXT];
    if (ui_part_get(0, n, &number, &type, name, &case_index, &structured) < 0) {
      fprintf(stderr, "cmd_init_contextmapdialog(): Part internal # bad.\n");
      continue;
    }
    if (type != 0 && type != 3) continue;
    if (!Context_restoretoall_cases && case_index != Case_num) continue;
    char item[PART_NAME_TEXT + 32];
    snprintf(item, sizeof item, "%d - (%c/C%d) %s", number, Part_dialogs[type].letter,
             case_index + 1, name);
    list2->push_back(item);
    Context_listtonew_partids.push_back(number);
  }
}

static void var_lists(std::vector<std::string> *list1, std::vector<std::string> *list2) {
  Context_listtoold_varindxs.clear();
  Context_listtonew_varids.clear();
  for (int i = 0; i < Context_old_varcnt; i++) {
    bool mapped = i < Context_oldtonew_varmapcnt && Context_oldtonew_varmap[i] != -1;
    if (mapped || varindx_by_namecase(Context_old_varnames[i].c_str(), Case_num) >= 0) continue;
    list1->push_back(Context_old_varnames[i]);
    Context_listtoold_varindxs.push_back(i);
  }
  for (int i = 0; Variables && i < Var_avail_cnt; i++) {
    const Variable_rec &v = Variables[i];
    if (!v.context_listed || v.type == 2 || v.type == 3) continue;
    if (!Context_restoretoall_cases && v.server_id[Case_num] == -1) continue;
    std::string item = v.name;
    if (Element_variables_exist) item = (v.element_based ? "(E) " : "(N) ") + item;
    list2->push_back(item);
    Context_listtonew_varids.push_back(v.id);
  }
}

void cmd_context_maplists(int state, std::string *label, std::vector<std::string> *list1,
                          std::vector<std::string> *list2) {
  Map_context_state = state;
  list1->clear();
  list2->clear();
  if (state == 1) {
    *label = Vars_directions;
    var_lists(list1, list2);
  } else {
    *label = Parts_directions;
    part_lists(list1, list2);
  }
}

void cmd_init_contextmapdialog(int state) {
  std::string label;
  std::vector<std::string> list1, list2;
  cmd_context_maplists(state, &label, &list1, &list2);
  cmd_mapdialog_fill_windep(label, list1, list2);
}

// ---- the Map button -----------------------------------------------------------------------

// Old index of a List 1 position (1-based), or -1.
static int row_of(const std::vector<int> &table, int position) {
  return position >= 1 && position <= (int)table.size() ? table[(size_t)position - 1] : -1;
}

int cmd_map_contextparts_sel(const std::vector<int> *list1, const std::vector<int> *list2) {
  if (!list1) return 1;
  if (list1->empty()) {
    disperr("No items selected to map.");
    return -1;
  }
  std::vector<int> numbers;
  if (list2)
    for (int pos : *list2) {
      int number = row_of(Context_listtonew_partids, pos);
      if (number >= 0) numbers.push_back(number);
    }
  if (!numbers.empty()) numbers.push_back(-1);
  for (int pos : *list1) {
    int old = row_of(Context_listtoold_partindxs, pos);
    if (old >= 0 && old < Context_oldtonew_partmapcnt)
      Context_oldtonew_partmap[(size_t)old] = numbers;
  }
  if (list2) cmd_init_contextmapdialog(Map_context_state);
  return 1;
}

int cmd_map_contextvars_sel(const std::vector<int> *list1, const std::vector<int> *list2) {
  if (!list1) return 1;
  int id = -1;
  if (list2 && !list2->empty()) {
    if (list2->size() > 1) {
      disperr("Can only have one variable selected to map to.");
      return -1;
    }
    id = row_of(Context_listtonew_varids, (*list2)[0]);
  }
  for (int pos : *list1) {
    int old = row_of(Context_listtoold_varindxs, pos);
    if (old >= 0 && old < Context_oldtonew_varmapcnt) Context_oldtonew_varmap[(size_t)old] = id;
  }
  if (list2 && !list2->empty()) cmd_init_contextmapdialog(1);
  return 1;
}

int cmd_map_contextparts() {
  std::vector<int> l1, l2;
  bool has1 = cmd_maplist_selected_windep(1, &l1), has2 = cmd_maplist_selected_windep(2, &l2);
  return cmd_map_contextparts_sel(has1 ? &l1 : nullptr, has2 ? &l2 : nullptr);
}

int cmd_map_contextvars() {
  std::vector<int> l1, l2;
  bool has1 = cmd_maplist_selected_windep(1, &l1), has2 = cmd_maplist_selected_windep(2, &l2);
  return cmd_map_contextvars_sel(has1 ? &l1 : nullptr, has2 ? &l2 : nullptr);
}

// ---- translating old names ------------------------------------------------------------------

int cmd_parteid_fromcontexttable(const char *name, int *count, const int **list) {
  if (!name) return -1;
  for (int i = 0; i < Context_old_partcnt; i++) {
    if (Context_old_partnames[i] != name) continue;
    if (i >= Context_oldtonew_partmapcnt || Context_oldtonew_partmap[i].empty()) return -1;
    const std::vector<int> &m = Context_oldtonew_partmap[i];
    int n = (int)m.size() - 1;
    if (count) *count = n;
    if (list) *list = m.data();
    return n;
  }
  return -1;
}

int cmd_varindx_from_contexttable(const char *name) {
  if (!name) return -1;
  for (int i = 0; i < Context_old_varcnt; i++) {
    if (Context_old_varnames[i] != name) continue;
    if (i >= Context_oldtonew_varmapcnt) return -1;
    int id = Context_oldtonew_varmap[i];
    if (id == -1) return -1;
    for (int r = 0; Variables && r < Var_avail_cnt; r++)
      if (Variables[r].id == id) return Variables[r].unique_id;
    return -1;
  }
  return -1;
}
