// The main window on a 1024 x 768 screen (the screen class chosen at
// start-up, get_winpos with -smallscreen): the real client on its own Xvfb
// of that size, without a window manager.  With -smallscreen the whole window is on
// the screen and no warning is printed; without it the six warning lines
// are printed, the shell is 410 pixels wide and still on the screen.  A
// table of screen sizes gives the machine types and their settings.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "client_proc.h"
#include "harness.h"
#include "ui/interf_init.h"

namespace {

using namespace std::chrono_literals;

const char Warning_lines[] =
    "********************************************************\n"
    "Warning:  By default Quivane is set to run on a screen\n"
    "********  with a resolution of 1280x1024 or larger. If you\n"
    "********  are running at a resolution smaller than this,\n"
    "********  please try starting Quivane with -smallscreen.\n"
    "********************************************************\n";

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The viewable top-level window titled "Quivane" (the main shell) on the
// display; false when there is none yet.
bool main_window_rect(const std::string &display, Rect *r) {
  Display *dpy = XOpenDisplay(display.c_str());
  if (!dpy) return false;
  bool found = false;
  Window root, parent, *kids = nullptr;
  unsigned int n = 0;
  XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &kids, &n);
  for (unsigned int i = 0; i < n && !found; i++) {
    char *name = nullptr;
    XWindowAttributes wa;
    if (XFetchName(dpy, kids[i], &name) && name) {
      if (std::string(name) == "Quivane" && XGetWindowAttributes(dpy, kids[i], &wa) &&
          wa.map_state == IsViewable) {
        *r = Rect{wa.x, wa.y, wa.width + 2 * wa.border_width, wa.height + 2 * wa.border_width};
        found = true;
      }
      XFree(name);
    }
  }
  if (kids) XFree(kids);
  XCloseDisplay(dpy);
  return found;
}

class SmallScreen : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(xvfb.ok()); }
  std::unique_ptr<qtest::RunningProgram> start(const std::vector<std::string> &args) {
    std::unique_ptr<qtest::RunningProgram> p(
        qtest::start_client(args, xvfb.display(), home.path()));
    EXPECT_TRUE(p->wait_for_err("\n<Ready>\n", 30s)) << p->err();
    return p;
  }
  Rect shown() {
    Rect r;
    for (int i = 0; i < 100 && !main_window_rect(xvfb.display(), &r); i++)
      std::this_thread::sleep_for(100ms);
    return r;
  }
  qtest::Xvfb xvfb{1024, 768};
  qtest::TempDir home{"qsmall"};
};

void expect_on_screen(const Rect &r) {
  EXPECT_GT(r.w, 0);
  EXPECT_GE(r.x, 0);
  EXPECT_GE(r.y, 0);
  EXPECT_LE(r.x + r.w, 1024) << r.x << "+" << r.w;
  EXPECT_LE(r.y + r.h, 768) << r.y << "+" << r.h;
}

TEST_F(SmallScreen, WithTheOptionTheWholeWindowIsOnTheScreen) {
  auto client = start({"-smallscreen"});
  Rect r = shown();
  expect_on_screen(r);
  EXPECT_EQ(r.w, 410) << "machine type 1 without -menuf";
  EXPECT_EQ(client->out().find("Warning:  By default"), std::string::npos) << client->out();
  EXPECT_TRUE(client->running()) << client->err();
}

TEST_F(SmallScreen, WithoutTheOptionTheWarningAndA410PixelShell) {
  auto client = start({});
  Rect r = shown();
  EXPECT_EQ(r.w, 410);
  expect_on_screen(r);
  for (int i = 0; i < 50 && client->out().find(Warning_lines) == std::string::npos; i++)
    std::this_thread::sleep_for(100ms);
  EXPECT_NE(client->out().find(Warning_lines), std::string::npos) << client->out();
}

TEST_F(SmallScreen, MenufKeepsTheRemeberedWidthOnTheScreen) {
  auto client = start({"-menuf", "11"});
  Rect r = shown();
  EXPECT_EQ(r.w, 910) << "no width change with -menuf";
  expect_on_screen(r);
  EXPECT_EQ(client->out().find("Warning:  By default"), std::string::npos) << client->out();
}

TEST(ScreenClasses, TableOfScreenSizes) {
  struct Case {
    int width, height;
    int type, font, shell_width;
  } cases[] = {
      {1600, 1200, 0, 13, 535}, {1280, 1024, 0, 13, 535}, {1280, 1001, 0, 13, 535},
      {1280, 1000, 2, 10, 485}, {1152, 900, 1, 9, 410},   {1280, 960, 2, 10, 485},
      {1280, 905, 2, 10, 485},  {1152, 864, 1, 9, 410},   {1024, 768, 1, 9, 410},
      {800, 600, 1, 9, 410},
  };
  for (const Case &c : cases) {
    int type = machine_type_for_height(c.height);
    int font = 0, width = 0;
    screen_class_settings(type, &font, &width);
    EXPECT_EQ(type, c.type) << c.width << "x" << c.height;
    EXPECT_EQ(font, c.font) << c.width << "x" << c.height;
    EXPECT_EQ(width, c.shell_width) << c.width << "x" << c.height;
  }
}

}  // namespace
