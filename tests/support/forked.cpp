#include "forked.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "harness.h"

namespace qtest {

static std::string temp_name(const char *tag) {
  const char *base = getenv("TMPDIR");
  std::string t = std::string(base && *base ? base : "/tmp") + "/" + tag + ".XXXXXX";
  std::vector<char> buf(t.begin(), t.end());
  buf.push_back('\0');
  int fd = mkstemp(buf.data());
  if (fd >= 0) close(fd);
  return buf.data();
}

ForkedChild::ForkedChild(const std::function<int()> &fn)
    : out_path_(temp_name("qchild_out")), err_path_(temp_name("qchild_err")) {
  fflush(stdout);
  fflush(stderr);
  pid_ = fork();
  if (pid_ == 0) {
    int o = open(out_path_.c_str(), O_WRONLY | O_TRUNC);
    int e = open(err_path_.c_str(), O_WRONLY | O_TRUNC);
    dup2(o, 1);
    dup2(e, 2);
    close(o);
    close(e);
    int status = fn();
    fflush(stdout);
    fflush(stderr);
    _exit(status);
  }
}

ForkedChild::~ForkedChild() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  unlink(out_path_.c_str());
  unlink(err_path_.c_str());
}

int ForkedChild::wait(int ms) {
  if (pid_ <= 0) return -1;
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  int status = 0;
  for (;;) {
    pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) break;
    if (std::chrono::steady_clock::now() >= end) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  pid_ = -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

std::string ForkedChild::out() const { return read_file(out_path_); }
std::string ForkedChild::err() const { return read_file(err_path_); }

// A listening socket on port shows in /proc/net/tcp with state 0A.
static bool is_listening(int port) {
  std::ifstream in("/proc/net/tcp");
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::istringstream s(line);
    std::string slot, local, remote, state;
    s >> slot >> local >> remote >> state;
    size_t colon = local.find(':');
    if (colon == std::string::npos) continue;
    if (std::stoi(local.substr(colon + 1), nullptr, 16) == port && state == "0A") return true;
  }
  return false;
}

template <typename F>
static bool poll_until(int ms, F done) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

bool wait_listening(int port, int ms) {
  return poll_until(ms, [port] { return is_listening(port); });
}

bool wait_for_text(const std::string &path, const std::string &needle, int ms) {
  return poll_until(ms, [&] { return read_file(path).find(needle) != std::string::npos; });
}

bool wait_gone(pid_t pid, int ms) {
  return poll_until(ms, [pid] { return kill(pid, 0) != 0; });
}

}  // namespace qtest
