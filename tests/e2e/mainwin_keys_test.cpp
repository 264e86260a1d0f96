// Key events through the keyboard map on a real X server: the translation
// of synthetic key events, the Control key tracked by the dispatch, the key
// queue of the modal mouse loops and the modal wait.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstring>

#include "ui/event_loop.h"
#include "ui/general_windep.h"
#include "xt_shell.h"

namespace {

XEvent key_event(Display *dpy, Window win, int type, KeySym keysym, unsigned state) {
  XEvent ev;
  memset(&ev, 0, sizeof ev);
  ev.xkey.type = type;
  ev.xkey.display = dpy;
  ev.xkey.window = win;
  ev.xkey.root = DefaultRootWindow(dpy);
  ev.xkey.same_screen = True;
  ev.xkey.state = state;
  ev.xkey.keycode = XKeysymToKeycode(dpy, keysym);
  return ev;
}

TEST(KeyTranslation, SyntheticKeysGiveTheirCodes) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  Window win = XtWindow(s.shell);
  struct Case {
    const char *name;
    KeySym keysym;
    unsigned state;
    int result;
    int code;
  } cases[] = {
      {"Control+A", XK_a, ControlMask, 1, 1},
      {"a", XK_a, 0, 1, 'a'},
      {"Shift+a", XK_a, ShiftMask, 1, 'A'},
      {"Escape", XK_Escape, 0, 1, 27},
      {"F4", XK_F4, 0, 1, 7004},
      {"Delete", XK_Delete, 0, 1, 127},
      {"Control_R", XK_Control_R, 0, 1, 7051},
      {"Up", XK_Up, 0, 1, 7103},
      {"Home", XK_Home, 0, -1, 0},
  };
  for (const Case &c : cases) {
    int code = -5;
    XEvent ev = key_event(s.dpy, win, KeyPress, c.keysym, c.state);
    ASSERT_NE(ev.xkey.keycode, 0u) << c.name;
    EXPECT_EQ(decipher_this_keyboard_event(ev.xkey, &code), c.result) << c.name;
    EXPECT_EQ(code, c.result == 1 ? c.code : -5) << c.name;
  }
}

TEST(KeyTranslation, DispatchTracksTheControlKey) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  event_loop_track_keys(s.dpy);
  Window win = XtWindow(s.shell);
  for (int type : {KeyPress, KeyRelease}) {
    XEvent ev = key_event(s.dpy, win, type, XK_Control_L, 0);
    XSendEvent(s.dpy, win, False, 0, &ev);
    XSync(s.dpy, False);
    check_xevents(s.app, 3);
    EXPECT_EQ(Quivane_cntrlkey_down, type == KeyPress ? 1 : 0);
  }
}

TEST(KeyTranslation, QueueTakesOnlyKeysOfItsWindow) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  Window win = XtWindow(s.shell);
  qtest::xt_wait_for([] { return false; }, 100);  // nothing else queued
  XEvent other;
  memset(&other, 0, sizeof other);
  other.xclient.type = ClientMessage;
  other.xclient.window = win;
  other.xclient.format = 32;
  XSendEvent(s.dpy, win, False, 0, &other);
  XEvent home = key_event(s.dpy, win, KeyPress, XK_Home, 0);
  XSendEvent(s.dpy, win, False, 0, &home);
  XEvent esc = key_event(s.dpy, win, KeyRelease, XK_Escape, 0);
  XSendEvent(s.dpy, win, False, 0, &esc);
  XSync(s.dpy, False);

  int code = -5, kind = -5;
  EXPECT_EQ(inque_keyboard_event(win, &code, &kind, 0), -1);  // Home: taken, no code
  EXPECT_EQ(kind, KeyPress);
  EXPECT_EQ(process_keyboard_events(win, &code, &kind, 0), 1);
  EXPECT_EQ(code, 27);
  EXPECT_EQ(kind, KeyRelease);
  code = kind = -5;
  EXPECT_EQ(inque_keyboard_event(win, &code, &kind, 0), 0);
  EXPECT_EQ(code, -5);
  EXPECT_EQ(kind, -5);
  XEvent left;
  ASSERT_EQ(XPending(s.dpy), 1);  // the client message stayed
  XNextEvent(s.dpy, &left);
  EXPECT_EQ(left.type, ClientMessage);
}

TEST(ModalWait, WaitsForANewAnswerAndClearsTheFlag) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  Xproc_done = 1;  // an old answer does not end the wait
  qtest::xt_after(300, [] { Xproc_done = 1; });
  auto t0 = std::chrono::steady_clock::now();
  check_xevents(s.app, 5);
  auto waited = std::chrono::steady_clock::now() - t0;
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  EXPECT_EQ(Xproc_done, 0);

  Pause_gwin = 0;
  check_xevents(s.app, 7);  // pause loop returns at once when nothing is paused
  Pause_gwin = 1;
  qtest::xt_after(100, [] { Pause_gwin = 0; });
  check_xevents(s.app, 7);
  EXPECT_EQ(Pause_gwin, 0);
}

}  // namespace
