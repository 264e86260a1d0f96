// Font choice from what the X server offers, and pointer and window
// queries in y-up coordinates, on the test X server.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <X11/Xlib.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/mainwin_state.h"
#include "ui/screen_query.h"
#include "ui/textc_windep.h"
#include "xt_shell.h"

namespace {

class UiFontsScreen : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_shell().ok) << "no X display";
    dpy = qtest::xt_shell().dpy;
  }
  Display *dpy = nullptr;
};

// Pixel size of an XLFD name: its seventh field.
int xlfd_pixel_size(const std::string &name) {
  size_t pos = 0;
  for (int dash = 1; dash < 7 && pos != std::string::npos; dash++) pos = name.find('-', pos + 1);
  return pos == std::string::npos ? -1 : atoi(name.c_str() + pos + 1);
}

// The first offered name whose pixel size is nearest to want.
std::string nearest_offered(Display *dpy, int want) {
  int n = 0;
  char **names = XListFonts(dpy, FONT_PATTERN, 1000, &n);
  std::string best;
  int bestdiff = 1 << 30;
  for (int i = 0; i < n; i++) {
    int d = abs(xlfd_pixel_size(names[i]) - want);
    if (d < bestdiff) {
      bestdiff = d;
      best = names[i];
    }
  }
  XFreeFontNames(names);
  return best;
}

TEST_F(UiFontsScreen, MenuAndIconLabelFontsAreTheNearestOffered) {
  ASSERT_FALSE(nearest_offered(dpy, 13).empty()) << "the server offers no misc-fixed font";
  struct Case {
    int menu;
    int iconlabel;
  } cases[] = {{13, -1}, {12, -1}, {16, -1}, {17, 20}, {9, -1}, {40, 6}};
  for (const Case &c : cases) {
    Menu_font_size = c.menu;
    Iconlabel_font_size = c.iconlabel;
    ASSERT_EQ(xfntint(), 1);
    std::string menu = nearest_offered(dpy, c.menu);
    std::string label = nearest_offered(dpy, font_iconlabel_size(c.menu, c.iconlabel));
    EXPECT_EQ(Fontlist[Dindx], menu) << c.menu;
    EXPECT_EQ(Menu_font_size, xlfd_pixel_size(menu)) << c.menu;
    ASSERT_NE(Menufontstruct, nullptr);
    EXPECT_EQ(Menu_font_width, Menufontstruct->max_bounds.width);
    EXPECT_GT(Menu_font_width, 0);
    EXPECT_EQ(Lmenufont == Menufont, xlfd_pixel_size(label) == xlfd_pixel_size(menu)) << c.menu;
  }
  Menu_font_size = 13;
  Iconlabel_font_size = -1;
}

class ProbeWindow {
 public:
  ProbeWindow(Display *d, int x, int y, int w, int h) : dpy_(d) {
    XSetWindowAttributes a;
    a.override_redirect = True;
    win_ = XCreateWindow(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(w),
                         static_cast<unsigned>(h), 0, CopyFromParent, InputOutput,
                         CopyFromParent, CWOverrideRedirect, &a);
    XMapRaised(d, win_);
    XSync(d, False);
  }
  ~ProbeWindow() {
    if (win_) XDestroyWindow(dpy_, win_);
    XSync(dpy_, False);
  }
  // Destroys the window now; id() keeps the dead id for queries.
  Window destroy() {
    Window gone = win_;
    XDestroyWindow(dpy_, win_);
    XSync(dpy_, False);
    win_ = 0;
    return gone;
  }
  Window id() const { return win_; }

 private:
  Display *dpy_;
  Window win_;
};

// Holds the X server for this connection alone, so that tests running in
// parallel on the same server cannot move the pointer between a warp and
// the queries that follow it.
class ServerGrab {
 public:
  explicit ServerGrab(Display *d) : dpy_(d) { XGrabServer(d); }
  ~ServerGrab() {
    XUngrabServer(dpy_);
    XFlush(dpy_);
  }

 private:
  Display *dpy_;
};

void warp(Display *dpy, int x, int y) {
  XWarpPointer(dpy, 0, DefaultRootWindow(dpy), 0, 0, 0, 0, x, y);
  XSync(dpy, False);
}

TEST_F(UiFontsScreen, ScreenCoordinatesCountUpFromTheBottom) {
  int w = 0, h = 0;
  get_x_screensize(&w, &h, 0);
  EXPECT_EQ(w, DisplayWidth(dpy, DefaultScreen(dpy)));
  EXPECT_EQ(h, DisplayHeight(dpy, DefaultScreen(dpy)));
  ServerGrab grab(dpy);
  warp(dpy, 0, 0);
  int b1 = -1, b2 = -1, b3 = -1, x = -1, y = -1;
  EXPECT_EQ(get_mouse_info(0, &b1, &b2, &b3, &x, &y, 0), 1);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, h - 1);
  EXPECT_EQ(b1 + b2 + b3, 0);
}

TEST_F(UiFontsScreen, InsideMeansWithinTheWindowsOwnSize) {
  ProbeWindow win(dpy, 10, 20, 120, 80);
  struct Case {
    int rx, ry;  // pointer on the screen
    int inside, x, y;
  } cases[] = {
      {10, 99, 1, 0, 0},     // bottom-left pixel
      {129, 20, 1, 119, 79}, // top-right pixel
      {130, 50, 0, 120, 49}, // just right of the right edge
      {135, 50, 0, 125, 49}, // within the window's x offset past the edge
      {50, 100, 0, 40, -1},  // just below the bottom edge
      {9, 50, 0, -1, 49},    // just left of the left edge
  };
  ServerGrab grab(dpy);
  for (const Case &c : cases) {
    warp(dpy, c.rx, c.ry);
    int b1, b2, b3, x = -99, y = -99;
    EXPECT_EQ(get_mouse_info(win.id(), &b1, &b2, &b3, &x, &y, 0), c.inside) << c.rx << "," << c.ry;
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

TEST_F(UiFontsScreen, WindowLocationIsItsLowerLeftCorner) {
  ProbeWindow win(dpy, 10, 20, 120, 80);
  int x = -1, y = -1, w = -1, h = -1;
  {
    ServerGrab grab(dpy);
    warp(dpy, 300, 400);
    get_win_location(win.id(), &x, &y, &w, &h, 0);
  }
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, DisplayHeight(dpy, DefaultScreen(dpy)) - 20 - 80);
  EXPECT_EQ(w, 120);
  EXPECT_EQ(h, 80);

  Pbuffer_rendering = 1;
  Gwxmainpbuf[0] = win.id();
  Pbuffer_width = 640;
  Pbuffer_height = 480;
  get_win_location(win.id(), &x, &y, &w, &h, 0);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
  Pbuffer_rendering = 0;
  Gwxmainpbuf[0] = 0;

  Window gone = win.destroy();
  w = h = 7;
  EXPECT_EQ(get_win_size(gone, &w, &h, 0), -1);
  EXPECT_EQ(w, 7);
  EXPECT_EQ(h, 7);
}

}  // namespace
