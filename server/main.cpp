// Stand-in case server. Started as the client starts a server: over TCP
// ("-c host [-ports N]", it connects back and runs the channel handshake) or
// over two FIFOs ("-pipe p1 p2", it opens them and greets with "q..."). It
// then runs the application handshake and answers requests from the table in
// requests/ until "Exit" or until the link fails. The test option "-stall
// version" (or "-stall ccp_set_cwd") makes it stop after the first 2 bytes
// of its version (of its "ccp_set_cwd" reply) and wait, the link left open,
// until it is killed: a server that stops answering in the middle of a value.
#include <signal.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/ccp.h"
#include "client/version.h"
#include "requests/requests.h"
#include "server.h"

Srv_options_rec Srv_opts = {nullptr, 1106, nullptr, nullptr, 0,       0,
                            0,       nullptr, nullptr, nullptr, nullptr, nullptr, 0};

static const int SRV_THREADS = 1;      // thread count reported to the client
static const int SRV_KEYWORD_LEN = 256;
static const char *Stall_at = nullptr;  // -stall: the value whose sending stops half-way; null none

static void server_usage() {
  fprintf(stderr,
          "USAGE: quivane7.server [-c host [-ports N]] [-pipe p1 p2] [-security N]\n"
          "                       [-readerdbg] [-log FILE] [-version TEXT] [-host NAME]\n"
          "                       [-data FILE [-result FILE]] [-summary] [-stall version|ccp_set_cwd]\n"
          "Without -c or -pipe it loads the -data file, prints the summary when asked\n"
          "and ends: 0 when the file was read.\n");
}

// Fills Srv_opts; 0, or -1 when the line cannot be used.
static int parse_options(int argc, char **argv) {
  for (int i = 1; i < argc; i++) {
    const char *a = argv[i];
    bool more = i + 1 < argc;
    if (!*a) continue;
    if (!strcmp(a, "-c") && more) {
      Srv_opts.host = argv[++i];
    } else if (!strcmp(a, "-ports") && more) {
      Srv_opts.port = atoi(argv[++i]);
    } else if (!strcmp(a, "-pipe") && i + 2 < argc) {
      Srv_opts.pipe1 = argv[++i];
      Srv_opts.pipe2 = argv[++i];
    } else if (!strcmp(a, "-security") && more) {
      Srv_opts.security = 1;
      Srv_opts.security_number = atoi(argv[++i]);
    } else if (!strcmp(a, "-readerdbg")) {
      Srv_opts.reader_dbg = 1;
    } else if (!strcmp(a, "-log") && more) {
      Srv_opts.log_path = argv[++i];
    } else if (!strcmp(a, "-version") && more) {
      Srv_opts.version = argv[++i];
    } else if (!strcmp(a, "-host") && more) {
      Srv_opts.host_name = argv[++i];
    } else if (!strcmp(a, "-data") && more) {
      Srv_opts.data = argv[++i];
    } else if (!strcmp(a, "-result") && more) {
      Srv_opts.result = argv[++i];
    } else if (!strcmp(a, "-summary")) {
      Srv_opts.summary = 1;
    } else if (!strcmp(a, "-stall") && more) {
      Stall_at = argv[++i];
    } else {
      fprintf(stderr, "quivane7.server: Unknown option %s.\n", a);
      return -1;
    }
  }
  if (!Srv_opts.host_name && getenv("QUIVANE7_SERVER_HOST") && *getenv("QUIVANE7_SERVER_HOST"))
    Srv_opts.host_name = getenv("QUIVANE7_SERVER_HOST");
  if (!Srv_opts.host && !Srv_opts.pipe1 && !Srv_opts.data) return -1;
  return 0;
}

int srv_stalls_at(const char *what) { return Stall_at && !strcmp(Stall_at, what); }

void srv_stall(int ch, int value) {
  srv_log("stalled");
  const Channel_rec &c = Sockt_tbl[ch];
  int fd = c.kind == 1 ? c.wfd : c.sockfd;
  const unsigned char head[2] = {(unsigned char)((uint32_t)value >> 24),
                                 (unsigned char)((uint32_t)value >> 16)};
  ssize_t ignored = write(fd, head, sizeof head);
  (void)ignored;
  for (;;) pause();
}

