// Running a piece of the client library in a forked child, so that a test
// can call the connection code directly with fresh globals and its own
// signal handlers, while the test process stays the observer.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace qtest {

// A child running fn with its stdout and stderr going to files; the child's
// exit status is fn's result.
class ForkedChild {
 public:
  explicit ForkedChild(const std::function<int()> &fn);
  ~ForkedChild();  // kills and reaps a child still running
  ForkedChild(const ForkedChild &) = delete;
  ForkedChild &operator=(const ForkedChild &) = delete;

  pid_t pid() const { return pid_; }
  // Waits for the child to end within ms: its exit status, 128 + signal, or
  // -1 when it did not end in time (it is then killed).
  int wait(int ms = 30000);
  std::string out() const;  // everything it wrote on stdout
  std::string err() const;  // everything it wrote on stderr

 private:
  pid_t pid_ = -1;
  std::string out_path_, err_path_;
};

// 1 when something listens on TCP port (any local address) within ms.
bool wait_listening(int port, int ms);
// 1 when the file holds needle within ms.
bool wait_for_text(const std::string &path, const std::string &needle, int ms);
// 1 when process pid (not our child) has ended within ms.
bool wait_gone(pid_t pid, int ms);

}  // namespace qtest
