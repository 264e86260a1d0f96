// The case table and the "case:" commands. This module owns Case_info,
// Case_num, Case_cnt, Case_tmp_buf and Case_archive_restore; only the case
// operations here change them (the start-up defaults and the archive reader
// set them through these operations). A slot becomes in use only after its
// server connected; the names of the slots in use stay unique. The Case
// menu's radio items follow the table through caselist_updt.
#include "client/cases.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/cmd_tables.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "anim/soltime.h"
#include "anim/timeset.h"
#include "client/textutil.h"
#include "data/data_cmdproc.h"
#include "data/data_dlog.h"
#include "derived/clip.h"
#include "derived/iso.h"
#include "flow/trace.h"
#include "parts/delete_case_client.h"
#include "parts/part_deteditor.h"
#include "parts/parts_cmdproc.h"
#include "render/disobj.h"
#include "state/backup.h"
#include "client/screen.h"
#include "client/interf_settings.h"
#include "variables/variables.h"
#include "view/viewports.h"
#include "client/defaults.h"

Case_rec Case_info[MAX_CASES] = {{1, "Case 1"}};
int Case_num = 0;
int Case_cnt = 1;
static const Global_defaults Defaults(DEFAULTS_AT_START, Case_info, Case_num, Case_cnt);
char Case_tmp_buf[CASE_TMP_LEN];
int Case_archive_restore = 0;

Case_windep_hooks Case_windep = {};

static void case_list_windep() {
  if (Case_windep.case_list) Case_windep.case_list();
}

static void case_select_windep(int position, int notify) {
  if (Case_windep.case_select) Case_windep.case_select(position, notify);
}

// The prompts hold at most 18 characters.
#define CASE_PROMPT_LEN 19

static const char *const Name_exists = "Case by this name already exists.";
static const char *const Name_too_long = "Case name too long, at most 19 characters are allowed.";
static const char *const Not_started = "Could not start case.";

// ---- lookups ---------------------------------------------------------------------

int chkcase_name(const char *name) {
  if (!name) return -1;
  for (int s = 0; s < MAX_CASES; s++)
    if (Case_info[s].active && strcmp(Case_info[s].name, name) == 0) return s;
  return -1;
}

int caseindx_by_name(const char *name) {
  if (!name) return -1;
  for (int s = 0; s < MAX_CASES; s++)
    if (strcmp(Case_info[s].name, name) == 0) return s;
  return -1;
}

int case_list_to_tblindex(int position) {
  int p = 0;
  for (int s = 0; s < MAX_CASES; s++)
    if (Case_info[s].active && ++p == position) return s;
  return -1;
}

int case_tblindex_to_list(int slot) {
  if (slot < 0 || slot >= MAX_CASES || !Case_info[slot].active) return -1;
  int p = 0;
  for (int s = 0; s <= slot; s++)
    if (Case_info[s].active) p++;
  return p;
}

// ---- shared steps --------------------------------------------------------------------

static void fail(int from_command) {
  if (from_command) Command_proc_err = 1;
}

// Refuses the operation while interactive part creation runs.
static int interactive_creation_guard(const char *what) {
  if (Do_realtime_iso == 0 && Do_realtime_clips == -1 && Realtime_traces == 0) return 1;
  char msg[200];
  snprintf(msg, sizeof msg,
           "All interactive part creation must be off to %s a case.\nPlease check Isosurfaces, "
           "Clips, and Particle Traces.        ",
           what);
  disperr(msg);
  Command_proc_err = 1;
  return -1;
}

// A name the table can hold: 1, or -1 after the message (too long, empty).
static int name_fits(const char *name, int from_command) {
  if (strlen(name) >= CASE_NAME_LEN) {
    disperr(Name_too_long);
    fail(from_command);
    return -1;
  }
  if (!name[0]) {
    disperr("case: error in case name.");
    fail(from_command);
    return -1;
  }
  return 1;
}

static void record3(const char *keyword, const char *value) {
  std::string line = std::string("case:") + " " + keyword + " " + value;
  cmdrec(line.c_str());
}

// Removes the case in Case_num from the client and stops its server.
static void remove_case(int slot) {
  int online = Online[slot + 1] == 1;
  delete_case_client(slot);
  if (online) quit_server(slot);
  if (Data_readcmds[slot]) Data_readcmds[slot][0] = '\0';
}

static void store_case(int slot, const char *name) {
  snprintf(Case_info[slot].name, CASE_NAME_LEN, "%s", name);
  Case_info[slot].active = 1;
  Case_cnt++;
}

static void refresh_lists() {
  if (Case_windep.part_list) Case_windep.part_list(0);
  if (Part_listbytype != 1) part_list_refresh();
}

