// The Transformation Editor's windows built on the in-process main window
// and driven through their real controls: the "Editor Function" modes with
// their titles, sections and action icons, the slider and the limit field,
// the frame list, and the reset dialog's constraint toggles.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/Scale.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "inproc_main_window.h"
#include "interact/support.h"
#include "record_capture.h"
#include "ui/menus.h"
#include "ui/transf_buttons.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/transf_editor.h"
#include "view/ui/frame_panel.h"
#include "view/ui/transf_dialog.h"
#include "view/ui/transf_feedback_windep.h"
#include "view/ui/transf_tool_sections.h"
#include "view/ui/viewer_section.h"
#include "view/ui/viewport_panel.h"
#include "view/ui/zclip_section.h"
#include "view/viewports.h"
#include "xt_shell.h"

namespace {

using qtest::recorded_lines;

// The editor's shell title.
std::string title_of(Widget dialog) {
  char *title = nullptr;
  XtVaGetValues(XtParent(dialog), XmNtitle, &title, nullptr);
  return title ? title : "";
}

bool managed(Widget w) { return w && XtIsManaged(w); }

// The "Editor Function" toggle labelled label.
Widget mode_toggle(const char *label) {
  for (const Menu_item_rec &r : Transf_mode_menu)
    if (r.kind == XtarvTOGGLEBUTTON && std::string(r.label) == label) return r.widget;
  return nullptr;
}

// Chooses a mode as a click on its toggle does.
void choose(const char *label) {
  Widget w = mode_toggle(label);
  ASSERT_NE(w, nullptr) << label;
  XmToggleButtonSetState(w, True, True);
}

// The labels of the "Editor Function" toggles that are on.
std::vector<std::string> toggles_on() {
  std::vector<std::string> on;
  for (const Menu_item_rec &r : Transf_mode_menu)
    if (r.kind == XtarvTOGGLEBUTTON && XmToggleButtonGetState(r.widget)) on.push_back(r.label);
  return on;
}

// Which of the five action icons (rotate, translate, zoom, band zoom,
// scale) are sensitive.
std::vector<int> sensitive_icons() {
  std::vector<int> s;
  for (int r = 0; r < 5; r++) s.push_back(XtIsSensitive(Qedit_transfbut_tbl[r].button) ? 1 : 0);
  return s;
}

Widget reset_icon() {
  for (const Transf_button_rec &r : Qedit_transfbut_tbl)
    if (r.action == 6) return r.button;
  return nullptr;
}

int scale_resource(const char *name) {
  int v = 0;
  XtVaGetValues(Transf_scale, name, &v, nullptr);
  return v;
}

class TransfEditorWindows : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    int count = 1, list[MAX_VIEWPORTS] = {0};
    current_selected_viewports(&count, list, 1);
    // Rotating in the global mode, then the Edit menu's entry.
    What_trans = 0;
    qedit_switch_action_windep(0, Qedit_transfbut_tbl[0].button, 0);
    transf_dialog_manageinitCB(nullptr, nullptr, nullptr);
    ASSERT_TRUE(managed(Transformation_dialog));
    // The frame location section's stand-in while the frame dialogs build
    // none.
    if (!Frame_feedback_form)
      Frame_feedback_form = XtCreateWidget("FrameLocStandIn", xmFormWidgetClass,
                                           XtParent(Feedback_label), nullptr, 0);
  }
  void TearDown() override {
    if (Transformation_dialog) choose("Global Transform");
    Curson = Lineon = Planon = 0;
    qtest::xt_take_error();
  }
};

TEST_F(TransfEditorWindows, OpensInTheGlobalModeWithTheViewportChooser) {
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Global Transform)");
  EXPECT_EQ(toggles_on(), std::vector<std::string>{"Global Transform"});
  EXPECT_TRUE(managed(Transf_main_form));
  EXPECT_TRUE(managed(Transf_whichvp_lbl));
  EXPECT_TRUE(managed(Transf_linktransf_tggl));
  EXPECT_FALSE(managed(XtParent(Transf_whichframe_list)));
  EXPECT_FALSE(managed(Feedback_label));
  for (Widget w : {Feedback_cursor_form, Feedback_line_form, Feedback_plane_form,
                   Feedback_quadric_form, Zclip_main_form, Viewer_main_form})
    EXPECT_FALSE(managed(w)) << XtName(w);
  EXPECT_EQ(qtest::xt_label_text(Transf_curmode_lbl), "Current Transformation Mode:(Rotate)");
  // Before the first fill the column labels hold their placeholder.
  for (Widget w : {Feedback_cur_lbl[0], Feedback_lin_lbl[2], Feedback_pln_lbl[1]})
    EXPECT_EQ(qtest::xt_label_text(w), "XX");
  // "Close" hides the editor; the Edit menu's entry shows the same one again.
  const Widget editor = Transformation_dialog;
  qtest::xt_activate(XtNameToWidget(editor, "TransfClose"));
  EXPECT_FALSE(managed(editor));
  transf_dialog_manageinitCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(Transformation_dialog, editor);
  EXPECT_TRUE(managed(editor));
}

