// Test harness shared by the unit and end-to-end tests: temporary directories,
// a private Xvfb, free TCP ports, and running a program with a captured
// stdout/stderr, exit status and a private HOME.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace qtest {

// Paths of the programs and the installation directory under test.
std::string client_bin();
std::string server_bin();
std::string source_home();
std::string test_data();

// A directory made with mkdtemp, removed with its contents on destruction.
class TempDir {
 public:
  explicit TempDir(const std::string &tag = "qtest");
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;
  const std::string &path() const { return path_; }
  std::string file(const std::string &name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A private Xvfb on a display it chose itself (-displayfd), with one screen
// of the given size (1280 x 1024 unless told otherwise); stopped on
// destruction.
class Xvfb {
 public:
  explicit Xvfb(int width = 1280, int height = 1024);
  ~Xvfb();
  Xvfb(const Xvfb &) = delete;
  Xvfb &operator=(const Xvfb &) = delete;
  bool ok() const { return pid_ > 0 && !display_.empty(); }
  const std::string &display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// A TCP port on the loopback interface that nothing listens on right now.
int free_tcp_port();

struct RunResult {
  int status = -1;       // exit status, or 128 + signal, or -1 when it could not run
  bool timed_out = false;
  std::string out;       // everything written on stdout
  std::string err;       // everything written on stderr
};

struct RunOptions {
  std::map<std::string, std::string> env;  // variables set in the child
  std::vector<std::string> unset_env;      // removed from the environment
  std::string cwd;                         // working directory, empty = inherit
  std::string stdin_text;                  // written to the child's stdin, then closed
  std::chrono::milliseconds timeout{30000};
};

// Runs argv[0] (a path) with the arguments and options given; waits for it.
RunResult run_program(const std::vector<std::string> &argv, const RunOptions &opts = {});

// In a forked child whose standard descriptors are set: applies the
// environment and working directory of opts and executes argv[0]; exits
// with 126 (directory) or 127 (exec) when that fails.
[[noreturn]] void exec_child(const std::vector<std::string> &argv, const RunOptions &opts);

// Reads a whole file; empty string when it cannot be read.
std::string read_file(const std::string &path);
void write_file(const std::string &path, const std::string &text);

// Number of times needle occurs in hay.
int count_of(const std::string &hay, const std::string &needle);
// True when the texts occur in hay in this order.
bool in_order(const std::string &hay, const std::vector<std::string> &texts);

}  // namespace qtest
