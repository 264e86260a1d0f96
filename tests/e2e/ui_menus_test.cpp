// Menus built from tables, as real widgets on the test X server.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/CascadeBG.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>

#include <string>
#include <vector>

#include "ui/general_windep.h"
#include "ui/menus.h"
#include "ui/widget_helpers.h"
#include "xt_shell.h"

namespace {

class UiMenus : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_shell().ok) << "no X display";
    bar = XmCreateMenuBar(qtest::xt_shell().form, const_cast<char *>("bar"), nullptr, 0);
    XtManageChild(bar);
  }
  Widget bar = nullptr;
};

std::vector<std::string> managed_names(Widget pane) {
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(pane, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  std::vector<std::string> out;
  for (Cardinal i = 0; i < n; i++)
    if (XtIsManaged(kids[i])) out.push_back(XtName(kids[i]));
  return out;
}

Widget submenu_of(Widget cascade) {
  Widget pane = nullptr;
  XtVaGetValues(cascade, XmNsubMenuId, &pane, nullptr);
  return pane;
}

TEST_F(UiMenus, NestedRowsBuildACascadeWithItsSubmenu) {
  Menu_item_rec rows[] = {
      {"Save", 'S', nullptr, nullptr, XtarvCASCADE, 0, nullptr},
      {"Context...", 'C', okcallback, nullptr, XtarvPUSHBUTTON, 1, nullptr},
      {"Session", 'e', okcallback, nullptr, XtarvTOGGLEBUTTON, 1, nullptr},
      {"Quit...", 'Q', okcallback, nullptr, XtarvCASCADE, 0, nullptr},
  };
  testing::internal::CaptureStderr();
  Widget file = XtarvCreatePulldownMenu(bar, "File", 'F', nullptr, 0, rows, 4, 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_STREQ(XtName(file), "fileMenuMenuCascadeBG");
  Widget pane = submenu_of(file);
  ASSERT_NE(pane, nullptr);
  EXPECT_STREQ(XtName(pane), "fileMenuPulldown");
  EXPECT_EQ(managed_names(pane),
            (std::vector<std::string>{"saveMenuMenuCascadeBG", "fileMenu3CascadeBG"}));
  EXPECT_EQ(rows[0].widget, XtNameToWidget(pane, "saveMenuMenuCascadeBG"));
  Widget sub = submenu_of(rows[0].widget);
  ASSERT_NE(sub, nullptr);
  EXPECT_STREQ(XtName(sub), "saveMenuPulldown");
  EXPECT_EQ(managed_names(sub), (std::vector<std::string>{"saveMenu0PushBG", "saveMenu1ToggleBG"}));
  EXPECT_EQ(rows[1].widget, XtNameToWidget(sub, "saveMenu0PushBG"));
  EXPECT_EQ(rows[3].widget, XtNameToWidget(pane, "fileMenu3CascadeBG"));
  EXPECT_EQ(qtest::xt_label_text(rows[2].widget), "Session");
}

TEST_F(UiMenus, WrongKindsAreReportedAndRepaired) {
  Menu_item_rec rows[] = {
      {"Tools", 'T', okcallback, nullptr, XtarvPUSHBUTTON, 0, nullptr},
      {"Cursor", 'C', okcallback, nullptr, XtarvPUSHBUTTON, 1, nullptr},
      {"Odd", 'O', okcallback, nullptr, XtarvPUSHBUTTONW, 0, nullptr},
      {"Left", 'L', okcallback, nullptr, XtarvLEFTARROW, 0, nullptr},
  };
  testing::internal::CaptureStderr();
  Widget view = XtarvCreatePulldownMenu(bar, "View", 'V', nullptr, 0, rows, 4, 0);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err,
            "Bad button type for submenu - XtarvCreateMenu()\n\tviewMenu - Tools\n"
            "Defaulted to XtarvCASCADE\n"
            "Bad button type - XtarvCreateMenu()\n\tviewMenu - Odd\nDefaulted to XtarvPUSHBUTTON\n"
            "Bad button type - XtarvCreateMenu()\n\tviewMenu - Left\nDefaulted to XtarvPUSHBUTTON\n");
  Widget pane = submenu_of(view);
  EXPECT_EQ(managed_names(pane), (std::vector<std::string>{"toolsMenuMenuCascadeBG",
                                                           "viewMenu2PushBG", "viewMenu3PushBG"}));
  EXPECT_EQ(rows[2].kind, XtarvPUSHBUTTON);
  EXPECT_EQ(rows[3].kind, XtarvPUSHBUTTON);
  EXPECT_EQ(rows[0].kind, XtarvPUSHBUTTON);  // a submenu head keeps its kind in the table
  EXPECT_TRUE(XtIsSubclass(rows[2].widget, xmPushButtonWidgetClass));
}

int Chosen = -1;
void chosen_cb(Widget, XtPointer client, XtPointer) { Chosen = static_cast<int>((intptr_t)client); }

TEST_F(UiMenus, OptionMenuSetAndReadByRowAndValue) {
  Menu_item_rec rows[] = {
      {"Discrete", 'D', chosen_cb, (XtPointer)10, XtarvPUSHBUTTON, 0, nullptr},
      {"Linear", 'L', chosen_cb, (XtPointer)20, XtarvPUSHBUTTON, 0, nullptr},
      {"Spline", 'S', chosen_cb, (XtPointer)30, XtarvPUSHBUTTON, 0, nullptr},
  };
  Widget om = XtarvCreateOptionMenu(qtest::xt_shell().form, "interp", "Type", nullptr, 0, rows, 3, 0);
  EXPECT_STREQ(XtName(om), "interpOptionMenu");
  EXPECT_STREQ(XtName(rows[1].widget), "interpOptionMenu1PushBG");
  EXPECT_EQ(XtarvOptionMenuCurrentState(om, rows), 0);
  Chosen = -1;
  XtarvOptionMenuSetState(om, rows, 2, 0);
  EXPECT_EQ(XtarvOptionMenuCurrentState(om, rows), 2);
  EXPECT_EQ(XtarvOptionMenuGetState(om, rows, 2), 1);
  EXPECT_EQ(XtarvOptionMenuGetState(om, rows, 0), 0);
  EXPECT_EQ(Chosen, -1);
  XtarvOptionMenuSetByValue(om, rows, (XtPointer)20, 1);
  EXPECT_EQ(XtarvOptionMenuCurrentState(om, rows), 1);
  EXPECT_EQ(Chosen, 20);
  XtarvOptionMenuSetSensitive(om, 0);
  EXPECT_FALSE(XtIsSensitive(XmOptionButtonGadget(om)));
}

TEST_F(UiMenus, DynamicOptionMenuFollowsItsItems) {
  Dyn_option_menu_rec menu{0, 1, nullptr, "Variable", chosen_cb, nullptr};
  ASSERT_EQ(XtarvCreateDynMenuInfo("Variable", Optmenu_def_none, 1, &menu.rows), 1);
  EXPECT_NE(menu.rows[0].label, Optmenu_def_none[0].label);
  menu.optmenu = XtarvCreateOptionMenu(qtest::xt_shell().form, "var", menu.label, nullptr, 0,
                                       menu.rows, 1, 0);
  menu.count = 1;
  Widget pane = XtParent(menu.rows[0].widget);

  struct Step {
    std::vector<const char *> labels;
    const char *mnemonics;
  } steps[] = {
      {{"Pressure", "pressure_max", "Temp", "Velocity", "vorticity"}, "PpTVv"},
      {{"Density", "density_avg"}, "Dd"},
      {{"A", "a", "B", "b"}, "AaBb"},
  };
  for (const Step &s : steps) {
    int n = static_cast<int>(s.labels.size());
    ASSERT_EQ(XtarvModDynOptionMenu(&menu, s.labels.data(), n, 1, 0, nullptr), 1);
    std::vector<std::string> shown;
    for (const std::string &name : managed_names(pane)) shown.push_back(name);
    ASSERT_EQ(static_cast<int>(shown.size()), n);
    for (int i = 0; i < n; i++) {
      EXPECT_TRUE(XtIsManaged(menu.rows[i].widget));
      EXPECT_EQ(qtest::xt_label_text(menu.rows[i].widget), s.labels[i]);
      EXPECT_STREQ(menu.rows[i].label, s.labels[i]);
      EXPECT_EQ(menu.rows[i].mnemonic, s.mnemonics[i]) << s.labels[i];
      EXPECT_EQ(menu.rows[i].client_data, (XtPointer)(intptr_t)i);
    }
    EXPECT_EQ(XtarvOptionMenuCurrentState(menu.optmenu, menu.rows), 0);
  }
  EXPECT_EQ(menu.count, 5);
  EXPECT_STREQ(XtName(menu.rows[4].widget), "ButtonDefaultName");

  // Extra values give the last items their own codes.
  XtPointer extra[] = {(XtPointer)-1};
  ASSERT_EQ(XtarvModDynOptionMenu(&menu, nullptr, 4, 0, 1, extra), 1);
  Chosen = 0;
  XtCallCallbacks(menu.rows[3].widget, XmNactivateCallback, nullptr);
  EXPECT_EQ(Chosen, -1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(XtarvModDynOptionMenu(&menu, nullptr, 4, 0, 5, extra), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Invalid extra_vals_cnt in XtarvModDynOptionMenu.\n");
  EXPECT_EQ(menu.rows[2].client_data, (XtPointer)2);
}

}  // namespace
