// The Node/Element Labeling Attributes dialog in the real main window,
// opened from the scene quick-edit icon: the threshold menu's recorded
// line, bounds refused and put back, a colour field's Return, and the
// fields filled from the values in force.
#include <gtest/gtest.h>
#include <Xm/TextF.h>

#include <string>

#include "client/command_dlog.h"
#include "inproc_main_window.h"
#include "record_capture.h"
#include "render/labels.h"
#include "render/ui/entlbl_dialog.h"
#include "ui/color_chooser.h"
#include "ui/qedit_icons.h"
#include "xt_shell.h"

namespace {

class EntlblDialog : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    labels_bkup(nullptr, 4);
    int low = 1, high = 100, type = LABEL_THRESHOLD_NONE;
    node_label_filters(&low, &high, &type, 1);
    ASSERT_NE(Qedit_scene_tbl[4].button, nullptr);
    qtest::xt_activate(Qedit_scene_tbl[4].button);  // "Labeling\nAttrs"
    ASSERT_NE(Entity_label_dialog, nullptr);
    ASSERT_TRUE(XtIsManaged(Entity_label_dialog));
  }
  void TearDown() override {
    qtest::xt_take_error();
    if (Entity_label_dialog) XtUnmanageChild(Entity_label_dialog);
    labels_bkup(nullptr, 4);
  }
};

TEST_F(EntlblDialog, OpensFilledFromTheValuesInForce) {
  char *title = nullptr;
  XtVaGetValues(XtParent(Entity_label_dialog), XmNtitle, &title, nullptr);
  EXPECT_STREQ(title, "Node/Element Labeling Attributes");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_nodelowfilt_text), "1");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_nodehighfilt_text), "100");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_elemhighfilt_text), "1000000");
  for (Widget w : Entlbl_coltext) EXPECT_EQ(qtest::xt_field_text(w), "1.00");
  // Command lines refresh the shown dialog.
  for (const char *line : {"annot_entlbl: node_rgb 0.25 0.5 0.75",
                           "annot_entlbl: element_threshold_low 3",
                           "annot_entlbl: element_thresholds high"})
    EXPECT_GE(cmd_process_and_refresh(line), 0) << line;
  EXPECT_EQ(qtest::xt_field_text(Entlbl_coltext[0]), "0.25");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_coltext[2]), "0.75");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_elemlowfilt_text), "3");
  EXPECT_EQ(XtarvOptionMenuCurrentState(Entlbl_elemthresh_optmen, Entlbl_elemthresh_menu), 3);
}

TEST_F(EntlblDialog, BandRecordsOneLine) {
  std::string rec =
      qtest::recorded_lines([] { qtest::xt_activate(Entlbl_nodethresh_menu[2].widget); });
  EXPECT_EQ(rec, "annot_entlbl: node_thresholds band\n");
  int low, high, type;
  node_label_filters(&low, &high, &type, 0);
  EXPECT_EQ(type, LABEL_THRESHOLD_BAND);
}

TEST_F(EntlblDialog, HighBelowLowIsRefusedAndTheFieldsShowTheOldBounds) {
  std::string rec = qtest::recorded_lines([] {
    XmTextFieldSetString(Entlbl_nodelowfilt_text, const_cast<char *>("20"));
    qtest::xt_enter_text(Entlbl_nodehighfilt_text, "10");
  });
  EXPECT_EQ(rec, "");
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: High value must not be less than Low value.");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_nodelowfilt_text), "1");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_nodehighfilt_text), "100");
  int low, high, type;
  node_label_filters(&low, &high, &type, 0);
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, 100);
}

TEST_F(EntlblDialog, ReturnInAColourFieldRecordsTheSectionsColour) {
  std::string rec = qtest::recorded_lines([] { qtest::xt_enter_text(Entlbl_coltext[0], "0.5"); });
  EXPECT_EQ(rec, "annot_entlbl: node_rgb 0.500000 1.000000 1.000000\n");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_coltext[0]), "0.50");
  // Out of range: refused, nothing recorded, the field shows 0.50 again.
  rec = qtest::recorded_lines([] { qtest::xt_enter_text(Entlbl_coltext[4], "1.5"); });
  EXPECT_EQ(rec, "");
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: RGB values must be in range [0.0 - 1.0].");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_coltext[4]), "1.00");
}

// "Mix..." starts the chooser from the section's fields; its apply updates
// the section's colour as a Return would.
TEST_F(EntlblDialog, MixAppliesTheChoosersColourToItsSection) {
  qtest::xt_enter_text(Entlbl_coltext[3], "0.5");
  qtest::xt_activate(XtNameToWidget(Entity_label_dialog, "*EntityLblElemMixPushBG"));
  ASSERT_NE(Colorselect_dialog, nullptr);
  float r = 0, g = 0, b = 0;
  rgb_popup_color_values(&r, &g, &b, 0);
  EXPECT_FLOAT_EQ(r, 0.5f);
  r = 0.2f, g = 0.4f, b = 0.6f;
  rgb_popup_color_values(&r, &g, &b, 1);
  std::string rec = qtest::recorded_lines([] { colorsel_applyCB(nullptr, nullptr, nullptr); });
  XtUnmanageChild(Colorselect_dialog);
  EXPECT_EQ(rec, "annot_entlbl: element_rgb 0.200000 0.400000 0.600000\n");
  EXPECT_EQ(qtest::xt_field_text(Entlbl_coltext[5]), "0.60");
  float node[3], elem[3], part[3];
  getlabel_color(node, elem, part);
  EXPECT_FLOAT_EQ(elem[1], 0.4f);
  EXPECT_FLOAT_EQ(node[1], 1.0f);
}

}  // namespace
