#include "screenshot.h"

#include <sys/stat.h>

#include <cstdlib>

#include "harness.h"

namespace qtest {

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

std::string baseline_path(const std::string &name) {
  return std::string(QUIVANE7_SOURCE_HOME) + "/../tests/e2e/baselines/" + name;
}

long compare_with_baseline(const std::string &shot, const std::string &name, int fuzz_percent) {
  mkdir(QUIVANE7_TEST_SHOTS, 0755);
  run_program({"/usr/bin/convert", shot, std::string(QUIVANE7_TEST_SHOTS) + "/" + name});
  return differing_pixels(shot, baseline_path(name), fuzz_percent);
}

}  // namespace qtest
