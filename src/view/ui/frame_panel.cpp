// Frame panel (see frame_panel.h).
#include "view/ui/frame_panel.h"

#include <Xm/ToggleB.h>

#include <cstring>

#include "render/display.h"
#include "render/view_toggles.h"
#include "ui/color_chooser.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "ui/widget_helpers.h"
#include "view/frame_logic.h"
#include "view/frames.h"
#include "view/transf_editor.h"
#include "view/ui/frame_notices.h"

Widget Transf_whichframe_list = nullptr;

// One-of-many rows: the chosen row stays set and the others are cleared.
#define ONE(label, mnemonic, value, cb) \
  {label, mnemonic, cb, (XtPointer)(long)(value), XtarvONEOFMANY, 0, nullptr}
Menu_item_rec Frame_transf_menu[2] = {
    ONE("Transform", 'T', 1, frame_transf_chngCB),
    ONE("Definition", 'D', 10, frame_transf_chngCB),
};
Menu_item_rec Frame_linew_menu[4] = {
    ONE("1 Pixel ", '1', 1, frame_linew_chngCB),
    ONE("2 Pixels", '2', 2, frame_linew_chngCB),
    ONE("3 Pixels", '3', 3, frame_linew_chngCB),
    ONE("4 Pixels", '4', 4, frame_linew_chngCB),
};
Menu_item_rec Frame_type_menu[3] = {
    ONE("Rectangular", 'R', 0, frame_type_chngCB),
    ONE("Cylindrical", 'C', 1, frame_type_chngCB),
    ONE("Spherical", 'S', 2, frame_type_chngCB),
};
#undef ONE

// The panel's row with tag, null when unknown.
static Qedit_icon_rec *frame_row(const char *tag) {
  for (Qedit_icon_rec &r : Qedit_frame_tbl)
    if (strcmp(r.tag, tag) == 0) return &r;
  return nullptr;
}

static void set_choice(Menu_item_rec *rows, int n, int chosen) {
  for (int i = 0; i < n; i++)
    if (rows[i].widget) XmToggleButtonSetState(rows[i].widget, i == chosen, False);
}

// A two-state icon shows state and keeps it in its row.
static void show_icon_state(Qedit_icon_rec *row, int state) {
  if (!row) return;
  row->state = state;
  if (row->button) qedit_flip_tgglCB(row->button, (XtPointer)(long)state, nullptr);
}

void frame_panel_refresh() {
  set_choice(Frame_transf_menu, 2, Frame_current_transmode == 1 ? 0 : 1);
}

void frame_genericattr_windep(const Frame_panel_fields *f) {
  frame_panel_refresh();
  if (!f) return;
  set_choice(Frame_linew_menu, 4, f->linew_row);
  set_choice(Frame_type_menu, 3, f->type_row);
  show_icon_state(frame_row("FRAM_VISIB"), f->visible);
  show_icon_state(frame_row("FRAM_LOVIS"), f->triad_visible);
}

// The transform/define choice: the panel keeps one of the two set.
void frame_transf_chngCB(Widget w, XtPointer mode, XtPointer) {
  if (Xtarv_menuoneofmany_change(w, mode, Frame_transf_menu, 0, 1) < 0) return;
  frame_transf_chng((int)(long)mode);
  frame_icons_refresh();
}

void frame_newCB(Widget, XtPointer, XtPointer) { frame_new(0); }
void frame_assignpartsCB(Widget, XtPointer, XtPointer) { frame_assignparts(); }
void frame_selectallCB(Widget, XtPointer, XtPointer) { frame_selectall(0); }
void frame_deleteCB(Widget, XtPointer, XtPointer) {
  frame_delete(0, Frame_wrking_framecnt, Frame_wrking_frameids);
}
void frame_rgb_manageselectCB(Widget, XtPointer, XtPointer) { frame_rgb_manageselect(); }

void frame_linew_chngCB(Widget w, XtPointer width, XtPointer) {
  if (Xtarv_menuoneofmany_change(w, width, Frame_linew_menu, 0, 3) < 0) return;
  const float value = (float)(long)width;
  frame_attr_updt(FRAME_LINE_WIDTH, &value, nullptr, nullptr, 3, 0);
}

// The coordinate system also enters the pending symmetry changes.
void frame_type_chngCB(Widget w, XtPointer type, XtPointer) {
  if (Xtarv_menuoneofmany_change(w, type, Frame_type_menu, 0, 2) < 0) return;
  const float value = (float)(long)type;
  frame_attr_updt(FRAME_TYPE, &value, nullptr, nullptr, 3, 0);
  frame_csymattr_pending(FRAME_TYPE, &value, nullptr, 1);
}

// Visibility of the selected frames; switching it on while the frame
// triads are all off explains why nothing appears.
void frame_vis_chngCB(Widget w, XtPointer, XtPointer call) {
  Qedit_icon_rec *row = frame_row("FRAM_VISIB");
  const int state = row && row->state ? 0 : 1;
  if (row) row->state = state;
  const float value = (float)state;
  frame_attr_updt(FRAME_VISIBLE, &value, nullptr, nullptr, 3, 0);
  qedit_flip_tgglCB(w, (XtPointer)(long)state, call);
  if (state == 1 && Axiso1 == 0) frame_globalvsframe_infopopup_windep();
}

// Flips a triad toggle (which: 1 the frame triads, 0 the global triad) and
// the icon of row that shows it.
static void flip_triads(Widget w, Qedit_icon_rec *row, int which, XtPointer call) {
  const int state = row && row->state ? 0 : 1;
  tggl_axis(which);
  qedit_flip_tgglCB(w, (XtPointer)(long)state, call);
  if (row) row->state = state;
  view_menu_init();
}

void frame_localvis_chngCB(Widget w, XtPointer, XtPointer call) {
  flip_triads(w, frame_row("FRAM_LOVIS"), 1, call);
}

void frame_globalvis_chngCB(Widget w, XtPointer, XtPointer call) {
  Qedit_icon_rec *row = nullptr;
  for (Qedit_icon_rec &r : Qedit_scene_tbl)
    if (strcmp(r.tag, "SCEN_GLVIS") == 0) row = &r;
  flip_triads(w, row, 0, call);
}

// "Location...": the editor in frame-definition mode, where the location
// section is, after the notice that says so.
void frame_locattr_manageCB(Widget, XtPointer, XtPointer) {
  frame_locationinfo_mesg_windep();
  transf_dialog_managesetmodeinit(10);
}

// The colour chooser at the frames' colour; its choice goes to the selected frames.
void frame_displaycolor_dialog_windep(float r, float g, float b) {
  gen_colorselect_dialog(Main_win[0], nullptr, nullptr, nullptr, "%4.2f", r, g, b,
                         frame_rgbselect_apply, 2, 1);
}
