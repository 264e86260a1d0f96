// The View menu in the real main window: its rows, the toggles set from the
// switches without running callbacks, the label rows' sensitivity, and the
// "Hidden Line Overlay" prompt that a Hidden Line click opens while shaded
// display is on (Okay, a refused colour, Cancel, the window manager's close).
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <string>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "data/data_dlog.h"
#include "inproc_main_window.h"
#include "interact/support.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "record_capture.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/glyphs.h"
#include "render/ui/view_menu.h"
#include "render/view_toggles.h"
#include "ui/main_window.h"
#include "view/frames.h"
#include "view/viewports.h"
#include "xt_shell.h"

namespace {

bool toggle_on(int row) { return XmToggleButtonGetState(View_menu[row].widget); }

void set_field(Widget w, const char *text) { XmTextFieldSetString(w, const_cast<char *>(text)); }

class ViewMenu : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    Solidt = Hlinet = 0;
    float white[3] = {1, 1, 1};
    int store = 1, off = 0;
    hidden_line_colors(&white[0], &white[1], &white[2], &store, 1);
    hidden_line_colors(&white[0], &white[1], &white[2], &off, 1);
  }
  void TearDown() override {
    qtest::xt_take_error();
    if (View_hlineover_dialog) XtUnmanageChild(View_hlineover_dialog);
    Solidt = Hlinet = 0;
    view_menu_init();
  }
  // With shaded display on, a click on "Hidden Line" opens the prompt.
  void open_prompt() {
    Solidt = 1;
    Hlinet = 0;
    XmToggleButtonSetState(View_menu[2].widget, True, True);
    ASSERT_NE(View_hlineover_dialog, nullptr);
    ASSERT_TRUE(XtIsManaged(View_hlineover_dialog));
  }
};

TEST_F(ViewMenu, RowsWithLabelsAndMnemonics) {
  struct Row {
    const char *label;
    char mnemonic;
  };
  const Row rows[VIEW_MENU_ROWS] = {
      {"Fast Display", 'D'},   {"Shaded", 'S'},          {"Hidden Line", 'L'},
      {"Perspective", 'P'},    {"Auxiliary Clipping", 'u'}, {"Show Selected Part(s)...", 'h'},
      {"Axis Triad Visibility", 'A'}, {"Frame", 'F'},    {"Global", 'G'},
      {"Label Visibility", 'b'}, {"Element Labeling", 'E'}, {"Node Labeling", 'N'},
      {"Labeling Attributes...", 'L'}, {"Legend", 'e'},  {"Text/Line/Logo", 'T'},
      {"Static Lighting", 'i'},
  };
  for (int i = 0; i < VIEW_MENU_ROWS; i++) {
    ASSERT_NE(View_menu[i].widget, nullptr) << i;
    EXPECT_EQ(qtest::xt_label_text(View_menu[i].widget), rows[i].label) << i;
    KeySym mn = 0;
    XtVaGetValues(View_menu[i].widget, XmNmnemonic, &mn, nullptr);
    EXPECT_EQ(mn, (KeySym)rows[i].mnemonic) << rows[i].label;
  }
  EXPECT_EQ(View_menu[7].level, 1);
  EXPECT_EQ(View_menu[12].level, 1);
}

TEST_F(ViewMenu, InitSetsTheTogglesWithoutCallbacksAndTheLabelRowsSensitivity) {
  struct Setting {
    int *global;
    int row;
  };
  const Setting settings[] = {{&Solidt, 1},  {&Hlinet, 2},  {&Person, 3},
                              {&Plane_clipp_toggle, 4}, {&Axiso1, 7}, {&Axiso2, 8},
                              {&Labele, 10}, {&Labnod, 11}, {&Legenf, 13},
                              {&Txttog, 14}, {&Software_light, 15}};
  for (int value : {1, 0}) {
    for (const Setting &s : settings) *s.global = value;
    Box_mode_toggle = value;
    view_menu_init();
    for (const Setting &s : settings) {
      EXPECT_EQ(toggle_on(s.row), value == 1) << View_menu[s.row].label;
      EXPECT_EQ(*s.global, value) << View_menu[s.row].label << ": a callback ran";
    }
    EXPECT_EQ(toggle_on(0), value == 1);
  }
  Person = Labele = Labnod = Legenf = Txttog = 1;
  Element_labels[Case_num] = 0;
  Node_labels[Case_num] = 1;
  view_menu_init();
  EXPECT_FALSE(XtIsSensitive(View_menu[10].widget));
  EXPECT_TRUE(XtIsSensitive(View_menu[11].widget));
  Element_labels[Case_num] = 1;
  view_menu_init();
  EXPECT_TRUE(XtIsSensitive(View_menu[10].widget));
}