// Keeps the current, begin and end steps within the time line that is left.
static void clamp_solution_time() {
  int beg = 0, end = 0;
  float begt = 0, cur = 0, curt = 0, endt = 0;
  soltime_timevals(0, 0, &beg, &begt, &cur, &curt, &end, &endt);
  if (Time_tot_steps > 0) {
    int last = Time_tot_steps - 1;
    float last_time = soltime_step_time(last);
    if (cur > (float)last) {
      cur = (float)last;
      curt = last_time;
    }
    if (beg > last) {
      beg = last;
      begt = last_time;
    }
    if (end > last) {
      end = last;
      endt = last_time;
    }
  }
  soltime_timevals(1, 0, &beg, &begt, &cur, &curt, &end, &endt);
}

// ---- add ---------------------------------------------------------------------------------

// The default name proposed by the interface: one more than the run of
// slots in use from slot 0.
static void default_name(char *buf, int size) {
  int n = 0;
  while (n < MAX_CASES && Case_info[n].active) n++;
  snprintf(buf, size, "Case %1d", n + 1);
}

static int lowest_free_slot() {
  for (int s = 0; s < MAX_CASES; s++)
    if (!Case_info[s].active) return s;
  return -1;
}

// Asks again while another case in use (not except) has the name; the new
// name stays in name. 1, or 0 when the user gave up.
static int ask_until_unique(char *name, int size, const char *title, int except) {
  int s;
  while ((s = chkcase_name(name)) >= 0 && s != except) {
    name[0] = '\0';
    screen_prompt("Duplicate Case Name.\nPlease Choose a new name?", title, name, size, 0);
    if (!name[0]) return 0;
  }
  return 1;
}

int case_add(int from_command) {
  if (interactive_creation_guard("add") < 0) return -1;
  if (Case_cnt > MAX_CASES - 1) {
    char msg[80];
    snprintf(msg, sizeof msg, "Sorry, only %d cases are allowed in one session.", MAX_CASES);
    disperr(msg);
    fail(from_command);
    return -1;
  }
  char raw[CASE_TMP_LEN], name[CASE_TMP_LEN];
  if (from_command) {
    snprintf(raw, sizeof raw, "%s", Case_tmp_buf);
  } else {
    default_name(raw, CASE_PROMPT_LEN);
    screen_prompt("Case Name?", "Add Case", raw, CASE_PROMPT_LEN, 0);
    if (!raw[0]) return -1;
  }
  strip_pre_post_chars(raw, name, ' ');
  if (name_fits(name, from_command) < 0) return -1;
  if (chkcase_name(name) >= 0) {
    if (from_command) {
      disperr(Name_exists);
      fail(from_command);
      return -1;
    }
    if (!ask_until_unique(name, CASE_PROMPT_LEN, "Add Case", -1)) {
      disperr("Case not created.");
      return -1;
    }
  }

  int previous = Case_num;
  if (!Case_archive_restore) Case_num = lowest_free_slot();
  Con_prog = Case_num + 1;
  if (connect_case(name) == -1) {
    disperr(Not_started);
    fail(from_command);
    // The slot stays free; the case that was current stays current.
    if (!Case_archive_restore && Case_info[previous].active) {
      Case_num = previous;
      Con_prog = Case_num + 1;
    }
    return -1;
  }
  store_case(Case_num, name);
  if (!from_command && Recrdr == 1) record3("add", name);
  case_list_windep();
  int position = case_select_byname(name, from_command);
  if (position == -1) Command_proc_err = 1;
  return position;
}

// ---- replace -----------------------------------------------------------------------------

// After a failed start the replaced case's slot is kept under its old name,
// without a server (the state of the first case before any connection), so
// that the table stays consistent and the replace can be tried again.
static void keep_slot_for_retry(int slot, const char *old_name) {
  store_case(slot, old_name);
  case_list_windep();
  case_select(slot, 1);
  case_select_windep(case_tblindex_to_list(slot), 0);
  char msg[120];
  snprintf(msg, sizeof msg, "Case '%s' is kept without a server; replace it again to retry.",
           old_name);
  disperr(msg);
}

