// Server start, connection and application handshake.
//
// Owns the connection slots (Con_*), the online marks, and per case the
// channel (Isockt), the started child (Server_pid) and the server's thread
// count. conrout starts a slot's server (or asks the user to start it),
// conect accepts it and runs the application handshake; every failure or
// refusal closes the channel it opened and stops and reaps the child it
// started, so a refused server never lingers. A case's channel that the
// channel module finds broken (the server stalled in the middle of a reply,
// broke the framing or went away) takes the case offline at once: its
// server is stopped and reaped, and the user is told.
//
// Application handshake, after the channel is up (TCP: channel handshake;
// FIFOs: the server's "q" greeting), in order:
//   <- string version, NUL included ("7.1.0", at most 88 bytes)
//   -> int slot of the case (Case_num + 1), int reader-debug flag
//   <- int security flag, and when it is not 0, int security number
//   -> int 1 accepted / 0 refused (nothing more is sent after 0)
//   <- int thread count (only when accepted)
#include "client/conect.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/command_dlog.h"
#include "client/file_select_comm.h"
#include "client/npipe.h"
#include "client/startup.h"
#include "client/testcmd.h"
#include "client/waits.h"
#include "state/bkup_section.h"
#include "client/screen.h"
#include "client/defaults.h"
#include "client/interf_settings.h"
#include "render/display.h"
#include "render/display_toggles.h"

char Con_mach[CON_SLOTS][CON_TEXT];
char Con_exec[CON_SLOTS][CON_TEXT];
char Con_work[CON_SLOTS][CON_TEXT];
char Con_loginid[CON_SLOTS][CON_TEXT];
int Con_mode[CON_SLOTS];
int Con_prog = 1;
int Online[CON_SLOTS];
int Isockt[MAX_CASES] = EVERY_CASE(-1);
int Server_pid[MAX_CASES] = EVERY_CASE(-1);
int Server_threads[MAX_CASES];
int Server_port = CON_DEFAULT_PORT;
int Connect_timeout = 60;
int Connected_server_once = 0;
int Security_token = -1;
int Reader_dbg = 0;
int Ignore_working_dir = 0;
static const Global_defaults Defaults(DEFAULTS_AT_START, Con_prog, Con_mode[1], Server_port,
                                      Connect_timeout, Ignore_working_dir);
const char *Conn_status_text = "**No Connection**";
void (*connect_fields_windep)() = nullptr;

static int First_connection = 1;       // cleared after the first accepted server
static int Refusals[CON_SLOTS];        // refusals in a row of each slot's automatic start
static const char *Pending_name = nullptr;  // name of the case being added while it connects
static const int STOP_GRACE_MS = 2000;  // a stopped child may end by itself this long

static const char Box_version[] =
    "***********************************************************\n"
    "Incompatible version between client and server!\n"
    "Please contact your Quivane administrator.\n"
    "***********************************************************\n";
static const char Box_expected_security[] =
    "************************************************************\n"
    "Client expected a security number from the server.\n"
    "Please restart the server with the '-security' option.\n"
    "************************************************************\n";
static const char Box_unexpected_security[] =
    "********************************************************************\n"
    "Security number specified from the server but client wasn't started.\n"
    "with -security. Please start both with or without the '-security' option.\n"
    "********************************************************************\n";
static const char Box_wrong_security[] =
    "**********************************************************\n"
    "Incorrect security number from the server.\n"
    "Please restart the server with the '-security' option\n"
    "and the security number to match the client.\n"
    "**********************************************************\n";

void conest() { Conn_status_text = "**Connection Established**"; }
void conlis() { Conn_status_text = "**Listening For Connection**"; }
void connop() { Conn_status_text = "**No Connection**"; }

// Copies text into a slot field (at most CON_TEXT - 1 characters).
static void set_field(char *field, const char *text) {
  if (!text) text = "";
  size_t n = strnlen(text, CON_TEXT - 1);
  memmove(field, text, n);
  field[n] = '\0';
}

void connect_copy_slot(int dst, int src) {
  if (dst < 0 || dst >= CON_SLOTS || src < 0 || src >= CON_SLOTS || dst == src) return;
  memcpy(Con_mach[dst], Con_mach[src], CON_TEXT);
  memcpy(Con_exec[dst], Con_exec[src], CON_TEXT);
  memcpy(Con_work[dst], Con_work[src], CON_TEXT);
  memcpy(Con_loginid[dst], Con_loginid[src], CON_TEXT);
  Con_mode[dst] = Con_mode[src];
}

