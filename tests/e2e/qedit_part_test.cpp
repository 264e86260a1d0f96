// The quick-edit part panel and the Displace panel in the real main window:
// changes of the defaults with their note and recorded block, the feature
// angle prompt, the global-versus-part note, the transparency slider, the
// refusals, the icons following the first selected part, and the Displace
// panel's variable checks and filling.
#include <gtest/gtest.h>
#include <Xm/List.h>
#include <Xm/Scale.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "client/cases.h"
#include "data/data_dlog.h"
#include "inproc_main_window.h"
#include "interact/movmnt.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/qedit_part.h"
#include "parts/read.h"
#include "parts/ui/displace.h"
#include "parts/ui/qedit_part.h"
#include "harness.h"
#include "record_capture.h"
#include "screenshot.h"
#include "render/disobj.h"
#include "test_part_list.h"
#include "ui/feature_icons.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/widget_helpers.h"
#include "ui/prompt.h"
#include "ui/qedit_icons.h"
#include "variables/variables.h"
#include "xt_shell.h"

namespace {

// Rows of Qedit_part_tbl.
enum { VISIBLE = 1, OPACITY = 4, HLINE = 8, NODLBL = 11, NODREP = 13 };

// The ten default records that a change of all defaults reaches.
const int Ten_types[10] = {PART_MODEL,   PART_CLIP,  PART_CONTOUR, PART_DISCRETE,
                           PART_ISOSURFACE, PART_TRACE, PART_PROFILE, PART_ARROW,
                           PART_ELEVATED, PART_DEVELOPED};

float default_slot(int type, int slot) {
  float a[PART_ATTR_SLOTS];
  part_attributes(-1, type, a, nullptr, nullptr, nullptr, 0);
  return a[slot];
}

float *attrs(int number) { return part_by_number(number)->attributes; }

void select_rows(const std::vector<int> &positions) {
  XmListDeselectAllItems(Main_part_list);
  if (!positions.empty())
    XtarvListSelectMultPos(Main_part_list, (int)positions.size(), positions.data());
  mainprt_list_select(1);
}

// Chooses a menu entry as a click does.
void choose(Menu_item_rec &row) { XmToggleButtonSetState(row.widget, True, True); }

void press_icon(int row) { qtest::xt_activate(Qedit_part_tbl[row].button); }

bool shown(Widget w) { return w && XtIsManaged(w); }

// Whether every push-button icon of the part column shows its picture: a
// button still waiting to be drawn again shows its background alone.
bool every_button_drawn(Widget except = nullptr) {
  for (const Qedit_icon_rec &r : Qedit_part_tbl) {
    if (r.kind != 1 || r.button == except || !shown(r.button) || !XtIsRealized(r.button))
      continue;
    Display *dpy = XtDisplay(r.button);
    XSync(dpy, False);
    Dimension w = 0, h = 0;
    XtVaGetValues(r.button, XmNwidth, &w, XmNheight, &h, nullptr);
    XImage *img = XGetImage(dpy, XtWindow(r.button), 0, 0, w, h, AllPlanes, ZPixmap);
    if (!img) return false;
    std::set<unsigned long> colours;
    for (int y = 0; y < (int)h; y++)
      for (int x = 0; x < (int)w; x++) colours.insert(XGetPixel(img, x, y));
    XDestroyImage(img);
    if (colours.size() < 4) return false;  // background and shadows only
  }
  return true;
}

void press_in(Widget dialog, const char *name) {
  qtest::xt_activate(XtNameToWidget(dialog, name));
}

// The button of the plain prompt named name.
Widget prompt_button(const char *name) {
  Widget form = XtNameToWidget(Main_prompt_dialog, "olpf.olpfo");
  WidgetList kids = nullptr;
  Cardinal n = 0;
  if (form) XtVaGetValues(form, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  for (Cardinal i = 0; i < n; i++)
    if (strcmp(XtName(kids[i]), name) == 0) return kids[i];
  return nullptr;
}

// Answers the feature angle prompt once it is up: typed text, then name.
void answer_prompt(const char *typed, const char *name) {
  qtest::inproc_after(50, [=] {
    if (!shown(Main_prompt_dialog)) {
      answer_prompt(typed, name);
      return;
    }
    if (typed) XmTextSetString(Text_entry_widget, const_cast<char *>(typed));
    qtest::xt_activate(prompt_button(name));
  });
}

void slide(int value, const char *callback) {
  XmScaleCallbackStruct cbs{};
  cbs.reason = strcmp(callback, XmNdragCallback) == 0 ? XmCR_DRAG : XmCR_VALUE_CHANGED;
  cbs.value = value;
  XmScaleSetValue(XtNameToWidget(Qedit_parttransp_dialog, "*PartQeditTranspScale"), value);
  XtCallCallbacks(XtNameToWidget(Qedit_parttransp_dialog, "*PartQeditTranspScale"), callback, &cbs);
}

Variable_rec Test_vars[2];

// A scalar (id 1) and a node vector (id 2), both active.
void two_variables() {
  memset(Test_vars, 0, sizeof Test_vars);
  snprintf(Test_vars[0].name, VAR_NAME_LEN, "pressure");
  Test_vars[0].type = 0;
  Test_vars[0].id = 1;
  Test_vars[0].unique_id = 11;
  snprintf(Test_vars[1].name, VAR_NAME_LEN, "displacement");
  Test_vars[1].type = 1;
  Test_vars[1].id = 2;
  Test_vars[1].unique_id = 12;
  for (Variable_rec &v : Test_vars) {
    v.active = 1;
    for (int &s : v.server_id) s = v.id;
  }
  Variables = Test_vars;
  Var_avail_cnt = 2;
}

class QeditPart : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    qtest::fill_parts_and_list({{1, 0, 0, "left", -1, {}, false}, {2, 0, 0, "right", -1, {}, false}});
    mainprt_list_refresh();
    select_rows({});
    Case_num = 0;
    qedit_switch_iconpanel_windep(1, 0);
  }
  void TearDown() override {
    qtest::xt_take_error();
    for (Widget d : {Qedit_partdefnote_dialog, Qedit_partgvsp_dialog, Qedit_parttransp_dialog,
                     Qedit_partnoderep_dialog})
      if (shown(d)) XtUnmanageChild(d);
    Variables = nullptr;
    Var_avail_cnt = 0;
    select_rows({});
    qtest::clear_parts_and_list();
    mainprt_list_refresh();
  }
};

