// The main window's Edit pulldown and its Find dialog as real widgets: the
// rows and their submenus, the entries that open the detail editor, and
// the search over the part table with the pattern list.
#include <gtest/gtest.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleBG.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_part_list.h"
#include "client/startup.h"
#include "harness.h"
#include "ui/detail_editor.h"
#include "ui/edit_menu.h"
#include "ui/find_dialog.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/widget_helpers.h"
#include "xm_lists.h"
#include "xt_shell.h"

namespace {

Widget submenu_of(Widget cascade) {
  Widget pane = nullptr;
  XtVaGetValues(cascade, XmNsubMenuId, &pane, nullptr);
  return pane;
}

class EditMenu : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(qtest::xt_ui_shell());
    Widget form = qtest::xt_shell().form;
    menubar = XmCreateMenuBar(form, const_cast<char *>("mainMenuBar"), nullptr, 0);
    XtManageChild(menubar);
    EXPECT_EQ(create_edit_interf(menubar), 1);
    Main_part_list = XmCreateScrolledList(form, const_cast<char *>("mainpartList"), nullptr, 0);
    XtVaSetValues(Main_part_list, XmNselectionPolicy, XmEXTENDED_SELECT, nullptr);
    XtManageChild(Main_part_list);
  }
  void SetUp() override {
    qtest::fill_parts_and_list({{1, 0, 0, "wing left", -1, {}, false},
                       {2, 0, 0, "tail", -1, {}, false},
                       {3, 0, 0, "wing right", -1, {}, false},
                       {4, 0, 1, "Wing cut", -1, {}, false}});
    mainprt_list_refresh();
  }
  void TearDown() override {
    qtest::clear_parts_and_list();
    qtest::xt_take_error();
  }
  // Types key into the Find dialog's key field and presses a button.
  static void find(const char *key, const char *button) {
    XmTextFieldSetString(Edit_findwhat_text, const_cast<char *>(key));
    qtest::xt_activate(XtNameToWidget(Edit_find_dialog, button));
  }
  static Widget menubar;
};

Widget EditMenu::menubar = nullptr;

TEST_F(EditMenu, RowsSitInTheirSubmenus) {
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(menubar, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  ASSERT_EQ(n, 1u);
  EXPECT_EQ(qtest::xt_label_text(kids[0]), "Edit");
  Widget top = submenu_of(kids[0]);
  unsigned char tearoff = 0;
  XtVaGetValues(top, XmNtearOffModel, &tearoff, nullptr);
  EXPECT_EQ(tearoff, XmTEAR_OFF_ENABLED);

  Widget part = submenu_of(Edit_menu[0].widget);
  Widget editors = submenu_of(Edit_menu[15].widget);
  ASSERT_NE(part, nullptr);
  ASSERT_NE(editors, nullptr);
  for (int i = 0; i < EDIT_MENU_ROWS; i++) {
    const Menu_item_rec &r = Edit_menu[i];
    ASSERT_NE(r.widget, nullptr) << i;
    Widget want = i >= 1 && i <= 14 ? part : i >= 16 && i <= 27 ? editors : top;
    EXPECT_EQ(XtParent(r.widget), want) << r.label;
    if (r.kind != XtarvSEPARATOR) {
      EXPECT_EQ(qtest::xt_label_text(r.widget), r.label);
    }
  }
}

TEST_F(EditMenu, EditorEntriesOpenTheirDetailEditorSections) {
  struct Case {
    int row;
    int section;
  } cases[] = {{17, 3}, {18, 6}, {19, 11}, {20, 8}, {21, 4}, {22, 2},
               {23, 5}, {24, 10}, {25, 9}, {26, 12}, {27, 7}, {33, 0}};
  for (const Case &c : cases) {
    qtest::xt_activate(Edit_menu[c.row].widget);
    EXPECT_EQ(Deted_cur_feature, c.section) << Edit_menu[c.row].label;
  }
  EXPECT_TRUE(XtIsManaged(Detaileditor_dialog));
}

TEST_F(EditMenu, FindSelectsTheMatchingPartsOfTheTable) {
  qtest::xt_activate(Edit_menu[2].widget);  // "Select..."
  ASSERT_NE(Edit_find_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Edit_find_dialog));
  char *title = nullptr;
  XtVaGetValues(XtParent(Edit_find_dialog), XmNtitle, &title, nullptr);
  EXPECT_STREQ(title, "Select Part(s) By Keyword");
  for (Widget t : {Edit_findwhole_tggl, Edit_findcase_tggl, Edit_findregexp_tggl,
                   Edit_findaddto_toggle})
    EXPECT_FALSE(XmToggleButtonGadgetGetState(t));

  find("wing", "EditFindSelAllPushBG");
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{1, 3, 4}));
  XmToggleButtonGadgetSetState(Edit_findcase_tggl, True, False);
  find("wing", "EditFindSelAllPushBG");
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{1, 3}));
  find("wing", "EditFindSelNextPushBG");
  // The next after row 3, wrapping.
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{1}));
  XmToggleButtonGadgetSetState(Edit_findcase_tggl, False, False);

  // Return in the key field selects all matches, as the button does.
  XmTextFieldSetString(Edit_findwhat_text, const_cast<char *>("tail"));
  XmAnyCallbackStruct cbs{XmCR_ACTIVATE, nullptr};
  XtCallCallbacks(Edit_findwhat_text, XmNactivateCallback, &cbs);
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{2}));

  find("", "EditFindSelAllPushBG");
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: No search key specified.");
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{2}));

  // Close only hides the dialog; the key stays for the next time.
  find("tail", "EditFindClosePushBG");
  EXPECT_FALSE(XtIsManaged(Edit_find_dialog));
  Widget dialog = Edit_find_dialog;
  qtest::xt_activate(Edit_menu[2].widget);
  EXPECT_EQ(Edit_find_dialog, dialog);
  char *key = XmTextFieldGetString(Edit_findwhat_text);
  EXPECT_STREQ(key, "tail");
  XtFree(key);
}

TEST_F(EditMenu, PatternListInsertsItsCharacterAndAMalformedKeyIsReported) {
  qtest::xt_activate(Edit_menu[2].widget);
  EXPECT_FALSE(XtIsSensitive(Edit_findregexp_list));
  XmToggleButtonGadgetSetState(Edit_findregexp_tggl, True, True);
  EXPECT_TRUE(XtIsSensitive(Edit_findregexp_list));

  XmTextFieldSetString(Edit_findwhat_text, const_cast<char *>(""));
  XmListSelectPos(Edit_findregexp_list, 3, True);  // "~ - Match All But Key"
  char *key = XmTextFieldGetString(Edit_findwhat_text);
  EXPECT_STREQ(key, "~");
  XtFree(key);
  mainprt_select_partseid(0, 0, nullptr, 0);
  qtest::xt_activate(XtNameToWidget(Edit_find_dialog, "EditFindSelAllPushBG"));
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: Error in search keyword.");
  EXPECT_TRUE(qtest::main_list_selected_numbers().empty());

  // Typing on after the inserted character: every part but the tail.
  XmTextFieldInsert(Edit_findwhat_text, XmTextFieldGetInsertionPosition(Edit_findwhat_text),
                    const_cast<char *>("tail"));
  qtest::xt_activate(XtNameToWidget(Edit_find_dialog, "EditFindSelAllPushBG"));
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{1, 3, 4}));

  XmToggleButtonGadgetSetState(Edit_findregexp_tggl, False, True);
  EXPECT_FALSE(XtIsSensitive(Edit_findregexp_list));
}

}  // namespace
