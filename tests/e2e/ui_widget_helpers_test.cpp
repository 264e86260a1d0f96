// Widget makers: names, resources and behaviour of real widgets.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <X11/keysym.h>
#include <Xm/ArrowBG.h>
#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/TextF.h>
#include <Xm/ToggleBG.h>

#include <string>
#include <vector>

#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/menus.h"
#include "ui/widget_helpers.h"
#include "xt_shell.h"

namespace {

class UiWidgetHelpers : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_shell().ok) << "no X display";
    form = XtVaCreateManagedWidget("helperForm", xmFormWidgetClass, qtest::xt_shell().form, nullptr);
  }
  void TearDown() override { XtDestroyWidget(form); }
  Widget form = nullptr;
};

int Calls = 0;
void count_cb(Widget, XtPointer, XtPointer) { Calls++; }

TEST_F(UiWidgetHelpers, ButtonKindsNamesAndCallbackLists) {
  struct Case {
    int kind;
    const char *name;
    const char *list;
  } cases[] = {
      {XtarvPUSHBUTTON, "kPushBG", XmNactivateCallback},
      {XtarvPUSHBUTTONG, "kPushBG", XmNarmCallback},
      {XtarvTOGGLEBUTTON, "kToggleBG", XmNvalueChangedCallback},
      {XtarvDOWNARROW, "kDownArrowBG", XmNactivateCallback},
      {XtarvONEOFMANY, "kToggleBG", XmNvalueChangedCallback},
      {XtarvTOGGLEBUTTONW, "kToggleBG", XmNvalueChangedCallback},
  };
  for (const Case &c : cases) {
    Widget b = XtarvCreateButton(form, "k", "Label", c.kind, ' ', count_cb, nullptr, nullptr, 0);
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(XtName(b), c.name);
    EXPECT_TRUE(XtIsManaged(b));
    EXPECT_EQ(XtHasCallbacks(b, c.list), XtCallbackHasSome) << c.name;
    KeySym mnemonic = 1;
    XtVaGetValues(b, XmNmnemonic, &mnemonic, nullptr);
    if (c.kind != XtarvDOWNARROW) {
      EXPECT_EQ(mnemonic, static_cast<KeySym>(XK_VoidSymbol)) << c.name;  // none set
    }
  }
  Widget arrow = XtNameToWidget(form, "kDownArrowBG");
  EXPECT_EQ(XtarvArrowButtonGetState(arrow, XmARROW_DOWN), 1);
  Widget with = XtarvCreateButton(form, "m", "Open", XtarvPUSHBUTTON, 'O', nullptr, nullptr, nullptr, 0);
  KeySym mnemonic = 0;
  XtVaGetValues(with, XmNmnemonic, &mnemonic, nullptr);
  EXPECT_EQ(mnemonic, static_cast<KeySym>('O'));
  EXPECT_EQ(XtarvCreateButton(form, "bad", "x", XtarvSEPARATOR, ' ', nullptr, nullptr, nullptr, 0),
            nullptr);
}

TEST_F(UiWidgetHelpers, InputRowsAndButtonRows) {
  Widget label = nullptr, field = nullptr;
  XtarvCreateInput(form, "angle", "Angle", 8, 12, 0, 4, &label, &field, 0, 0, nullptr, 0);
  EXPECT_STREQ(XtName(label), "angleLabelG");
  EXPECT_STREQ(XtName(field), "angleTextF");
  short columns = 0;
  int maxlen = 0;
  Boolean editable = True;
  Dimension shadow = 0;
  XtVaGetValues(field, XmNcolumns, &columns, XmNmaxLength, &maxlen, XmNeditable, &editable,
                XmNshadowThickness, &shadow, nullptr);
  EXPECT_EQ(columns, 8);
  EXPECT_EQ(maxlen, 12);
  EXPECT_FALSE(editable);
  EXPECT_EQ(shadow, 1);
  EXPECT_FALSE(XtIsSensitive(field));

  Widget f2 = XtarvCreateInputField(form, "cut", "Value", "Value", 10, 20, nullptr, 5, nullptr, 5,
                                    0, 5, 0, 0);
  EXPECT_STREQ(XtName(f2), "cutValueTextF");
  EXPECT_STREQ(XtName(CreateInputField_lbl), "cutValueLabel");
  Boolean cursor = True;
  XtVaGetValues(f2, XmNcursorPositionVisible, &cursor, nullptr);
  EXPECT_FALSE(cursor);
  XtCallCallbacks(f2, XmNfocusCallback, nullptr);
  XtVaGetValues(f2, XmNcursorPositionVisible, &cursor, nullptr);
  EXPECT_TRUE(cursor);

  Widget ok = XtarvCreateOkCancelHelpButtons(form, f2, "clip", count_cb, count_cb, nullptr,
                                             nullptr, nullptr, nullptr);
  EXPECT_STREQ(XtName(ok), "clipOk");
  EXPECT_EQ(qtest::xt_label_text(ok), "Okay");
  ASSERT_NE(XtNameToWidget(form, "clipCancel"), nullptr);
  EXPECT_EQ(qtest::xt_label_text(XtNameToWidget(form, "clipHelp")), "Help");
  Widget dismiss = XtarvCreateDismissButtons(form, nullptr, "q", count_cb, nullptr);
  EXPECT_STREQ(XtName(dismiss), "qDismiss");
}

