// Screenshots of an X display compared with stored baselines (ImageMagick's
// import and compare, which the project's packages install).
#pragma once

#include <string>

namespace qtest {

// Writes the root window of display into a PNG file; true on success.
bool capture_root(const std::string &display, const std::string &png);
// Number of pixels of a and b whose colours differ by more than fuzz
// percent; -1 when the images cannot be compared (missing, other size).
long differing_pixels(const std::string &a, const std::string &b, int fuzz_percent);
// Path of a stored baseline under tests/e2e/baselines.
std::string baseline_path(const std::string &name);

}  // namespace qtest
