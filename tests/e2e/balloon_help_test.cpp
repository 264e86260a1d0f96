// Balloons of the real main window: a synthetic pointer-enter on a control
// shows its text at the place computed from the pointer and the main form,
// leaving hides it, and with balloons off nothing is shown.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <Xm/ToggleB.h>

#include <string>

#include "inproc_main_window.h"
#include "state/ui/iconpanel.h"
#include "ui/balloon_help.h"
#include "ui/interf_init.h"
#include "ui/main_intf.h"
#include "ui/main_window.h"
#include "ui/textc_windep.h"
#include "xm_lists.h"
#include "xt_shell.h"

namespace {

// Moves the pointer to the middle of w and sends w a synthetic crossing event.
void cross(Widget w, int type) {
  Display *dpy = Dpys[0];
  Dimension wd = 0, ht = 0;
  XtVaGetValues(w, XmNwidth, &wd, XmNheight, &ht, nullptr);
  if (type == EnterNotify) XWarpPointer(dpy, None, XtWindow(w), 0, 0, 0, 0, wd / 2, ht / 2);
  XEvent ev{};
  ev.xcrossing.type = type;
  ev.xcrossing.display = dpy;
  ev.xcrossing.window = XtWindow(w);
  ev.xcrossing.root = DefaultRootWindow(dpy);
  ev.xcrossing.mode = NotifyNormal;
  ev.xcrossing.detail = NotifyAncestor;
  ev.xcrossing.same_screen = True;
  XSendEvent(dpy, XtWindow(w), False, type == EnterNotify ? EnterWindowMask : LeaveWindowMask, &ev);
  XSync(dpy, False);
  qtest::inproc_wait_for([] { return false; }, 200);
}

struct Expected {
  int x, y;
};

// Where the balloon of id for text goes with the pointer where it is now.
Expected expected_place(long id, const char *text) {
  Display *dpy = Dpys[0];
  Window root, child;
  int rx, ry, wx, wy;
  unsigned int mask;
  XQueryPointer(dpy, XtWindow(Main_control_form), &root, &child, &rx, &ry, &wx, &wy, &mask);
  XWindowAttributes fa;
  XGetWindowAttributes(dpy, XtWindow(Main_control_form), &fa);
  Expected e{};
  balloon_help_position(id, balloon_help_textwidth(text), fa.x, fa.y, rx, ry, Menu_font_width,
                        Menu_font_size, &e.x, &e.y);
  return e;
}

class Balloons : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    Balloon_help = 1;
  }
};

TEST_F(Balloons, EnterShowsTheTextAtItsPlaceAndLeaveHidesIt) {
  const struct {
    Widget w;
    long id;
  } cases[] = {{Main_tooltips_tggl, 517}, {Main_info_button, 510}, {Main_viewpos_buttons[5], 502}};
  for (const auto &c : cases) {
    cross(c.w, EnterNotify);
    ASSERT_NE(Balloonhelp_dialog, nullptr);
    EXPECT_TRUE(XtIsManaged(Balloonhelp_dialog)) << c.id;
    const char *text = balloon_help_text(c.id);
    EXPECT_EQ(qtest::xm_label_text(Balloonhelp_lbl), text);
    Expected e = expected_place(c.id, text);
    Position x = 0, y = 0;
    XtVaGetValues(XtParent(Balloonhelp_dialog), XmNx, &x, XmNy, &y, nullptr);
    EXPECT_EQ(x, e.x) << c.id;
    EXPECT_EQ(y, e.y) << c.id;
    cross(c.w, LeaveNotify);
    EXPECT_FALSE(XtIsManaged(Balloonhelp_dialog)) << c.id;
  }
}

TEST_F(Balloons, SwitchedOffShowsAndHidesNothing) {
  cross(Main_hsurf_tggl, EnterNotify);
  ASSERT_NE(Balloonhelp_dialog, nullptr);
  ASSERT_TRUE(XtIsManaged(Balloonhelp_dialog));
  Balloon_help = 0;
  cross(Main_hsurf_tggl, LeaveNotify);
  EXPECT_TRUE(XtIsManaged(Balloonhelp_dialog));  // leaving hides nothing either
  clear_balloon_helpCB(nullptr, nullptr, nullptr);
  cross(Main_hline_tggl, EnterNotify);
  EXPECT_FALSE(XtIsManaged(Balloonhelp_dialog));
}

// The "Tool Tips" toggle hides the balloon on show, shows its new state and
// saves the general preferences.
TEST_F(Balloons, ToolTipsToggleHidesTheShownBalloonAndSaves) {
  cross(Main_hsurf_tggl, EnterNotify);
  ASSERT_NE(Balloonhelp_dialog, nullptr);
  ASSERT_TRUE(XtIsManaged(Balloonhelp_dialog));
  const int saves = Iconpanel_generalpref_saves;
  pref_balloonhelp_chngCB(Main_tooltips_tggl, nullptr, nullptr);
  EXPECT_EQ(Balloon_help, 0);
  EXPECT_FALSE(XtIsManaged(Balloonhelp_dialog));
  EXPECT_FALSE(XmToggleButtonGetState(Main_tooltips_tggl));
  EXPECT_EQ(Iconpanel_generalpref_saves, saves + 1);
  pref_balloonhelp_chngCB(Main_tooltips_tggl, nullptr, nullptr);
  EXPECT_EQ(Balloon_help, 1);
  EXPECT_TRUE(XmToggleButtonGetState(Main_tooltips_tggl));
}

}  // namespace
