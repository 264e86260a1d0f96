#include "case_servers.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <thread>

#include "client/conect.h"

namespace qtest {

int connect_first_case(const CaseServers &servers) {
  Con_mode[1] = 0;
  snprintf(Con_mach[1], CON_TEXT, "localhost");
  snprintf(Con_exec[1], CON_TEXT, "%s/quivane7.server", servers.bin_dir().c_str());
  int r = conrout(1);
  if (r != 1) return r;
  Online[1] = 1;
  connect_copy_slot(0, 1);
  Connected_server_once = 1;
  return 1;
}

// A word quoted for the shell.
static std::string quoted(const std::string &w) {
  std::string q = "'";
  for (char ch : w) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return q + "'";
}

CaseServers::CaseServers(const std::vector<std::string> &server_args) {
  std::string args;
  for (const std::string &a : server_args) args += " " + quoted(a);
  bin_ = dir_.file("bin");
  logs_ = dir_.file("logs");
  tmp_ = dir_.file("tmp");
  mkdir(bin_.c_str(), 0700);
  mkdir(logs_.c_str(), 0700);
  mkdir(tmp_.c_str(), 0700);
  std::string script = bin_ + "/quivane7.server";
  write_file(script, "#!/bin/sh\n"
                     "[ -e '" + dir_.file("fail") + "' ] && exit 1\n"
                     "echo $$ >> '" + dir_.file("started") + "'\n"
                     "extra=$(cat '" + dir_.file("args") + "' 2>/dev/null)\n"
                     "exec '" + server_bin() + "' -log '" + logs_ + "'/server.$$.log" + args +
                     " $extra \"$@\"\n");
  chmod(script.c_str(), 0700);
}

static std::vector<std::string> names_in(const std::string &dir) {
  std::vector<std::string> names;
  DIR *d = opendir(dir.c_str());
  if (!d) return names;
  while (struct dirent *e = readdir(d)) {
    std::string n = e->d_name;
    if (n != "." && n != "..") names.push_back(n);
  }
  closedir(d);
  return names;
}

std::vector<pid_t> CaseServers::started() const {
  std::vector<pid_t> pids;
  std::string text = read_file(dir_.file("started"));
  size_t at = 0, nl;
  while ((nl = text.find('\n', at)) != std::string::npos) {
    pids.push_back((pid_t)atol(text.substr(at, nl - at).c_str()));
    at = nl + 1;
  }
  return pids;
}

std::string CaseServers::log_of(pid_t pid) const {
  return read_file(logs_ + "/server." + std::to_string(pid) + ".log");
}

bool CaseServers::wait_started(size_t n, int ms) const {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < deadline) {
    std::vector<pid_t> pids = started();
    if (pids.size() >= n && log_of(pids.back()).find("handshake") != std::string::npos)
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

void CaseServers::set_extra_args(const std::string &args) const {
  if (args.empty())
    unlink(dir_.file("args").c_str());
  else
    write_file(dir_.file("args"), args);
}

void CaseServers::set_failing(bool failing) const {
  if (failing)
    write_file(dir_.file("fail"), "");
  else
    unlink(dir_.file("fail").c_str());
}

std::vector<std::string> CaseServers::leftovers() const {
  std::vector<std::string> left;
  for (const std::string &n : names_in(tmp_))
    if (n.rfind("quivane_", 0) != 0) left.push_back(n);
  return left;
}

std::unique_ptr<RunningProgram> start_driven_client(const CaseServers &servers,
                                                    const std::string &display,
                                                    const std::string &home, int driver_port,
                                                    int server_port,
                                                    const std::vector<std::string> &extra,
                                                    const std::string &home_dir) {
  RunOptions o;
  o.env["HOME"] = home;
  o.env["QUIVANE7_HOME"] = home_dir;
  o.env["DISPLAY"] = display;
  o.env["TMPDIR"] = servers.tmp_dir();
  const char *path = getenv("PATH");
  o.env["PATH"] = servers.bin_dir() + ":" + (path ? path : "/usr/bin:/bin");
  o.cwd = home;
  std::vector<std::string> argv{client_bin(), "-externalcmds", "-externalcmdport",
                                std::to_string(driver_port), "-ports",
                                std::to_string(server_port)};
  argv.insert(argv.end(), extra.begin(), extra.end());
  return std::unique_ptr<RunningProgram>(new RunningProgram(argv, o));
}

DrivenClient::DrivenClient(const std::vector<std::string> &extra, const std::string &home_dir) {
  port = free_tcp_port();
  int server_port = free_tcp_port();
  while (server_port == port) server_port = free_tcp_port();
  client = start_driven_client(servers, xvfb.display(), home.path(), port, server_port, extra,
                               home_dir);
}

std::string session_record_name(const std::string &err) {
  const std::string lead = "Backup file for this run of Quivane is ";
  size_t at = err.find(lead);
  if (at == std::string::npos) return "";
  at += lead.size();
  size_t end = err.find(".\n", at);
  return end == std::string::npos ? "" : err.substr(at, end - at);
}

}  // namespace qtest
