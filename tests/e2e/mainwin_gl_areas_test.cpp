// Window codes and their GL areas on a real X server: the location of the
// current window for every kind of code, binding codes without windows, the
// on/off state drawn into quick-edit icons, and the X error handler.
#include <gtest/gtest.h>

#include <Xm/Form.h>
#include <Xm/PushB.h>

#include <cstdio>
#include <string>

#include "platform/glx_platform.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/qedit_icons.h"
#include "ui/screen_query.h"
#include "ui/window_codes.h"
#include "xt_shell.h"

namespace {

// Display 0's visual and colormap as interface start-up chooses them.
bool gl_setup(qtest::XtShell &s) {
  if (!Visinfo[0]) {
    static const int attrs[] = {GLX_RGBA, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
                                GLX_DEPTH_SIZE, 1, GLX_DOUBLEBUFFER, None};
    Visinfo[0] = qvn_choose_visual(s.dpy, DefaultScreen(s.dpy), attrs);
    if (Visinfo[0]) Main_color_map = getshareablecolormap(s.dpy, Visinfo[0]);
  }
  return Visinfo[0] != nullptr;
}

Arg size_args[2];
Cardinal sized(int w, int h) {
  XtSetArg(size_args[0], XmNwidth, w);
  XtSetArg(size_args[1], XmNheight, h);
  return 2;
}

void current(int code) {
  int dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
}

TEST(WindowCodes, LocationOfEveryKindOfCode) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  ASSERT_TRUE(gl_setup(s));
  Widget zclip = gwin_zclip_create(s.form, size_args, sized(120, 80));
  Widget viewer = gwin_viewer_create(s.form, size_args, sized(60, 40));
  XtVaSetValues(viewer, XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, zclip, nullptr);
  Widget scale = gwin_timesetscale_create(s.form, size_args, sized(90, 30));
  XtVaSetValues(scale, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, zclip, nullptr);
  ASSERT_TRUE(qtest::xt_wait_for([&] { return Zclip_view_win && Viewer_view_win && Featintr_timesetscale_gwin[0]; }));

  struct Case {
    int code;
    Widget widget;  // null: no window, zeros expected
    int width, height;
  } cases[] = {{11, zclip, 120, 80}, {12, viewer, 60, 40}, {20, scale, 90, 30},
               {13, nullptr, 0, 0},  {2, nullptr, 0, 0},   {24, nullptr, 0, 0}};
  for (const Case &c : cases) {
    current(c.code);
    int x = -7, y = -7, w = -7, h = -7;
    get_win_current_location(&x, &y, &w, &h);
    if (!c.widget) {
      EXPECT_EQ(x, 0) << c.code;
      EXPECT_EQ(y, 0) << c.code;
      EXPECT_EQ(w, 0) << c.code;
      EXPECT_EQ(h, 0) << c.code;
      continue;
    }
    int ex, ey, ew, eh;
    get_win_location(XtWindow(c.widget), &ex, &ey, &ew, &eh, 0);
    EXPECT_EQ(w, c.width) << c.code;
    EXPECT_EQ(h, c.height) << c.code;
    EXPECT_EQ(x, ex) << c.code;
    EXPECT_EQ(y, ey) << c.code;
  }
  int code = -1, dpy = -1;
  current(2);  // the palette section does not exist: recorded, nothing bound
  gwin_gl_curwin(&code, 0, &dpy);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(dpy, 0);
  swapbuffers();  // does nothing for a code without a window
}

int X_errors = 0;
int count_errors(Display *, XErrorEvent *) {
  X_errors++;
  return 0;
}

Pixel pixel_at(Display *dpy, Pixmap pix, int x, int y) {
  XImage *img = XGetImage(dpy, pix, x, y, 1, 1, AllPlanes, ZPixmap);
  Pixel p = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  return p;
}

TEST(QeditIconState, DrawsIntoThePictureOrTheTextColour) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  snprintf(Main_highlight_colname, COLOR_NAME_TEXT, "%s", "mediumspringgreen");
  get_needed_ui_colors();
  Pixel black = BlackPixel(s.dpy, DefaultScreen(s.dpy));
  XErrorHandler previous = XSetErrorHandler(count_errors);
  X_errors = 0;

  // An icon whose picture was not read: the state shows as the text colour.
  Widget text_icon = XtVaCreateManagedWidget("textIcon", xmPushButtonWidgetClass, s.form, nullptr);
  qedit_flip_specialtgglCB(text_icon, (XtPointer)1, nullptr);
  qedit_flip_tgglCB(text_icon, (XtPointer)1, nullptr);
  XSync(s.dpy, False);
  Pixel fg = 0;
  XtVaGetValues(text_icon, XmNforeground, &fg, nullptr);
  EXPECT_EQ(fg, Green.pixel);
  qedit_flip_specialtgglCB(text_icon, (XtPointer)0, nullptr);
  XtVaGetValues(text_icon, XmNforeground, &fg, nullptr);
  EXPECT_EQ(fg, black);

  // A two-state picture: the chosen half framed green, the other black.
  Screen *scr = XtScreen(s.form);
  Pixmap pix = XCreatePixmap(s.dpy, RootWindowOfScreen(scr), 50, 28, DefaultDepthOfScreen(scr));
  Widget pic_icon = XtVaCreateManagedWidget("picIcon", xmPushButtonWidgetClass, s.form,
                                            XmNlabelType, XmPIXMAP, XmNlabelPixmap, pix, nullptr);
  qedit_flip_specialtgglCB(pic_icon, (XtPointer)1, nullptr);
  EXPECT_EQ(pixel_at(s.dpy, pix, 0, 5), black);
  EXPECT_EQ(pixel_at(s.dpy, pix, 49, 5), Green.pixel);
  EXPECT_EQ(pixel_at(s.dpy, pix, 24, 5), Green.pixel);
  qedit_flip_specialtgglCB(pic_icon, (XtPointer)0, nullptr);
  EXPECT_EQ(pixel_at(s.dpy, pix, 0, 5), Green.pixel);
  EXPECT_EQ(pixel_at(s.dpy, pix, 49, 5), black);
  qedit_flip_tgglCB(pic_icon, (XtPointer)1, nullptr);
  EXPECT_EQ(pixel_at(s.dpy, pix, 7, 13), Green.pixel);
  XSync(s.dpy, False);
  EXPECT_EQ(X_errors, 0);
  XSetErrorHandler(previous);
}

TEST(XErrors, ReportedAndTheClientGoesOn) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  XErrorHandler previous = XSetErrorHandler(qvn_x_error_report);
  testing::internal::CaptureStderr();
  XFreePixmap(s.dpy, 0x7ffffff);  // no such pixmap
  XSync(s.dpy, False);
  std::string err = testing::internal::GetCapturedStderr();
  XSetErrorHandler(previous);
  // The reason is Xlib's text; the rest of the line is the client's own.
  char reason[150];
  XGetErrorText(s.dpy, BadPixmap, reason, sizeof reason);
  EXPECT_EQ(err, std::string("X error: ") + reason +
                     " (request 54.0, resource 0x7ffffff); going on.\n");
}

}  // namespace
