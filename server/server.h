// Shared state of the stand-in case server: its start options and the
// request log. The link itself is a channel of the client's wire module.
#pragma once

struct Srv_options_rec {
  const char *host;      // -c: client host to connect back to; null with -pipe
  int port;              // -ports: client's server port (1106)
  const char *pipe1;     // -pipe: FIFO this server writes; null over TCP
  const char *pipe2;     // -pipe: FIFO this server reads; null over TCP
  int security;          // -security given: 1, else 0
  int security_number;   // -security: the number presented to the client
  int reader_dbg;        // -readerdbg: 1
  const char *log_path;  // -log: request log file; null = no log
  const char *version;   // -version: version string reported instead of the real one (a fault mode for tests); null = real
  const char *host_name; // -host (or QUIVANE7_SERVER_HOST): host name reported instead of the real one (tests); null = real
};

extern Srv_options_rec Srv_opts;  // filled once from the command line

// Opens the request log (null path: logging off); 0 or -1.
int srv_log_open(const char *path);
// Writes one line to the request log (nothing when logging is off).
void srv_log(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
