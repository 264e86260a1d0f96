// The part detailed editor as real widgets in the real main window, with
// the three parts of the generated mixed-element model held by the real
// stand-in server: what its controls change, record and ask the server,
// immediate and deferred modification, its lists and its creation section.
#include <gtest/gtest.h>

#include <Xm/List.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/model_rout.h"
#include "parts/part_apply.h"
#include "parts/part_deteditor.h"
#include "parts/part_record.h"
#include "parts/read.h"
#include "parts/ui/part_detedit_windep.h"
#include "parts/ui/part_show.h"
#include "record_capture.h"
#include "test_part_list.h"
#include "test_parts.h"
#include "ui/detail_editor.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/widget_helpers.h"
#include "ui/part_list.h"
#include "ui/window_codes.h"
#include "ui/general_windep.h"
#include "xt_shell.h"
#include "variables/variables.h"

namespace {

float slot(int part, int s) { return part_by_number(part)->attributes[s]; }

std::string field_text(Widget w) {
  char *t = XmTextFieldGetString(w);
  std::string r = t ? t : "";
  XtFree(t);
  return r;
}

// The text of the error box, emptied for the next one.
std::string error_text() {
  if (!Err_dialog || !XtIsManaged(Err_dialog)) return "";
  std::string t = qtest::xt_label_text(Disperr_errlabel);
  XtUnmanageChild(Err_dialog);
  return t;
}

class PartEditor : public qtest::ModelWindowTest {
 protected:
  void SetUp() override {
    ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(Num_p_loaded, 3);
    Recrdr = 0;
    Recorded_selection_source = -1;
    Cmd_record_parts_by_number = 1;
    mainprt_list_refresh();
    ASSERT_EQ(detedit_manage(2, 2), 1);
    ASSERT_NE(Parts_listw, nullptr);
    set_immediate(1);
  }
  void TearDown() override {
    set_immediate(1);
    if (Detaileditor_dialog) detedit_closeCB(nullptr, nullptr, nullptr);
    ModelWindowTest::TearDown();
  }
  static void set_immediate(int on) {
    Detedit_immed_mode = on;
    if (Detled_edit_menu[DETEDIT_IMMED_ROW].widget)
      XmToggleButtonSetState(Detled_edit_menu[DETEDIT_IMMED_ROW].widget, on, False);
    part_immedmode_change();
  }
  // Selects list rows (from 1) as a user would.
  static void select_rows(const std::vector<int> &rows) {
    XmListDeselectAllItems(Parts_listw);
    if (!rows.empty()) XtarvListSelectMultPos(Parts_listw, (int)rows.size(), rows.data());
    part_selectCB(Parts_listw, nullptr, nullptr);
  }
  // Types text into the field of slot s, and presses Return unless told not to.
  static void type(int s, const char *text, bool enter = true) {
    Widget w = part_detedit_control(s);
    ASSERT_NE(w, nullptr) << s;
    XmTextFieldSetString(w, const_cast<char *>(text));
    if (enter) XtCallCallbacks(w, XmNactivateCallback, nullptr);
  }
  // Chooses the row with the given label of the option menu of slot s.
  static void choose(int s, const char *label) {
    int n = 0;
    Menu_item_rec *rows = part_detedit_menu_rows(s, &n);
    for (int k = 0; k < n; k++)
      if (std::string(rows[k].label) == label) {
        XtCallCallbacks(rows[k].widget, XmNactivateCallback, nullptr);
        return;
      }
    ADD_FAILURE() << "no row " << label;
  }
  static std::string text_of(int s) { return field_text(part_detedit_control(s)); }
  static bool marked(Widget w) {
    Pixel bg = 0;
    XtVaGetValues(w, XmNbackground, &bg, nullptr);
    return bg == Green.pixel;
  }
  std::string log() const {
    const qtest::CaseServers &s = model_->servers();
    return s.log_of(s.started()[0]);
  }
};

TEST_F(PartEditor, WidthOnReturnAppliesAndRecordsOneModifyBlock) {
  float before = slot(1, SLOT_LINE_WIDTH);
  select_rows({1});
  std::string rec = qtest::recorded_lines([] {
    type(SLOT_LINE_WIDTH, "7", false);  // no Return: nothing happens
    EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), slot(1, SLOT_LINE_WIDTH));
  });
  EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), before);
  EXPECT_EQ(rec, "");
  rec = qtest::recorded_lines([] { type(SLOT_LINE_WIDTH, "3"); });
  EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), 3.0f);
  EXPECT_EQ(rec,
            "part: select_begin\n 1\npart: select_end\npart: modify_begin\n"
            "part: line_width 3\npart: modify_end\n");
}

