// What the viewport logic asks of the window system: the choosers' (window
// codes 5 and 18) and the part visibility pickers' (4, 10, 14) size, where
// the pointer is over them and the wait for the button's release; the highlight colour; the plotter screen.  Installed by
// viewport_windep_install.
#include <unistd.h>

#include "interact/tools.h"
#include "query/ui/plot_panel.h"
#include "ui/event_loop.h"
#include "ui/interf_init.h"
#include "ui/screen_query.h"
#include "ui/window_codes.h"
#include "view/ui/viewport_dialogs.h"
#include "view/ui/viewport_panel.h"
#include "view/viewport_background.h"
#include "view/viewport_redraw.h"
#include "view/viewport_select.h"

static Window chooser_window(int code) {
  if (code == 5) return Transf_whichvp_win;
  if (code == 18) return Transfredoviewpwin;
  if (code == 4) return Partvpviswin;
  if (code == 10) return Qedpartvpviswin;
  if (code == 14) return Casevpviswin;
  return 0;
}

static int chooser_size(int code, int *width, int *height) {
  Window win = chooser_window(code);
  return win && get_win_size(win, width, height, 0) == 1 && *width > 0 && *height > 0;
}

static int chooser_pointer(int code, float *fx, float *fy, int *control) {
  Window win = chooser_window(code);
  if (!win) return 0;
  int wx, wy, ww, wh, b1, b2, b3, x = 0, y = 0;
  get_win_location(win, &wx, &wy, &ww, &wh, 0);
  get_mouse_info(0, &b1, &b2, &b3, &x, &y, 0);
  if (ww <= 0 || wh <= 0) return 0;
  *fx = (float)(x - wx) / (float)ww;
  *fy = (float)(y - wy) / (float)wh;
  *control = Quivane_cntrlkey_down;
  return 1;
}

// A middle or right button whose role is 10 acts as the left one.
static void chooser_wait_release() {
  for (;;) {
    int b1 = 0, b2 = 0, b3 = 0, x, y;
    get_mouse_info(0, &b1, &b2, &b3, &x, &y, 0);
    bool held = b1 || (b2 && Middle_Mouse_Setting == 10) || (b3 && Right_Mouse_Setting == 10);
    if (!held) return;
    usleep(10000);
  }
}

void manage_selected_viewport_chooser_gl(int code, XtPointer, XtPointer) {
  manage_selected_viewport_chooser_gl(code);
}

void viewport_windep_install() {
  Viewport_chooser_windep.size = chooser_size;
  Viewport_chooser_windep.pointer = chooser_pointer;
  Viewport_chooser_windep.wait_release = chooser_wait_release;
  get_select_color_windep = get_select_color;
  display_plotter_mode_windep = display_plotter_mode;
  viewport_move_windep_install();
  viewp_dialogs_install();
}
