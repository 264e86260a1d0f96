#include "cmd_lines.h"

#include <gtest/gtest.h>

#include "client/command_dlog.h"

namespace qtest {

int run_lines(const std::vector<std::string> &lines, std::string *err) {
  testing::internal::CaptureStderr();
  int r = 0;
  for (const std::string &l : lines) r = cmd_process(l.c_str());
  std::string e = testing::internal::GetCapturedStderr();
  if (err) *err = e;
  return r;
}

}  // namespace qtest