// The working box: before the main window exists it is a console line.
static void work_box(const char *text) {
  int show = 1;
  if (screen_present())
    work(&show, text);
  else
    fprintf(stderr, "%s\n", text);
}

static void work_box_down() {
  int hide = 0;
  work(&hide, nullptr);
}

// ---- children ------------------------------------------------------------------

// Lets a started child end (it is told to, or was refused and ends by
// itself); after grace_ms it and its process group are killed. Reaped.
static void stop_child(int pid, int grace_ms) {
  if (pid <= 0) return;
  double deadline = now_seconds() + grace_ms / 1000.0;
  for (;;) {
    int r = waitpid(pid, nullptr, WNOHANG);
    if (r == pid || (r < 0 && errno == ECHILD)) return;
    if (r < 0 && errno != EINTR) return;
    if (now_seconds() >= deadline) break;
    usleep(20000);
  }
  if (getpgid(pid) == pid) kill(-pid, SIGKILL);
  kill(pid, SIGKILL);
  while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
  }
}

// Gives up a connection: its channel is closed, its child stopped (at once
// when the channel broke: a server that stalled will not end by itself).
static void abandon(int ch, int pid) {
  int broken = ch >= 0 && ccbroken(ch);
  if (ch >= 0) ccend(ch);
  stop_child(pid, broken ? 0 : STOP_GRACE_MS);
}

int connect_stop_server(int case_index, int send_exit) {
  if (case_index < 0 || case_index >= MAX_CASES) return 0;
  int ch = Isockt[case_index];
  Online[case_index + 1] = 0;  // first: a send that finds the server gone must not stop it twice
  if (send_exit && ccpgfd(ch) >= 0) ccsstr(ch, "Exit", 4);
  abandon(ch, Server_pid[case_index]);
  Server_pid[case_index] = -1;
  return 0;
}

// Name of a case for messages: its name in the table, the name of the case
// being added, or "Case <n>".
static std::string case_name(int case_index) {
  if (case_index >= 0 && case_index < MAX_CASES && Case_info[case_index].active &&
      Case_info[case_index].name[0])
    return Case_info[case_index].name;
  if (Pending_name && *Pending_name) return Pending_name;
  return "Case " + std::to_string(case_index + 1);
}

static void tell_offline(int case_index) {
  std::string text = "Server for case '" + case_name(case_index) +
                     "' stopped answering; the case is now offline.";
  disperr(text.c_str());
}

void connect_channel_broken(int ch) {
  for (int c = 0; c < MAX_CASES; c++) {
    if (Isockt[c] != ch || Online[c + 1] != 1) continue;
    connect_stop_server(c, 0);
    if (Con_prog == c + 1) connop();
    tell_offline(c);
  }
}

// ---- command lines -------------------------------------------------------------

// One word for the shell: single quotes, an embedded ' written as '\''.
static std::string shell_word(const char *text) {
  std::string w = "'";
  for (const char *p = text; *p; p++) {
    if (*p == '\'')
      w += "'\\''";
    else
      w += *p;
  }
  return w + "'";
}

static const char *exec_of(int slot) { return Con_exec[slot][0] ? Con_exec[slot] : CON_DEFAULT_EXEC; }

// The optional words every start passes on to the server.
static std::string option_words() {
  std::string w;
  if (Security_token != -1) w += " -security " + std::to_string(Security_token);
  if (Reader_dbg) w += " -readerdbg";
  return w;
}

static int fill(const std::string &line, char *out, int size) {
  if (!out || (int)line.size() >= size) return -1;
  memcpy(out, line.c_str(), line.size() + 1);
  return (int)line.size();
}

int connect_remote_command(int slot, const char *rsh, const char *host, char *out, int size) {
  if (slot < 0 || slot >= CON_SLOTS) return -1;
  std::string remote;
  if (Con_work[slot][0]) remote = "cd " + shell_word(Con_work[slot]) + "; ";
  remote += shell_word(exec_of(slot)) + " -c " + shell_word(host);
  if (Server_port != CON_DEFAULT_PORT) remote += " -ports " + std::to_string(Server_port);
  remote += option_words();
  std::string line = shell_word(rsh) + " " + shell_word(Con_mach[slot]);
  if (Con_loginid[slot][0]) line += " -l " + shell_word(Con_loginid[slot]);
  line += " " + shell_word(remote.c_str());
  return fill(line, out, size);
}