int case_replace(int from_command) {
  if (interactive_creation_guard("replace") < 0) return -1;
  int slot = Case_num;
  if (slot < 0 || slot >= MAX_CASES || !Case_info[slot].active) {
    disperr("Case selected does not exist.");
    fail(from_command);
    return -1;
  }
  char old_name[CASE_NAME_LEN];
  snprintf(old_name, sizeof old_name, "%s", Case_info[slot].name);
  char name[CASE_TMP_LEN];
  if (from_command) {
    snprintf(name, sizeof name, "%s", Case_tmp_buf);
    if (name_fits(name, from_command) < 0) return -1;
    int other = chkcase_name(name);
    if (other >= 0 && other != slot) {
      disperr(Name_exists);
      fail(from_command);
      return -1;
    }
  } else {
    char raw[CASE_TMP_LEN], question[CASE_NAME_LEN + 32];
    snprintf(raw, sizeof raw, "%.*s", CASE_PROMPT_LEN - 1, old_name);
    snprintf(question, sizeof question, "Replace Case '%s' with?", old_name);
    screen_prompt(question, "Replace Case", raw, CASE_PROMPT_LEN, 0);
    if (!raw[0]) return -1;
    strip_pre_post_chars(raw, name, ' ');
    if (name_fits(name, from_command) < 0) return -1;
    if (!ask_until_unique(name, CASE_PROMPT_LEN, "Replace Case", slot)) return -1;
  }

  remove_case(slot);
  if (Case_cnt == 0) file_backup_reinitializeall();
  refresh_lists();
  var_reset_interface();
  cmd_refreshall();

  Case_num = slot;
  Con_prog = slot + 1;
  if (connect_case(name) == -1) {
    disperr(Not_started);
    fail(from_command);
    keep_slot_for_retry(slot, old_name);
    return -1;
  }
  store_case(slot, name);
  if (!from_command && Recrdr == 1) {
    std::string line = std::string("case:") + " replace '" + old_name + "' '" + name + "'";
    cmdrec(line.c_str());
  }
  if (Time_tot_steps > 0) {
    clamp_solution_time();
  } else if (Case_cnt > 1) {
    Soltime_begstep = 0;
    Soltime_curstep = 0;
    Soltime_endstep = 0;
    Soltime_timtype = 0;
  }
  case_list_windep();
  case_select(slot, from_command);
  case_select_windep(case_tblindex_to_list(slot), 0);
  if (Case_windep.data_section) Case_windep.data_section();
  return 1;
}

// ---- delete ----------------------------------------------------------------------------------

int case_delete(int from_command) {
  if (interactive_creation_guard("delete") < 0) return -1;
  if (Case_cnt <= 1) {
    disperr("The last case cannot be deleted.  Please use the Replace option instead.");
    Command_proc_err = 1;
    return -1;
  }
  int slot = Case_num;
  if (slot < 0 || slot >= MAX_CASES || !Case_info[slot].active) {
    disperr("Case selected does not exist.");
    fail(from_command);
    return -1;
  }
  int confirmed = 1;
  if (!from_command) {
    char question[80];
    snprintf(question, sizeof question, "Do you really want to delete case '%s'?",
             Case_info[slot].name);
    confirmed = warn(question);
  }
  if (confirmed) {
    char name[CASE_NAME_LEN];
    snprintf(name, sizeof name, "%s", Case_info[slot].name);
    remove_case(slot);
    if (!from_command && Recrdr == 1) record3("delete", name);
    case_select(case_list_to_tblindex(1), from_command);
    case_select_windep(1, 0);
  }
  case_list_windep();
  refresh_lists();
  part_refresh();
  clamp_solution_time();
  return 1;
}

// ---- select -------------------------------------------------------------------------------

int case_select(int slot, int quiet) {
  if (slot < 0 || slot >= MAX_CASES || !Case_info[slot].active) {
    disperr("Case selected does not exist.");
    return -1;
  }
  Case_num = slot;
  Con_prog = slot + 1;
  if (!quiet) {
    record3("select", Case_info[slot].name);
    case_refresh();
  }
  return 1;
}

int case_select_byname(const char *name, int from_command) {
  if (!name) return -1;
  int position = 0;
  for (int s = 0; s < MAX_CASES; s++) {
    if (Case_info[s].active) position++;
    if (strcmp(Case_info[s].name, name) != 0) continue;
    if (from_command) {
      case_select_windep(position, 0);
      if (case_select(s, 1) == -1) return -1;
    } else {
      case_select_windep(position, 1);
    }
    return position;
  }
  return -1;
}

// ---- refresh ---------------------------------------------------------------------------------

void case_refresh() {
  if (Case_windep.viewport_visibility) Case_windep.viewport_visibility(Case_num);
  if (Var_listbycase) var_reset_interface();
  if (Case_windep.data_section) Case_windep.data_section();
  Con_prog = Case_num + 1;
  if (connect_fields_windep) connect_fields_windep();
  if (Case_windep.part_list) Case_windep.part_list(1);
  if (Part_listbytype == 1) part_list_refresh();
  part_refresh();
  if (Case_windep.query_menus) Case_windep.query_menus();
  if (Case_windep.hide_reader_dialogs) Case_windep.hide_reader_dialogs();
}

