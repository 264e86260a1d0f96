// The all-viewports print through the recording stand-in of the
// vector-print library: the calls of a move/draw page, and the answer and
// the output file when a library call fails in either kind of page.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"
#include "output/vek.h"
#include "render/vector_print.h"
#include "view/viewport_print.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

int open_descriptors() {
  int n = 0;
  if (DIR *d = opendir("/proc/self/fd")) {
    while (readdir(d)) n++;
    closedir(d);
  }
  return n;
}

bool called(const std::string &call) {
  return std::find(Vek_stub_calls.begin(), Vek_stub_calls.end(), call) != Vek_stub_calls.end();
}

class ViewportPrint : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    vek_stub_reset();
    dir_ = std::make_unique<qtest::TempDir>("qvekprint");
    file_ = dir_->file("page.ps");
  }
  void TearDown() override {
    vek_stub_reset();
    screen_install(nullptr);
  }
  int print(int move_draw) {
    testing::internal::CaptureStderr();
    int r = print_all_viewports(1, move_draw, 0, 0, 0, 0, 0, file_.c_str());
    err_ = testing::internal::GetCapturedStderr();
    return r;
  }
  std::unique_ptr<qtest::TempDir> dir_;
  std::string file_, err_;
};

TEST_F(ViewportPrint, MoveDrawPageOfTwoViewports) {
  ASSERT_EQ(standard_viewport_layout(1), 1);  // two_vertical
  ASSERT_EQ(Num_active_viewports, 2);
  float *main = Viewports[0].attributes, *side = Viewports[1].attributes;
  main[VP_VISIBLE] = 0.0f;
  main[VP_CONSTANT_RGB] = 0.25f;
  side[VP_BORDER_VISIBLE] = 1.0f;
  side[VP_BORDER_RGB] = 1.0f, side[VP_BORDER_RGB + 1] = 0.5f, side[VP_BORDER_RGB + 2] = 0.0f;
  side[VP_CONSTANT_RGB] = 0.0f, side[VP_CONSTANT_RGB + 1] = 0.0f, side[VP_CONSTANT_RGB + 2] = 0.75f;
  side[VP_BACKGROUND_TYPE] = 3.0f;  // blended: printed with its constant colour
  const int descriptors = open_descriptors(), current = Viewport_current;

  EXPECT_EQ(print(1), 1) << "the library is not there";
  const std::vector<std::string> start = {
      "vekBeginPage(16, \"Quivane 7.1.0 (a)\", \"\", \"\", file)",
      "vekSetPage(8.5, 11, 74, 1, 0.5, 0.5, 0.5, 0.5)",
      "vekSetDevice(67, 0)",
      "vekSetFont(98, 106, 10)",
      "vekSetStyle(0, 0, 0, 0.25, 0)",
  };
  ASSERT_GE(Vek_stub_calls.size(), start.size());
  EXPECT_EQ(std::vector<std::string>(Vek_stub_calls.begin(), Vek_stub_calls.begin() + 5), start);
  EXPECT_TRUE(called("vekSetViewport(162, none, (0.25, 0, 0))"));
  EXPECT_TRUE(called("vekSetViewport(163, (1, 0.5, 0), (0, 0, 0.75))"));
  for (const std::string &c : Vek_stub_calls)
    EXPECT_NE(c.rfind("vekBegin(33", 0), 0u) << "no overlay capture without vertices: " << c;
  EXPECT_EQ(Vek_stub_calls.back(), "vekEndPage()");
  EXPECT_NE(err_.find(">>>>\tVEK error 2 (vector print library not available) at line "),
            std::string::npos)
      << err_;
  EXPECT_NE(err_.find("Move-draw postscript failed"), std::string::npos);
  EXPECT_EQ(Vek_in_progress, 0);
  EXPECT_EQ(Viewport_current, current);
  EXPECT_EQ(Vek_stub.page_file, nullptr);
  EXPECT_EQ(open_descriptors(), descriptors);
}

// Every error of the page counts, even one raised in the middle and cleared
// by its own check; the file is closed whichever way the page ends.
TEST_F(ViewportPrint, AnyErrorFailsThePageAndTheFileIsClosed) {
  const struct {
    const char *name;
    int move_draw;
    int available;
    const char *fail_call;
    int result;
  } cases[] = {
      {"image page", 0, 1, nullptr, 0},
      {"image page, error in the image", 0, 1, "vekImage", 1},
      {"image page, library missing", 0, 0, nullptr, 1},
      {"move/draw page", 1, 1, nullptr, 0},
      {"move/draw page, error in a viewport", 1, 1, "vekSetViewport", 1},
      {"page that cannot begin", 1, 1, "vekBeginPage", 1},
      {"image page that cannot begin", 0, 1, "vekBeginPage", 1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    vek_stub_reset();
    Vek_stub.available = c.available;
    Vek_stub.fail_call = c.fail_call;
    const int descriptors = open_descriptors();
    EXPECT_EQ(print(c.move_draw), c.result) << err_;
    EXPECT_EQ(Vek_stub.page_file, nullptr);
    EXPECT_EQ(open_descriptors(), descriptors);
    EXPECT_EQ(Vek_in_progress, 0);
    EXPECT_EQ(err_.find(">>>>\tVEK error") != std::string::npos, c.result == 1) << err_;
  }
  vek_stub_reset();
  EXPECT_EQ(print_all_viewports(1, 1, 0, 0, 0, 0, 0, "/nonexistent/dir/page.ps"), 1);
  EXPECT_TRUE(Vek_stub_calls.empty());
}

}  // namespace
