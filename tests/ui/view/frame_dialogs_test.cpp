// The frame panel's notices and the frame attribute dialogs on the test X
// server, their widgets found by name: the symmetry dialog collects changes
// until "Update" and drops them on a refusal or "Close", the notices follow
// their flags, the orientation priority message comes once per run, and a
// group of fields goes over whole.
#include <gtest/gtest.h>

#include <Xm/MessageB.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "client/cmd_play.h"
#include "parts/attribute.h"
#include "record_capture.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "ui/widget_helpers.h"
#include "view/frame_logic.h"
#include "view/frames.h"
#include "view/ui/frame_dialogs.h"
#include "view/ui/frame_notices.h"
#include "view/ui/frame_panel.h"
#include "xt_shell.h"

namespace {

std::vector<float> attributes(int frame) {
  float a[FRAME_ATTR_WORDS];
  frame_attributes(frame, a, nullptr, 0);
  return std::vector<float>(a, a + FRAME_ATTR_WORDS);
}

class FrameDialogs : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_ui_shell());
    saved_hooks_ = Frame_windep;
    // The change colour and the normal one told apart even where the test
    // server's colour names are missing.
    saved_pixels_[0] = Green.pixel;
    saved_pixels_[1] = Qvn_backgroundpix;
    Screen *screen = XtScreen(qtest::xt_shell().shell);
    Green.pixel = BlackPixelOfScreen(screen);
    Qvn_backgroundpix = WhitePixelOfScreen(screen);
    frame_dialogs_install();
    frames_table_reset();
    for (int s = 0; s < FRAME_MOD_SLOTS; s++) Frame_mod_attr[s] = Frame_modchng_flags[s] = 0;
    Frame_modchng_matchfile[0] = '\0';
    ASSERT_EQ(new_frame(attributes(-1).data(), ""), 0);
    frame_ = new_frame(attributes(-1).data(), "");
    ASSERT_GT(frame_, 0);
    int one = 1, list[1] = {frame_};
    current_selected_frames(&one, list, 1);
    frame_wrking_refresh();
    qtest::xt_take_error();
  }
  void TearDown() override {
    for (Widget d : {Frame_csymattr_dialog, Frame_axisattr_dialog, Frame_transfnotify_dialog,
                     Frame_locationinfo_dialog, Frame_glbvsframeinfo_dialog})
      if (d && XtIsManaged(d)) XtUnmanageChild(d);
    frame_csymattr_pending(-1, nullptr, nullptr, 0);
    Frame_windep = saved_hooks_;
    Green.pixel = saved_pixels_[0];
    Qvn_backgroundpix = saved_pixels_[1];
    Frame_wrking_framecnt = 0;
    frames_table_reset();
  }
  static Widget find(Widget dialog, const char *name) {
    Widget w = XtNameToWidget(dialog, (std::string("*") + name).c_str());
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static Widget csym(const char *name) { return find(Frame_csymattr_dialog, name); }
  static bool coloured(Widget w) {
    Pixel bg = 0;
    XtVaGetValues(w, XmNbackground, &bg, nullptr);
    return bg == Green.pixel;
  }
  static void choose_type(int row) { qtest::xt_activate(Frame_csymtype_menu[row].widget); }
  static bool shown(Widget d) { return d && XtIsManaged(d); }
  int frame_ = -1;
  Frame_windep_hooks saved_hooks_ = {};
  Pixel saved_pixels_[2] = {};
};

TEST_F(FrameDialogs, RotationalSymmetryRefusalDropsPendingAndUpdateRecordsTheGroup) {
  frame_csymattr_manageCB(nullptr, nullptr, nullptr);
  const std::vector<float> before = attributes(frame_);
  choose_type(1);
  EXPECT_TRUE(XtIsManaged(Frame_csymrot_form));
  EXPECT_TRUE(XtIsManaged(Frame_csymper_form));
  EXPECT_FALSE(XtIsManaged(Frame_csymmir_form));
  Widget angle = csym("FrameCSymAngleTextF"), inst = csym("FrameCSymInstanceTextF");
  qtest::xt_enter_text(angle, "30");
  EXPECT_TRUE(coloured(angle));
  qtest::xt_enter_text(inst, "13");
  EXPECT_NE(qtest::xt_take_error().find("Illegal rotational symmetry combination, the"),
            std::string::npos);
  for (int s = 0; s < FRAME_MOD_SLOTS; s++) EXPECT_EQ(Frame_modchng_flags[s], 0) << s;
  EXPECT_FALSE(coloured(angle));
  EXPECT_FALSE(coloured(inst));
  frame_csymattr_updtCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(attributes(frame_), before) << "nothing was pending";

  choose_type(1);
  qtest::xt_enter_text(angle, "30");
  qtest::xt_enter_text(inst, "12");
  EXPECT_EQ(qtest::xt_take_error(), "") << "the dropped 13 instances are not judged again";
  const std::string lines = qtest::recorded_lines(
      [] { qtest::xt_activate(csym("FrameCSymUpdatePushBG")); });
  EXPECT_EQ(lines,
            "frame: modify_begin\n"
            "frame: symmetry_type rotational\n"
            "frame: symmetry_angle 3.0000e+01\n"
            "frame: symmetry_rinstances 12\n"
            "frame: symmetry_use_file OFF\n"
            "frame: modify_end\n");
  const std::vector<float> after = attributes(frame_);
  EXPECT_EQ(after[FRAME_SYM_TYPE], 1);
  EXPECT_EQ(after[FRAME_SYM_ANGLE], 30);
  EXPECT_EQ(after[FRAME_SYM_RINST], 12);
  EXPECT_FALSE(coloured(angle));
}

