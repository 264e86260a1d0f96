// The quick-edit column as real widgets: its panels from the six tables,
// the mode switch with the transformation mode carried across frame mode
// and recorded, the view-mode icons, and a picture of the column showing
// the two-state icons.
#include <gtest/gtest.h>
#include <X11/Xutil.h>
#include <Xm/Form.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "client/command_dlog.h"
#include "client/startup.h"
#include "harness.h"
#include "interact/movmnt.h"
#include "render/disobj.h"
#include "screenshot.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "view/frames.h"
#include "view/ui/frame_panel.h"
#include "view/observer.h"
#include "xt_shell.h"

namespace {

// The column is built once per test process, on a private X server so that
// no other test's window covers it in the picture.
Widget column() {
  static std::unique_ptr<qtest::Xvfb> own;
  if (Qedit_iconform) return Qedit_iconform;
  if (!own) {
    own = std::make_unique<qtest::Xvfb>();
    if (own->ok()) setenv("DISPLAY", own->display().c_str(), 1);
  }
  qtest::XtShell &s = qtest::xt_shell();
  if (!s.ok) return nullptr;
  snprintf(Main_highlight_colname, COLOR_NAME_TEXT, "%s", "mediumspringgreen");
  get_needed_ui_colors();
  snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s",
           qtest::source_home().c_str());
  Arg a[3];
  XtSetArg(a[0], XmNtopAttachment, XmATTACH_FORM);
  XtSetArg(a[1], XmNleftAttachment, XmATTACH_FORM);
  XtSetArg(a[2], XmNbottomAttachment, XmATTACH_FORM);
  // Built while the shell's form is unmanaged, as the main window builds it
  // before its form is shown, so that the column is laid out from its
  // children.
  XtUnmanageChild(s.form);
  Widget form = gen_qedit_iconsection(s.form, a, 3);
  XtManageChild(form);
  XtManageChild(s.form);
  // Until the form has been laid out it is one pixel wide.
  qtest::xt_wait_for([form] {
    Dimension w = 0;
    XtVaGetValues(form, XmNwidth, &w, nullptr);
    return w > 60;
  });
  qtest::xt_wait_for([] { return false; }, 200);
  return form;
}

class QuickEdit : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(column(), nullptr);
    qedit_switch_iconpanel_windep(1, 0);
    What_trans = 0;
    Frame_current_transmode = 1;
    frame_icons_refresh();
  }
};

