// The viewer editor's logic without a display: the window's ranges and
// markers over a stand-in 100 x 100 area, the drag under each lock, a press
// that hits nothing, a typed distance, and the "observer_view" section.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "harness.h"
#include "record_capture.h"
#include "viewer_snapshot.h"
#include "state/bkup_section.h"
#include "view/observer.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

using qtest::recorded_lines;

const int Size = 100;

int stand_in_area(int *w, int *h) {
  *w = Size;
  *h = Size;
  return 1;
}

using Viewer = qtest::ViewerSnapshot;
Viewer viewer() { return qtest::viewer_snapshot(); }

using qtest::distance3;

class ViewerEditor : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_transforms();
    viewer_area_windep = stand_in_area;
    Viewer_window.plane = 0;
    Viewer_window.lock = 0;
    // Look-at at the origin, look-from 5 along +x+z.
    float at[3] = {0, 0, 0}, from[3] = {3, 0, 4};
    ASSERT_EQ(viewer_attr_updt(1, at, 1), 1);
    ASSERT_EQ(viewer_attr_updt(0, from, 1), 1);
    obsint();
  }
  void TearDown() override {
    viewer_area_windep = nullptr;
    Viewer_window.plane = 0;
    Viewer_window.lock = 0;
    screen_install(nullptr);
  }
  // Drags the look-from marker by (dx, dy) pixels and lets go.
  static std::string drag_from(int dx, int dy) {
    return recorded_lines([&] {
      const int c = (int)std::lround(Viewer_window.from_px),
                r = (int)std::lround(Viewer_window.from_py);
      Viewer_drag d = viewer_drag_begin(c, r);
      ASSERT_EQ(d.which, 1);
      viewer_drag_move(&d, c + dx, r + dy, Size, Size);
      viewer_drag_end(&d);
    });
  }
};

TEST_F(ViewerEditor, DraggingLookFromUnderEachLock) {
  const Viewer start = viewer();
  ASSERT_NEAR(start.distance, 5.0f, 1e-5f);

  Viewer_window.lock = 1;  // "Distance"
  std::string rec = drag_from(10, 0);
  Viewer v = viewer();
  EXPECT_NEAR(distance3(v.from, v.at), 5.0f, 1e-5f);
  EXPECT_NE(v.from[0], start.from[0]);
  EXPECT_EQ(v.at[0], 0.0f);
  EXPECT_EQ(rec.rfind("view_transf: look_from ", 0), 0u) << rec;
  EXPECT_NE(rec.find("\nview_transf: look_at 0.0000e+00 0.0000e+00 0.0000e+00\n"),
            std::string::npos)
      << rec;

  Viewer_window.lock = 2;  // "Together"
  obsint();
  const Viewer before = viewer();
  drag_from(-8, 6);
  v = viewer();
  for (int i = 0; i < 3; i++)
    EXPECT_NEAR(v.from[i] - v.at[i], before.from[i] - before.at[i], 1e-4f) << i;
  EXPECT_GT(distance3(v.at, before.at), 0.1f);

  // X-Z plane: moving up decreases z, x and y stay.
  Viewer_window.lock = 0;
  obsint();
  const Viewer up = viewer();
  drag_from(0, 10);
  v = viewer();
  EXPECT_LT(v.from[2], up.from[2]);
  EXPECT_NEAR(v.from[0], up.from[0], 1e-3f);
  EXPECT_EQ(v.from[1], up.from[1]);
}

TEST_F(ViewerEditor, APressOnNeitherMarkerChangesAndRecordsNothing) {
  const Viewer start = viewer();
  // A corner far from both markers.
  int c = 1, r = 1;
  if (std::fabs(Viewer_window.at_px - 1) < 10 || std::fabs(Viewer_window.from_px - 1) < 10)
    c = Size - 2;
  const std::string rec = recorded_lines([&] {
    Viewer_drag d = viewer_drag_begin(c, r);
    EXPECT_EQ(d.which, 0);
    viewer_drag_move(&d, c + 20, r + 20, Size, Size);
    viewer_drag_end(&d);
  });
  EXPECT_EQ(rec, "");
  const Viewer v = viewer();
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(v.at[i], start.at[i]);
    EXPECT_EQ(v.from[i], start.from[i]);
  }
}