TEST_F(PartEditor, DeferredChangesAreMarkedAndApplyTogether) {
  select_rows({1});
  set_immediate(0);
  type(SLOT_LINE_WIDTH, "4");
  type(SLOT_LIGHT_SHIN, "50");
  EXPECT_NE(slot(1, SLOT_LINE_WIDTH), 4.0f);
  EXPECT_TRUE(marked(part_detedit_control(SLOT_LINE_WIDTH)));
  EXPECT_TRUE(marked(part_detedit_control(SLOT_LIGHT_SHIN)));
  std::string rec = qtest::recorded_lines(
      [] { XtCallCallbacks(Parts_apply_button, XmNactivateCallback, nullptr); });
  EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), 4.0f);
  EXPECT_EQ(slot(1, SLOT_LIGHT_SHIN), 50.0f);
  EXPECT_EQ(qtest::count_of(rec, "part: modify_begin"), 1) << rec;
  EXPECT_NE(rec.find("part: line_width 4\n"), std::string::npos) << rec;
  EXPECT_NE(rec.find("part: light_shin 5.0000e+01\n"), std::string::npos) << rec;
  EXPECT_FALSE(marked(part_detedit_control(SLOT_LINE_WIDTH)));
  EXPECT_FALSE(marked(part_detedit_control(SLOT_LIGHT_SHIN)));
}

TEST_F(PartEditor, ToggleOnSeveralPartsChangesThatSlotOnly) {
  for (int n = 1; n <= 3; n++) part_by_number(n)->attributes[SLOT_LINE_WIDTH] = (float)n;
  select_rows({1, 2, 3});
  XmToggleButtonSetState(part_detedit_control(SLOT_VISIBLE), False, True);
  for (int n = 1; n <= 3; n++) {
    EXPECT_EQ(slot(n, SLOT_VISIBLE), 0.0f) << n;
    EXPECT_EQ(slot(n, SLOT_LINE_WIDTH), (float)n) << n;
  }
}

TEST_F(PartEditor, ANewSelectionDropsChangesTypedForTheOldOne) {
  for (int n = 1; n <= 3; n++) part_by_number(n)->attributes[SLOT_LINE_WIDTH] = (float)n;
  select_rows({1});
  set_immediate(0);
  type(SLOT_LINE_WIDTH, "5");
  select_rows({2, 3});
  EXPECT_FALSE(marked(part_detedit_control(SLOT_LINE_WIDTH)));
  XtCallCallbacks(Parts_apply_button, XmNactivateCallback, nullptr);
  EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), 1.0f);
  EXPECT_EQ(slot(2, SLOT_LINE_WIDTH), 2.0f);
  EXPECT_EQ(slot(3, SLOT_LINE_WIDTH), 3.0f);
}

TEST_F(PartEditor, RefusedWidthKeepsTheTypedText) {
  select_rows({1});
  float before = slot(1, SLOT_LINE_WIDTH);
  type(SLOT_LINE_WIDTH, "25");
  EXPECT_NE(error_text().find("Illegal line width, should be in range: [1, 20]."), std::string::npos);
  EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), before);
  EXPECT_EQ(text_of(SLOT_LINE_WIDTH), "25");
}

TEST_F(PartEditor, FeatureAngleReloadsAndANewAngleDropsTheEdges) {
  select_rows({1});
  size_t loads = qtest::count_of(log(), "loadp_many");
  choose(SLOT_ELT_REP, "Feature Angle");
  EXPECT_EQ(slot(1, SLOT_ELT_REP), 2.0f);
  std::string l = log();
  EXPECT_GE(qtest::count_of(l, "minm 1 "), 1) << l;
  EXPECT_EQ(qtest::count_of(l, "loadp_many"), loads + 1) << l;
  EXPECT_NE(l.rfind("reps 2"), std::string::npos) << l;
  type(SLOT_FEATURE_ANGLE, "30");
  EXPECT_EQ(slot(1, SLOT_FEATURE_ANGLE), 30.0f);
  EXPECT_EQ(qtest::count_of(log(), "delete feature 1"), 1) << log();
}

