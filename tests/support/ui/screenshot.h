// Screenshots of an X display compared with stored baselines (ImageMagick's
// import, compare and convert, which the project's packages install).  The
// tests only compare; each picture compared is also kept, as a PNG under the
// baseline's name, in the build's test-shots folder, from which
// tests/support/update-baselines.sh rewrites the baselines on purpose.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <set>
#include <string>
#include <vector>

namespace qtest {

// Writes img as a binary PPM file; when colours is given, each pixel's
// 0xRRGGBB value is added to it.  True on success.
bool write_ppm(XImage *img, const std::string &path, std::set<unsigned long> *colours = nullptr);

// The pixels of an image file ImageMagick reads: width, height and RGB
// bytes, top row first.
struct Pixels {
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;
  bool ok() const { return w > 0 && h > 0 && rgb.size() == 3u * w * h; }
  const unsigned char *at(int x, int y) const { return &rgb[3 * ((size_t)y * w + x)]; }
};
// Reads the file; an empty Pixels (ok() false) when it cannot be read.
Pixels read_pixels(const std::string &image);

// What the screen shows over the main graphics window's drawing area (the
// largest window inside the main window) as a PPM file, its distinct colours
// into colours (may be null) and its size; true on success.
bool graphics_window_ppm(const std::string &display, const std::string &path,
                         std::set<unsigned long> *colours, int *width, int *height);
// Writes the root window of display into a PNG file; true on success.
bool capture_root(const std::string &display, const std::string &png);
// Number of pixels of a and b whose colours differ by more than fuzz
// percent; -1 when the images cannot be compared (missing, other size).
long differing_pixels(const std::string &a, const std::string &b, int fuzz_percent);
// Path of a stored baseline under tests/e2e/baselines.
std::string baseline_path(const std::string &name);
// Keeps shot (any format ImageMagick reads) as <test-shots>/name, then
// compares it with the baseline name: differing_pixels of the two.
long compare_with_baseline(const std::string &shot, const std::string &name, int fuzz_percent);

}  // namespace qtest
