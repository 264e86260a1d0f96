// The client as started by a user: the main window on a private X server,
// the command file of -p at the first expose, the detached display of -mgd
// and the missing icon directory.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "client_proc.h"
#include "harness.h"
#include "screenshot.h"

namespace {

using namespace std::chrono_literals;

const char Icon_box[] =
    "*************************************************\n"
    "* Error - Could not find icons to initialize    *\n"
    "*         interface.  Please make sure you have *\n"
    "*         set the QUIVANE7_HOME environment     *\n"
    "*         variable.                             *\n"
    "*************************************************\n";

class MainWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(xvfb.ok()); }
  std::unique_ptr<qtest::RunningProgram> start(const std::vector<std::string> &args) {
    std::unique_ptr<qtest::RunningProgram> p(qtest::start_client(args, xvfb.display(), home.path()));
    EXPECT_TRUE(p->wait_for_err("\n<Ready>\n", 30s)) << p->err();
    return p;
  }
  qtest::Xvfb xvfb;
  qtest::TempDir home{"qhome"};
};

// Maps an override-redirect window over the whole screen and takes it away
// again, so that every window below it is exposed once more.
void expose_everything(const std::string &display) {
  Display *dpy = XOpenDisplay(display.c_str());
  ASSERT_NE(dpy, nullptr);
  XSetWindowAttributes a;
  a.override_redirect = True;
  a.background_pixel = BlackPixel(dpy, 0);
  Window w = XCreateWindow(dpy, DefaultRootWindow(dpy), 0, 0, DisplayWidth(dpy, 0),
                           DisplayHeight(dpy, 0), 0, CopyFromParent, InputOutput, CopyFromParent,
                           CWOverrideRedirect | CWBackPixel, &a);
  XMapRaised(dpy, w);
  XSync(dpy, False);
  std::this_thread::sleep_for(200ms);
  XDestroyWindow(dpy, w);
  XSync(dpy, False);
  XCloseDisplay(dpy);
}

TEST_F(MainWindow, ReadyAndTheWindowAsStored) {
  auto client = start({});
  std::string shot = home.file("shot.png");
  std::string baseline = qtest::baseline_path("mainwin_start.png");
  // Menu bar, feature strip, toggle row, quick-edit column and the start
  // picture in the graphics area: the whole screen within a small tolerance, once the
  // window has been drawn (a loaded machine may take a while).
  const long tolerance = 1280 * 1024 / 500;
  long diff = -1;
  auto deadline = std::chrono::steady_clock::now() + 15s;
  do {
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(qtest::capture_root(xvfb.display(), shot));
    diff = qtest::compare_with_baseline(shot, "mainwin_start.png", 5);
  } while ((diff < 0 || diff >= tolerance) && std::chrono::steady_clock::now() < deadline);
  EXPECT_GE(diff, 0);
  EXPECT_LT(diff, tolerance) << "compare " << shot << " with " << baseline;
  EXPECT_TRUE(client->running()) << client->err();
  EXPECT_EQ(client->err().find("X error"), std::string::npos) << client->err();
  EXPECT_EQ(client->stop(SIGINT), 1);  // the fatal-signal path
}

TEST_F(MainWindow, CommandFileRunsOnceAtTheFirstExpose) {
  std::string file = home.file("start.qvn");
  qtest::write_file(file, "VERSION 7.1\ncommand: delay 0\n");
  auto client = start({"-p", file});
  // The played line is the first one recorded, which opens the session record.
  const std::string tag = "Backup file for this run of Quivane is ";
  ASSERT_TRUE(client->wait_for_err(tag, 10s)) << client->err();
  expose_everything(xvfb.display());
  expose_everything(xvfb.display());
  std::this_thread::sleep_for(500ms);
  std::string err = client->err();
  EXPECT_GT(err.find(tag), err.find("<Ready>")) << "runs inside the event loop's first expose";
  EXPECT_TRUE(client->running());
  size_t at = err.find(tag) + tag.size();
  std::string record = err.substr(at, err.find(".\n", at) - at);
  std::string text = qtest::read_file(record);
  unlink(record.c_str());
  EXPECT_EQ(text.rfind("VERSION 7.10\n", 0), 0u) << text;
  EXPECT_EQ(qtest::count_of(text, "command: delay 0"), 1) << text;
}

TEST_F(MainWindow, DetachedDisplayShowsItsWindow) {
  qtest::Xvfb second;
  ASSERT_TRUE(second.ok());
  auto client = start({"-mgd", second.display()});
  Display *dpy = XOpenDisplay(second.display().c_str());
  ASSERT_NE(dpy, nullptr);
  bool found = false;
  for (int attempt = 0; attempt < 50 && !found; attempt++) {
    Window root, parent, *children = nullptr;
    unsigned n = 0;
    XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &n);
    for (unsigned i = 0; i < n && !found; i++) {
      char *name = nullptr;
      XWindowAttributes wa;
      if (XFetchName(dpy, children[i], &name) && name) {
        found = std::string(name) == "Quivane Detached Display" &&
                XGetWindowAttributes(dpy, children[i], &wa) && wa.map_state == IsViewable;
        XFree(name);
      }
    }
    if (children) XFree(children);
    if (!found) std::this_thread::sleep_for(100ms);
  }
  XCloseDisplay(dpy);
  EXPECT_TRUE(found);
  EXPECT_TRUE(client->running()) << client->err();
}

TEST_F(MainWindow, UnreachableDetachedDisplayEndsTheStart) {
  qtest::RunOptions o;
  o.env = {{"HOME", home.path()}, {"QUIVANE7_HOME", qtest::source_home()},
           {"DISPLAY", xvfb.display()}};
  auto r = qtest::run_program({qtest::client_bin(), "-mgd", ":987"}, o);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Can't open extra display :987. Exiting...\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("<Ready>"), std::string::npos);
}

TEST_F(MainWindow, MissingIconsEndTheStart) {
  qtest::TempDir inst("qinst");
  auto copy = qtest::run_program({"/bin/cp", "-r", qtest::source_home() + "/.", inst.path()});
  ASSERT_EQ(copy.status, 0) << copy.err;
  ASSERT_EQ(unlink(inst.file("icons/color.xpm").c_str()), 0);
  qtest::RunOptions o;
  o.env = {{"HOME", home.path()}, {"QUIVANE7_HOME", inst.path()}, {"DISPLAY", xvfb.display()}};
  auto r = qtest::run_program({qtest::client_bin()}, o);
  EXPECT_EQ(r.status, 255);
  EXPECT_NE(r.err.find(Icon_box), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("<Ready>"), std::string::npos);
}

}  // namespace