TEST_F(UiWidgetHelpers, SectionsOpenAndClose) {
  Widget inner = nullptr;
  Widget hold = gen_holdform(form, "Create", "Creation Attributes", 10, &inner, nullptr, 0);
  EXPECT_STREQ(XtName(hold), "CreateholdForm");
  EXPECT_EQ(XtNameToWidget(hold, "partsCreateFrame.partsCreateForm"), inner);
  EXPECT_EQ(qtest::xt_label_text(XtNameToWidget(hold, "partsCreateLabel")), "Creation Attributes");

  Arg a[1];
  XtSetArg(a[0], XmNarrowDirection, XmARROW_RIGHT);
  Widget arrow = XtCreateManagedWidget("sect", xmArrowButtonGadgetClass, inner, a, 1);
  Widget contents[2] = {
      XtCreateWidget("c0", xmTextFieldWidgetClass, inner, nullptr, 0),
      XtCreateWidget("c1", xmTextFieldWidgetClass, inner, nullptr, 0),
  };
  struct Step {
    int keep;
    int down;
  } steps[] = {{0, 1}, {0, 0}, {1, 0}, {0, 1}, {1, 1}};
  for (const Step &s : steps) {
    XtarvSectExpandRout(arrow, 2, contents, s.keep);
    EXPECT_EQ(XtarvArrowButtonGetState(arrow, XmARROW_DOWN), s.down);
    EXPECT_EQ(XtIsManaged(contents[0]) && XtIsManaged(contents[1]), s.down == 1);
  }
  EXPECT_STREQ(Sectinfo_tbl[SECTINFO_ROWS].title, "");
  EXPECT_EQ(Sectinfo_tbl[SECTINFO_ROWS].dialog, -1);
}

TEST_F(UiWidgetHelpers, OneOfManyTogglesStayExclusive) {
  Menu_item_rec rows[3] = {
      {"Case 1", 'x', okcallback, (XtPointer)1, XtarvONEOFMANY, 0, nullptr},
      {"Case 2", 'x', okcallback, (XtPointer)2, XtarvONEOFMANY, 0, nullptr},
      {"Case 3", 'x', okcallback, (XtPointer)3, XtarvONEOFMANY, 0, nullptr},
  };
  for (int i = 0; i < 3; i++)
    rows[i].widget = XtarvCreateButton(form, ("case" + std::to_string(i)).c_str(), rows[i].label,
                                       rows[i].kind, ' ', nullptr, nullptr, nullptr, 0);
  XmToggleButtonGadgetSetState(rows[0].widget, True, False);
  XmToggleButtonGadgetSetState(rows[2].widget, True, False);  // the user's new choice
  EXPECT_EQ(Xtarv_menuoneofmany_change(rows[2].widget, (XtPointer)3, rows, 0, 2), 1);
  EXPECT_FALSE(XmToggleButtonGadgetGetState(rows[0].widget));
  EXPECT_TRUE(XmToggleButtonGadgetGetState(rows[2].widget));
  XmToggleButtonGadgetSetState(rows[2].widget, False, False);  // pressed the one already set
  EXPECT_EQ(Xtarv_menuoneofmany_change(rows[2].widget, (XtPointer)3, rows, 0, 2), -1);
  EXPECT_TRUE(XmToggleButtonGadgetGetState(rows[2].widget));
}

TEST_F(UiWidgetHelpers, ListSelectionByPositionsAndChangeMarks) {
  Widget list = XtVaCreateManagedWidget("parts", xmListWidgetClass, form, XmNselectionPolicy,
                                        XmEXTENDED_SELECT, nullptr);
  for (int i = 1; i <= 10; i++) {
    XmString s = XmStringCreateLocalized(const_cast<char *>(("part " + std::to_string(i)).c_str()));
    XmListAddItem(list, s, 0);
    XmStringFree(s);
  }
  struct Case {
    std::vector<int> positions;
    std::vector<int> selected;
  } cases[] = {{{3, 99}, {3}}, {{0, 5}, {1, 5}}, {{2, 4, 6}, {2, 4, 6}}};
  for (const Case &c : cases) {
    XtarvListSelectMultPos(list, static_cast<int>(c.positions.size()), c.positions.data());
    int *pos = nullptr, n = 0;
    std::vector<int> got;
    if (XmListGetSelectedPos(list, &pos, &n)) got.assign(pos, pos + n);
    XtFree(reinterpret_cast<char *>(pos));
    EXPECT_EQ(got, c.selected);
  }

  Widget field = XtCreateManagedWidget("mark", xmTextFieldWidgetClass, form, nullptr, 0);
  Green.pixel = 77;
  Qvn_backgroundpix = 88;
  XtarvIndicateChange(field, 1, 1);
  Pixel bg = 0;
  XtVaGetValues(field, XmNbackground, &bg, nullptr);
  EXPECT_EQ(bg, 77u);
  XtarvIndicateChange(field, 0, 5);
  XtVaGetValues(field, XmNbackground, &bg, nullptr);
  EXPECT_EQ(bg, 77u);
  XtarvIndicateChange(field, 0, 3);
  XtVaGetValues(field, XmNbackground, &bg, nullptr);
  EXPECT_EQ(bg, 88u);
}

}  // namespace
