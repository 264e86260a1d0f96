// Dialogs that answer the keyboard, on the real main window of a 1024 x 768
// screen: a one-line prompt takes a typed name and Return as its Okay and
// Escape as its Cancel (the "Case Name?" prompt of adding a case, with a
// real stand-in server); the error and version boxes close on Return and on
// Escape.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <X11/keysym.h>
#include <Xm/Text.h>
#include <stdlib.h>

#include <functional>
#include <string>

#include "case_servers.h"
#include "client/cases.h"
#include "client/conect.h"
#include "client/startup.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "state/backup.h"
#include "ui/case_menu.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/prompt.h"

namespace {

// A key pressed and released over w's window, as the X server delivers it.
void send_key(Widget w, KeySym sym, unsigned int state = 0) {
  Display *dpy = XtDisplay(w);
  XKeyEvent ev{};
  ev.display = dpy;
  ev.window = XtWindow(w);
  ev.root = DefaultRootWindow(dpy);
  ev.subwindow = 0;
  ev.time = CurrentTime;
  ev.same_screen = True;
  ev.keycode = XKeysymToKeycode(dpy, sym);
  ev.state = state;
  for (int type : {KeyPress, KeyRelease}) {
    ev.type = type;
    XSendEvent(dpy, ev.window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
               reinterpret_cast<XEvent *>(&ev));
  }
  XSync(dpy, False);
}

// The keyboard given to the dialog's window, as a window manager (or the
// pointer over it) would; then the widget that takes its keys.
Widget keyboard_to(Widget dialog) {
  Widget shell = dialog;
  while (shell && !XtIsShell(shell)) shell = XtParent(shell);
  XSetInputFocus(XtDisplay(shell), XtWindow(shell), RevertToParent, CurrentTime);
  XSync(XtDisplay(shell), False);
  // The shell takes the focus once the server's FocusIn has been handled,
  // which can take a while on a busy machine.
  qtest::inproc_wait_for([dialog] { return XmGetFocusWidget(dialog) != nullptr; }, 5000);
  Widget w = XmGetFocusWidget(dialog);
  if (!w) w = dialog;
  while (!XtIsWidget(w)) w = XtParent(w);  // a gadget's keys reach its parent
  return w;
}

void type_text(Widget w, const std::string &text) {
  for (char c : text) send_key(w, static_cast<KeySym>(c));
}

// Runs fn once the plain prompt is shown, looking again every 50 ms.
void when_prompt_shown(std::function<void()> fn) {
  qtest::inproc_after(50, [fn] {
    if (!Main_prompt_dialog || !XtIsManaged(Main_prompt_dialog) ||
        !XtIsRealized(Text_entry_widget)) {
      when_prompt_shown(fn);
      return;
    }
    fn();
  });
}

class DialogKeys : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window(1024, 768, {"-smallscreen"}));
    setenv("TMPDIR", servers.tmp_dir().c_str(), 1);
    Connect_timeout = 20;
  }
  void TearDown() override {
    for (int c = 0; c < MAX_CASES; c++) quit_server(c);
  }
  // Case 1 with its server, as after "-c".
  void first_case() { ASSERT_EQ(qtest::connect_first_case(servers), 1); }
  qtest::CaseServers servers;
};

TEST_F(DialogKeys, PromptTakesReturnAsOkay) {
  first_case();
  std::string shown;
  when_prompt_shown([&shown] {
    char *t = XmTextGetString(Text_entry_widget);
    shown = t ? t : "";
    XtFree(t);
    Widget w = keyboard_to(Main_prompt_dialog);
    // Motif may move the focus on to the field a moment after the shell got it.
    if (w != Text_entry_widget &&
        qtest::inproc_wait_for(
            [] { return XmGetFocusWidget(Main_prompt_dialog) == Text_entry_widget; }, 5000))
      w = Text_entry_widget;
    EXPECT_EQ(w, Text_entry_widget) << "typing goes to the field, not " << XtName(w);
    XmTextSetString(Text_entry_widget, const_cast<char *>(""));
    type_text(w, "wing");
    send_key(w, XK_Return);
  });
  int before = Case_cnt;
  case_addCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(shown, "Case 2");
  EXPECT_FALSE(XtIsManaged(Main_prompt_dialog));
  EXPECT_EQ(Case_cnt, before + 1);
  EXPECT_NE(chkcase_name("wing"), -1) << "the typed name names the new case";
}

TEST_F(DialogKeys, PromptTakesEscapeAsCancel) {
  first_case();
  when_prompt_shown([] {
    Widget w = keyboard_to(Main_prompt_dialog);
    type_text(w, "x");
    send_key(w, XK_Escape);
  });
  int before = Case_cnt;
  case_addCB(nullptr, nullptr, nullptr);
  EXPECT_FALSE(XtIsManaged(Main_prompt_dialog));
  EXPECT_EQ(Case_cnt, before) << "no case after Cancel";
}

TEST_F(DialogKeys, ErrorBoxClosesOnReturnAndOnEscape) {
  for (KeySym key : {XK_Return, XK_Escape}) {
    disperr("Something went wrong.");
    ASSERT_TRUE(Err_dialog && XtIsManaged(Err_dialog));
    ASSERT_TRUE(qtest::inproc_wait_for([] { return XtIsRealized(Err_dialog); }));
    send_key(keyboard_to(Err_dialog), key);
    EXPECT_TRUE(qtest::inproc_wait_for([] { return !XtIsManaged(Err_dialog); }, 3000))
        << "key " << key;
  }
}

TEST_F(DialogKeys, VersionBoxClosesOnReturnAndOnEscape) {
  for (KeySym key : {XK_Return, XK_Escape}) {
    version_dialog_manageinitCB(nullptr, nullptr, nullptr);
    ASSERT_TRUE(Version_dialog && XtIsManaged(Version_dialog));
    ASSERT_TRUE(qtest::inproc_wait_for([] { return XtIsRealized(Version_dialog); }));
    send_key(keyboard_to(Version_dialog), key);
    EXPECT_TRUE(qtest::inproc_wait_for([] { return !XtIsManaged(Version_dialog); }, 3000))
        << "key " << key;
  }
}

}  // namespace
