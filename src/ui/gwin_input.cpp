// Graphics window input.  Owns the space and Alt key flags (the Control flag
// is the event loop's); reads Current_mode and Last_current_mode of the
// interaction state and sets Last_current_mode on every entry.
#include "ui/gwin_input.h"

#include <GL/gl.h>
#include <X11/keysym.h>
#include <X11/Xutil.h>

#include <cstdio>

#include "anim/animate.h"
#include "anim/ui/anim_windep.h"
#include "anim/timeset.h"
#include "flow/trace.h"
#include "flow/ui/trace_windep.h"
#include "interact/movmnt.h"
#include "interact/tools.h"
#include "interact/ui/tools_menu.h"
#include "palette/annotate.h"
#include "palette/ui/annot_panel.h"
#include "palette/function.h"
#include "palette/ui/function_windep.h"
#include "platform/glw.h"
#include "query/plotter.h"
#include "query/ui/plot_panel.h"
#include "state/globals_bkup.h"
#include "ui/color_chooser.h"
#include "ui/event_loop.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/window_codes.h"
#include "view/observer.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"
#include "view/ui/viewer_section.h"
#include "view/ui/zclip_section.h"

int Quivane_spacekey_down = 0;
int Quivane_altkey_down = 0;

void gwin_enterECB(Widget, XtPointer, XEvent *, Boolean *) {
  if (Main_win[0] && Gwxwidget[0]) XtSetKeyboardFocus(Main_win[0], Gwxwidget[0]);
  if (Last_current_mode == 5 && Current_mode != 5)
    copy_to_backbuffer();
  else if (Last_current_mode == 3 && Current_mode != 3)
    Place_text = 0;
  if (Current_mode == 5)
    viewport_move_manage(3);
  else if (Current_mode == 4)
    plotter_move_manage(3);
  else if (Current_mode == 3)
    annotation_move_manage(3);
  else if (Surf_restricted_emitter != 0)
    create_surf_emitter(3);
  else if (!Loading_flipbook && !Loading_flippix)
    movmnt(Vewglb, What_trans);
  for (GLenum err = glGetError(); err != GL_NO_ERROR; err = glGetError())
    fprintf(stderr, "GL error %d has occured\n", (int)err);
  Last_current_mode = Current_mode;
}

void gwin_track_key_state(int type, unsigned long keysym) {
  if (type != KeyPress && type != KeyRelease) return;
  int down = type == KeyPress ? 1 : 0;
  if (keysym == XK_space)
    Quivane_spacekey_down = down;
  else if (keysym == XK_Control_L || keysym == XK_Control_R)
    Quivane_cntrlkey_down = down;
  else if (keysym == XK_Alt_L || keysym == XK_Alt_R)
    Quivane_altkey_down = down;
}

static XEvent *event_of(XtPointer call) {
  auto *cb = static_cast<GLwDrawingAreaCallbackStruct *>(call);
  return cb ? cb->event : nullptr;
}

void gwin_inputCB(Widget, XtPointer, XtPointer call) {
  XEvent *ev = event_of(call);
  if (!ev || (ev->type != KeyPress && ev->type != KeyRelease)) return;
  char c;
  KeySym keysym = NoSymbol;
  XLookupString(&ev->xkey, &c, 1, &keysym, nullptr);
  gwin_track_key_state(ev->type, keysym);
}

static int is(XtPointer call, int type) {
  XEvent *ev = event_of(call);
  return ev && ev->type == type;
}

void gwinvarlgnd_inputCB(Widget, XtPointer, XtPointer call) {
  if (!is(call, ButtonRelease)) return;
  int level = function_legend_level();
  if (level != 0) fncedt_palcurlev_set(level);
}

void gwinvarhist_inputCB(Widget w, XtPointer client, XtPointer call) {
  if (is(call, ButtonPress)) manage_function_histogram(w, client, call);
}

void gwincolselpatch_inputCB(Widget, XtPointer, XtPointer) {}

void gwincolselmix_inputCB(Widget w, XtPointer client, XtPointer call) {
  if (!is(call, ButtonPress)) return;
  set_colorselmix_win_locat();
  manage_popup_color_chooser(w, client, call);
}

void gwin_partviewportvis_inputCB(Widget, XtPointer, XtPointer call) {
  if (is(call, ButtonPress)) manage_part_viewport_vis_gl(4);
}

void gwin_caseviewportvis_inputCB(Widget, XtPointer, XtPointer call) {
  if (!is(call, ButtonPress)) return;
  manage_part_viewport_vis_gl(14);
  draw_part_viewport_vis_gl(14);
}

void gwin_qedpartviewportvis_inputCB(Widget, XtPointer, XtPointer call) {
  if (!is(call, ButtonPress)) return;
  manage_part_viewport_vis_gl(10);
  draw_part_viewport_vis_gl(10);
}

// A pick in either viewport chooser redraws both.
static void viewport_chooser_pick(int code, XtPointer client, XtPointer call) {
  if (!is(call, ButtonPress)) return;
  manage_selected_viewport_chooser_gl(code, client, call);
  draw_selected_viewport_chooser_gl(5);
  draw_selected_viewport_chooser_gl(18);
}

void gwin_transfwhichredo_inputCB(Widget, XtPointer client, XtPointer call) {
  viewport_chooser_pick(18, client, call);
}

void gwin_transfviewportsel_inputCB(Widget, XtPointer client, XtPointer call) {
  viewport_chooser_pick(5, client, call);
}

void gwin_viewpcolor_inputCB(Widget w, XtPointer client, XtPointer call) {
  if (is(call, ButtonPress)) manage_background_editor(w, client, call);
}

void gwin_zclip_inputCB(Widget w, XtPointer client, XtPointer call) {
  if (is(call, ButtonPress)) manage_zclip_gl(w, client, call);
}

void gwin_viewer_inputCB(Widget w, XtPointer client, XtPointer call) {
  if (is(call, ButtonPress)) manage_viewer_gl(w, client, call);
}

void gwin_transfrevtool_inputCB(Widget w, XtPointer client, XtPointer call) {
  if (is(call, ButtonPress)) manage_revtool_gl(w, client, call);
}

void gwin_timeset_inputCB(Widget w, XtPointer, XtPointer call) {
  if (!is(call, ButtonPress)) return;
  for (int i = 0; i < TIMESET_SCALES; i++)
    if (Featintr_timesetscale_garea[i] == w) manage_timeset_gl(i);
}
