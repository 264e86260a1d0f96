// The Color Selector on a real X server with real GL areas: what the first
// opening shows, typed components, the colour-space toggles, Apply and
// Close, the default cells as drawn, a real click with "Change Color Cell"
// on, and a screenshot of the chooser against its stored baseline.
#include <gtest/gtest.h>

#include <Xm/TextF.h>
#include <Xm/ToggleB.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "client/startup.h"
#include "harness.h"
#include "screenshot.h"
#include "ui/color_chooser.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/screen_query.h"
#include "ui/window_codes.h"
#include "xt_shell.h"
#include "platform/glx_platform.h"

namespace {

int Applied = 0;
void count_apply() { Applied++; }

class ColorSelector : public testing::Test {
 protected:
  void SetUp() override {
    // A server of its own: windows of tests running beside this one would
    // cover the dialog and take the pointer.
    static bool own_server = unsetenv("DISPLAY") == 0;
    (void)own_server;
    s = &qtest::xt_shell();
    ASSERT_TRUE(s->ok);
    static const int attrs[] = {GLX_RGBA, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
                                GLX_DEPTH_SIZE, 1, GLX_DOUBLEBUFFER, None};
    if (!Visinfo[0]) Visinfo[0] = qvn_choose_visual(s->dpy, DefaultScreen(s->dpy), attrs);
    ASSERT_NE(Visinfo[0], nullptr);
    if (!Main_color_map) Main_color_map = getshareablecolormap(s->dpy, Visinfo[0]);
    snprintf(User_home_directory, sizeof User_home_directory, "%s", home.path().c_str());
    mkdir((home.path() + "/.quivane7").c_str(), 0755);
    cell_file = home.path() + "/.quivane7/quivane.colpal.default";
  }
  // Opens the dialog for a colour and waits until both areas are drawn.
  void open(float r, float g, float b, Widget fr = nullptr, Widget fg = nullptr, Widget fb = nullptr) {
    XWarpPointer(s->dpy, None, DefaultRootWindow(s->dpy), 0, 0, 0, 0, 100, 100);
    gen_colorselect_dialog(s->shell, fr, fg, fb, "%4.2f", r, g, b, count_apply, 0, 0);
    ASSERT_TRUE(qtest::xt_wait_for([] { return Colorselpatchwin && Colorselmixwin; }));
    // The first exposes draw both areas; on a loaded machine that can take a
    // while, so wait until the mix area holds a picture that no longer changes.
    std::string last;
    bool settled = qtest::xt_wait_for(
        [&] {
          std::string now = window_pixels(Colorselmixwin);
          bool drawn = now.find_first_not_of(now.substr(0, 4)) != std::string::npos;
          bool same = now == last;
          last = now;
          if (!(drawn && same)) qtest::xt_wait_for([] { return false; }, 50);
          return drawn && same;
        },
        10000);
    ASSERT_TRUE(settled) << "the chooser areas were never drawn";
  }
  // All pixels of a window, as raw bytes, for comparing one moment with the next.
  std::string window_pixels(Window w) {
    XWindowAttributes wa;
    XGetWindowAttributes(s->dpy, w, &wa);
    XImage *img = XGetImage(s->dpy, w, 0, 0, wa.width, wa.height, AllPlanes, ZPixmap);
    if (!img) return "";
    std::string out(img->data, (size_t)img->bytes_per_line * img->height);
    XDestroyImage(img);
    return out;
  }
  std::string field(Widget w) {
    char *t = XmTextFieldGetString(w);
    std::string out = t;
    XtFree(t);
    return out;
  }
  std::vector<std::string> fields() {
    return {field(Colorselect_redhue_text), field(Colorselect_grnsat_text), field(Colorselect_bluval_text)};
  }
  std::vector<std::string> labels() {
    return {qtest::xt_label_text(Colorselect_redhue_lbl), qtest::xt_label_text(Colorselect_grnsat_lbl),
            qtest::xt_label_text(Colorselect_bluval_lbl)};
  }
  void type_and_return(Widget w, const char *text) {
    XmTextFieldSetString(w, const_cast<char *>(text));
    XmAnyCallbackStruct cbs{};
    cbs.reason = XmCR_ACTIVATE;
    XtCallCallbacks(w, XmNactivateCallback, &cbs);
  }
  // The mix area's layout as the chooser works it out.
  Colorsel_layout_rec layout(int *mix_x, int *mix_y) {
    int px, py, pw, ph, mw, mh;
    get_win_location(Colorselpatchwin, &px, &py, &pw, &ph, 0);
    get_win_location(Colorselmixwin, mix_x, mix_y, &mw, &mh, 0);
    Colorsel_layout_rec l;
    colorsel_layout(mw, mh, py - *mix_y, ph, &l);
    return l;
  }
  // Pixel of the mix area at x, y counted from its bottom-left corner.
  unsigned long mix_pixel(float x, float y) {
    XWindowAttributes wa;
    XGetWindowAttributes(s->dpy, Colorselmixwin, &wa);
    XImage *img = XGetImage(s->dpy, Colorselmixwin, (int)x, wa.height - 1 - (int)y, 1, 1, AllPlanes, ZPixmap);
    unsigned long p = XGetPixel(img, 0, 0);
    XDestroyImage(img);
    return p;
  }
  qtest::XtShell *s = nullptr;
  qtest::TempDir home{"qcolorsel"};
  std::string cell_file;
};

TEST_F(ColorSelector, FirstOpeningTogglesTypedValuesApplyAndClose) {
  open(1, 0, 0);
  EXPECT_TRUE(XtIsManaged(Colorselect_dialog));
  EXPECT_TRUE(XmToggleButtonGetState(Colorselect_hsv_tggl));
  EXPECT_FALSE(XmToggleButtonGetState(Colorselect_rgb_tggl));
  EXPECT_EQ(labels(), (std::vector<std::string>{"H", "S", "V"}));
  EXPECT_EQ(fields(), (std::vector<std::string>{"0.00", "1.00", "1.00"}));

  Widget dialog = Colorselect_dialog;
  open(0.5f, 0.5f, 0.5f);  // the undefined hue shows as 0.00
  EXPECT_EQ(Colorselect_dialog, dialog);
  EXPECT_EQ(fields(), (std::vector<std::string>{"0.00", "0.00", "0.50"}));

  XmToggleButtonSetState(Colorselect_rgb_tggl, True, True);
  EXPECT_FALSE(XmToggleButtonGetState(Colorselect_hsv_tggl));
  EXPECT_EQ(labels(), (std::vector<std::string>{"R", "G", "B"}));
  XmToggleButtonSetState(Colorselect_rgb_tggl, False, True);  // clearing the set one
  EXPECT_TRUE(XmToggleButtonGetState(Colorselect_rgb_tggl));
  EXPECT_EQ(labels(), (std::vector<std::string>{"R", "G", "B"}));

  type_and_return(Colorselect_grnsat_text, "1.2");
  ASSERT_NE(Disperr_errlabel, nullptr);
  EXPECT_EQ(qtest::xt_label_text(Disperr_errlabel), "ERROR: Color components must be in range [0, 1]");
  float r, g, b;
  rgb_popup_color_values(&r, &g, &b, 0);
  EXPECT_FLOAT_EQ(g, 0.5f);
  EXPECT_EQ(field(Colorselect_grnsat_text), "1.2");  // the typed text stays

  type_and_return(Colorselect_grnsat_text, "1");
  rgb_popup_color_values(&r, &g, &b, 0);
  EXPECT_FLOAT_EQ(g, 1.0f);

  // Apply with the caller's fields writes them; without fields it only runs
  // the routine.
  Widget ext[3];
  for (Widget &w : ext) w = XtVaCreateManagedWidget("ext", xmTextFieldWidgetClass, s->form, nullptr);
  open(0.25f, 0.5f, 0.75f, ext[0], ext[1], ext[2]);
  Applied = 0;
  colorsel_applyCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(Applied, 1);
  EXPECT_EQ(field(ext[0]), "0.25");
  EXPECT_EQ(field(ext[1]), "0.50");
  EXPECT_EQ(field(ext[2]), "0.75");
  EXPECT_FLOAT_EQ(Colorselect_blu_extvalue, 0.75f);
  open(0.1f, 0.2f, 0.3f);
  colorsel_applyCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(Applied, 2);
  EXPECT_EQ(field(ext[0]), "0.25");
  EXPECT_FLOAT_EQ(Colorselect_red_extvalue, 0.1f);

  Coming_from_background = 1;
  XmToggleButtonSetState(Colorselect_setcell_tggl, True, True);
  EXPECT_EQ(Colorselect_set_colorcell, 1);
  colorsel_cancelCB(nullptr, nullptr, nullptr);
  EXPECT_FALSE(XtIsManaged(Colorselect_dialog));
  EXPECT_EQ(Coming_from_background, 0);
  EXPECT_EQ(Colorselect_set_colorcell, 0);
  EXPECT_FALSE(XmToggleButtonGetState(Colorselect_setcell_tggl));
}

TEST_F(ColorSelector, DefaultCellsDrawnAndAClickChangesACell) {
  remove(cell_file.c_str());
  open(0.2f, 0.4f, 0.6f);
  int mx, my;
  Colorsel_layout_rec l = layout(&mx, &my);
  float cw = (l.grid_right - l.grid_left + 1) / 6, ch = (l.grid_top - l.grid_bottom + 1) / 6;
  auto centre_x = [&](int k) { return l.grid_left + (k / 6 + 0.5f) * cw; };
  auto centre_y = [&](int k) { return l.grid_top - (k % 6 + 0.5f) * ch; };
  Visual *v = DefaultVisual(s->dpy, DefaultScreen(s->dpy));
  const unsigned long white = v->red_mask | v->green_mask | v->blue_mask;
  EXPECT_EQ(mix_pixel(centre_x(0), centre_y(0)), v->red_mask) << "cell 0 red";
  EXPECT_EQ(mix_pixel(centre_x(5), centre_y(5)), 0u) << "cell 5 black";
  EXPECT_EQ(mix_pixel(centre_x(35), centre_y(35)), white) << "cell 35 white";
  EXPECT_EQ(mix_pixel(centre_x(18), centre_y(18)), v->green_mask | v->blue_mask) << "cell 18 cyan";

  XmToggleButtonSetState(Colorselect_setcell_tggl, True, True);
  int sw, sh;
  get_x_screensize(&sw, &sh, 0);
  int x = mx + (int)centre_x(7), y = sh - 1 - (my + (int)centre_y(7));
  auto r = qtest::run_program({"/usr/bin/xdotool", "mousemove", std::to_string(x), std::to_string(y),
                               "click", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_TRUE(qtest::xt_wait_for([&] { return !qtest::read_file(cell_file).empty(); }));
  qtest::xt_wait_for([] { return false; }, 200);
  std::istringstream in(qtest::read_file(cell_file));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(lines[0], "Version 6.0");
  EXPECT_EQ(lines[8], "51 102 153");
  EXPECT_EQ(lines[1], "255 0 0");
  EXPECT_FALSE(XmToggleButtonGetState(Colorselect_setcell_tggl));
  EXPECT_EQ(Colorselect_set_colorcell, 0);
  EXPECT_EQ(colorsel_current_cell(), -1);
  // The redrawn cell shows the same colour as the patch.
  XWindowAttributes pa;
  XGetWindowAttributes(s->dpy, Colorselpatchwin, &pa);
  XImage *img = XGetImage(s->dpy, Colorselpatchwin, pa.width / 2, pa.height / 2, 1, 1, AllPlanes, ZPixmap);
  unsigned long patch = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  EXPECT_EQ(mix_pixel(centre_x(7), centre_y(7)), patch);
  EXPECT_NE(patch, 0u);
}

// Grid, hexagon and bars of a red colour in HSV with the default cells,
// compared with the stored picture of the dialog.
TEST_F(ColorSelector, ChooserAsStored) {
  remove(cell_file.c_str());
  open(1, 0, 0);
  Window shell = XtWindow(XtParent(Colorselect_dialog));
  std::string shot = home.file("chooser.png");
  std::string baseline = qtest::baseline_path("color_chooser.png");
  char id[32];
  snprintf(id, sizeof id, "0x%lx", shell);
  auto capture = [&] {
    XSync(s->dpy, False);
    auto r = qtest::run_program({"/usr/bin/import", "-display", DisplayString(s->dpy), "-window", id, shot});
    return r.status == 0;
  };
  ASSERT_TRUE(capture());
  XWindowAttributes wa;
  XGetWindowAttributes(s->dpy, shell, &wa);
  long diff = qtest::compare_with_baseline(shot, "color_chooser.png", 5);
  EXPECT_GE(diff, 0) << "compare " << shot << " with " << baseline;
  EXPECT_LT(diff, wa.width * wa.height / 100) << "compare " << shot << " with " << baseline;
}

}  // namespace