// No shell runs the local line: it is split on blanks, so the executable
// text may carry arguments of its own.
int connect_local_command(int slot, const char *name1, const char *name2, char *out, int size) {
  if (slot < 0 || slot >= CON_SLOTS) return -1;
  std::string line = std::string(exec_of(slot)) + option_words() + " -pipe " + name1 + " " + name2;
  return fill(line, out, size);
}

// What a failed start says about itself: the remote start's own error
// output (kept from the relay below) and the causes conect found, one line
// each; conrout shows them after "Error starting up the Quivane server.".
static int Start_output_fd = -1;   // read end of the remote start's error relay
static std::string Start_causes;   // causes noted by conect, one per line

// A cause of a failed start: on standard error as before, and kept.
static void start_cause(const char *text) {
  fprintf(stderr, "ccacpt: %s\n", text);
  Start_causes += std::string(text) + "\n";
}

// The causes of the start that just failed, and forgets them and the relay.
static std::string take_start_causes() {
  std::string text;
  if (Start_output_fd >= 0) {
    char buf[1024];
    ssize_t n;
    while ((n = read(Start_output_fd, buf, sizeof buf)) > 0) text.append(buf, (size_t)n);
    close(Start_output_fd);
    Start_output_fd = -1;
  }
  text += Start_causes;
  Start_causes.clear();
  return text;
}