TEST_F(PartEditor, ControlsEditTheirSlots) {
  select_rows({1});
  XmToggleButtonSetState(part_detedit_symmetry_toggle(17), True, True);
  EXPECT_EQ(slot(1, 17), 1.0f);
  EXPECT_EQ(slot(1, 15), 0.0f);
  XmToggleButtonSetState(part_detedit_symmetry_toggle(15), True, True);
  EXPECT_EQ(slot(1, 15), 1.0f);
  XmToggleButtonSetState(part_detedit_symmetry_toggle(17), False, True);
  XmToggleButtonSetState(part_detedit_symmetry_toggle(15), False, True);

  choose(SLOT_ELT_REP, "Bounding Box");
  EXPECT_EQ(slot(1, SLOT_ELT_REP), 5.0f);
  choose(SLOT_ELT_REP, "Full");
  EXPECT_EQ(slot(1, SLOT_ELT_REP), 3.0f);

  // "None" of "Color By" and "Displace By": constant colour, no displacement.
  for (int m : {1, 3}) {
    WidgetList kids = nullptr;
    Cardinal n = 0;
    Widget pane = nullptr;
    XtVaGetValues(part_detedit_varmenu(m), XmNsubMenuId, &pane, nullptr);
    XtVaGetValues(pane, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
    ASSERT_GT(n, 0u);
    XtCallCallbacks(kids[n - 1], XmNactivateCallback, nullptr);  // "None" is last
  }
  EXPECT_EQ(slot(1, SLOT_COLORBY_PALETTE), 0.0f);
  EXPECT_EQ(slot(1, SLOT_DISPLACE_BY), -1.0f);

  // "G" alone applies all three fields.
  XmTextFieldSetString(part_detedit_control(SLOT_RGB_R), const_cast<char *>("0.25"));
  XmTextFieldSetString(part_detedit_control(SLOT_RGB_B), const_cast<char *>("0.75"));
  type(SLOT_RGB_G, "0.5");
  EXPECT_EQ(slot(1, SLOT_RGB_R), 0.25f);
  EXPECT_EQ(slot(1, SLOT_RGB_G), 0.5f);
  EXPECT_EQ(slot(1, SLOT_RGB_B), 0.75f);
}

TEST_F(PartEditor, SizeByScalarWithoutAnActiveScalarIsRefused) {
  ASSERT_TRUE(part_var_rows(PVAR_SCALARS).empty());
  select_rows({1});
  float by = slot(1, 13), var = slot(1, 14);
  choose(13, "Scalar");
  EXPECT_NE(error_text().find("No scalar variables currently activated."), std::string::npos);
  EXPECT_EQ(slot(1, 13), by);
  EXPECT_EQ(slot(1, 14), var);
}

TEST_F(PartEditor, ClipsAfterIsosurfacesHideTheVariableFormOnly) {
  ASSERT_EQ(detedit_manage(2, 4), 1);
  EXPECT_TRUE(XtIsManaged(Pattr_creatvar_form));
  EXPECT_TRUE(XtIsManaged(Pattr_createvector_form));
  ASSERT_EQ(detedit_manage(2, 6), 1);
  EXPECT_FALSE(XtIsManaged(Pattr_creatvar_form));
  EXPECT_TRUE(XtIsManaged(Pattr_createvector_form));
  ASSERT_EQ(detedit_manage(2, 4), 1);
  EXPECT_TRUE(XtIsManaged(Pattr_creatvar_form));
  ASSERT_EQ(detedit_manage(2, 2), 1);
  EXPECT_FALSE(XtIsManaged(Pattr_creatvar_form));
  EXPECT_TRUE(XtIsManaged(Pattr_create_mainform));
}

TEST_F(PartEditor, UnstructuredPartShowsEmptyInsensitiveRanges) {
  select_rows({1});
  for (auto &r : Pattr_createstftstep_text)
    for (Widget w : r) {
      EXPECT_EQ(field_text(w), "");
      EXPECT_FALSE(XtIsSensitive(w));
    }
  for (auto &r : Pattr_createstminmax_text)
    for (Widget w : r) EXPECT_EQ(field_text(w), "");
  EXPECT_FALSE(XtIsSensitive(Parts_create_button));
  EXPECT_FALSE(XtIsSensitive(Parts_updtparent_button));
}

TEST_F(PartEditor, StructuredPartShowsItsRangesAndMaxima) {
  Part_rec *p = part_by_number(2);
  const float block[12] = {1, 8, 1, 2, 6, 2, 1, 3, 1, 8, 6, 3};
  for (int k = 0; k < 12; k++) p->attributes[63 + k] = block[k];
  select_rows({2});
  for (int r = 0; r < 3; r++) {
    for (int c = 0; c < 3; c++) {
      char want[16];
      snprintf(want, sizeof want, "%8d", (int)block[r * 3 + c]);
      EXPECT_EQ(field_text(Pattr_createstftstep_text[r][c]), want);
      EXPECT_TRUE(XtIsSensitive(Pattr_createstftstep_text[r][c]));
    }
    EXPECT_EQ(field_text(Pattr_createstminmax_text[r][0]), "       1");
    char max[16];
    snprintf(max, sizeof max, "%8d", (int)block[9 + r]);
    EXPECT_EQ(field_text(Pattr_createstminmax_text[r][1]), max);
  }
}

TEST_F(PartEditor, RangeFieldsAreCheckedBeforeTheyApply) {
  Part_rec *p = part_by_number(2);
  const float block[12] = {1, 8, 1, 1, 6, 1, 1, 3, 1, 8, 6, 3};
  for (int k = 0; k < 12; k++) p->attributes[63 + k] = block[k];
  struct Case {
    int row, column;  // the field typed into: I, J, K by From, To, Step
    const char *text, *message;
  } cases[] = {
      {0, 1, "0", "Min/Max values must be >= 1 and Min must be <= Max"},
      {1, 2, "0", "Step values must be >= 1."},
      {2, 1, "9", "Maximum value must be <= maximum data values of (MaxX = 8, MaxY = 6, MaxZ = 3)."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    select_rows({2});  // refills the fields from the part
    Widget w = Pattr_createstftstep_text[c.row][c.column];
    XmTextFieldSetString(w, const_cast<char *>(c.text));
    XtCallCallbacks(w, XmNactivateCallback, nullptr);
    std::string err = error_text();
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    for (int k = 0; k < 9; k++) EXPECT_EQ(slot(2, 63 + k), block[k]) << 63 + k;
    EXPECT_EQ(field_text(w), c.text);
  }
  select_rows({2});
  XmTextFieldSetString(Pattr_createstftstep_text[0][0], const_cast<char *>("5"));
  std::string rec = qtest::recorded_lines(
      [] { XtCallCallbacks(Pattr_createstftstep_text[0][0], XmNactivateCallback, nullptr); });
  EXPECT_EQ(error_text(), "");
  EXPECT_EQ(rec,
            "part: select_begin\n 2\npart: select_end\npart: modify_begin\n"
            "model: noderangestep_i 5 8 1\nmodel: noderangestep_j 1 6 1\n"
            "model: noderangestep_k 1 3 1\npart: modify_end\n");
  EXPECT_EQ(slot(2, 63), 5.0f);
}

TEST_F(PartEditor, UpdateParentNeedsAMainSelectionAndOnePart) {
  XmListDeselectAllItems(Main_part_list);
  select_rows({1});
  XtCallCallbacks(Parts_updtparent_button, XmNactivateCallback, nullptr);
  EXPECT_NE(error_text().find("Must have at least one part selected in the main part list to use as the parent."),
            std::string::npos);
  XmListSelectPos(Main_part_list, 2, False);
  select_rows({1, 3});
  XtCallCallbacks(Parts_updtparent_button, XmNactivateCallback, nullptr);
  std::string second = error_text();
  EXPECT_NE(second.find("Must have one and only one part selected to change parent."),
            std::string::npos) << second;
  XmListDeselectAllItems(Main_part_list);
}

TEST_F(PartEditor, ShowSelectedFollowsTheToggles) {
  Widget editor_toggle = Detled_view_menu[0].widget;
  ASSERT_NE(editor_toggle, nullptr);
  XmToggleButtonSetState(editor_toggle, True, True);
  EXPECT_EQ(Detailedit_show_selected, 1);
  ASSERT_NE(Graphics_show_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Graphics_show_dialog));
  EXPECT_EQ(Showing_parts, 1);
  // The window manager's close: both flags off, the toggle off without its callback.
  part_showsel_closeCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(Detailedit_show_selected, 0);
  EXPECT_EQ(Main_show_selected, 0);
  EXPECT_FALSE(XmToggleButtonGetState(editor_toggle));
  EXPECT_FALSE(XtIsManaged(Graphics_show_dialog));
  // The main window's toggle alone shows the window again.
  Widget main_toggle = XmCreateToggleButton(Detaileditor_dialog, const_cast<char *>("mainShow"), nullptr, 0);
  XmToggleButtonSetState(main_toggle, True, False);
  part_show_selectedCB(main_toggle, (XtPointer)1, nullptr);
  EXPECT_EQ(Main_show_selected, 1);
  EXPECT_EQ(Detailedit_show_selected, 0);
  EXPECT_TRUE(XtIsManaged(Graphics_show_dialog));
  XmToggleButtonSetState(main_toggle, False, False);
  part_show_selectedCB(main_toggle, (XtPointer)1, nullptr);
  EXPECT_FALSE(XtIsManaged(Graphics_show_dialog));
  XtDestroyWidget(main_toggle);
}

// ---- the list, with parts made by create_one_part ------------------------------

class PartEditorList : public PartEditor {
 protected:
  void SetUp() override {
    PartEditor::SetUp();
    if (HasFatalFailure()) return;
    const struct {
      int number, type;
      const char *name;
    } more[] = {{4, PART_DISCRETE, "drops"}, {5, PART_EXTRACT, "outer"}, {6, PART_CUT, "cut"},
                {7, PART_BOUNDARY, "bnd"},   {8, PART_ISOVOLUME, "vol"},  {9, PART_CLIP, "clip"}};
    for (auto &m : more) ASSERT_NE(qtest::add_part({m.number, 0, m.type, m.name, -1, {}, false}), nullptr);
    part_list_refresh();
  }
};

std::vector<std::string> list_rows() {
  std::vector<std::string> rows;
  XmStringTable items = nullptr;
  int n = 0;
  XtVaGetValues(Parts_listw, XmNitems, &items, XmNitemCount, &n, nullptr);
  for (int k = 0; k < n; k++) {
    char *t = nullptr;
    XmStringGetLtoR(items[k], const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &t);
    rows.push_back(t ? t : "");
    XtFree(t);
  }
  return rows;
}

TEST_F(PartEditorList, ModelListHoldsTheModelKindsWithTheirLetters) {
  std::vector<std::string> rows = list_rows();
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[3], "4 - (X/C1) drops");
  EXPECT_EQ(rows[4], "5 - (M/C1) outer");
  EXPECT_EQ(rows[5], "6 - (M/C1) cut");
  EXPECT_EQ(rows[6], "7 - (M/C1) bnd");
  for (const std::string &r : rows) EXPECT_EQ(r.find("vol"), std::string::npos) << r;
  Part_listbytype = 1;
  part_list_refresh();
  Part_listbytype = 0;
  EXPECT_EQ(list_rows().size(), 7u);
  EXPECT_EQ(list_rows()[0].substr(0, 8), "1 - (M/C");
}

