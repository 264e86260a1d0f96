// The modal prompt on the test X server, answered from a timer while the
// prompt's own modal wait dispatches events.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <X11/IntrinsicP.h>
#include <Xm/MessageB.h>
#include <Xm/Text.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/prompt.h"
#include "xt_shell.h"

namespace {

class UiPrompt : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(qtest::xt_shell().ok) << "no X display"; }
};

// A button of a prompt's form by its name (names such as "File Select..."
// cannot go through XtNameToWidget, which splits at dots).
Widget button_of(Widget dialog, const char *name) {
  Widget form = XtNameToWidget(dialog, "olpf.olpfo");
  if (!form) return nullptr;
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(form, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  for (Cardinal i = 0; i < n; i++)
    if (strcmp(XtName(kids[i]), name) == 0) return kids[i];
  return nullptr;
}

// The newest managed "Error" message box among the pop-ups of parent.
Widget shown_error_box(Widget parent) {
  for (Cardinal i = parent->core.num_popups; i-- > 0;) {
    Widget box = XtNameToWidget(parent->core.popup_list[i], "Error");
    if (box && XmIsMessageBox(box) && XtIsManaged(box)) return box;
  }
  return nullptr;
}

// Notes the text of the error box once it is shown (looking again every
// delay_ms until it is) and presses its OK.
void acknowledge_error_after(int delay_ms, std::string *error) {
  qtest::xt_after(delay_ms, [delay_ms, error] {
    Widget box = shown_error_box(Main_intf[0]);
    if (!box) {
      acknowledge_error_after(delay_ms, error);
      return;
    }
    XmString s = nullptr;
    XtVaGetValues(box, XmNmessageString, &s, nullptr);
    char *t = nullptr;
    XmStringGetLtoR(s, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &t);
    *error = t ? t : "";
    XtFree(t);
    XmStringFree(s);
    qtest::xt_activate(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
  });
}

struct Seen {
  std::string field;
  short columns = 0;
  int maxlen = 0;
};

// Presses a button of the shown prompt after noting what its field shows.
void answer_with(int file, const char *button, Seen *seen, const char *typed = nullptr) {
  qtest::xt_after(50, [=] {
    Widget dialog = file ? Main_fileprompt_dialog : Main_prompt_dialog;
    Widget field = file ? Text_fileentry_widget : Text_entry_widget;
    char *t = XmTextGetString(field);
    seen->field = t;
    XtFree(t);
    XtVaGetValues(field, XmNcolumns, &seen->columns, XmNmaxLength, &seen->maxlen, nullptr);
    if (typed) XmTextSetString(field, const_cast<char *>(typed));
    qtest::xt_activate(button_of(dialog, button));
  });
}

TEST_F(UiPrompt, OkayReturnsTheDefaultAndCancelReturnsEmpty) {
  char name[11] = "Case 2";
  Seen seen;
  answer_with(0, "Okay", &seen);
  one_line_prompt_dialog(nullptr, "Enter case name", "New Case", name, sizeof name, 0, 0, 0);
  EXPECT_STREQ(name, "Case 2");
  EXPECT_EQ(seen.field, "Case 2");
  EXPECT_EQ(seen.columns, 11);
  EXPECT_EQ(seen.maxlen, 10);
  EXPECT_STREQ(XtName(Main_prompt_dialog), "Enter case name");
  EXPECT_FALSE(XtIsManaged(Main_prompt_dialog));

  answer_with(0, "Cancel", &seen);
  one_line_prompt_dialog(nullptr, "Enter case name", "New Case", name, sizeof name, 0, 0, 0);
  EXPECT_STREQ(name, "");

  char big[326] = "";
  answer_with(0, "Okay", &seen, "");
  one_line_prompt_dialog(nullptr, "Host", "Connect", big, sizeof big, 0, 0, 0);
  EXPECT_STREQ(big, "");
  EXPECT_EQ(seen.columns, 50);
  EXPECT_EQ(seen.maxlen, 325);
  EXPECT_EQ(shown_error_box(Main_intf[0]), nullptr);
}

TEST_F(UiPrompt, FileFormExpandsTheTildeOrRefusesIt) {
  const char *home = getenv("HOME");
  ASSERT_NE(home, nullptr);
  char file[256] = "";
  Seen seen;
  answer_with(1, "Okay", &seen, "~/run/a.geo");
  one_line_prompt_dialog(nullptr, "File name", "Save", file, sizeof file, 0, 0, 1);
  EXPECT_EQ(std::string(file), std::string(home) + "/run/a.geo");
  ASSERT_NE(button_of(Main_fileprompt_dialog, "File Select..."), nullptr);

  // An unknown user: an error box, acknowledged from a second timer.
  std::string error;
  answer_with(1, "Okay", &seen, "~nosuchuser_q7/x");
  acknowledge_error_after(100, &error);
  strcpy(file, "proposed");
  one_line_prompt_dialog(nullptr, "File name", "Save", file, sizeof file, 0, 0, 1);
  EXPECT_STREQ(file, "");
  EXPECT_EQ(error, "Could not expand '~', try full name.");
  EXPECT_FALSE(XtIsManaged(Main_fileprompt_dialog));
  EXPECT_EQ(shown_error_box(Main_intf[0]), nullptr);
}

TEST_F(UiPrompt, TooLongAnswerIsRefusedWithAnErrorBox) {
  struct Case {
    int file;
    const char *typed;
    const char *error;
  } cases[] = {
      {0, "abcdefghij", "Buffer overflow on input. Input aborted."},
      {1, "~/abcdefgh", "Buffer overflow on input. Input too long."},
  };
  for (const Case &c : cases) {
    char answer[8] = "";
    Seen seen;
    std::string error;
    answer_with(c.file, "Okay", &seen, c.typed);
    acknowledge_error_after(100, &error);
    one_line_prompt_dialog(nullptr, "Name", "Enter", answer, sizeof answer, 0, 0, c.file);
    EXPECT_STREQ(answer, "") << c.typed;
    EXPECT_EQ(error, c.error);
  }
}

int Pressed = 0;
void ok_routine(Widget, XtPointer, XtPointer) { Pressed = 1; }
void cancel_routine(Widget, XtPointer, XtPointer) { Pressed = 2; }
void other_ok_routine(Widget, XtPointer, XtPointer) { Pressed = 3; }

TEST_F(UiPrompt, NonWaitingPromptRunsTheCallersRoutines) {
  prompt_user(nullptr, "Group name", "Group", ok_routine, cancel_routine, 20, 0, 0, 0);
  ASSERT_NE(User_prompt_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(User_prompt_dialog));
  EXPECT_EQ(XtNameToWidget(User_prompt_dialog, "usrp.usrpfo.usrptextarea"), Userp_entry_text);
  qtest::xt_activate(Userp_cancel_button);
  EXPECT_EQ(Pressed, 2);
  prompt_user(nullptr, "Group name", "Group", other_ok_routine, cancel_routine, 20, 0, 0, 0);
  qtest::xt_activate(Userp_ok_button);
  EXPECT_EQ(Pressed, 3);
  XtUnmanageChild(User_prompt_dialog);
}

}  // namespace