TEST_F(FrameDialogs, CloseDropsTypeMirrorAndDeltaChangesAndReopeningShowsTheFrame) {
  frame_csymattr_manageCB(nullptr, nullptr, nullptr);
  const std::vector<float> before = attributes(frame_);
  choose_type(0);
  Widget mirror = Frame_csymmirror_menu[2].widget;
  XmToggleButtonSetState(mirror, True, True);
  EXPECT_TRUE(coloured(mirror));
  choose_type(2);
  Widget dy = csym("FrameCsymTranYTextF");
  qtest::xt_enter_text(dy, "4");
  EXPECT_TRUE(coloured(csym("FrameCsymTranXTextF"))) << "the delta goes over whole";
  qtest::xt_activate(csym("FrameCSymClosePushBG"));
  EXPECT_FALSE(XtIsManaged(Frame_csymattr_dialog));
  EXPECT_EQ(attributes(frame_), before);
  for (Widget w : {mirror, dy, csym("FrameCsymTranXTextF")}) EXPECT_FALSE(coloured(w));

  frame_csymattr_manageCB(nullptr, nullptr, nullptr);
  const int type = (int)before[FRAME_SYM_TYPE];
  EXPECT_EQ(XtarvOptionMenuCurrentState(Frame_csymtype_optmen, Frame_csymtype_menu),
            type >= 0 && type <= 2 ? type : 3);
  EXPECT_EQ(qtest::xt_field_text(dy), "0.0000e+00");
  frame_csymattr_updtCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(attributes(frame_), before) << "closing dropped the pending values";
}

TEST_F(FrameDialogs, EditingOnlyTheYLengthSendsAllThreeLengths) {
  frame_axisattr_manageCB(nullptr, nullptr, nullptr);
  XmTextFieldSetString(find(Frame_axisattr_dialog, "FrameAxisLenXTextF"), const_cast<char *>("2"));
  Widget y = find(Frame_axisattr_dialog, "FrameAxisLenYTextF");
  const std::string lines = qtest::recorded_lines([y] { qtest::xt_enter_text(y, "3"); });
  EXPECT_EQ(lines.find("frame: len_x 2.0000e+00\nframe: len_y 3.0000e+00\nframe: len_z "), 0u)
      << lines;
  EXPECT_EQ(attributes(frame_)[FRAME_LEN_X], 2);
  EXPECT_EQ(attributes(frame_)[FRAME_LEN_X + 1], 3);
}

TEST_F(FrameDialogs, LabelTogglesShareOneNameAndAreToldApartByTheirSlot) {
  frame_axisattr_manageCB(nullptr, nullptr, nullptr);
  for (int k = 0; k < 3; k++) EXPECT_STREQ(XtName(Frame_axislblxyz_tggl[k]), "FrameAxisLblXVisToggle");
  const bool z = attributes(frame_)[FRAME_TICKS_X + 2] != 0;
  XmToggleButtonSetState(Frame_axislblxyz_tggl[2], z ? False : True, True);
  EXPECT_EQ(attributes(frame_)[FRAME_TICKS_X + 2] != 0, !z);
}