TEST_F(TransfEditorWindows, CursorWhileRotatingMakesTranslateTheOnlyAction) {
  const std::string rec = recorded_lines([] { choose("Cursor"); });
  EXPECT_EQ(rec, "view_transf: function cursor\nview_transf: action translate\n");
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Cursor Tool)");
  EXPECT_EQ(toggles_on(), std::vector<std::string>{"Cursor"});
  EXPECT_EQ(sensitive_icons(), (std::vector<int>{0, 1, 0, 0, 0}));
  EXPECT_EQ(Curson, 1);
  EXPECT_TRUE(managed(Feedback_cursor_form));
  EXPECT_TRUE(managed(Feedback_label));
  EXPECT_FALSE(managed(Feedback_line_form));
  EXPECT_TRUE(managed(XtParent(Transf_whichframe_list)));
  EXPECT_FALSE(managed(Transf_whichvp_lbl));
  const char *letters[3] = {"X", "Y", "Z"};
  for (int i = 0; i < 3; i++) EXPECT_EQ(qtest::xt_label_text(Feedback_cur_lbl[i]), letters[i]);
  EXPECT_EQ(qtest::xt_label_text(Transf_curmode_lbl), "Current Transformation Mode:(Translate)");
}

TEST_F(TransfEditorWindows, DefinitionShowsTheFrameLocationAndLocksReset) {
  EXPECT_TRUE(XtIsSensitive(reset_icon()));
  choose("Definition");
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Frame Definition)");
  EXPECT_TRUE(managed(Frame_feedback_form));
  for (Widget w : {Feedback_cursor_form, Feedback_line_form, Feedback_plane_form,
                   Feedback_quadric_form})
    EXPECT_FALSE(managed(w)) << XtName(w);
  EXPECT_FALSE(managed(Feedback_label));
  EXPECT_FALSE(XtIsSensitive(reset_icon()));
  EXPECT_EQ(sensitive_icons(), (std::vector<int>{1, 1, 0, 0, 0}));
  choose("Plane");
  EXPECT_TRUE(XtIsSensitive(reset_icon()));
  EXPECT_FALSE(managed(Frame_feedback_form));
  EXPECT_TRUE(managed(Feedback_plane_form));
}

// The quadric mode that the clip, trace and query panels ask for names the
// current quadric tool; without one it is refused and nothing changes.
TEST_F(TransfEditorWindows, QuadricModeFollowsTheCurrentQuadricTool) {
  Curve_clip_tool = 0;
  std::string rec = recorded_lines([] { transf_dialog_managesetmodeinit(5); });
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: No Quadric Tool chosen, mode cannot be Quadric.");
  EXPECT_EQ(rec, "");
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Global Transform)");
  EXPECT_EQ(What_trans, 0);
  EXPECT_FALSE(managed(Feedback_quadric_form));

  Curve_clip_tool = 2;
  rec = recorded_lines([] { transf_dialog_managesetmodeinit(5); });
  EXPECT_EQ(rec.rfind("view_transf: function sphere\n", 0), 0u) << rec;
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Sphere Tool)");
  EXPECT_EQ(What_trans, 7);
  EXPECT_EQ(toggles_on(), std::vector<std::string>{"Sphere"});
  EXPECT_TRUE(managed(Feedback_quadric_form));
  Curve_clip_tool = 0;
}

TEST_F(TransfEditorWindows, ZClipAndViewerModesShowOnlyTheirSection) {
  std::string rec = recorded_lines([] { choose("Z-Clip"); });
  EXPECT_EQ(rec, "view_transf: function global\n");
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Z-Clip)");
  EXPECT_FALSE(managed(Transf_main_form));
  EXPECT_TRUE(managed(Zclip_main_form));
  EXPECT_FALSE(managed(Viewer_main_form));
  EXPECT_EQ(What_trans, 0);

  choose("Look At/Look From");
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Look At/Look From)");
  EXPECT_FALSE(managed(Transf_main_form));
  EXPECT_FALSE(managed(Zclip_main_form));
  EXPECT_TRUE(managed(Viewer_main_form));
  EXPECT_EQ(toggles_on(), std::vector<std::string>{"Look At/Look From"});
}

