// Command lines recorded while a piece of a test runs: a user record file
// is opened, recording switched on around fn, and the lines read back
// without the file's version line.
#pragma once

#include <functional>
#include <string>

namespace qtest {

std::string recorded_lines(const std::function<void()> &fn);

}  // namespace qtest
