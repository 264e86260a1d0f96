#include "record_capture.h"

#include "client/command_dlog.h"
#include "harness.h"

namespace qtest {

std::string recorded_lines(const std::function<void()> &fn) {
  TempDir dir("qrecord");
  std::string path = dir.file("user.rec");
  Recrdr_backup = 0;
  if (cmd_recordto(path.c_str()) != 1) return "<record file not opened>";
  Recrdr = 1;
  fn();
  cmd_record_off();
  Recrdr = 0;
  std::string rec = read_file(path);
  size_t eol = rec.find('\n');
  bool versioned = rec.compare(0, 8, "VERSION ") == 0 && eol != std::string::npos;
  return versioned ? rec.substr(eol + 1) : rec;
}

}  // namespace qtest
