// Command lines run in process as the command processor takes them.
#pragma once

#include <string>
#include <vector>

namespace qtest {

// Runs the lines through cmd_process; the result of the last one, and what
// went to standard error (the error box on the console) into *err.
int run_lines(const std::vector<std::string> &lines, std::string *err = nullptr);

}  // namespace qtest