void case_ref(int cat_index) {
  cmd_clear_refresh(cat_index);
  case_list_windep();
  case_refresh();
}

// ---- viewport visibility ------------------------------------------------------------------

void case_viewportvis_line(unsigned mask, char *line, int size) {
  std::string list;
  for (int v = 1; v <= MAX_VIEWPORTS; v++)
    if ((mask & (1u << (v - 1))) && Viewports[v - 1].in_use) list += " " + std::to_string(v);
  snprintf(line, size, "%s %s %s", "case:", "viewports", list.c_str());
}

int case_viewportvis_rec(unsigned mask) {
  char line[128];
  case_viewportvis_line(mask, line, sizeof line);
  return cmdrec(line);
}

void case_viewportvis_chng() {
  int mask = 0;
  parts_visible_by_case(Case_num, &mask, 0);
  if (Recrdr == 1) case_viewportvis_rec(mask);
}

// ---- "case:" processor ---------------------------------------------------------------------

// The text after the next single quote up to the following one (or the
// end); *rest is left after the closing quote.
static std::string quoted(const char *text, const char **rest) {
  const char *p = strchr(text, '\'');
  if (!p) {
    *rest = text + strlen(text);
    return "";
  }
  p++;
  const char *q = strchr(p, '\'');
  std::string s = q ? std::string(p, q) : std::string(p);
  *rest = q ? q + 1 : p + strlen(p);
  return s;
}

static unsigned short viewport_mask(const char *text) {
  unsigned short mask = 0;
  const char *p = text;
  for (int n = 0; n < MAX_VIEWPORTS; n++) {
    while (*p == ' ' || *p == '\t') p++;
    char *end = nullptr;
    long v = strtol(p, &end, 10);
    if (end == p) break;
    if (v >= 1 && v <= MAX_VIEWPORTS) mask |= (unsigned short)(1u << (v - 1));
    p = end;
  }
  return mask;
}

// Runs the operation of an add, replace or delete line: -1 when it failed.
static int run_operation(int (*op)(int)) {
  Command_proc_err = 0;
  op(1);
  return Command_proc_err == 1 ? -1 : 1;
}

static int case_keyword(int cmd_id, const char *value) {
  if (cmd_id != CASE_VIEWPORTS && !value[0]) {
    disperr("case: error in case name.");
    return -1;
  }
  switch (cmd_id) {
    case CASE_SELECT:
      if (case_select_byname(value, 1) == -1) {
        disperr("case: specified case does not exist.");
        return -1;
      }
      case_refresh();
      return 1;
    case CASE_ADD:
      snprintf(Case_tmp_buf, sizeof Case_tmp_buf, "%s", value);
      return run_operation(case_add);
    case CASE_REPLACE: {
      const char *rest = value;
      std::string old_name = quoted(value, &rest);
      int slot = chkcase_name(old_name.c_str());
      if (slot < 0) {
        disperr("case: case to replace doesn't exist.");
        return -1;
      }
      Case_num = slot;
      Con_prog = slot + 1;
      std::string name = quoted(rest, &rest);
      if (name.empty()) {
        disperr("No name provided to replace case.");
        return -1;
      }
      snprintf(Case_tmp_buf, sizeof Case_tmp_buf, "%s", name.c_str());
      return run_operation(case_replace);
    }
    case CASE_DELETE: {
      int slot = chkcase_name(value);
      if (slot < 0) {
        disperr("case: case doesn't exist.");
        return -1;
      }
      Case_num = slot;
      Con_prog = slot + 1;
      return run_operation(case_delete);
    }
    case CASE_VIEWPORTS: {
      int mask = viewport_mask(value);
      parts_visible_by_case(Case_num, &mask, 1);
      return 1;
    }
    default:
      disperr("case: The command does not exist.");
      return -1;
  }
}

static int case_value(int cmd_id, const char *params) {
  const char *value = params ? params : "";
  char *answer = nullptr;
  const char *unanswered = cmd_id == CASE_REPLACE || cmd_id == CASE_VIEWPORTS
                               ? Cmd_no_value_entered
                               : "No case name entered.  Error processing commands.";
  if (cmd_param_asked(&value, &answer, unanswered) < 0) return -1;
  int r = case_keyword(cmd_id, value);
  free(answer);
  return r;
}

// A failed line stops the group of commands it belongs to.
int case_cmdproc(const char *, const char *, const char *, const char *params, int, int kw_row,
                 int cmd_id, const int *, int) {
  int r = -1;
  if (kw_row == CMD_NOT_FOUND || cmd_id == CMD_NOT_FOUND)
    disperr("case: The command does not exist.");
  else
    r = case_value(cmd_id, params);
  if (r < 0) Command_proc_err = 1;
  return r;
}
