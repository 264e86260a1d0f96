// The "connect:" category: its processor works on the connection slot
// Con_prog (the working slot), whose settings the keywords set; "connect"
// starts that slot's server. The refresh makes the current case's slot the
// working slot.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/cases.h"
#include "client/cmd_tables.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/screen.h"

// Stores a text value ("??prompt" asks the user). With no answer a required
// value fails, an optional one becomes empty. 1 or -1.
static int store_text(char *field, const char *params, int required) {
  char *answer = nullptr;
  if (cmd_param_asked(&params, &answer, required ? Cmd_no_value_entered : nullptr) < 0) return -1;
  snprintf(field, CON_TEXT, "%s", params);
  free(answer);
  return 1;
}

// Starts and connects the working slot's server.
static int connect_now(int s) {
  if (s < 1 || s >= CON_SLOTS) {
    disperr("Illegal connection program.");
    return -1;
  }
  if (Online[s] == 1) {
    disperr("Connection already exists.");
    return -1;
  }
  if (!Connected_server_once || s == 1) {
    connect_copy_slot(0, 1);
    Connected_server_once = 1;
  }
  return connect_slot(s);
}

static int run_keyword(const char *params, int cat_index, int kw_row, int cmd_id) {
  if (kw_row == CMD_NOT_FOUND || cmd_id == CMD_NOT_FOUND) {
    disperr("connect: Bad command for this category.");
    return -1;
  }
  if (!params) params = "";
  int s = Con_prog;
  int slot_ok = s >= 0 && s < CON_SLOTS;
  switch (cmd_id) {
    case CONNECT_TYPE: {
      int mode = cmd_process_strparams(params, cat_index, kw_row);
      if (mode < 0) return -1;
      if (slot_ok) Con_mode[s] = mode;
      return 1;
    }
    case CONNECT_MACHINE:
      return slot_ok ? store_text(Con_mach[s], params, 1) : -1;
    case CONNECT_EXECUTABLE:
      return slot_ok ? store_text(Con_exec[s], params, 1) : -1;
    case CONNECT_DIRECTORY:
      return slot_ok ? store_text(Con_work[s], params, 0) : -1;
    case CONNECT_LOGIN_ID:
      return slot_ok ? store_text(Con_loginid[s], params, 0) : -1;
    case CONNECT_CONNECT:
      return connect_now(s);
    case CONNECT_BACKEND:
      Con_prog = 1;
      return 1;
    case CONNECT_DEFAULT:
      Con_prog = 0;
      return 1;
    case CONNECT_PLOTTER:
    default:
      return 1;
  }
}

// A failed line stops the group of commands it belongs to.
int connect_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                    int kw_row, int cmd_id, const int *, int) {
  int r = run_keyword(params, cat_index, kw_row, cmd_id);
  if (r < 0) Command_proc_err = 1;
  return r;
}

// The Connect Server dialog, when it is shown, is filled from the current
// case's slot.
void connect_ref(int cat_index) {
  Con_prog = Case_num + 1;
  if (connect_fields_windep) connect_fields_windep();
  cmd_clear_refresh(cat_index);
}
