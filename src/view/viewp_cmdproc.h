// The "viewport:" command category: its keyword table Cmds_viewp (declared
// in view_cmdproc.h), processor viewp_cmdproc and refresh viewp_ref, the
// value check shared with the viewport dialogs, the viewport operations
// that both the commands and the viewport panel call, the working list of
// viewports that attribute lines address, and the recorders that write the
// viewport state as command lines.
#pragma once

#include "view/viewports.h"

// Keyword rows of Cmds_viewp that are not attribute slots.
enum Viewp_cmd_id {
  VIEWP_NOT_USED = 6,
  VIEWP_BLEND_EDITLEVEL = 40,
  VIEWP_SELECT_BEGIN = 41,
  VIEWP_SELECT_END = 42,
  VIEWP_SELECT_DEFAULT = 43,
  VIEWP_NEW = 44,
  VIEWP_RAISE = 45,
  VIEWP_LOWER = 46,
  VIEWP_DELETE = 47,
  VIEWP_NEW_OR_MOD = 48,
  VIEWP_STACKING_ORDER = 49,
  VIEWP_SELECT_ALL = 50,
  VIEWP_VIEWPORT_LAYOUT = 51,
};

extern int Viewp_wrking_viewpcnt;                  // viewports the attribute lines address, 0..16
extern int Viewp_wrking_viewpids[MAX_VIEWPORTS];   // their numbers, ascending as selected
extern int Default_viewpedit_notify;               // 1 = tell the user a change went to the defaults

// Index of "viewport:" in Cmds_cat.
int viewp_category();
// 1 when every flagged value is acceptable; otherwise the first failure is
// shown and the answer is 0.
int viewp_checkvalues(const float values[VIEWPORT_ATTRS], const int flags[VIEWPORT_ATTRS]);
// Applies one dialog change of slot (blend level L for the blend slots) to
// the working list or the defaults, records it and refreshes by code: 0
// background, 1 location, 2 border, 3 special dialog, 4 the panel's
// visibility icon.
void viewp_attr_updt(int level, int slot, const float values[], int refresh);

// The operations; from_command 1 when the "viewport:" processor calls them
// (nothing recorded, no refresh), 0 from the panel.
void viewp_new(int from_command);
void viewp_delete(int from_command);
void viewp_pushpop(int raise, int from_command);
void viewp_selectall(int from_command);
void viewp_layout_chng(int layout, int from_command);
// Blend edit level L (1-based); clamp pulls a level out of range back into
// it, quiet neither refreshes nor records.
void viewp_bgcolorblevel_chng(int level, int clamp, int quiet);

// Records a selection: "select_default" for none, else the begin row, the
// numbers ten to a line, the end row.
void viewp_rec_selitems(int cat_index, int begin_row, int end_row, int count, const int ids[]);
// Records every attribute of one viewport, the blend levels each after its
// "blend_editlevel" line.
void viewp_rec_allattrs(const float attrs[VIEWPORT_ATTRS]);

// What the operations ask of the viewport dialogs (null: nothing to refresh).
struct Viewp_windep_hooks {
  void (*refresh_all)();               // refills every viewport dialog
  void (*refresh)(int code);           // one dialog by the refresh codes of viewp_attr_updt
  void (*defaults_notice)();           // the notice that a change went to the defaults
  void (*edit_level_field)(int level); // shows the blend edit level in the background dialog
  // Show without applying: a colour in the constant (constant 1) or the
  // edit level's colour fields, and a blend position.
  void (*color_fields)(int constant, float r, float g, float b);
  void (*position_field)(float position);
};
extern Viewp_windep_hooks Viewp_windep;