TEST_F(PartEditorList, SelectingByNumberFindsTheLastRow) {
  int wanted = 7;
  part_select_detedpartseid(0, 1, &wanted, 1);
  int *pos = nullptr, n = 0;
  ASSERT_TRUE(XmListGetSelectedPos(Parts_listw, &pos, &n));
  ASSERT_EQ(n, 1);
  EXPECT_EQ(pos[0], 7);
  XtFree(reinterpret_cast<char *>(pos));
  ASSERT_EQ(Part_wrking_cnt, 1);
  EXPECT_EQ(Part_wrking_extnumber[0], 7);
}

TEST_F(PartEditorList, AnEmptyListEditsTheDefaults) {
  ASSERT_EQ(detedit_manage(2, 11), 1);  // developed surfaces: none exist
  EXPECT_EQ(Deted_part_mapcnt, 0);
  EXPECT_EQ(Part_default, 1);
  EXPECT_TRUE(XtIsSensitive(Parts_create_button));
  ASSERT_EQ(detedit_manage(2, 2), 1);
  select_rows({});
  EXPECT_EQ(Part_default, 1);
  ASSERT_EQ(Part_wrking_cnt, 1);
  EXPECT_EQ(Part_wrking_extnumber[0], -1);
  EXPECT_FALSE(XtIsSensitive(Parts_create_button));
}

}  // namespace

namespace {

// The editor holds the small viewport picker, a GL area of its own.
TEST_F(PartEditor, HoldsTheViewportPickerArea) {
  ASSERT_NE(Partvpviswidget, nullptr);
  EXPECT_STREQ(XtName(Partvpviswidget), "GlViewportVisDrawArea");
  Dimension w = 0, h = 0;
  XtVaGetValues(Partvpviswidget, XmNwidth, &w, XmNheight, &h, nullptr);
  EXPECT_EQ(w, 125);
  EXPECT_EQ(h, 110);
}

}  // namespace