TEST_F(QeditPart, LineWidthWithNothingSelectedChangesEveryDefaultAndNotesItOnce) {
  const float tensor = default_slot(PART_TENSOR, SLOT_LINE_WIDTH);
  std::string lines = qtest::recorded_lines([] { choose(Qedit_partlinew_menu[1]); });
  EXPECT_EQ(lines,
            "part: select_all_default\npart: modify_begin\npart: line_width 2\npart: modify_end\n");
  for (int t : Ten_types) EXPECT_EQ(default_slot(t, SLOT_LINE_WIDTH), 2.0f) << "type " << t;
  EXPECT_EQ(default_slot(PART_TENSOR, SLOT_LINE_WIDTH), tensor);
  EXPECT_EQ(attrs(1)[SLOT_LINE_WIDTH], 1.0f) << "parts keep theirs";

  ASSERT_TRUE(shown(Qedit_partdefnote_dialog));
  press_in(Qedit_partdefnote_dialog, "PartDefEdNotifyOkayAnd");
  EXPECT_FALSE(shown(Qedit_partdefnote_dialog));
  choose(Qedit_partlinew_menu[2]);
  EXPECT_EQ(default_slot(PART_MODEL, SLOT_LINE_WIDTH), 3.0f);
  EXPECT_FALSE(shown(Qedit_partdefnote_dialog)) << "switched off until the program ends";
}

