// What the viewport-editing loop and the background colour editor ask of
// the window system: the pointer, the cursor, the next event of the main
// display, the editor window's size and the colour chooser.  Installed by
// viewport_windep_install (viewport_move_windep_install).
#include <unistd.h>

#include "interact/tools.h"
#include "ui/color_chooser.h"
#include "ui/event_loop.h"
#include "ui/general_windep.h"
#include "ui/graphics_windows.h"
#include "ui/gwin_input.h"
#include "ui/interf_init.h"
#include "ui/screen_query.h"
#include "ui/window_codes.h"
#include "view/background_editor.h"
#include "view/ui/viewport_panel.h"
#include "view/viewport_move.h"

// A middle or right button whose role is 10 acts as the left one.
static int left_held(int b1, int b2, int b3) {
  return b1 || (b2 && Middle_Mouse_Setting == 10) || (b3 && Right_Mouse_Setting == 10);
}

static int move_pointer(int *x, int *y, int *left, int *control) {
  int b1 = 0, b2 = 0, b3 = 0;
  if (!get_mouse_info(0, &b1, &b2, &b3, x, y, 0)) return 0;
  *left = left_held(b1, b2, b3);
  *control = Quivane_cntrlkey_down;
  return 1;
}

static void move_cursor(int shape) { set_cursor_icon(shape, 0); }

// The pointer is outside the graphics window with no button held: the
// window has been left even when its leave event is not selected.
static bool left_window() {
  if (!Gwxmain[0]) return true;
  int b1 = 0, b2 = 0, b3 = 0, x, y;
  return !get_mouse_info(Gwxmain[0], &b1, &b2, &b3, &x, &y, 0) && !left_held(b1, b2, b3);
}

static void track_key(int code, int press) {
  if (code == KEY_CODE_ALT) Quivane_altkey_down = press;
  if (code == KEY_CODE_CONTROL) Quivane_cntrlkey_down = press;
  if (code == 32) Quivane_spacekey_down = press;
}

static int move_next_event(int *key, int *press) {
  Display *d = Dpys[0];
  if (!App_con || !d) return VP_EVENT_CROSSING;
  if (!XtAppPending(App_con)) {
    if (left_window()) return VP_EVENT_CROSSING;
    usleep(2000);  // poll the pointer without taking a whole core
    return VP_EVENT_NONE;
  }
  int kind = 0, code = 0;
  int r = inque_keyboard_event(Gwxmain[0], &code, &kind, 0);
  if (r != 0) {
    *press = kind == KeyPress ? 1 : 0;
    *key = r == 1 ? code : 0;
    track_key(*key, *press);
    return VP_EVENT_KEY;
  }
  if (XPending(d)) {
    XEvent ev;
    XPeekEvent(d, &ev);
    if ((ev.type == EnterNotify || ev.type == LeaveNotify) && ev.xcrossing.window == Gwxmain[0]) {
      XNextEvent(d, &ev);
      return VP_EVENT_CROSSING;
    }
  }
  XtAppProcessEvent(App_con, XtIMAll);
  return VP_EVENT_OTHER;
}

static int editor_size(int *width, int *height) {
  return Backgrviewcolorwin && get_win_size(Backgrviewcolorwin, width, height, 0) == 1 &&
                 *width > 0 && *height > 0
             ? 1
             : 0;
}

static int editor_pointer(int *x, int *y, int *left) {
  if (!Backgrviewcolorwin) return 0;
  int wx, wy, ww, wh, b1 = 0, b2 = 0, b3 = 0, px = 0, py = 0;
  get_win_location(Backgrviewcolorwin, &wx, &wy, &ww, &wh, 0);
  get_mouse_info(0, &b1, &b2, &b3, &px, &py, 0);
  *x = px - wx;
  *y = py - wy;
  *left = left_held(b1, b2, b3);
  return 1;
}

static void editor_chooser_color(float r, float g, float b) { rgb_popup_color_values(&r, &g, &b, 1); }

void manage_background_editor(Widget, XtPointer, XtPointer) { manage_background_editor(); }

void viewport_move_windep_install() {
  Viewport_move_windep.pointer = move_pointer;
  Viewport_move_windep.cursor = move_cursor;
  Viewport_move_windep.next_event = move_next_event;
  Background_editor_windep.size = editor_size;
  Background_editor_windep.pointer = editor_pointer;
  Background_editor_windep.chooser_color = editor_chooser_color;
}
