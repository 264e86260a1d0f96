// Message boxes as real widgets on the test X server.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <X11/IntrinsicP.h>
#include <Xm/MessageB.h>
#include <Xm/PushB.h>
#include <Xm/Text.h>

#include <string>
#include <vector>

#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/widgen.h"
#include "xt_shell.h"

namespace {

class UiMessages : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(qtest::xt_shell().ok) << "no X display"; }
};

TEST_F(UiMessages, ErrorBoxHoldsTheTextAndTheSecondErrorReplacesIt) {
  disperr("Couldn't open file /no/such.");
  ASSERT_NE(Err_dialog, nullptr);
  EXPECT_STREQ(XtName(Err_dialog), "Error");
  EXPECT_EQ(XtNameToWidget(Err_dialog, "de-frame.de-form.de-label"), Disperr_errlabel);
  EXPECT_EQ(qtest::xt_label_text(Disperr_errlabel), "ERROR: Couldn't open file /no/such.");
  EXPECT_TRUE(XtIsManaged(Err_dialog));
  unsigned char style = 0;
  XtVaGetValues(Err_dialog, XmNdialogStyle, &style, nullptr);
  EXPECT_EQ(style, XmDIALOG_FULL_APPLICATION_MODAL);

  Widget box = Err_dialog;
  disperr("Second error.");
  EXPECT_EQ(Err_dialog, box);
  EXPECT_EQ(qtest::xt_label_text(Disperr_errlabel), "ERROR: Second error.");

  Widget okay = XtNameToWidget(Err_dialog, "de-frame.de-form.Okay");
  ASSERT_NE(okay, nullptr);
  qtest::xt_activate(okay);
  EXPECT_FALSE(XtIsManaged(Err_dialog));
}

TEST_F(UiMessages, WarnWaitsForTheAnswer) {
  struct Case {
    int button;  // XmDIALOG_OK_BUTTON or XmDIALOG_CANCEL_BUTTON
    int answer;
  } cases[] = {{XmDIALOG_OK_BUTTON, 1}, {XmDIALOG_CANCEL_BUTTON, 0}};
  for (const Case &c : cases) {
    std::string shown;
    qtest::xt_after(50, [&shown, &c] {
      shown = XtIsManaged(Warn_dialog) ? "managed" : "hidden";
      qtest::xt_activate(XmMessageBoxGetChild(Warn_dialog, c.button));
    });
    EXPECT_EQ(warn("Delete all parts?"), c.answer);
    EXPECT_EQ(shown, "managed");
    EXPECT_FALSE(XtIsManaged(Warn_dialog));
  }
  Widget okay = XmMessageBoxGetChild(Warn_dialog, XmDIALOG_OK_BUTTON);
  EXPECT_EQ(qtest::xt_label_text(okay), "Okay");
  EXPECT_FALSE(XtIsManaged(XmMessageBoxGetChild(Warn_dialog, XmDIALOG_HELP_BUTTON)));
}

// The managed message boxes named "Error" among the form's pop-up shells.
std::vector<Widget> error_boxes(Widget parent) {
  std::vector<Widget> out;
  for (Cardinal i = 0; i < parent->core.num_popups; i++) {
    Widget box = XtNameToWidget(parent->core.popup_list[i], "Error");
    if (box && XmIsMessageBox(box) && !parent->core.popup_list[i]->core.being_destroyed)
      out.push_back(box);
  }
  return out;
}

TEST_F(UiMessages, BlockingErrorBoxWaitsAndIsDestroyedAfterOkay) {
  std::string text;
  bool cancel_shown = true;
  qtest::xt_after(50, [&] {
    std::vector<Widget> boxes = error_boxes(Main_control_form);
    ASSERT_EQ(boxes.size(), 1u);
    XmString s = nullptr;
    XtVaGetValues(boxes[0], XmNmessageString, &s, nullptr);
    char *t = nullptr;
    XmStringGetLtoR(s, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &t);
    text = t ? t : "";
    XtFree(t);
    XmStringFree(s);
    cancel_shown = XtIsManaged(XmMessageBoxGetChild(boxes[0], XmDIALOG_CANCEL_BUTTON));
    qtest::xt_activate(XmMessageBoxGetChild(boxes[0], XmDIALOG_OK_BUTTON));
  });
  disperr_and_wait("Server version mismatch.", nullptr);
  EXPECT_EQ(text, "Server version mismatch.");
  EXPECT_FALSE(cancel_shown);
  EXPECT_TRUE(error_boxes(Main_control_form).empty());
}

TEST_F(UiMessages, ErrorLineRaisesTheLevelAndOpensTheMessageWindow) {
  Main_textport = XtVaCreateManagedWidget("mainTextport", xmTextWidgetClass, Main_control_form,
                                          XmNeditMode, XmMULTI_LINE_EDIT, nullptr);
  Main_info_button = XtVaCreateManagedWidget("Info", xmPushButtonWidgetClass, Main_control_form,
                                             nullptr);
  Red.pixel = 11;
  Yellow.pixel = 22;
  Realgreen.pixel = 33;
  Main_info_curlevel = 0;
  int requests = Main_message_open_requests;

  caddtxt("Case 1 loaded");
  EXPECT_EQ(Main_info_curlevel, 1);
  EXPECT_EQ(Main_message_open_requests, requests);
  caddtxt("error: part 7 has no elements");
  EXPECT_EQ(Main_info_curlevel, 3);
  EXPECT_EQ(Main_message_open_requests, requests + 1);
  caddtxt("warning: time step clamped");
  caddtxt("plain line");
  EXPECT_EQ(Main_info_curlevel, 3);

  Pixel bg = 0;
  XtVaGetValues(Main_info_button, XmNbackground, &bg, nullptr);
  EXPECT_EQ(bg, Red.pixel);
  char *text = XmTextGetString(Main_textport);
  EXPECT_STREQ(text,
               "\nCase 1 loaded\nerror: part 7 has no elements\nwarning: time step clamped\n"
               "plain line");
  XtFree(text);
  EXPECT_EQ(XmTextGetInsertionPosition(Main_textport), XmTextGetLastPosition(Main_textport));
}

}  // namespace