TEST_F(QeditPart, CancelledFeatureAngleLeavesRepresentationAndMenu) {
  attrs(1)[SLOT_ELT_REP] = ELT_REP_BORDER;
  select_rows({1});
  ASSERT_TRUE(XmToggleButtonGetState(Qedit_partrep_menu[1].widget));  // "Border"
  answer_prompt(nullptr, "Cancel");
  choose(Qedit_partrep_menu[2]);
  EXPECT_EQ(attrs(1)[SLOT_ELT_REP], (float)ELT_REP_BORDER);
  EXPECT_TRUE(XmToggleButtonGetState(Qedit_partrep_menu[1].widget));
  EXPECT_FALSE(XmToggleButtonGetState(Qedit_partrep_menu[2].widget));
}

TEST_F(QeditPart, HiddenLineNoteEachTimeUntilSwitchedOff) {
  Hlinet = 0;
  attrs(1)[SLOT_HIDDEN_LINE] = 0;
  select_rows({1});
  for (int round = 0; round < 2; round++) {
    press_icon(HLINE);  // on: the note
    EXPECT_EQ(attrs(1)[SLOT_HIDDEN_LINE], 1.0f);
    ASSERT_TRUE(shown(Qedit_partgvsp_dialog)) << "round " << round;
    press_in(Qedit_partgvsp_dialog, round ? "PartQeditGvsPOkayAnd" : "PartQeditGvsPOkay");
    EXPECT_FALSE(shown(Qedit_partgvsp_dialog));
    press_icon(HLINE);  // off: no note
    EXPECT_EQ(attrs(1)[SLOT_HIDDEN_LINE], 0.0f);
    EXPECT_FALSE(shown(Qedit_partgvsp_dialog));
  }
  press_icon(HLINE);
  EXPECT_FALSE(shown(Qedit_partgvsp_dialog)) << "not again after Okay and Do Not Notify Again.";
}

TEST_F(QeditPart, TransparencySliderNeedsASelectionAndRecordsOnRelease) {
  press_icon(OPACITY);
  ASSERT_TRUE(shown(Qedit_parttransp_dialog));
  const float before = default_slot(PART_MODEL, SLOT_OPAQUENESS);
  slide(30, XmNdragCallback);
  EXPECT_NE(qtest::xt_take_error().find(
                "Must have a part selected. Can't change part defaults with the slider."),
            std::string::npos);
  slide(30, XmNvalueChangedCallback);
  EXPECT_EQ(default_slot(PART_MODEL, SLOT_OPAQUENESS), before);
  EXPECT_EQ(attrs(1)[SLOT_OPAQUENESS], 1.0f);

  select_rows({2});
  std::string dragged = qtest::recorded_lines([] { slide(30, XmNdragCallback); });
  EXPECT_EQ(dragged, "");
  EXPECT_FLOAT_EQ(attrs(2)[SLOT_OPAQUENESS], 0.3f);
  EXPECT_EQ(attrs(1)[SLOT_OPAQUENESS], 1.0f);
  std::string released = qtest::recorded_lines([] { slide(50, XmNvalueChangedCallback); });
  EXPECT_NE(released.find("part: modify_begin\npart: opaqueness 5.0000e-01\npart: modify_end\n"),
            std::string::npos)
      << released;
  EXPECT_EQ(released.find("modify_begin"), released.rfind("modify_begin")) << released;
  EXPECT_FLOAT_EQ(attrs(2)[SLOT_OPAQUENESS], 0.5f);
}