TEST_F(QuickEdit, PanelsFromTheTables) {
  struct Case {
    Qedit_icon_rec *tbl;
    int rows;
    int panel;
    const char *first_name;
  } cases[] = {
      {Qedit_part_tbl, QEDIT_PART_ROWS, 0, "QedLocalPick_Object"},
      {Qedit_annot_tbl, QEDIT_ANNOT_ROWS, 1, "QedTextaNew_Text...PushBG"},
      {Qedit_graph_tbl, QEDIT_GRAPH_ROWS, 2, "QedGraphVisibilityPushBG"},
      {Qedit_viewport_tbl, QEDIT_VIEWPORT_ROWS, 3, "QedViewpViewport_Layouts"},
      {Qedit_frame_tbl, QEDIT_FRAME_ROWS, 4, "QedFrameNew_FramePushBG"},
      {Qedit_scene_tbl, QEDIT_SCENE_ROWS, 5, "QedSceneHidden_SurfacePushBG"},
  };
  for (const Case &c : cases) {
    for (int r = 0; r < c.rows; r++) {
      ASSERT_NE(c.tbl[r].button, nullptr) << c.tbl[r].tag;
      EXPECT_EQ(XtParent(c.tbl[r].button), Qedit_icon_rowcol[c.panel]) << c.tbl[r].tag;
      if (c.tbl[r].kind == 13) {
        EXPECT_GT(c.tbl[r].option_count, 0) << c.tbl[r].tag;
        EXPECT_NE(c.tbl[r].options[c.tbl[r].option_count - 1].widget, nullptr) << c.tbl[r].tag;
      }
    }
    EXPECT_STREQ(XtName(c.tbl[0].button), c.first_name);
  }
  // Annotation row 7 (order 7) stands before row 6 (order 8).
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(Qedit_icon_rowcol[1], XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  ASSERT_GE(n, 14u);
  EXPECT_EQ(kids[12], Qedit_annot_tbl[7].button);  // button, caption per row
  EXPECT_EQ(kids[14], Qedit_annot_tbl[6].button);
}

TEST_F(QuickEdit, SwitchingModesManagesOnePanelAndGreensItsSelector) {
  for (int r = 0; r < QEDIT_PANELS; r++) {
    const int mode = Qedit_selectbut_tbl[r].mode;
    qtest::xt_activate(Qedit_selectbut_tbl[r].button);
    EXPECT_EQ(Current_mode, mode);
    EXPECT_EQ(Last_current_mode, mode);
    for (int p = 0; p < QEDIT_PANELS; p++) EXPECT_EQ(XtIsManaged(Qedit_icon_rowcol[p]), p == r);
    Pixel bg = 0;
    XtVaGetValues(Qedit_selectbut_tbl[r].button, XmNbackground, &bg, nullptr);
    EXPECT_EQ(bg, Green.pixel) << r;
  }
  EXPECT_EQ(qedit_switch_iconpanel_windep(7, 1), -1);  // "Bad QuickEdit panel."
  EXPECT_EQ(Current_mode, 0);
}

TEST_F(QuickEdit, FrameModeCarriesAndRecordsTheTransformationMode) {
  qtest::TempDir dir("qrec");
  std::string path = dir.file("user.rec");
  Recrdr_backup = 0;
  ASSERT_EQ(cmd_recordto(path.c_str()), 1);
  Recrdr = 1;

  qtest::xt_activate(Qedit_selectbut_tbl[4].button);  // frame, "Transform" chosen
  EXPECT_EQ(Current_mode, 2);
  EXPECT_EQ(What_trans, 1);
  qtest::xt_activate(Qedit_selectbut_tbl[0].button);  // back to parts: global
  EXPECT_EQ(What_trans, 0);

  What_trans = 4;  // plane tool
  Frame_current_transmode = 10;
  frame_icons_refresh();  // "Definition" chosen
  qtest::xt_activate(Qedit_selectbut_tbl[4].button);
  EXPECT_EQ(What_trans, 10);
  qtest::xt_activate(Qedit_selectbut_tbl[5].button);  // view: the saved plane mode again
  EXPECT_EQ(Current_mode, 0);
  EXPECT_EQ(What_trans, 4);
  cmd_record_off();
  Recrdr = 0;

  std::string rec = qtest::read_file(path);
  const char *lines = "view_transf: function local\n"
                      "view_transf: function global\n"
                      "view_transf: function frame\n"
                      "view_transf: function plane\n";
  EXPECT_NE(rec.find(lines), std::string::npos) << rec;
}

TEST_F(QuickEdit, TransformationModeChoosesFrameOrPartMode) {
  What_trans = 10;
  qedit_panel_refresh_windep();
  EXPECT_EQ(Current_mode, 2);
  EXPECT_EQ(Frame_current_transmode, 10);
  EXPECT_TRUE(XmToggleButtonGetState(Frame_transf_menu[1].widget));
  EXPECT_FALSE(XmToggleButtonGetState(Frame_transf_menu[0].widget));
  EXPECT_EQ(What_trans, 10);  // not carried: the editor chose it
  What_trans = 2;
  qedit_panel_refresh_windep();
  EXPECT_EQ(Current_mode, 1);
}

TEST_F(QuickEdit, ViewIconsFlipTheirSettingsAndShowTwoStates) {
  // Every panel shown once, the view panel last: in a bare shell the column
  // takes its width only once a panel other than the first has been laid out.
  for (int r = 0; r < QEDIT_PANELS; r++) qtest::xt_activate(Qedit_selectbut_tbl[r].button);
  Solidt = 0;
  Hlinet = 1;
  Labele = 1;
  Labnod = 0;
  Plane_clipp_toggle = 0;
  Axiso2 = 1;
  qedit_scene_refresh();
  EXPECT_EQ(Qedit_scene_tbl[6].state, 1);
  qtest::xt_activate(Qedit_scene_tbl[0].button);  // Hidden Surface on
  EXPECT_EQ(Solidt, 1);
  qtest::xt_wait_for([] { return false; }, 300);

  Widget w = column();
  // Switching panels lays the column out again.
  ASSERT_TRUE(qtest::xt_wait_for([w] {
    Dimension width = 0;
    XtVaGetValues(w, XmNwidth, &width, nullptr);
    return width > 60;
  }));
  qtest::xt_wait_for([] { return false; }, 200);
  XWindowAttributes attr;
  ASSERT_TRUE(XGetWindowAttributes(XtDisplay(w), XtWindow(w), &attr));
  XImage *img = XGetImage(XtDisplay(w), XtWindow(w), 0, 0, attr.width, attr.height, AllPlanes,
                          ZPixmap);
  ASSERT_NE(img, nullptr);
  qtest::TempDir dir("qshot");
  std::string ppm = dir.file("column.ppm");
  ASSERT_TRUE(qtest::write_ppm(img, ppm));
  XDestroyImage(img);
  std::string baseline = qtest::baseline_path("quickedit_view_icons.png");
  // Hidden Surface and Hidden Line framed green on the right (on), the
  // label icons one on, one off, the triad's indicator filled.
  long diff = qtest::compare_with_baseline(ppm, "quickedit_view_icons.png", 5);
  EXPECT_GE(diff, 0) << "compare " << ppm << " with " << baseline;
  EXPECT_LT(diff, attr.width * attr.height / 200) << "compare " << ppm << " with " << baseline;
}

}  // namespace