// The frame's visibility icon with the frame triads off: on shows the
// notice, off shows nothing; "Okay and Do Not Notify Again." silences that
// notice alone.
TEST_F(FrameDialogs, VisibilityNoticeFollowsItsFlagAlone) {
  Frame_glbvis_notice_on = Frame_location_notice_on = Frame_mode_notice_on = 1;
  const int triads = Axiso1;
  Axiso1 = 0;
  Qedit_icon_rec *vis = nullptr;
  for (Qedit_icon_rec &r : Qedit_frame_tbl)
    if (std::string(r.tag) == "FRAM_VISIB") vis = &r;
  ASSERT_NE(vis, nullptr);
  vis->state = 0;
  frame_vis_chngCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(attributes(frame_)[FRAME_VISIBLE], 1);
  ASSERT_TRUE(shown(Frame_glbvsframeinfo_dialog));
  EXPECT_EQ(qtest::xt_label_text(find(Frame_glbvsframeinfo_dialog, "FrameGlbVsInfoLabelG")).find(
                "You have just turned ON a per frame attribute"),
            0u);
  qtest::xt_activate(find(Frame_glbvsframeinfo_dialog, "FrameGlbVsInfoOkayPushBG"));
  EXPECT_FALSE(shown(Frame_glbvsframeinfo_dialog));
  frame_vis_chngCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(attributes(frame_)[FRAME_VISIBLE], 0);
  EXPECT_FALSE(shown(Frame_glbvsframeinfo_dialog)) << "turning it off says nothing";
  frame_vis_chngCB(nullptr, nullptr, nullptr);
  ASSERT_TRUE(shown(Frame_glbvsframeinfo_dialog)) << "\"Okay\" leaves it on";

  qtest::xt_activate(find(Frame_glbvsframeinfo_dialog, "FrameGlbVsInfoOkayAndPushBG"));
  EXPECT_FALSE(shown(Frame_glbvsframeinfo_dialog));
  frame_vis_chngCB(nullptr, nullptr, nullptr);
  frame_vis_chngCB(nullptr, nullptr, nullptr);
  EXPECT_FALSE(shown(Frame_glbvsframeinfo_dialog));
  EXPECT_EQ(Frame_glbvis_notice_on, 0);
  frame_locationinfo_mesg_windep();
  EXPECT_TRUE(shown(Frame_locationinfo_dialog)) << "the other notices stay on";
  EXPECT_EQ(Frame_location_notice_on, 1);
  EXPECT_EQ(Frame_mode_notice_on, 1);
  Axiso1 = triads;
  Frame_glbvis_notice_on = 1;
}

TEST_F(FrameDialogs, FrameModeNoticeWaitsForTheCommandFileToEnd) {
  Frame_mode_notice_on = 1;
  const int playing = Cmd_play_quit_flag;
  Cmd_play_quit_flag = 0;
  frame_notification_mesg_windep();
  EXPECT_FALSE(shown(Frame_transfnotify_dialog));
  Cmd_play_quit_flag = 1;
  frame_notification_mesg_windep();
  ASSERT_TRUE(shown(Frame_transfnotify_dialog));
  EXPECT_NE(find(Frame_transfnotify_dialog, "FrameNotifyOkayAndPushBG"), nullptr);
  Cmd_play_quit_flag = playing;
}

// The location section built into a form of the test shell, shown and
// hidden the way the editor's mode switch does it.
TEST_F(FrameDialogs, OrientationPriorityMessageComesOnceAlsoAcrossReopening) {
  frame_genlocattr_sect(qtest::xt_shell().form);
  ASSERT_NE(Frame_feedback_form, nullptr);
  XtManageChild(Frame_feedback_form);
  EXPECT_NE(find(Frame_feedback_form, "FrameLocOrientRowColumn"), nullptr);
  EXPECT_NE(find(Frame_feedback_form, "FrameLocOrigXTextF"), nullptr);
  Frame_orient_priority_shown = 0;
  int messages = 0;
  // Answers the modal message when it is up; counts it.
  auto edit = [&](const char *value) {
    bool fired = false;
    qtest::xt_after(200, [&] {
      fired = true;
      if (Usermesg_dialog && XtIsManaged(Usermesg_dialog)) {
        messages++;
        qtest::xt_activate(XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_OK_BUTTON));
      }
    });
    qtest::xt_enter_text(Frame_orientxyz_text[2], value);
    qtest::xt_wait_for([&] { return fired; });
  };
  edit("0");
  EXPECT_EQ(messages, 1);
  edit("0");
  EXPECT_EQ(messages, 1);
  XtUnmanageChild(Frame_feedback_form);
  XtManageChild(Frame_feedback_form);
  edit("0");
  EXPECT_EQ(messages, 1) << "once per run, not per opening";
  XtUnmanageChild(Frame_feedback_form);
}

TEST_F(FrameDialogs, OriginEnterSendsTheThreeFields) {
  frame_genlocattr_sect(qtest::xt_shell().form);
  XmTextFieldSetString(Frame_originxyz_text[0], const_cast<char *>("1"));
  XmTextFieldSetString(Frame_originxyz_text[2], const_cast<char *>("3"));
  qtest::xt_enter_text(Frame_originxyz_text[1], "2");
  const std::vector<float> a = attributes(frame_);
  EXPECT_EQ(std::vector<float>(a.begin() + FRAME_ORIGIN, a.begin() + FRAME_ORIGIN + 3),
            (std::vector<float>{1, 2, 3}));
}

}  // namespace
