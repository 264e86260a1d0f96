// Transformation mode recording (see transf_editor.h).
#include "view/transf_editor.h"

#include <cstdio>

#include "client/command_dlog.h"
#include "view/observer.h"
#include "view/viewports.h"

// The mode words of "view_transf: function", by What_trans code.
static const struct {
  int code;
  const char *word;
} Mode_words[] = {{0, "global"}, {1, "local"},    {2, "cursor"}, {3, "line"},
                  {4, "plane"},  {6, "cylinder"}, {7, "sphere"}, {8, "cone"},
                  {9, "revolution"}, {10, "frame"}};

int transf_record_whattrans(int mode) {
  for (const auto &m : Mode_words)
    if (m.code == mode) {
      char line[64];
      snprintf(line, sizeof line, "%s %s %s", "view_transf:", "function", m.word);
      cmdrec(line);
      return 1;
    }
  return -1;
}

void transf_gen_dialog() {}
void transf_dialog_init() {}

// "view_transf: action" words by Vewglb value.
static const struct {
  int vewglb;
  const char *word;
} Action_words[] = {{0, "rotate"}, {1, "translate"}, {2, "scale"}, {4, "zoom"}, {5, "band_zoom"}};

const char *transf_action_word(int vewglb) {
  for (const auto &a : Action_words)
    if (a.vewglb == vewglb) return a.word;
  return nullptr;
}

int transf_action_reset_chng(int item, int record) {
  static const int item_vewglb[5] = {0, 1, 4, 5, 2};  // rotate translate zoom band_zoom scale
  if (item >= 0 && item <= 4) {
    Vewglb = item_vewglb[item];
    if (record) {
      char line[64];
      snprintf(line, sizeof line, "%s %s %s", "view_transf:", "action", transf_action_word(Vewglb));
      cmdrec(line);
    }
    return 1;
  }
  return (item >= 5 && item <= 7) ? 1 : -1;
}


// ---- operations shared with the "view_transf:" lines --------------------------------
#include "anim/animate.h"
#include "client/screen.h"
#include "interact/support.h"
#include "view/transf_typed.h"
#include "view/viewport_select.h"

// 1 while a keyframe animation is being created.
static int keyframes_being_made() {
  float attributes[ANIM_GLOBAL_WORDS];
  get_global_animation_attributes(attributes);
  return attributes[0] == 1.0f;
}

// Records "view_transf: <keyword>[ <value>]" for a user action while recording is on.
static void record_user_line(int from_command, const char *keyword, const char *value) {
  if (from_command || !Recrdr) return;
  char line[96];
  if (value)
    snprintf(line, sizeof line, "%s %s %s", "view_transf:", keyword, value);
  else
    snprintf(line, sizeof line, "%s %s", "view_transf:", keyword);
  cmdrec(line);
}

int transf_reset_action(int all, int from_command) {
  if (keyframes_being_made()) {
    disperr("Resetting transformations when keyframe animation is being\ncreated will cause "
            "problems in the animation.  Operation Ignored.");
    return -1;
  }
  record_user_line(from_command, all ? "reset_rot_trn_scl" : "reset_by_action", nullptr);
  reset_transforms(all);
  return 1;
}

int transf_reinitviewport(int from_command) {
  if (keyframes_being_made()) {
    disperr("Reinitializing viewports when keyframe animation is being\ncreated will cause "
            "problems in the animation.  Operation Ignored.");
    return -1;
  }
  record_user_line(from_command, "initialize_viewports", nullptr);
  initialize_viewports();
  return 1;
}

void transf_resettool_constraint(int constraint, int from_command) {
  Reset_tools_constraint = constraint;
  record_user_line(from_command, "reset_tool_constrain", constraint ? "by_viewport" : "by_global");
}

int transf_copy_state(int from_command) {
  if (set_copy_from_viewport() < 0) {
    disperr("Must have one and only one viewport selected to copy the transformation state from.");
    return -1;
  }
  record_user_line(from_command, "viewport_state_copy", nullptr);
  return 1;
}

void transf_paste_state(int from_command) {
  paste_viewport_transform();
  record_user_line(from_command, "viewport_state_paste", nullptr);
}

void transf_link_viewports(int on, int from_command) {
  set_unset_viewport_locks(on);
  record_user_line(from_command, "viewport_link", on ? On : Off);
}

// ---- the saved-view file ------------------------------------------------------------
#include <cstring>

#include "client/file_select_comm.h"
#include "client/textutil.h"
#include "view/saved_view.h"

#define SAVED_VIEW_PATH 255  // room for an expanded name, NUL included

// Expands a leading "~" of name into path; 1, or -1 with the message.
static int expand_view_name(const char *name, char *path, const char *empty_message) {
  int nchars = (int)strlen(name), capacity = SAVED_VIEW_PATH;
  int r = nchars > 0 ? expfnam(name, &nchars, path, &capacity) : -1;
  if (r == -2) {
    disperr("File and path name too long when expanding '~'.");
    return -1;
  }
  if (r < 0 && nchars > 0) {
    disperr("Could not expand file '~', try using full path name.");
    return -1;
  }
  if (r <= 0 || !path[0]) {
    disperr(empty_message);
    return -1;
  }
  return 1;
}

int transf_save_view(const char *name, int from_command) {
  char path[SAVED_VIEW_PATH] = "";
  if (expand_view_name(name ? name : "", path, "Incorrect file name to save transformation view.") <
      0)
    return -1;
  int mode = 1, interactive = from_command ? 0 : 1;
  if (!chkfil(path, &mode, &interactive)) return -1;
  if (savvew(path) < 0) {
    disperr("Save of view states failed.");
    return -1;
  }
  record_user_line(from_command, "save_view", name);
  return 1;
}

int transf_restore_view(const char *name, int from_command) {
  if (keyframes_being_made()) {
    disperr("Restoring a view state when keyframe animation is being\n created will cause "
            "problems in the animation.  Operation Ignored.");
    return -1;
  }
  char path[SAVED_VIEW_PATH] = "";
  if (expand_view_name(name ? name : "", path,
                       "Incorrect file name to restore transformation view.") < 0)
    return -1;
  // An unreadable file is reported to the command's sender as well.
  int mode = 0, interactive = 1;
  if (!chkfil(path, &mode, &interactive)) return -1;
  if (rstvew(path) < 0) {
    disperr("Restore of view states failed.");
    return -1;
  }
  record_user_line(from_command, "restore_view", name);
  return 1;
}