TEST_F(QeditPart, RefusalsChangeNothing) {
  struct Case {
    const char *name;
    std::function<void()> setup, act;
    const char *message;
  } cases[] = {
      {"node variable, mixed size-by",
       [] {
         attrs(1)[SLOT_NODE_SIZE_BY] = 1;
         attrs(2)[SLOT_NODE_SIZE_BY] = 2;
         select_rows({1, 2});
       },
       [] { qeditgenpart_attr_apply(SLOT_NODE_VARIABLE, 1.0f, 0.0f, 0); },
       "Can't change variable for parts with different node Size By types."},
      {"node labels missing",
       [] {
         Node_labels[0] = 0;
         select_rows({1});
       },
       [] { press_icon(NODLBL); }, "Node labels not available for parts in this case."},
      {"size by scalar, none active",
       [] {
         Test_vars[0].active = 0;
         select_rows({1});
       },
       [] { qeditgenpart_attr_apply(SLOT_NODE_SIZE_BY, 1.0f, 0.0f, 0); },
       "No scalar variables currently activated."},
      {"node variable from the popup, mixed size-by",
       [] {
         attrs(1)[SLOT_NODE_SIZE_BY] = 1;
         attrs(2)[SLOT_NODE_SIZE_BY] = 2;
         select_rows({1, 2});
         press_icon(NODREP);
       },
       [] {
         const Dyn_option_menu_rec &m = Qedit_partnoderep_var_dynoption;
         ASSERT_GE(m.count, 1);
         qtest::xt_activate(m.rows[0].widget);
       },
       "Can't change variable for parts with different node Size By types."},
      {"size by Scalar from the popup, none active",
       [] {
         Test_vars[0].active = 0;
         select_rows({1});
         press_icon(NODREP);
       },
       [] { qtest::xt_activate(Qedit_partnoderep_sizeby_menu[1].widget); },
       "No scalar variables currently activated."},
  };
  for (const Case &c : cases) {
    two_variables();
    for (int n : {1, 2}) {
      attrs(n)[SLOT_NODE_SIZE_BY] = 0;
      attrs(n)[SLOT_NODE_VARIABLE] = -1;
      attrs(n)[SLOT_LABEL_NODE] = 0;
    }
    c.setup();
    float before[2][PART_ATTR_SLOTS];
    for (int n : {1, 2}) memcpy(before[n - 1], attrs(n), sizeof before[0]);
    c.act();
    const std::string error = qtest::xt_take_error();
    EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
    for (int n : {1, 2})
      EXPECT_EQ(memcmp(before[n - 1], attrs(n), sizeof before[0]), 0) << c.name << ", part " << n;
    if (shown(Qedit_partnoderep_dialog)) XtUnmanageChild(Qedit_partnoderep_dialog);
  }
}

TEST_F(QeditPart, IconsFollowTheFirstSelectedPart) {
  float *a = attrs(1);
  a[SLOT_ELT_REP] = ELT_REP_BOUNDING_BOX;
  a[SLOT_LINE_WIDTH] = 7;
  a[SLOT_VISIBLE] = 0;
  const int mirrors[8] = {17, 16, 15, 18, 20, 19, 21, 3};  // menu order
  for (int k = 0; k < 8; k++) a[mirrors[k]] = (float)(k % 2);
  select_rows({1, 2});
  EXPECT_TRUE(XmToggleButtonGetState(Qedit_partrep_menu[3].widget));  // "Bounding Box"
  for (int k = 0; k < 6; k++)
    EXPECT_EQ(XmToggleButtonGetState(Qedit_partrep_menu[k].widget), k == 3)
        << Qedit_partrep_menu[k].label;
  for (Menu_item_rec &r : Qedit_partlinew_menu)
    EXPECT_FALSE(XmToggleButtonGetState(r.widget)) << r.label;
  for (int k = 0; k < 8; k++)
    EXPECT_EQ(XmToggleButtonGetState(Qedit_partsymm_menu[k].widget), k % 2 == 1)
        << Qedit_partsymm_menu[k].label;
  EXPECT_EQ(Qedit_part_tbl[VISIBLE].state, 0);

  // The part column as shown once every icon has drawn its picture.
  Widget column = Qedit_icon_rowcol[0];
  ASSERT_TRUE(qtest::inproc_wait_for([] { return every_button_drawn(); })) << "blank icons";
  XWindowAttributes attr;
  ASSERT_TRUE(XGetWindowAttributes(XtDisplay(column), XtWindow(column), &attr));
  XImage *img = XGetImage(XtDisplay(column), XtWindow(column), 0, 0, attr.width, attr.height,
                          AllPlanes, ZPixmap);
  ASSERT_NE(img, nullptr);
  // Flipping an icon redraws that icon alone: the others stay drawn
  // without waiting for the column to be exposed again.
  press_icon(VISIBLE);
  EXPECT_TRUE(every_button_drawn(Qedit_part_tbl[VISIBLE].button));
  press_icon(VISIBLE);
  ASSERT_TRUE(qtest::inproc_wait_for([] { return every_button_drawn(); })) << "blank icons";
  qtest::TempDir dir("qpartcol");
  const std::string ppm = dir.file("column.ppm");
  ASSERT_TRUE(qtest::write_ppm(img, ppm));
  XDestroyImage(img);
  const long diff = qtest::compare_with_baseline(ppm, "qedit_part_column.png", 5);
  EXPECT_GE(diff, 0) << "compare " << ppm << " with " << qtest::baseline_path("qedit_part_column.png");
  EXPECT_LT(diff, attr.width * attr.height / 200)
      << "compare " << ppm << " with " << qtest::baseline_path("qedit_part_column.png");
}

