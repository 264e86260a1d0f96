// The start-screen picture under a private X server: read from the
// installation directory, drawn over the whole window, refused when its
// sizes or pixels are wrong, and gone for good once data is read.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "client/interf_settings.h"
#include "client/startup.h"
#include "client/screen.h"
#include "gl_window.h"
#include "gl_window_suite.h"
#include "harness.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/start_screen.h"
#include "view/viewports.h"

namespace {

const int W = 64, H = 48;

void be32(std::string &out, int v) {
  for (int s = 24; s >= 0; s -= 8) out += (char)((unsigned)v >> s & 0xff);
}

// A picture file of w x h header and the given A, B, G, R pixel bytes.
std::string picture(int w, int h, const std::vector<unsigned char> &abgr) {
  std::string out;
  be32(out, w);
  be32(out, h);
  out.append(abgr.begin(), abgr.end());
  return out;
}

const std::vector<unsigned char> RedBlue = {255, 0, 0, 255, 255, 255, 0, 0};

// Pixels of the given colour in the left and right halves of a W x H picture.
void count_in(const std::vector<unsigned char> &px, const unsigned char rgb[3], int *left,
              int *right) {
  *left = *right = 0;
  for (int y = 0; y < H; y++)
    for (int x = 0; x < W; x++)
      if (memcmp(&px[3 * (y * W + x)], rgb, 3) == 0) (x < W / 2 ? *left : *right) += 1;
}

class StartScreen : public qtest::GlWindowSuite<W, H> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    int x0 = 0, x1 = W - 1, y0 = 0, y1 = H - 1;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    glViewport(0, 0, W, H);
    snprintf(keep_home_, sizeof keep_home_, "%s", Quivane_home_directory);
    snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", dir_.path().c_str());
    Viewport_current = 0;
    Dpy_cnt = 1;
    Initial_screen = 1;
    Start_screen_dismissed = 0;
    Start_screen_loaded = Start_screen_image_ready = 0;
    Dont_use_start_screen = 0;
  }
  void TearDown() override {
    clear_initial_screen();
    Start_screen_loaded = Start_screen_image_ready = 0;
    Start_screen_dismissed = 0;
    Initial_screen = 0;
    snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", keep_home_);
  }
  void install(const std::string &bytes) {
    FILE *f = fopen((dir_.path() + "/Quivane.start.screen").c_str(), "wb");
    ASSERT_TRUE(f);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  }
  static void count(const std::vector<unsigned char> &px, const unsigned char rgb[3], int *left,
                    int *right) {
    count_in(px, rgb, left, right);
  }
  qtest::TempDir dir_;
  char keep_home_[sizeof Quivane_home_directory] = {};
};

const unsigned char Red[3] = {255, 0, 0}, Blue[3] = {0, 0, 255};

TEST_F(StartScreen, PictureFillsTheWindowUntilDataIsRead) {
  install(picture(2, 1, RedBlue));
  initial_screen(0);
  ASSERT_EQ(Start_screen_image_ready, 1);
  int left, right;
  count(window_->pixels(), Red, &left, &right);
  EXPECT_EQ(left, W * H / 2);
  EXPECT_EQ(right, 0);
  count(window_->pixels(), Blue, &left, &right);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, W * H / 2);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

  clear_initial_screen();
  EXPECT_EQ(Start_screen_pixels, nullptr);
  EXPECT_EQ(Start_screen_held, 0);
  EXPECT_EQ(Start_screen_dismissed, 1);
  Initial_screen = 0;
  Display_gl_ready[0] = 0;
  vwint(0);
  EXPECT_EQ(Initial_screen, 0);
}