TEST_F(TransfEditorWindows, SliderFollowsTheActionAndAZeroLimitIsRefused) {
  const struct {
    int icon;           // row of Qedit_transfbut_tbl
    const char *limit;  // typed into the limit field first, or null
    int end, decimals;
  } cases[] = {
      {0, nullptr, 90, 0},  // rotate: -90..90 degrees
      {1, "0.05", 50, 3},   // translate: -0.050..0.050
      {4, nullptr, 100, 2}, // scale: -1.00..1.00
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(Qedit_transfbut_tbl[c.icon].label);
    XtCallCallbacks(Qedit_transfbut_tbl[c.icon].button, XmNactivateCallback, nullptr);
    if (c.limit) qtest::xt_enter_text(Transf_scalelimit_text, c.limit);
    EXPECT_EQ(scale_resource(XmNminimum), -c.end);
    EXPECT_EQ(scale_resource(XmNmaximum), c.end);
    EXPECT_EQ(scale_resource(XmNdecimalPoints), c.decimals);
    EXPECT_EQ(scale_resource(XmNvalue), 0);
  }
  XtCallCallbacks(Qedit_transfbut_tbl[0].button, XmNactivateCallback, nullptr);
  // A letter entered as the increment counts as 0: a step of 0 degrees.
  std::string rec = recorded_lines([] { qtest::xt_enter_text(Transf_scaleincr_text, "x"); });
  EXPECT_EQ(rec, "view_transf: rotate 0.000000 0.000000 0.000000\n");
  EXPECT_EQ(qtest::xt_field_text(Transf_scaleincr_text), "0.000000");
  Vewvalues[0] = 1.0f;
  rec = recorded_lines([] { qtest::xt_enter_text(Transf_scalelimit_text, "0"); });
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: The transformation increment limit must be > 0.");
  EXPECT_EQ(rec, "");
  EXPECT_EQ(Vewvalues[1], 90.0f);
  EXPECT_EQ(scale_resource(XmNminimum), -90);
  EXPECT_EQ(scale_resource(XmNmaximum), 90);
}

TEST_F(TransfEditorWindows, FrameListShowsTheFramesAndSelectsThem) {
  choose("Transform");
  EXPECT_EQ(title_of(Transformation_dialog), "Transformation Editor (Frame Transform)");
  int items = 0;
  XtVaGetValues(Transf_whichframe_list, XmNitemCount, &items, nullptr);
  ASSERT_GE(Num_frames, 1);
  EXPECT_EQ(items, Num_frames);
  XmListSelectPos(Transf_whichframe_list, 1, True);
  int count = 0, numbers[MAX_FRAMES];
  current_selected_frames(&count, numbers, 0);
  int first = -1;
  char name[FRAME_NAME_LEN];
  getframe(0, &first, name);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(numbers[0], first);
  // A refresh keeps the selection shown.
  transf_dialog_init();
  int *positions = nullptr, selected = 0;
  ASSERT_TRUE(XmListGetSelectedPos(Transf_whichframe_list, &positions, &selected));
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(positions[0], 1);
  XtFree(reinterpret_cast<char *>(positions));
}

TEST_F(TransfEditorWindows, ResetDialogKeepsOneConstraintToggleSet) {
  XtCallCallbacks(reset_icon(), XmNactivateCallback, nullptr);
  ASSERT_TRUE(managed(Transf_redowhichviewp_dialog));
  EXPECT_EQ(title_of(Transf_redowhichviewp_dialog), "Reset Tools and Viewport(s)");
  ASSERT_EQ(Reset_tools_constraint, 0);
  EXPECT_TRUE(XmToggleButtonGetState(Transf_redobyglobal_tggl));
  EXPECT_FALSE(XmToggleButtonGetState(Transf_redobycurviewp_tggl));
  // Clearing the set toggle sets it again.
  std::string rec =
      recorded_lines([] { XmToggleButtonSetState(Transf_redobyglobal_tggl, False, True); });
  EXPECT_EQ(rec, "");
  EXPECT_TRUE(XmToggleButtonGetState(Transf_redobyglobal_tggl));
  EXPECT_EQ(Reset_tools_constraint, 0);
  // Setting the other one moves the constraint.
  rec = recorded_lines([] { XmToggleButtonSetState(Transf_redobycurviewp_tggl, True, True); });
  EXPECT_EQ(rec, "view_transf: reset_tool_constrain by_viewport\n");
  EXPECT_FALSE(XmToggleButtonGetState(Transf_redobyglobal_tggl));
  EXPECT_EQ(Reset_tools_constraint, 1);
  transf_redo_closeCB(nullptr, nullptr, nullptr);
  EXPECT_FALSE(managed(Transf_redowhichviewp_dialog));
  transf_resettool_constraint(0, 1);
}

}  // namespace