// Opens the link: the channel, or -1.
static int open_link() {
  int ch = -1;
  if (Srv_opts.pipe1) {
    if (ccstrt(1, nullptr, 0, &ch, 1, Srv_opts.pipe1, Srv_opts.pipe2) != 0) return -1;
    static const char greeting[] = "quivane7";
    if (ccsstr(ch, greeting, sizeof greeting) != 0) return -1;
    return ch;
  }
  if (ccstrt(1, Srv_opts.host, Srv_opts.port, &ch, 0, nullptr, nullptr) != 0) return -1;
  return ch;
}

// The application handshake from the server's side: version, the client's
// two ints, security flag (and number), accept, thread count. 1 accepted,
// 0 refused, -1 link failure.
static int app_handshake(int ch) {
  int a, b, accept;
  const char *version = Srv_opts.version ? Srv_opts.version : QUIVANE_VERSION_STRING;
  if (srv_stalls_at("version")) srv_stall(ch, (int)strlen(version) + 1);
  if (ccsstr(ch, version, (int)strlen(version) + 1) != 0) return -1;
  if (ccrint(ch, 1, &a) != 0 || ccrint(ch, 1, &b) != 0) return -1;
  if (ccsint(ch, Srv_opts.security) != 0) return -1;
  if (Srv_opts.security && ccsint(ch, Srv_opts.security_number) != 0) return -1;
  if (ccrint(ch, 1, &accept) != 0) return -1;
  srv_log("handshake %d %d security %d accept %d readerdbg %d", a, b, Srv_opts.security, accept,
          Srv_opts.reader_dbg);
  if (!accept) return 0;
  return ccsint(ch, SRV_THREADS) == 0 ? 1 : -1;
}

// Serves requests until "Exit" (0) or a failure (1): the exit status.
static int serve(int ch) {
  char kw[SRV_KEYWORD_LEN];
  for (;;) {
    int len = 0;
    int r = ccrstr(ch, 1, kw, sizeof kw - 1, &len);
    if (r != 0 && len <= (int)sizeof kw - 1) {
      fprintf(stderr, "quivane7.server: The link to the client failed.\n");
      return 1;
    }
    const Srv_request_rec *req = nullptr;
    if (r == 0) {
      if (len > 0 && kw[len - 1] == '\0') len--;  // the channel module's requests carry a NUL
      kw[len] = '\0';
      req = srv_find_request(kw, len);
    } else {
      snprintf(kw, sizeof kw, "(%d bytes)", len);
    }
    if (!req) {
      fprintf(stderr, "quivane7.server: Unknown request \"%s\"; closing the link.\n", kw);
      srv_log("unknown %s", kw);
      return 1;
    }
    qtrace(1, "server", "request %s", kw);
    int h = req->handler(ch);
    ccrdone(ch);  // the next request may be long in coming (a request need not be answered)
    if (h < 0) {
      fprintf(stderr, "quivane7.server: Request \"%s\" failed; closing the link.\n", kw);
      return 1;
    }
    if (h > 0) return 0;
  }
}

int main(int argc, char **argv) {
  signal(SIGPIPE, SIG_IGN);
  if (parse_options(argc, argv) < 0) {
    server_usage();
    return 1;
  }
  if (srv_log_open(Srv_opts.log_path) < 0) return 1;
  // A dataset that cannot be read leaves the server without one: it serves on.
  int loaded = Srv_opts.data ? srv_load_data(Srv_opts.data, Srv_opts.result) : 0;
  if (loaded == 0 && Srv_opts.data && Srv_opts.summary) fputs(ds_summary(Srv_case).c_str(), stdout);
  fflush(stdout);
  if (!Srv_opts.host && !Srv_opts.pipe1) return loaded == 0 ? 0 : 1;
  int ch = open_link();
  if (ch < 0) {
    fprintf(stderr, "quivane7.server: Couldn't reach the client.\n");
    return 1;
  }
  int status = 1;
  int accepted = app_handshake(ch);
  if (accepted == 0) {
    fprintf(stderr, "quivane7.server: The client refused this server.\n");
  } else if (accepted > 0) {
    status = serve(ch);
  } else {
    fprintf(stderr, "quivane7.server: The handshake with the client failed.\n");
  }
  ccend(ch);
  return status;
}
