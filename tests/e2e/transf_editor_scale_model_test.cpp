// The Transformation Editor's step buttons on the mixed model read by the
// real stand-in server, in process, viewport 0 orthographic: the scale
// action with the increment 2 and "TransfMinArrow" halves the model's
// picture about the viewport centre and records the scale line.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/TextF.h>

#include <algorithm>
#include <string>
#include <vector>

#include "inproc_main_window.h"
#include "model_view.h"
#include "model_window_test.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "record_capture.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "ui/menus.h"
#include "ui/transf_buttons.h"
#include "view/observer.h"
#include "view/recentre.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

// The box of the pixels that are not background black, in window pixels
// from the lower-left corner, as edges' distances from the window centre.
struct Extent {
  bool any = false;
  double left = 0, right = 0, bottom = 0, top = 0;
};

Extent model_extent(int w, int h) {
  const std::vector<unsigned char> rgb = qtest::graphics_window_pixels(w, h);
  int x0 = w, x1 = -1, y0 = h, y1 = -1;
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      const unsigned char *p = &rgb[3 * ((size_t)y * w + x)];
      if (p[0] + p[1] + p[2] <= 24) continue;
      x0 = std::min(x0, x), x1 = std::max(x1, x);
      y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
  Extent e;
  e.any = x1 >= 0;
  // Pixel edges: the box spans x0 .. x1 + 1.
  e.left = x0 - w / 2.0, e.right = x1 + 1 - w / 2.0;
  e.bottom = y0 - h / 2.0, e.top = y1 + 1 - h / 2.0;
  return e;
}

class TransfEditorScaleModel : public qtest::ModelWindowTest {
 protected:
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Solidt = 0;  // lines: the parts' display objects without a solid one
    reset_active_objects();
    for (int i = 0; i < Num_p_loaded; i++) {
      make_part(parts[i]->number);
      actobj(parts[i]->number);
    }
    float lo[3], hi[3];
    get_overall_coord_range(&lo[0], &hi[0], &lo[1], &hi[1], &lo[2], &hi[2]);
    // The model in the middle of the view with room around it.
    float box[6];
    for (int k = 0; k < 3; k++) {
      const float span = hi[k] - lo[k];
      box[2 * k] = (lo[k] + hi[k]) / 2 - span;
      box[2 * k + 1] = (lo[k] + hi[k]) / 2 + span;
    }
    Person = 0;  // orthographic
    intvew(box[0], box[1], box[2], box[3], box[4], box[5]);
    int count = 1, list[MAX_VIEWPORTS] = {0};
    current_selected_viewports(&count, list, 1);
    Viewport_current = 0;
    What_trans = 0;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    grasal(&x0, &x1, &y0, &y1, 0, 0);
    w_ = x1 - x0 + 1;
    h_ = y1 - y0 + 1;
  }
  void TearDown() override {
    reset_active_objects();
    qtest::ModelWindowTest::TearDown();
  }
  int w_ = 0, h_ = 0;
};

TEST_F(TransfEditorScaleModel, MinusArrowHalvesTheModelAboutTheCentre) {
  display_all();
  Extent before;
  ASSERT_TRUE(qtest::inproc_wait_for([&] {
    before = model_extent(w_, h_);
    return before.any && before.right - before.left > 40 && before.top - before.bottom > 40;
  })) << before.left << " " << before.right << " " << before.bottom << " " << before.top;
  // The scale icon chooses the action and opens the editor.
  XtCallCallbacks(Qedit_transfbut_tbl[4].button, XmNactivateCallback, nullptr);
  ASSERT_TRUE(Transformation_dialog && XtIsManaged(Transformation_dialog));
  ASSERT_EQ(Vewglb, 2);
  XtCallCallbacks(Transf_axis_menu[3].widget, XmNactivateCallback, nullptr);  // "All"
  XmTextFieldSetString(Transf_scaleincr_text, const_cast<char *>("2"));
  Widget minus = XtNameToWidget(Transformation_dialog, "*TransfMinArrow");
  ASSERT_NE(minus, nullptr);

  const std::string rec = qtest::recorded_lines(
      [&] { XtCallCallbacks(minus, XmNactivateCallback, nullptr); });
  EXPECT_EQ(rec, "view_transf: scale 5.0000e-01 5.0000e-01 5.0000e-01\n");
  // Every edge of the picture comes halfway to the centre.
  auto halved = [&](const Extent &e) {
    return e.any && std::abs(e.left - before.left / 2) <= 2 &&
           std::abs(e.right - before.right / 2) <= 2 &&
           std::abs(e.bottom - before.bottom / 2) <= 2 && std::abs(e.top - before.top / 2) <= 2;
  };
  Extent after;
  EXPECT_TRUE(qtest::inproc_wait_for([&] {
    after = model_extent(w_, h_);
    return halved(after);
  }));
  EXPECT_NEAR(after.left, before.left / 2, 2);
  EXPECT_NEAR(after.right, before.right / 2, 2);
  EXPECT_NEAR(after.bottom, before.bottom / 2, 2);
  EXPECT_NEAR(after.top, before.top / 2, 2);
}

}  // namespace
