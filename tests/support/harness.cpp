#include "harness.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qtest {

std::string client_bin() { return QUIVANE7_BIN; }
std::string server_bin() { return QUIVANE7_SERVER_BIN; }
std::string source_home() { return QUIVANE7_SOURCE_HOME; }
std::string test_data() { return QUIVANE7_TEST_DATA; }

TempDir::TempDir(const std::string &tag) {
  const char *base = getenv("TMPDIR");
  std::string tmpl = std::string(base && *base ? base : "/tmp") + "/" + tag + ".XXXXXX";
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
  path_ = buf.data();
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  pid_t pid = fork();
  if (pid == 0) {
    execlp("rm", "rm", "-rf", path_.c_str(), (char *)nullptr);
    _exit(127);
  }
  if (pid > 0) waitpid(pid, nullptr, 0);
}

Xvfb::Xvfb(int width, int height) {
  std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, 1);
    dup2(devnull, 2);
    std::string fdarg = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fdarg.c_str(), "-screen", "0", screen.c_str(),
           "+extension", "GLX", "-nolisten", "tcp", "-noreset", (char *)nullptr);
    _exit(127);
  }
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    return;
  }
  pid_ = pid;
  std::string num;
  struct pollfd p = {fds[0], POLLIN, 0};
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    if (poll(&p, 1, 200) > 0) {
      char c;
      ssize_t n = read(fds[0], &c, 1);
      if (n <= 0 || c == '\n') break;
      num += c;
    }
  }
  close(fds[0]);
  if (!num.empty()) display_ = ":" + num;
}

Xvfb::~Xvfb() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

int free_tcp_port() {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return -1;
  struct sockaddr_in a;
  memset(&a, 0, sizeof a);
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = 0;
  int port = -1;
  if (bind(fd, (struct sockaddr *)&a, sizeof a) == 0) {
    socklen_t len = sizeof a;
    if (getsockname(fd, (struct sockaddr *)&a, &len) == 0) port = ntohs(a.sin_port);
  }
  close(fd);
  return port;
}

void exec_child(const std::vector<std::string> &argv, const RunOptions &opts) {
  for (const auto &name : opts.unset_env) unsetenv(name.c_str());
  for (const auto &kv : opts.env) setenv(kv.first.c_str(), kv.second.c_str(), 1);
  if (!opts.cwd.empty() && chdir(opts.cwd.c_str()) != 0) _exit(126);
  std::vector<char *> args;
  for (const auto &a : argv) args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

RunResult run_program(const std::vector<std::string> &argv, const RunOptions &opts) {
  RunResult r;
  int outp[2], errp[2], inp[2];
  if (pipe(outp) || pipe(errp) || pipe(inp)) return r;
  pid_t pid = fork();
  if (pid == 0) {
    dup2(inp[0], 0);
    dup2(outp[1], 1);
    dup2(errp[1], 2);
    for (int fd : {inp[0], inp[1], outp[0], outp[1], errp[0], errp[1]}) close(fd);
    exec_child(argv, opts);
  }
  close(inp[0]);
  close(outp[1]);
  close(errp[1]);
  if (pid < 0) {
    close(inp[1]);
    close(outp[0]);
    close(errp[0]);
    return r;
  }
  signal(SIGPIPE, SIG_IGN);
  if (!opts.stdin_text.empty()) {
    ssize_t ignored = write(inp[1], opts.stdin_text.data(), opts.stdin_text.size());
    (void)ignored;
  }
  close(inp[1]);

  auto deadline = std::chrono::steady_clock::now() + opts.timeout;
  struct pollfd fds[2] = {{outp[0], POLLIN, 0}, {errp[0], POLLIN, 0}};
  int open_count = 2;
  char buf[4096];
  while (open_count > 0) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      r.timed_out = true;
      kill(pid, SIGKILL);
      break;
    }
    int n = poll(fds, 2, (int)std::min<long long>(left.count(), 500));
    if (n < 0 && errno != EINTR) break;
    for (int i = 0; i < 2; i++) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      ssize_t got = read(fds[i].fd, buf, sizeof buf);
      if (got <= 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
        open_count--;
      } else {
        (i == 0 ? r.out : r.err).append(buf, (size_t)got);
      }
    }
  }
  for (auto &f : fds)
    if (f.fd >= 0) close(f.fd);
  int st = 0;
  if (waitpid(pid, &st, 0) == pid) {
    if (WIFEXITED(st)) r.status = WEXITSTATUS(st);
    else if (WIFSIGNALED(st)) r.status = 128 + WTERMSIG(st);
  }
  return r;
}

std::string read_file(const std::string &path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return "";
  std::ostringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

void write_file(const std::string &path, const std::string &text) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << text;
}

bool in_order(const std::string &hay, const std::vector<std::string> &texts) {
  size_t at = 0;
  for (const std::string &t : texts) {
    at = hay.find(t, at);
    if (at == std::string::npos) return false;
    at += t.size();
  }
  return true;
}

int count_of(const std::string &hay, const std::string &needle) {
  if (needle.empty()) return 0;
  int n = 0;
  for (size_t pos = hay.find(needle); pos != std::string::npos; pos = hay.find(needle, pos + needle.size()))
    n++;
  return n;
}

}  // namespace qtest