// The node representation popup: filled from the first selected part, each
// field applying its own slot, Size By taking the first variable of its kind.
namespace node_popup {

Widget part(const char *name) { return XtNameToWidget(Qedit_partnoderep_dialog, name); }
// The text field named name (inside its labelled row of the same name).
Widget field(const char *name) {
  Widget w = part(("*" + std::string(name)).c_str());
  if (w && !XmIsTextField(w)) w = XtNameToWidget(w, name);
  return w;
}
// The entry an option menu shows.
Widget shown_entry(Widget optmenu) {
  Widget w = nullptr;
  XtVaGetValues(optmenu, XmNmenuHistory, &w, nullptr);
  return w;
}
// Picks an option menu entry as a click does.
void pick(Widget optmenu, Widget entry) {
  XtVaSetValues(optmenu, XmNmenuHistory, entry, nullptr);
  qtest::xt_activate(entry);
}
void type_in(Widget w, const char *text) {
  XmTextFieldSetString(w, const_cast<char *>(text));
  XtCallCallbacks(w, XmNactivateCallback, nullptr);
}
Widget type_menu() { return part("PartQeditNodeRepTypOptionMenu"); }
Widget sizeby_menu() { return part("PartQeditNodeRepSizByOptionMenu"); }
Dyn_option_menu_rec &variable_menu() { return Qedit_partnoderep_var_dynoption; }
std::string variable_shown() {
  Widget w = shown_entry(variable_menu().optmenu);
  for (int k = 0; k < variable_menu().count; k++)
    if (variable_menu().rows[k].widget == w) return variable_menu().rows[k].label;
  return "?";
}

}  // namespace node_popup

