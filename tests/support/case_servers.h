// Stand-in servers started by a client under test, made observable: a
// wrapper named "quivane7.server" (found first on the client's PATH) starts
// the real stand-in with "-log <dir>/server.<pid>.log" and the client's
// arguments, so every server the client starts leaves a log named by its
// process id.  Extra start arguments (such as "-data FILE") given to the
// constructor go to every server, before the client's own.  A file "fail" in
// the directory makes the next starts fail; a file "args" gives the next
// starts extra options (a test option such as "-stall version").
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"

namespace qtest {

class CaseServers {
 public:
  explicit CaseServers(const std::vector<std::string> &server_args = {});
  const std::string &bin_dir() const { return bin_; }
  const std::string &tmp_dir() const { return tmp_; }  // the client's TMPDIR (FIFOs, record)
  // Process ids of the servers started so far, in the order they started
  // (the wrapper notes each one before it becomes the server).
  std::vector<pid_t> started() const;
  std::string log_of(pid_t pid) const;
  // Waits until n servers have started and the newest one logged its handshake.
  bool wait_started(size_t n, int ms = 20000) const;
  // Makes the following starts fail at once (or work again).
  void set_failing(bool failing) const;
  // Extra options of the following starts, blank-separated ("" none).
  void set_extra_args(const std::string &args) const;
  // Names in the TMPDIR other than the session record files.
  std::vector<std::string> leftovers() const;

 private:
  TempDir dir_{"qcases"};
  std::string bin_, logs_, tmp_;
};

// In this process: case 1 connected to a stand-in started locally through
// the servers' wrapper, marked online as after "-c" at start.  conrout's
// result (1 when connected).
int connect_first_case(const CaseServers &servers);

// The real client on display with a fresh HOME, driven on driver_port (with
// -externalcmds) and listening for servers on server_port, the wrapper's
// directory first on PATH, TMPDIR in the servers' directory; extra
// arguments after those.
std::unique_ptr<RunningProgram> start_driven_client(const CaseServers &servers,
                                                    const std::string &display,
                                                    const std::string &home, int driver_port,
                                                    int server_port,
                                                    const std::vector<std::string> &extra,
                                                    const std::string &home_dir = source_home());

// A driven client with its own X server, HOME, servers and driver (not yet
// connected), on free ports; home_dir is its installation directory.
struct DrivenClient {
  explicit DrivenClient(const std::vector<std::string> &extra,
                        const std::string &home_dir = source_home());
  Xvfb xvfb;
  TempDir home{"qdrvhome"};
  CaseServers servers;
  int port = 0;  // driver port
  std::unique_ptr<RunningProgram> client;
  DriverClient driver;
};

// The session record's name from the client's standard error, "" when not printed.
std::string session_record_name(const std::string &err);

}  // namespace qtest
