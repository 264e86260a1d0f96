// A client (or any program) running in the background while a test looks
// at it: its standard output and error go to files that the test polls; it
// is stopped (SIGKILL) on destruction if the test did not stop it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include "harness.h"

namespace qtest {

class RunningProgram {
 public:
  RunningProgram(const std::vector<std::string> &argv, const RunOptions &opts);
  ~RunningProgram();
  RunningProgram(const RunningProgram &) = delete;
  RunningProgram &operator=(const RunningProgram &) = delete;

  bool started() const { return pid_ > 0; }
  std::string out() const;
  std::string err() const;
  // Waits until standard error holds text; false on time-out or exit.
  bool wait_for_err(const std::string &text, std::chrono::milliseconds timeout);
  // Waits for the program to end by itself; its status (as RunResult), or
  // -1 on time-out.
  int wait_exit(std::chrono::milliseconds timeout);
  // Sends signo and waits for the end; the status (128 + signal when killed).
  int stop(int signo);
  bool running();

 private:
  pid_t pid_ = -1;
  int status_ = -1;
  TempDir dir_{"qproc"};
};

// Client started the way the tests run it: QUIVANE7_HOME = the source home
// (or home_dir), HOME = home, DISPLAY = display.
RunningProgram *start_client(const std::vector<std::string> &args, const std::string &display,
                             const std::string &home,
                             const std::string &home_dir = source_home());

}  // namespace qtest