TEST_F(QeditPart, NodePopupShowsAndAppliesTheFirstSelectedPart) {
  using namespace node_popup;
  two_variables();
  float *a = attrs(2);
  a[SLOT_VIS_NODE] = 1;
  a[SLOT_NODE_TYPE] = 2;  // "Sphere"
  a[SLOT_NODE_SCALE] = 0.5f;
  a[SLOT_NODE_DETAIL] = 3;
  a[SLOT_NODE_SIZE_BY] = 2;  // "Vector Mag"
  a[SLOT_NODE_VARIABLE] = 2;  // the vector
  select_rows({2});
  press_icon(NODREP);
  ASSERT_TRUE(shown(Qedit_partnoderep_dialog));
  ASSERT_NE(type_menu(), nullptr);
  ASSERT_NE(sizeby_menu(), nullptr);
  ASSERT_NE(field("PartQeditNodeRepScaleText"), nullptr);
  ASSERT_NE(field("PartQeditNodeRepDetLvlLabel"), nullptr);
  EXPECT_TRUE(XmToggleButtonGetState(part("*PartQeditNodeVis")));
  EXPECT_EQ(shown_entry(type_menu()), Qedit_partnodereptype_menu[2].widget);
  EXPECT_EQ(qtest::xt_field_text(field("PartQeditNodeRepScaleText")), "5.0000e-01");
  EXPECT_EQ(qtest::xt_field_text(field("PartQeditNodeRepDetLvlLabel")), "3");
  EXPECT_EQ(shown_entry(sizeby_menu()), Qedit_partnoderep_sizeby_menu[2].widget);
  EXPECT_EQ(variable_shown(), "displacement");

  // Each control applies its slot to the selected part only, recorded.
  std::string lines = qtest::recorded_lines([] {
    type_in(field("PartQeditNodeRepScaleText"), "2.5");
  });
  EXPECT_NE(lines.find("part: modify_begin\n"), std::string::npos) << lines;
  EXPECT_EQ(a[SLOT_NODE_SCALE], 2.5f);
  type_in(field("PartQeditNodeRepDetLvlLabel"), "7");
  EXPECT_EQ(a[SLOT_NODE_DETAIL], 7.0f);
  XmToggleButtonSetState(part("*PartQeditNodeVis"), False, True);
  EXPECT_EQ(a[SLOT_VIS_NODE], 0.0f);
  pick(type_menu(), Qedit_partnodereptype_menu[1].widget);  // "Cross"
  EXPECT_EQ(a[SLOT_NODE_TYPE], 1.0f);
  EXPECT_EQ(attrs(1)[SLOT_NODE_TYPE], default_slot(PART_MODEL, SLOT_NODE_TYPE));

  // "Scalar" takes the first active scalar and the Variable menu lists scalars.
  pick(sizeby_menu(), Qedit_partnoderep_sizeby_menu[1].widget);
  EXPECT_EQ(a[SLOT_NODE_SIZE_BY], 1.0f);
  EXPECT_EQ(a[SLOT_NODE_VARIABLE], 1.0f);
  EXPECT_EQ(variable_shown(), "pressure");
  // The Variable menu's last entry, "None", sets no variable.
  ASSERT_EQ(variable_menu().count >= 2, true);
  pick(variable_menu().optmenu, variable_menu().rows[1].widget);
  EXPECT_EQ(std::string(variable_menu().rows[1].label), "None");
  EXPECT_EQ(a[SLOT_NODE_VARIABLE], -1.0f);
  pick(variable_menu().optmenu, variable_menu().rows[0].widget);
  EXPECT_EQ(a[SLOT_NODE_VARIABLE], 1.0f);
  EXPECT_EQ(qtest::xt_take_error(), "");
}

// ---- Displace panel ----------------------------------------------------------------

class DisplacePanel : public QeditPart {
 protected:
  void SetUp() override {
    QeditPart::SetUp();
    two_variables();
    int minus = -1;
    main_interact_managethis(11, 1, &minus, &minus);
    ASSERT_NE(Featintr_dispvar_list, nullptr);
  }
  void pick_variable(int position) {
    XmListDeselectAllItems(Featintr_dispvar_list);
    XmListSelectPos(Featintr_dispvar_list, position, False);
  }
  void apply() { qtest::xt_activate(XtNameToWidget(Feature_tbl[11].panel, "PartIntrDispUpdtButton")); }
  int shown_entry() { return XtarvOptionMenuCurrentState(Featintr_dispby_optmen, Featintr_dispby_menu); }
};