TEST_F(StartScreen, WrongPicturesGiveTheTitleLines) {
  std::vector<unsigned char> big(4 * 9, 255);
  struct Case {
    const char *what;
    std::string bytes;
  } cases[] = {
      {"negative width", picture(-2, 1, RedBlue)},
      {"zero height", picture(2, 0, RedBlue)},
      {"huge sizes", picture(0x40000000, 0x40000000, RedBlue)},
      {"one pixel short", picture(3, 3, std::vector<unsigned char>(big.begin(), big.end() - 4))},
      {"header cut", std::string("\0\0\0\2\0", 5)},
  };
  for (const Case &c : cases) {
    install(c.bytes);
    Start_screen_loaded = Start_screen_image_ready = 0;
    Initial_screen = 1;
    glClearColor(0, 1, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    initial_screen(0);
    EXPECT_EQ(Start_screen_loaded, 0) << c.what;
    EXPECT_EQ(Start_screen_image_ready, 0) << c.what;
    int left, right;
    count(window_->pixels(), Red, &left, &right);  // no picture drawn
    EXPECT_EQ(left + right, 0) << c.what;
  }
}

TEST_F(StartScreen, WithTwoDisplaysDisplayZeroGetsTheTitleLines) {
  install(picture(2, 1, RedBlue));
  Dpy_cnt = 2;
  glClearColor(0, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  initial_screen(0);
  Dpy_cnt = 1;
  EXPECT_EQ(Start_screen_image_ready, 1);
  int left, right;
  count(window_->pixels(), Red, &left, &right);
  EXPECT_EQ(left + right, 0);
}

// Two graphics displays on two private X servers: display 1 gets the
// picture in both buffers, display 0 its cleared background (the title
// lines wait for the annotation texts).
TEST(StartScreenDisplays, PictureOnDisplayOneClearedBackgroundOnDisplayZero) {
  qtest::Xvfb x0, x1;
  ASSERT_TRUE(x0.ok() && x1.ok());
  qtest::GlWindow w0(x0.display(), W, H), w1(x1.display(), W, H);
  ASSERT_TRUE(w0.ok() && w1.ok());
  qtest::install_gl_window_screen({&w0, &w1}, true);
  qtest::TempDir dir;
  qtest::write_file(dir.path() + "/Quivane.start.screen", picture(2, 1, RedBlue));
  char keep_home[sizeof Quivane_home_directory];
  snprintf(keep_home, sizeof keep_home, "%s", Quivane_home_directory);
  snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", dir.path().c_str());
  global_init_viewports();
  Dpy_cnt = 2;
  Viewport_current = 0;
  Initial_screen = 1;
  Start_screen_dismissed = Start_screen_loaded = Start_screen_image_ready = 0;
  Dont_use_start_screen = 0;
  for (int d : {0, 1}) {
    int x0w = 0, x1w = W - 1, y0w = 0, y1w = H - 1, code = 0;
    grasal(&x0w, &x1w, &y0w, &y1w, d, 1);
    gwin_gl_curwin(&code, 1, &d);
    glViewport(0, 0, W, H);
    for (int buffer = 0; buffer < 2; buffer++) {  // both buffers green
      glClearColor(0, 1, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      swapbuffers();
    }
  }
  initial_screen(0);
  initial_screen(1);

  std::vector<unsigned char> shown[2] = {w0.shown(), w1.shown()};
  const unsigned char Green[3] = {0, 255, 0};
  int left, right;
  count_in(shown[0], Green, &left, &right);
  EXPECT_EQ(left + right, 0) << "display 0 is cleared";
  count_in(shown[0], Red, &left, &right);
  EXPECT_EQ(left + right, 0) << "no picture on display 0";
  count_in(shown[1], Red, &left, &right);
  EXPECT_EQ(left, W * H / 2);
  EXPECT_EQ(right, 0);
  count_in(shown[1], Blue, &left, &right);
  EXPECT_EQ(right, W * H / 2);

  clear_initial_screen();
  Initial_screen = Start_screen_dismissed = Start_screen_loaded = Start_screen_image_ready = 0;
  snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", keep_home);
  int zero = 0, code = 0;
  gwin_gl_curwin(&code, 1, &zero);
  Dpy_cnt = 1;
  qtest::install_gl_window_screen({});
}

}  // namespace