TEST_F(ViewMenu, HiddenLineWhileShadedOpensThePromptAndOkayWithRedRecordsIt) {
  open_prompt();
  EXPECT_EQ(Hlinet, 0);
  EXPECT_FALSE(toggle_on(2)) << "the menu shows the switch, still off";
  char *title = nullptr;
  XtVaGetValues(XtParent(View_hlineover_dialog), XmNtitle, &title, nullptr);
  EXPECT_STREQ(title, "Hidden Line Overlay");

  XmToggleButtonSetState(View_hlinespecover_tggl, True, True);
  set_field(View_hlineored_text, "1");
  set_field(View_hlineogrn_text, "0");
  set_field(View_hlineoblu_text, "");  // empty reads as 0
  std::string rec = qtest::recorded_lines([] { qtest::xt_activate(XtNameToWidget(View_hlineover_dialog, "Okay")); });
  EXPECT_EQ(rec, "view: hidden_line ON 1.0000e+00 0.0000e+00 0.0000e+00\n");
  EXPECT_EQ(Hlinet, 1);
  EXPECT_FALSE(XtIsManaged(View_hlineover_dialog));
  EXPECT_TRUE(toggle_on(2));
  float r, g, b;
  int specified = 0;
  hidden_line_colors(&r, &g, &b, &specified, 0);
  EXPECT_EQ(specified, 1);
  EXPECT_EQ(r, 1.0f);
  EXPECT_EQ(g + b, 0.0f);
}

TEST_F(ViewMenu, AComponentOutOfRangeIsRefusedAndThePromptStays) {
  open_prompt();
  for (const char *bad : {"1.5", "-0.1"}) {
    set_field(View_hlineored_text, bad);
    set_field(View_hlineogrn_text, "0");
    set_field(View_hlineoblu_text, "0");
    qtest::xt_activate(XtNameToWidget(View_hlineover_dialog, "Okay"));
    EXPECT_EQ(qtest::xt_take_error(), "ERROR: R,G,B values must be >= 0.0 and <= 1.0") << bad;
    EXPECT_TRUE(XtIsManaged(View_hlineover_dialog)) << bad;
    EXPECT_EQ(Hlinet, 0) << bad;
    EXPECT_EQ(qtest::xt_field_text(View_hlineored_text), bad);
  }
}

TEST_F(ViewMenu, CancelLeavesBothHiddenLineTogglesOff) {
  open_prompt();
  XmToggleButtonSetState(Main_hline_tggl, True, False);
  qtest::xt_activate(XtNameToWidget(View_hlineover_dialog, "Cancel"));
  EXPECT_FALSE(XtIsManaged(View_hlineover_dialog));
  EXPECT_EQ(Hlinet, 0);
  EXPECT_FALSE(toggle_on(2));
  EXPECT_FALSE(XmToggleButtonGetState(Main_hline_tggl));
  EXPECT_FALSE(XmToggleButtonGetState(View_hlinespecover_tggl));
}

TEST_F(ViewMenu, TheWindowManagersCloseActsAsOkay) {
  open_prompt();
  XmToggleButtonSetState(View_hlinespecover_tggl, False, True);
  set_field(View_hlineored_text, "0");
  set_field(View_hlineogrn_text, "0");
  set_field(View_hlineoblu_text, "0");
  ASSERT_TRUE(qtest::inproc_wait_for([] { return XtIsRealized(XtParent(View_hlineover_dialog)) != 0; }));
  qtest::xt_wm_close(View_hlineover_dialog);
  EXPECT_TRUE(qtest::inproc_wait_for([] { return Hlinet == 1; }));
  EXPECT_FALSE(XtIsManaged(View_hlineover_dialog));
}

}  // namespace
