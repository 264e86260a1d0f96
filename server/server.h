// Shared state of the stand-in case server: its start options, the request
// log and the case it holds. The link itself is a channel of the client's
// wire module.
#pragma once

#include "model/model.h"

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
  const char *data;      // -data: dataset loaded at start-up; null = none
  const char *result;    // -result: its PLOT3D solution file; null = none
  int summary;           // -summary: 1 = print the loaded model's summary on stdout
};

extern Srv_options_rec Srv_opts;  // filled once from the command line

// Opens the request log (null path: logging off); 0 or -1.
int srv_log_open(const char *path);
// Writes one line to the request log (nothing when logging is off).
void srv_log(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

// Parts made for the client by the part builders, by the client's numbers.
extern std::vector<Ds_part_rec> Srv_made_parts;
extern Ds_case_rec Srv_case;  // the case this server holds; empty until a dataset is read

// Reads a dataset (name, and a solution file or null) into Srv_case,
// reporting a failure on stderr and in the log; Srv_case is kept as it was
// then. 0 or -1.
int srv_load_data(const char *name, const char *result);
