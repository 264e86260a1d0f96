#include "screenshot.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "harness.h"

namespace qtest {

bool write_ppm(XImage *img, const std::string &path, std::set<unsigned long> *colours) {
  FILE *out = img ? fopen(path.c_str(), "wb") : nullptr;
  if (!out) return false;
  fprintf(out, "P6\n%d %d\n255\n", img->width, img->height);
  std::vector<unsigned char> row(3u * img->width);
  for (int y = 0; y < img->height; y++) {
    for (int x = 0; x < img->width; x++) {
      unsigned long p = XGetPixel(img, x, y);
      unsigned char *rgb = &row[3u * x];
      rgb[0] = (unsigned char)((p & img->red_mask) >> 16);
      rgb[1] = (unsigned char)((p & img->green_mask) >> 8);
      rgb[2] = (unsigned char)(p & img->blue_mask);
      if (colours) colours->insert(p & 0xffffff);
    }
    fwrite(row.data(), 1, row.size(), out);
  }
  return fclose(out) == 0;
}

bool capture_root(const std::string &display, const std::string &png) {
  auto r = run_program({"/usr/bin/import", "-display", display, "-window", "root", png});
  return r.status == 0 && !read_file(png).empty();
}

long differing_pixels(const std::string &a, const std::string &b, int fuzz_percent) {
  auto r = run_program({"/usr/bin/compare", "-metric", "AE", "-fuzz",
                        std::to_string(fuzz_percent) + "%", a, b, "null:"});
  // compare answers 0 (alike) or 1 (different) and prints the count on stderr.
  if (r.status != 0 && r.status != 1) return -1;
  char *end = nullptr;
  double n = strtod(r.err.c_str(), &end);
  if (end == r.err.c_str()) return -1;
  return (long)n;
}

// Binary PPM from convert: "P6", width, height, maximum 255, then the bytes.
Pixels read_pixels(const std::string &image) {
  Pixels px;
  auto r = run_program({"/usr/bin/convert", image, "-depth", "8", "ppm:-"});
  if (r.status != 0) return px;
  int w = 0, h = 0, max = 0, used = 0;
  if (sscanf(r.out.c_str(), "P6 %d %d %d%n", &w, &h, &max, &used) != 3 || max != 255) return px;
  size_t start = (size_t)used + 1;  // one whitespace byte after the maximum
  if (w <= 0 || h <= 0 || r.out.size() < start + 3u * w * h) return px;
  px.w = w;
  px.h = h;
  px.rgb.assign(r.out.begin() + start, r.out.begin() + start + 3u * w * h);
  return px;
}

std::string baseline_path(const std::string &name) {
  return std::string(QUIVANE7_SOURCE_HOME) + "/../tests/e2e/baselines/" + name;
}

long compare_with_baseline(const std::string &shot, const std::string &name, int fuzz_percent) {
  mkdir(QUIVANE7_TEST_SHOTS, 0755);
  run_program({"/usr/bin/convert", shot, std::string(QUIVANE7_TEST_SHOTS) + "/" + name});
  return differing_pixels(shot, baseline_path(name), fuzz_percent);
}

// The largest window of the display's tree (the main graphics window's
// drawing area is the largest one inside the main window).
struct Largest_window {
  Window w = 0;
  int width = 0, height = 0;
};

static void largest_gl_window(Display *dpy, Window w, int depth, Largest_window *best) {
  Window root, parent, *children = nullptr;
  unsigned int n = 0;
  if (!XQueryTree(dpy, w, &root, &parent, &children, &n)) return;
  for (unsigned int i = 0; i < n; i++) {
    XWindowAttributes a;
    if (XGetWindowAttributes(dpy, children[i], &a) && a.map_state == IsViewable) {
      // Below the top level: the shell's own window is larger than any area in it.
      if (depth >= 2 && a.width * a.height > best->width * best->height && a.width < 1200) {
        best->w = children[i];
        best->width = a.width;
        best->height = a.height;
      }
      largest_gl_window(dpy, children[i], depth + 1, best);
    }
  }
  if (children) XFree(children);
}

bool graphics_window_ppm(const std::string &display, const std::string &path,
                         std::set<unsigned long> *colours, int *width, int *height) {
  Display *dpy = XOpenDisplay(display.c_str());
  if (!dpy) return false;
  Largest_window f;
  largest_gl_window(dpy, DefaultRootWindow(dpy), 0, &f);
  bool ok = false;
  if (f.w) {
    // Read from the root window over the graphics window's place: what the
    // screen shows there, whatever the GL window's own buffer still holds.
    int rx = 0, ry = 0;
    Window child;
    XTranslateCoordinates(dpy, f.w, DefaultRootWindow(dpy), 0, 0, &rx, &ry, &child);
    XImage *img =
        XGetImage(dpy, DefaultRootWindow(dpy), rx, ry, f.width, f.height, AllPlanes, ZPixmap);
    ok = write_ppm(img, path, colours);
    if (ok) {
      *width = img->width;
      *height = img->height;
    }
    if (img) XDestroyImage(img);
  }
  XCloseDisplay(dpy);
  return ok;
}

}  // namespace qtest