TEST_F(DisplacePanel, OnlyANodeVectorDisplaces) {
  select_rows({1});
  pick_variable(1);  // the scalar
  apply();
  EXPECT_NE(qtest::xt_take_error().find(
                "Displacement can only be done with a node-based VECTOR variable."),
            std::string::npos);
  EXPECT_EQ(attrs(1)[SLOT_DISPLACE_BY], -1.0f);

  pick_variable(2);
  std::string lines = qtest::recorded_lines([this] { apply(); });
  EXPECT_EQ(attrs(1)[SLOT_DISPLACE_BY], 2.0f);
  EXPECT_EQ(attrs(2)[SLOT_DISPLACE_BY], -1.0f);
  EXPECT_NE(lines.find("part: modify_begin\n"), std::string::npos) << lines;
  EXPECT_NE(lines.find("part: modify_end\n"), std::string::npos) << lines;
}

TEST_F(DisplacePanel, NoneWithNothingSelectedReachesTheTenDefaults) {
  Default_partedit_notify = 0;
  const float tensor = default_slot(PART_TENSOR, SLOT_DISPLACE_BY);
  pick_variable(2);
  apply();
  for (int t : Ten_types) ASSERT_EQ(default_slot(t, SLOT_DISPLACE_BY), 2.0f) << "type " << t;
  EXPECT_EQ(default_slot(PART_TENSOR, SLOT_DISPLACE_BY), tensor) << "tensor glyphs keep theirs";
  XtarvOptionMenuSetState(Featintr_dispby_optmen, Featintr_dispby_menu, 1, 1);  // "None"
  for (int t : Ten_types) EXPECT_EQ(default_slot(t, SLOT_DISPLACE_BY), -1.0f) << "type " << t;
  EXPECT_EQ(default_slot(PART_TENSOR, SLOT_DISPLACE_BY), tensor) << "tensor glyphs keep theirs";
}

TEST_F(DisplacePanel, FillingFollowsThePartOrTheDefaults) {
  attrs(1)[SLOT_DISPLACE_BY] = 2;
  Test_vars[1].active = 0;  // deactivated since
  intrdisplace_init_sect(1);
  int *positions = nullptr, count = 0;
  ASSERT_TRUE(XmListGetSelectedPos(Featintr_dispvar_list, &positions, &count));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(positions[0], 1);
  XtFree(reinterpret_cast<char *>(positions));
  EXPECT_EQ(shown_entry(), 0);  // "Variable"

  intrdisplace_init_sect(-1);
  EXPECT_EQ(qtest::xt_field_text(Featintr_dispfactor_text), "1.0000e+00");
  EXPECT_EQ(shown_entry(), 1);  // "None"
}

}  // namespace

namespace {

// The largest part of the mixed model read by the real stand-in server.
class QeditPartModel : public qtest::ModelWindowTest {};

TEST_F(QeditPartModel, FeatureAngleRebuildsThePartOnTheServer) {
  const int index = model_->largest_part();
  ASSERT_GE(index, 0);
  const int number = parts[index]->number;
  mainprt_list_refresh();
  int row = 0;
  for (int i = 0; i <= index; i++) row += parts[i]->parent_group == -1;
  select_rows({row});
  Default_partedit_notify = 0;
  answer_prompt("30", "Okay");
  choose(Qedit_partrep_menu[2]);  // "Feature Angle"
  EXPECT_EQ(attrs(number)[SLOT_ELT_REP], (float)ELT_REP_FEATURE_ANGLE);
  EXPECT_EQ(attrs(number)[SLOT_FEATURE_ANGLE], 30.0f);
  const std::string log = model_->servers().log_of(model_->servers().started().at(0));
  const size_t deleted = log.find("delete feature " + std::to_string(number));
  ASSERT_NE(deleted, std::string::npos) << log;
  const size_t load = log.find("loadp_many", deleted);
  ASSERT_NE(load, std::string::npos) << log;
  const std::string line = log.substr(load, log.find('\n', load) - load);
  EXPECT_NE(line.find("reps 2"), std::string::npos) << line;
  EXPECT_NE(line.find("angles 30"), std::string::npos) << line;
}

}  // namespace
