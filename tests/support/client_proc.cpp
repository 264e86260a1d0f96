#include "client_proc.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace qtest {

RunningProgram::RunningProgram(const std::vector<std::string> &argv, const RunOptions &opts) {
  std::string outf = dir_.file("stdout"), errf = dir_.file("stderr");
  pid_t pid = fork();
  if (pid == 0) {
    int in = open("/dev/null", O_RDONLY);
    int o = open(outf.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int e = open(errf.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || o < 0 || e < 0) _exit(126);
    dup2(in, 0);
    dup2(o, 1);
    dup2(e, 2);
    exec_child(argv, opts);
  }
  pid_ = pid;
}

RunningProgram::~RunningProgram() {
  if (running()) stop(SIGKILL);
}

std::string RunningProgram::out() const { return read_file(dir_.file("stdout")); }
std::string RunningProgram::err() const { return read_file(dir_.file("stderr")); }

static int decode(int st) {
  if (WIFEXITED(st)) return WEXITSTATUS(st);
  if (WIFSIGNALED(st)) return 128 + WTERMSIG(st);
  return -1;
}

bool RunningProgram::running() {
  if (pid_ <= 0 || status_ != -1) return false;
  int st = 0;
  if (waitpid(pid_, &st, WNOHANG) == pid_) {
    status_ = decode(st);
    return false;
  }
  return true;
}

bool RunningProgram::wait_for_err(const std::string &text, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (err().find(text) != std::string::npos) return true;
    if (!running()) return err().find(text) != std::string::npos;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

int RunningProgram::wait_exit(std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (running()) {
    if (std::chrono::steady_clock::now() >= deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return status_;
}

int RunningProgram::stop(int signo) {
  if (running()) {
    kill(pid_, signo);
    int st = 0;
    if (waitpid(pid_, &st, 0) == pid_) status_ = decode(st);
  }
  return status_;
}

RunningProgram *start_client(const std::vector<std::string> &args, const std::string &display,
                             const std::string &home, const std::string &home_dir) {
  RunOptions o;
  o.env["HOME"] = home;
  o.env["QUIVANE7_HOME"] = home_dir;
  o.env["DISPLAY"] = display;
  std::vector<std::string> argv{client_bin()};
  argv.insert(argv.end(), args.begin(), args.end());
  return new RunningProgram(argv, o);
}

}  // namespace qtest
