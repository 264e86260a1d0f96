// The z-clip section of the Transformation Editor in a plain form on the
// test X server: the refresher's values and sensitivities for floating on
// and off, the toggle and the typed fields through their callbacks, and a
// refused value in the error box.
#include <gtest/gtest.h>

#include <Xm/Form.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <string>

#include "client/screen.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "view/ui/zclip_section.h"
#include "view/zclip.h"
#include "xt_shell.h"

namespace {

class ZclipSection : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_ui_shell());
    if (!Zclip_main_form) {
      Widget host = XtVaCreateManagedWidget("ZclipHost", xmFormWidgetClass, qtest::xt_shell().form,
                                            nullptr);
      transf_gen_zclip_sect(host);
    }
    ASSERT_NE(Zclip_main_form, nullptr);
    Viewport_current = 0;
    int count = 1, list[MAX_VIEWPORTS] = {0};
    current_selected_viewports(&count, list, 1);  // typed values go to the selected viewports
    float front = 1.0f, back = 100.0f;
    zclipp_locat(&front, &back, 1);
    Floating_z_planes = 1;
    Zclip_float_minimum = 1.0e-4f;
    zclip_dialog_init();  // the toggle shows floating on
  }
  void TearDown() override {
    Floating_z_planes = 1;
    Zclip_float_minimum = 1.0e-4f;
  }
};

TEST_F(ZclipSection, RefreshShowsThePlanesAndTheFloatingSensitivities) {
  zclip_dialog_init();
  EXPECT_EQ(qtest::xt_field_text(Zclip_front_text), "1.0000e+00");
  EXPECT_EQ(qtest::xt_field_text(Zclip_back_text), "1.0000e+02");
  EXPECT_EQ(qtest::xt_field_text(Zclip_min_text), "1.0000e-04");
  EXPECT_TRUE(XmToggleButtonGetState(Zclip_float_tggl));
  struct {
    bool floating;
  } cases[] = {{true}, {false}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.floating ? "floating on" : "floating off");
    XmToggleButtonSetState(Zclip_float_tggl, c.floating ? True : False, True);  // the user's click
    EXPECT_EQ(Floating_z_planes, c.floating ? 1 : 0);
    EXPECT_EQ(XtIsSensitive(Zclip_min_text) == True, c.floating);
    EXPECT_EQ(XtIsSensitive(Zclip_min_lbl) == True, c.floating);
    EXPECT_EQ(XmTextFieldGetEditable(Zclip_front_text) == True, !c.floating);
    EXPECT_EQ(XmTextFieldGetEditable(Zclip_back_text) == True, !c.floating);
    EXPECT_EQ(XtIsSensitive(Zclip_front_lbl) == True, !c.floating);
    EXPECT_EQ(XtIsSensitive(Zclip_viewback_lbl) == True, !c.floating);
  }
}

TEST_F(ZclipSection, TypedValuesApplyAndARefusalShowsTheError) {
  XmToggleButtonSetState(Zclip_float_tggl, False, True);
  qtest::xt_enter_text(Zclip_front_text, "2.5");
  qtest::xt_enter_text(Zclip_back_text, "40");
  float front, back;
  zclipp_locat(&front, &back, 0);
  EXPECT_FLOAT_EQ(front, 2.5f);
  EXPECT_FLOAT_EQ(back, 40.0f);
  EXPECT_EQ(qtest::xt_field_text(Zclip_front_text), "2.5000e+00");

  qtest::xt_enter_text(Zclip_front_text, "not a number");  // reads as 0, refused
  EXPECT_EQ(qtest::xt_take_error(),
            "ERROR: Front Z-clip plane must be > 0 and < the Back Z-clip plane.");
  zclipp_locat(&front, &back, 0);
  EXPECT_FLOAT_EQ(front, 2.5f);

  XmToggleButtonSetState(Zclip_float_tggl, True, True);
  qtest::xt_enter_text(Zclip_min_text, "0.25");
  EXPECT_FLOAT_EQ(Zclip_float_minimum, 0.25f);
  EXPECT_EQ(qtest::xt_field_text(Zclip_min_text), "2.5000e-01");
}

}  // namespace