TEST_F(ViewerEditor, TypedDistanceMovesLookFromAlongTheLineOfSight) {
  float ten = 10.0f;
  const std::string rec = recorded_lines([&] { EXPECT_EQ(viewer_attr_updt(3, &ten, 0), 1); });
  EXPECT_EQ(rec, "view_transf: distance 1.0000e+01\n");
  const Viewer v = viewer();
  EXPECT_NEAR(v.from[0], 6.0f, 1e-5f);
  EXPECT_NEAR(v.from[1], 0.0f, 1e-5f);
  EXPECT_NEAR(v.from[2], 8.0f, 1e-5f);
  EXPECT_EQ(v.at[0], 0.0f);
  EXPECT_NEAR(v.distance, 10.0f, 1e-5f);
}

// The section's bytes after a save.
std::vector<unsigned char> saved_section() {
  qtest::TempDir dir("qobs");
  const std::string path = dir.file("observer");
  FILE *f = fopen(path.c_str(), "wb");
  EXPECT_EQ(observer_bkup(f, BKUP_SAVE), 1);
  fclose(f);
  const std::string bytes = qtest::read_file(path);
  return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

// Restores the section with plane and lock replaced.
int restore_with(float plane, float lock) {
  std::vector<unsigned char> b = saved_section();
  auto put = [&](int word, float v) {
    unsigned u;
    memcpy(&u, &v, 4);
    for (int k = 0; k < 4; k++) b[4 * word + k] = (unsigned char)(u >> (24 - 8 * k));
  };
  put(19, plane);
  put(20, lock);
  FILE *f = tmpfile();
  fwrite(b.data(), 1, b.size(), f);
  rewind(f);
  const int r = observer_bkup(f, BKUP_RESTORE);
  fclose(f);
  return r;
}

TEST_F(ViewerEditor, ObserverSectionKeepsTheWindowAndChecksPlaneAndLock) {
  Viewer_window.plane = 2;
  Viewer_window.lock = 1;
  const std::vector<unsigned char> b = saved_section();
  ASSERT_EQ(b.size(), (size_t)OBSERVER_BKUP_BYTES);
  EXPECT_EQ(std::vector<unsigned char>(b.begin(), b.begin() + 4),
            (std::vector<unsigned char>{0x41, 0x20, 0x00, 0x00}));
  const struct {
    float plane, lock;
    int result, plane_after, lock_after;
  } cases[] = {
      {1.9f, 2.0f, 1, 1, 2},
      {0.0f, 0.5f, 1, 0, 0},
      {3.0f, 1.0f, -1, 0, 0},
      {1.0f, -4.0f, -1, 0, 0},
      {NAN, 1.0f, -1, 0, 0},
  };
  for (const auto &c : cases) {
    Viewer_window.plane = 2;
    Viewer_window.lock = 2;
    EXPECT_EQ(restore_with(c.plane, c.lock), c.result) << c.plane << " " << c.lock;
    EXPECT_EQ(Viewer_window.plane, c.plane_after) << c.plane;
    EXPECT_EQ(Viewer_window.lock, c.lock_after) << c.lock;
  }
  // A short section fails.
  FILE *f = tmpfile();
  fwrite(b.data(), 1, 40, f);
  rewind(f);
  testing::internal::CaptureStderr();
  EXPECT_EQ(observer_bkup(f, BKUP_RESTORE), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("observer_bkup:"), std::string::npos);
  fclose(f);
  Viewer_window.plane = Viewer_window.lock = 2;
  EXPECT_EQ(observer_bkup(nullptr, BKUP_RESET), 1);
  EXPECT_EQ(Viewer_window.plane, 0);
  EXPECT_EQ(Viewer_window.lock, 0);
}

}  // namespace