// Copies what the start line writes on its error output to this program's
// standard error, and its first RELAY_KEEP bytes to keep (the parent's
// relay pipe), until the line and everything it started have closed it.
// Runs in the forked child; only plain system calls.
#define RELAY_KEEP 4096
static void relay_errors(int from, int keep) {
  signal(SIGPIPE, SIG_IGN);
  char buf[512];
  size_t kept = 0;
  for (;;) {
    ssize_t n = read(from, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    ssize_t off = 0;
    while (off < n) {
      ssize_t w = write(2, buf + off, (size_t)(n - off));
      if (w <= 0) break;
      off += w;
    }
    if (keep >= 0 && kept < RELAY_KEEP) {
      size_t part = std::min((size_t)n, (size_t)RELAY_KEEP - kept);
      if (write(keep, buf, part) != (ssize_t)part) {
        close(keep);
        keep = -1;
      }
      kept += part;
    }
  }
}

// Runs the remote start line through /bin/sh in the background, in a
// process group of its own, and returns the process id of that group's
// leader, or -1. The leader relays the line's error output (to standard
// error, and its beginning to Start_output_fd for the report of a failed
// start) and ends with the line. It is kept so that a start that ends
// before its server connects is noticed at once.
static int start_remote(int slot, const char *host) {
  char rsh[RSH_TEXT];
  remote_shell_in_use(rsh);
  char line[4 * CON_TEXT * 4 + 256];
  if (connect_remote_command(slot, rsh, host, line, sizeof line) < 0) {
    disperr("Could not start up server.");
    return -1;
  }
  qtrace(1, "conect", "remote start: %s", line);
  int keep[2] = {-1, -1}, errs[2] = {-1, -1};
  if (pipe(keep) != 0 || pipe(errs) != 0) {
    for (int fd : {keep[0], keep[1], errs[0], errs[1]})
      if (fd >= 0) close(fd);
    keep[0] = keep[1] = errs[0] = errs[1] = -1;
  }
  pid_t pid = fork();
  if (pid < 0) {
    int err = errno;
    for (int fd : {keep[0], keep[1], errs[0], errs[1]})
      if (fd >= 0) close(fd);
    perror("Error: Remote Start - ");
    char box[sizeof line + 128];
    snprintf(box, sizeof box, "Error from system(%s) = %d: %s", line, err, strerror(err));
    disperr(box);
    return -1;
  }
  if (pid == 0) {
    setpgid(0, 0);
    if (errs[1] >= 0) {
      pid_t sh = fork();
      if (sh == 0) {
        dup2(errs[1], 2);
        closefrom(3);
        execl("/bin/sh", "sh", "-c", line, (char *)nullptr);
        _exit(127);
      }
      close(errs[1]);
      close(keep[0]);
      if (sh > 0) relay_errors(errs[0], keep[1]);
      int status = 0;
      while (sh > 0 && waitpid(sh, &status, 0) < 0 && errno == EINTR) {
      }
      _exit(sh > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : 127);
    }
    closefrom(3);
    execl("/bin/sh", "sh", "-c", line, (char *)nullptr);
    _exit(127);
  }
  setpgid(pid, pid);
  if (errs[0] >= 0) {
    close(errs[0]);
    close(errs[1]);
    close(keep[1]);
    fcntl(keep[0], F_SETFD, FD_CLOEXEC);
    fcntl(keep[0], F_SETFL, O_NONBLOCK);
    Start_output_fd = keep[0];
  }
  return pid;
}

// Starts the local server over two FIFOs whose names go to name1/name2.
static int start_local(int slot, char *name1, char *name2, int size) {
  if (npmknames(name1, name2, size) != 0) {
    disperr("Could not start up server.");
    return -1;
  }
  char line[2 * CCP_PATH_LEN + CON_TEXT + 64];
  int pid = connect_local_command(slot, name1, name2, line, sizeof line) < 0
                ? -1
                : npfork(line, 0, 0, 0);
  if (pid < 0) {
    std::string dir = name1;
    rmdir(dir.substr(0, dir.rfind('/')).c_str());
    disperr("Could not start up server.");
  }
  return pid;
}

// ---- connection ----------------------------------------------------------------

// Waits for the first value of a server's answer, at most the accept
// time-out (-1: no limit), watching the started child pid (> 0); the rest
// of the answer is bounded by the channel's stall limit. 1 input, 0
// time-out, -2 the child ended, -1 error.
static int await_input(int ch, int pid) { return ccwait(ch, ccgettimeout(), pid); }

// The first int of an answer of the handshake. 0 or -1.
static int handshake_int(int ch, int pid, int *value) {
  if (await_input(ch, pid) != 1) return -1;
  return ccrint(ch, 1, value);
}

// The server's side of the link failed during the handshake; a server that
// broke its channel is reported as stopped answering.
static int server_failed(int ch, int pid) {
  caddtxt("ERROR: Connection closed due to an error on the server.");
  unset_working_cursor();
  connop();
  if (ccbroken(ch)) tell_offline(Case_num);
  abandon(ch, pid);
  return -1;
}

int conect(int local, int pid, const char *name1, const char *name2) {
  ccp_set_broken_hook(connect_channel_broken);
  caddtxt("Starting listening socket.");
  int lch = -1;
  if (local ? ccstrt(0, nullptr, pid, &lch, 1, name1, name2) != 0
            : ccstrt(0, nullptr, Server_port, &lch, 0, nullptr, nullptr) != 0) {
    stop_child(pid, STOP_GRACE_MS);
    return -1;
  }
  if (!local && pid > 0) {
    int w = await_input(lch, pid);  // the connection itself, while the remote start runs
    if (w != 1) {
      char cause[80];
      if (w == -2)
        snprintf(cause, sizeof cause, "The started server ended before it connected.");
      else
        snprintf(cause, sizeof cause, "No server connected within %d seconds.", ccgettimeout());
      start_cause(cause);
      abandon(lch, pid);
      return -1;
    }
  }
  int ch = -1;
  if (ccacpt(lch, 1, &ch) != 0) {
    stop_child(pid, STOP_GRACE_MS);
    return -1;
  }
  ccrdone(ch);  // the version opens the server's answer, within the accept time-out
  Isockt[Case_num] = ch;
  caddtxt("Connection accepted.");

  char version[CON_VERSION_LEN];
  int len = 0;
  if (await_input(ch, pid) != 1 || ccrstr(ch, 1, version, sizeof version, &len) != 0)
    return server_failed(ch, pid);
  if (len == 0 || version[len - 1] != '\0' || strcmp(version, CON_VERSION) != 0) {
    // Only this server is refused; the cases already loaded keep theirs.
    disperr(Box_version);
    connop();
    abandon(ch, pid);
    return -1;
  }

  int flag = 0, number = -1;
  if (ccsint(ch, Case_num + 1) != 0 || ccsint(ch, Reader_dbg) != 0 ||
      handshake_int(ch, pid, &flag) != 0 || (flag != 0 && ccrint(ch, 1, &number) != 0))
    return server_failed(ch, pid);
  const char *refusal = nullptr;
  if (flag == 0 && Security_token != -1)
    refusal = Box_expected_security;
  else if (flag != 0 && Security_token == -1)
    refusal = Box_unexpected_security;
  else if (flag != 0 && number != Security_token)
    refusal = Box_wrong_security;
  if (refusal) {
    disperr(refusal);
    ccsint(ch, 0);
    connop();
    abandon(ch, pid);
    return -2;
  }

  int threads = 0;
  if (ccsint(ch, 1) != 0 || handshake_int(ch, pid, &threads) != 0) return server_failed(ch, pid);
  Server_threads[Case_num] = threads;
  number_threads_for_server(&threads, 2);
  First_connection = 0;
  return 1;
}

// "Error starting up the Quivane server." followed by what the start said
// about its failure: each cause is also a message-window line at error
// severity, so the message window opens and the Info button shows red.
static void report_start_failure(const std::string &causes) {
  std::string box = "Error starting up the Quivane server.";
  size_t at = 0;
  while (at < causes.size()) {
    size_t end = causes.find('\n', at);
    if (end == std::string::npos) end = causes.size();
    std::string cause = causes.substr(at, end - at);
    while (!cause.empty() && (cause.back() == '\r' || cause.back() == ' ')) cause.pop_back();
    at = end + 1;
    if (cause.empty()) continue;
    caddtxt(("ERROR: " + cause).c_str());
    box += "\n" + cause;
  }
  disperr(box.c_str());
}

int conrout(int slot) {
  if (slot < 1 || slot >= CON_SLOTS) {
    disperr("Illegal connection program.");
    return -1;
  }
  int manual = Con_mode[slot] != 0;
  int local = 0, pid = -1;
  char name1[CCP_PATH_LEN] = "", name2[CCP_PATH_LEN] = "";
  if (manual) {
    char text[160];
    if (Security_token != -1)
      snprintf(text, sizeof text,
               "Please start a server manually to connect to the client.\n"
               "You must specify '-security %d' on the command line also.",
               Security_token);
    else
      snprintf(text, sizeof text, "Please start a server manually to connect to the client.");
    work_box(text);
    check_for_events();
    ccsettimeout(-1);
  } else {
    char host[256] = "";
    our_gethostname(-1, host, sizeof host);
    if (!Con_mach[slot][0]) set_field(Con_mach[slot], host);
    int socket = strcmp(Con_mach[slot], "socket") == 0;
    if (socket || (strcmp(Con_mach[slot], host) != 0 && strcmp(Con_mach[slot], "localhost") != 0)) {
      if (socket) set_field(Con_mach[slot], host);
      pid = start_remote(slot, host);
    } else {
      local = 1;
      pid = start_local(slot, name1, name2, sizeof name1);
    }
    if (pid < 0) return -1;
    ccsettimeout(Connect_timeout);
  }
  conlis();
  set_working_cursor("**Connect Server**");
  int r = conect(local, pid, name1, name2);
  unset_working_cursor();
  work_box_down();
  std::string causes = take_start_causes();
  if (r == -1) {
    report_start_failure(causes);
    Refusals[slot] = 0;
    return -1;
  }
  if (r == -2) {
    if (!manual && ++Refusals[slot] >= CON_MAX_REFUSALS) {
      char text[160];
      snprintf(text, sizeof text,
               "The server was refused %d times in a row; it is not started again.",
               CON_MAX_REFUSALS);
      disperr(text);
      Refusals[slot] = 0;
      return -1;
    }
    return -2;
  }
  Refusals[slot] = 0;
  const char *work = Con_work[slot];
  int ch = Isockt[Case_num];
  // The server may refuse the directory; a server that stops answering is lost.
  if (local && work[0] && strcmp(work, ".") != 0 && strcmp(work, "./") != 0 &&
      ccssetcwd(ch, work) != 0 && ccbroken(ch)) {
    connop();
    tell_offline(Case_num);
    abandon(ch, pid);
    disperr("Error starting up the Quivane server.");
    return -1;
  }
  screen_message_hide();
  Connected_server_once = 1;
  Server_pid[Case_num] = pid;
  return 1;
}

int connect_slot(int slot) {
  int r;
  do {
    r = conrout(slot);
  } while (r == -2);
  if (r != 1) return -1;
  Online[slot] = 1;
  conest();
  // The first case's server is there: the start screen is drawn afresh on
  // every display (nothing once data has been read).
  if (slot == 0)
    for (int d = 0; d < Dpy_cnt && d < 2; d++) initial_screen(d);
  return 1;
}

int connect_case(const char *name) {
  int s = Con_prog;
  if (s < 1 || s >= CON_SLOTS) {
    disperr("Illegal connection program.");
    return -1;
  }
  if (Con_mach[0][0]) {
    set_field(Con_mach[s], Con_mach[0]);
  } else {
    char host[256] = "";
    our_gethostname(-1, host, sizeof host);
    set_field(Con_mach[s], host);
  }
  Con_mode[s] = Con_mode[0];
  set_field(Con_loginid[s], Con_loginid[0][0] ? Con_loginid[0] : Con_loginid[1]);
  set_field(Con_exec[s], Con_exec[0][0] ? Con_exec[0] : Con_exec[1]);
  set_field(Con_work[s], Con_work[0][0] ? Con_work[0] : Con_work[1]);
  Pending_name = name;
  int r = connect_slot(s);
  Pending_name = nullptr;
  return r;
}

// ---- connection defaults file ----------------------------------------------------
// Text lines, one block per server in case order: a header line beginning
// "serv" or "back", then key/value lines whose keys begin "mach", "exec",
// "dire" and "logi"; the "logi" line ends the block. Block k fills slot k.
// A value is the rest of its line after the key and the blanks behind it
// (blanks at its end dropped), so it may hold blanks; it must fit its field
// (CON_TEXT - 1 characters), else it is refused with a message. The writer
// writes only values that read back as they are.

static const int DEFAULT_LINE_ROOM = 2 * CON_TEXT;  // characters of a line kept (longer: measured)

// Reads one line without its line feed: at most size - 1 characters are
// kept in buf (terminated), its whole length goes to *length and *nul is set
// when it holds a NUL byte. 1, or 0 at the end of the file.
static int read_default_line(FILE *fp, char *buf, int size, long *length, int *nul) {
  long n = 0;
  int c;
  *nul = 0;
  while ((c = getc(fp)) != EOF && c != '\n') {
    if (c == '\0') *nul = 1;
    if (n < size - 1) buf[n] = (char)c;
    n++;
  }
  if (c == EOF && n == 0) return 0;
  buf[n < size - 1 ? n : size - 1] = '\0';
  *length = n;
  return 1;
}

static bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A value's text as the writer may write it: one that the reader gets back
// unchanged (no line end, no blank at either end, within its field).
static bool value_reads_back(const char *v) {
  size_t n = strlen(v);
  if (n > CON_TEXT - 1 || strpbrk(v, "\n\r")) return false;
  return n == 0 || (!blank(v[0]) && !blank(v[n - 1]));
}
// The defaults file: "quivane.connect.default" in the current directory
// when it is there (readable, for mode 0), else the same name in the
// per-user directory; it must pass chkfil's silent check for mode (0 read,
// 1 write). "" when it does not.
static std::string default_path(int mode) {
  int report = 0, check = 0;
  bool here = mode == 0 ? chkfil(CON_DEFAULT_FILE, &check, &report) == 1
                        : access(CON_DEFAULT_FILE, F_OK) == 0;
  std::string path = CON_DEFAULT_FILE;
  if (!here) {
    if (!User_home_directory[0]) return "";
    path = std::string(User_home_directory) + "/" + Quivane_resource_directory + "/" +
           CON_DEFAULT_FILE;
  }
  check = mode;
  return chkfil(path.c_str(), &check, &report) == 1 ? path : "";
}

int connect_get_default() {
  std::string path = default_path(0);
  if (path.empty()) return -1;
  FILE *fp = fopen(path.c_str(), "r");
  if (!fp) return -1;
  char text[CON_TEXT + 64];
  snprintf(text, sizeof text, "Connection information read from:\n'%s'", path.c_str());
  caddtxt(text);

  char line[DEFAULT_LINE_ROOM + 1];
  long length = 0;
  int nul = 0, number = 0;
  int block = 0, in_block = 0;
  while (read_default_line(fp, line, sizeof line, &length, &nul)) {
    number++;
    const char *p = line;
    while (blank(*p)) p++;
    if (!*p && !nul) continue;  // a line without any word
    const char *key = p;
    while (*p && !blank(*p)) p++;
    std::string k(key, (size_t)(p - key));
    while (blank(*p)) p++;
    // The value runs to the end of the line, blanks at its end dropped; a
    // line longer than the room kept holds a value too long for any field.
    size_t vlen = strlen(p);
    while (vlen > 0 && blank(p[vlen - 1])) vlen--;
    bool too_long = length > DEFAULT_LINE_ROOM || vlen > CON_TEXT - 1;
    std::string value(p, vlen);
    if (!in_block) {
      if (strncmp(k.c_str(), "serv", 4) != 0 && strncmp(k.c_str(), "back", 4) != 0) {
        fprintf(stderr,
                "Expected the name 'server' or 'plotter'.\n"
                "Incorrect quivane.connect.default file format.\n");
        break;
      }
      if (++block >= CON_SLOTS) {
        // The first 16 blocks stand; the rest of the file is not for this client.
        fprintf(stderr,
                "Too many server/cases in quivane.connect.default, ignoring rest of file.\n");
        break;
      }
      in_block = 1;
      continue;
    }
    char *field = nullptr;
    if (!strncmp(k.c_str(), "mach", 4)) {
      if (!Con_mach[block][0]) field = Con_mach[block];
    } else if (!strncmp(k.c_str(), "exec", 4)) {
      field = Con_exec[block];
    } else if (!strncmp(k.c_str(), "dire", 4)) {
      if (!Ignore_working_dir) field = Con_work[block];
    } else if (!strncmp(k.c_str(), "logi", 4)) {
      field = Con_loginid[block];
      in_block = 0;
    } else {
      fprintf(stderr, "Incorrect quivane.connect.default file format.\n");
      break;
    }
    if (nul || too_long) {
      std::string why = nul ? "holds a NUL byte"
                            : "is longer than " + std::to_string(CON_TEXT - 1) + " characters";
      fprintf(stderr, "%s, line %d: the value of \"%s\" %s; it is ignored.\n", path.c_str(),
              number, k.c_str(), why.c_str());
      continue;
    }
    if (field) set_field(field, value.c_str());
  }
  fclose(fp);
  return 1;
}

void connect_prescan_args(int argc, char **argv) {
  for (int i = 1; i < argc; i++)
    if (argv[i] && strcmp(argv[i], "-iwd") == 0) Ignore_working_dir = 1;
}

int connect_write_default() {
  std::string path = default_path(1);
  if (path.empty()) return -1;
  const char *keys[] = {"machine", "executable", "directory", "login_id"};
  const char *values[] = {Con_mach[0], Con_exec[0], Con_work[0], Con_loginid[0]};
  for (int i = 0; i < 4; i++) {
    if (value_reads_back(values[i])) continue;
    fprintf(stderr,
            "%s not written: its %s \"%s\" would not read back (a line end, or a blank at "
            "its start or end).\n",
            path.c_str(), keys[i], values[i]);
    return -1;
  }
  FILE *fp = fopen(path.c_str(), "w");
  if (!fp) return -1;
  if (Con_exec[0][0])
    fprintf(fp, "server\nmachine %s\nexecutable %s\ndirectory %s\nlogin_id %s\n", Con_mach[0],
            Con_exec[0], Con_work[0], Con_loginid[0]);
  return fclose(fp) == 0 ? 1 : -1;
}

// ---- the Connect Server dialog's Apply ---------------------------------------------

static void record(const char *keyword, const char *value = nullptr) {
  std::string line = std::string("connect: ") + keyword;
  if (value) line += std::string(" ") + value;
  cmdrec(line.c_str());
}

static void store_slot(int slot, const char *mach, const char *exec, const char *work,
                       const char *login) {
  set_field(Con_mach[slot], mach);
  set_field(Con_exec[slot], exec[0] ? exec : CON_DEFAULT_EXEC);
  set_field(Con_work[slot], work);
  set_field(Con_loginid[slot], login);
}

int connect_apply_fields(const char *mach, const char *exec, const char *work, const char *login,
                         int manual) {
  mach = mach ? mach : "";
  exec = exec ? exec : "";
  work = work ? work : "";
  login = login ? login : "";
  int once = Connected_server_once;
  if (Con_prog < 1 || Con_prog >= CON_SLOTS || once) {
    Con_prog = 0;
    record("default");
  } else {
    record("backend");
  }
  const char *keys[] = {"machine", "executable", "directory", "login_id"};
  const char *texts[] = {mach, exec, work, login};
  for (int i = 0; i < 4; i++)
    if (texts[i][0]) record(keys[i], texts[i]);
  Con_mode[Con_prog] = manual ? 1 : 0;
  record("type", manual ? "manual" : "auto");

  int result = 1;
  store_slot(0, mach, exec, work, login);
  if (!once) {
    store_slot(Con_prog, mach, exec, work, login);
    Con_mode[0] = Con_mode[Con_prog];
    result = connect_slot(Con_prog);
    if (result == 1) record("connect");
  }
  if (Con_mode[Con_prog] == 0) connect_write_default();
  return result;
}

// ---- archive section "connect interface" -------------------------------------------
// float 7.0; int Case_cnt; 16 x (int active, 20-byte name); 17 ints Online;
// 17 ints Con_mode; per slot its machine, executable, working directory and
// login id, each as its whole 255-byte field. Big-endian, 17,868 bytes.

struct Connect_bkup_rec {
  int case_cnt;
  Case_rec cases[MAX_CASES];
  int online[CON_SLOTS];
  int mode[CON_SLOTS];
  char text[CON_SLOTS][4][CON_TEXT];  // machine, executable, directory, login id
};

static void put_be32(std::string *b, uint32_t v) {
  const char bytes[4] = {(char)(v >> 24), (char)(v >> 16), (char)(v >> 8), (char)v};
  b->append(bytes, 4);
}

static uint32_t get_be32(const unsigned char *p) {
  return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

static int save_connect_section(FILE *fp) {
  std::string b;
  float version = 7.0f;
  uint32_t bits;
  memcpy(&bits, &version, 4);
  put_be32(&b, bits);
  put_be32(&b, (uint32_t)Case_cnt);
  for (const Case_rec &c : Case_info) {
    put_be32(&b, (uint32_t)c.active);
    b.append(c.name, sizeof c.name);
  }
  for (int v : Online) put_be32(&b, (uint32_t)v);
  for (int v : Con_mode) put_be32(&b, (uint32_t)v);
  for (int s = 0; s < CON_SLOTS; s++)
    for (const char *field : {Con_mach[s], Con_exec[s], Con_work[s], Con_loginid[s]})
      b.append(field, CON_TEXT);
  if (fwrite(b.data(), 1, b.size(), fp) != b.size()) {
    perror("connect_bkup:");
    return -1;
  }
  return 1;
}

static int restore_connect_section(FILE *fp) {
  std::string raw(CON_BKUP_BYTES, '\0');
  if (fread(&raw[0], 1, raw.size(), fp) != raw.size()) {
    if (!ferror(fp)) errno = EIO;
    perror("connect_bkup:");
    return -1;
  }
  const unsigned char *p = (const unsigned char *)raw.data() + 4;  // the version is not examined
  Connect_bkup_rec saved;
  saved.case_cnt = (int)get_be32(p);
  p += 4;
  for (Case_rec &c : saved.cases) {
    c.active = (int)get_be32(p);
    memcpy(c.name, p + 4, sizeof c.name);
    c.name[sizeof c.name - 1] = '\0';
    p += 4 + sizeof c.name;
  }
  for (int &v : saved.online) v = (int)get_be32(p), p += 4;
  for (int &v : saved.mode) v = (int)get_be32(p), p += 4;
  for (auto &slot : saved.text)
    for (auto &field : slot) {
      memcpy(field, p, CON_TEXT);
      field[CON_TEXT - 1] = '\0';
      p += CON_TEXT;
    }

  fprintf(stderr, "***\n");
  fprintf(stderr, "***This backup restore info. is provided for informational purposes only.***\n");
  fprintf(stderr, "***\n");
  for (int s = 1; s < CON_SLOTS; s++) {
    if (saved.mode[s] != 0 || saved.online[s] != 1) continue;
    fprintf(stderr, "Backup connection information indicates that the server\n");
    fprintf(stderr, "connection was automatic with the following details:\n");
    fprintf(stderr, "Connection Machine: %s\n", saved.text[s][0]);
    fprintf(stderr, "Connection Executable: %s\n", saved.text[s][1]);
    fprintf(stderr, "Connection Working Directory: %s\n", saved.text[s][2]);
    fprintf(stderr, "Connection Login ID: %s\n\n", saved.text[s][3]);
  }
  fprintf(stderr, "*********************************************************\n\n");
  return 1;
}

int connect_bkup(FILE *fp, int mode) {
  if (mode != BKUP_SAVE && mode != BKUP_RESTORE) return 1;
  if (!fp) return -1;
  return mode == BKUP_SAVE ? save_connect_section(fp) : restore_connect_section(fp);
}
