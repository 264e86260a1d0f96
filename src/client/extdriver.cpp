// External command driver link (see extdriver.h). Owns the link's state:
// its channel, its direction and the input source of the driven side, and
// the listener that waits for the next driver. Any end of the link, closed
// by either side or lost, puts Cmd_driver_sock back to CMD_DRIVER_NO_LINK
// (channel 0 is a valid channel, so it cannot mean "no link") and removes
// the input source, so that nothing later writes to or watches a dead
// channel; when this client was driven it then listens again on the same
// port, so that a new driver can connect.
#include "client/extdriver.h"

#include <strings.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "client/command_dlog.h"
#include "state/backup.h"
#include "client/screen.h"
#include "client/defaults.h"

int Cmd_external_driver = 0;
int Cmd_driver_port = 1104;
static const Global_defaults Defaults(DEFAULTS_AT_START, Cmd_driver_port);
int Cmd_driver_sock = CMD_DRIVER_NO_LINK;
int Cmd_drive_extapp = -1;
unsigned long Cmd_driver_inputid = 0;

static const char Greeting[] = "Hello Command Driver";
static const char Close_request[] = "Close Command Driver";
static const char Handshake_failed[] = "Could not get complete connection. Handshake failed.";
// Room for one string received from a driven client (its greeting and its
// answers); a longer string is drained by the channel module and fails.
static const int Recv_room = 4096;

static int Listener = -1;                // channel listening for the next driver, -1 none
static unsigned long Listener_watch = 0;  // screen watch of the listener, 0 none

// Sends text with its NUL; 0 or -1.
static int send_text(int ch, const char *text) {
  return ccsstr(ch, text, (int)strlen(text) + 1);
}

// Receives one string, waiting; *length is its byte count. 0 or -1.
static int recv_text(int ch, std::vector<char> *buf, int *length) {
  buf->assign(Recv_room + 1, '\0');
  *length = 0;
  if (ccrstr(ch, 1, buf->data(), Recv_room, length) != 0) return -1;
  (*buf)[*length] = '\0';
  return 0;
}

static void listen_again();

// Forgets the link: input source removed, channel closed, no link. A driven
// client listens for the next driver.
static void end_link() {
  int was_driven = Cmd_drive_extapp == 0;
  if (Cmd_driver_inputid) screen_unwatch(Cmd_driver_inputid);
  Cmd_driver_inputid = 0;
  if (Cmd_driver_sock != CMD_DRIVER_NO_LINK) ccend(Cmd_driver_sock);
  Cmd_driver_sock = CMD_DRIVER_NO_LINK;
  Cmd_drive_extapp = -1;
  if (was_driven) listen_again();
}

static void working_box(int show, const char *text) {
  int mode = show ? 1 : 0;
  work(&mode, text);
}

// ---- driven side -----------------------------------------------------------

// The event loop saw input on the driven link: one line is handled.
static void driver_line_ready() { connect_getmesgfrom_extsrc(); }

// Greets the driver accepted on ch and watches its lines; 1 or -1.
static int greet_driver(int ch) {
  Cmd_driver_sock = ch;
  Cmd_drive_extapp = 0;
  if (send_text(ch, Greeting) != 0) {
    disperr(Handshake_failed);
    end_link();
    return -1;
  }
  if (screen_watch(ccpgfd(ch), driver_line_ready, &Cmd_driver_inputid) < 0) Cmd_driver_inputid = 0;
  caddtxt("Command driver connection accepted.");
  caddtxt("The driver can now issue commands.");
  return 1;
}

// The listener stops being watched; the channel stays (its index is returned).
static int take_listener() {
  if (Listener_watch) screen_unwatch(Listener_watch);
  Listener_watch = 0;
  int l = Listener;
  Listener = -1;
  return l;
}

// The event loop saw a driver connecting: it is accepted without waiting
// and greeted; a listener that failed is made again.
static void driver_connecting() {
  if (Cmd_driver_sock != CMD_DRIVER_NO_LINK) return;
  int ch = -1;
  int r = ccacpt(Listener, 0, &ch);
  if (r == 1) return;  // gone again before it was accepted
  take_listener();
  if (r == 0)
    greet_driver(ch);
  else
    listen_again();
}

// Listens on Cmd_driver_port for the next driver, watched by the event loop.
static void listen_again() {
  if (Listener >= 0 || Cmd_driver_sock != CMD_DRIVER_NO_LINK) return;
  if (ccstrt(0, nullptr, Cmd_driver_port, &Listener, 0, nullptr, nullptr) != 0) {
    Listener = -1;
    fprintf(stderr, "Could not listen for a command driver on port %d again.\n", Cmd_driver_port);
    return;
  }
  if (screen_watch(ccpgfd(Listener), driver_connecting, &Listener_watch) < 0) Listener_watch = 0;
}

int connect_extcmddriver_listening() { return Listener >= 0; }

void connect_extcmddriver_stop_listening() {
  int l = take_listener();
  if (l >= 0) ccend(l);
}

int connect_to_extcmddriver() {
  if (Cmd_driver_sock != CMD_DRIVER_NO_LINK) {
    disperr("A command driver link is already open.");
    return -1;
  }
  const char *wait_text = "Please start a external command driver program.";
  working_box(1, wait_text);
  check_for_events();
  set_working_cursor("**Waiting for Command Driver**");

  int listener = take_listener(), ch = -1;
  if (listener < 0 && ccstrt(0, nullptr, Cmd_driver_port, &listener, 0, nullptr, nullptr) != 0) {
    working_box(0, wait_text);
    unset_working_cursor();
    return -1;
  }
  if (ccacpt(listener, 1, &ch) != 0) {
    ccend(listener);  // still listening when nothing came (a time-out of 0)
    working_box(0, wait_text);
    unset_working_cursor();
    return -1;
  }
  unset_working_cursor();
  working_box(0, wait_text);
  return greet_driver(ch);
}

static bool begins(const char *line, const char *word) {
  return strncasecmp(line, word, strlen(word)) == 0;
}

// Reads one line from the driver: its length, then its bytes (each within
// the stall limit once the line has begun). 0 read (buf terminated); 1 the
// length is negative or beyond the line limit (nothing more was read); -1
// the link failed.
static int recv_line(int ch, std::vector<char> *buf, int *length) {
  *length = 0;
  if (ccrint(ch, 1, length) != 0) return -1;
  if (*length < 0 || *length > CMD_DRIVER_LINE) return 1;
  buf->assign((size_t)*length + 1, '\0');
  if (ccrbytes(ch, buf->data(), *length) != 0) return -1;
  ccrdone(ch);  // the next line may be long in coming
  return 0;
}

// Answers text to the driver; -1 (the link ended) when that failed.
static int answer(const char *text, const char *failure) {
  if (send_text(Cmd_driver_sock, text) == 0) return 0;
  fputs(failure, stderr);
  end_link();
  return -1;
}

int connect_getmesgfrom_extsrc() {
  if (Cmd_driver_sock == CMD_DRIVER_NO_LINK) return -1;
  std::vector<char> buf;
  int length = 0;
  int got = recv_line(Cmd_driver_sock, &buf, &length);
  if (got < 0) {
    fprintf(stderr, "Lost connection with driver.\n");
    end_link();
    return -1;
  }
  if (got == 1) {
    // The announced bytes are not read: the link cannot be trusted to be
    // in step any more, so it is answered and closed at once.
    fprintf(stderr, "Command from driver of %d bytes refused (at most %d); the link is closed.\n",
            length, CMD_DRIVER_LINE);
    answer("ERROR", "Couldn't send error back to driver.\n");
    end_link();
    return -1;
  }
  const char *line = buf.data();
  if (line[0] == '\0' && length <= 1) {
    fprintf(stderr, "Empty command received from driver.\n");
    return -1;
  }
  // A line cannot hide another behind a NUL byte: it is refused whole.
  if (memchr(line, '\0', (size_t)length) != nullptr && (size_t)length != strlen(line) + 1) {
    fprintf(stderr, "Command from driver holding a NUL byte refused.\n");
    return answer("ERROR", "Couldn't send error back to driver.\n") == 0 ? 1 : -1;
  }
  // A driver may end its lines with a line feed; it is no part of the command.
  size_t n = strlen(line);
  while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r')) buf[--n] = '\0';

  Command_proc_err = 0;
  int failed = 0;
  int exiting = 0;
  if (begins(line, "quit")) {
    quit_rout();
    return 1;
  } else if (begins(line, "play:")) {
    const char *name = line + 5;
    while (*name == ' ') name++;
    if (cmdplay(name, 0) < 0) failed = 1;
    cmd_checkrefresh(line);
  } else if (begins(line, "exit")) {
    fprintf(stderr, "Executed an 'exit' command.\n");
    exiting = 1;
    cmd_checkrefresh(line);
  } else if (begins(line, "test: closecmddriver")) {
    cmd_checkrefresh(line);  // belongs to the driving side: nothing to do here
  } else if (begins(line, Close_request)) {
    end_link();
    return 0;
  } else {
    // A line refused by the line processor (unknown category word, over-long
    // keyword or parameters, a processor's -1) is an error for the driver
    // even when no processor raised the error flag.
    if (cmd_process_basedonmode(line) == -1) failed = 1;
    cmd_checkrefresh(line);
  }

  // The line may have ended the link (a nested driver command); then there
  // is nobody to answer.
  if (Cmd_driver_sock == CMD_DRIVER_NO_LINK) return -1;
  int ok = !failed && Command_proc_err == 0;
  if (answer(ok ? "ok" : "ERROR", ok ? "Couldn't send ok back to driver.\n"
                                     : "Couldn't send error back to driver.\n") != 0)
    return -1;
  if (exiting) quit_rout();
  return 1;
}


int connect_loopgetmesgfrom_extsrc() {
  int r;
  while ((r = connect_getmesgfrom_extsrc()) == 1) {
  }
  return r;
}

// ---- driving side ------------------------------------------------------------

int connect_extcmddriver_toclient() {
  char host[256] = "";
  screen_prompt("Host To Connect", "Attach To Quivane Client", host, (int)sizeof host, 0);
  if (!host[0]) return -1;
  return connect_extcmddriver_tohost(host);
}

int connect_extcmddriver_tohost(const char *host) {
  if (Cmd_driver_sock != CMD_DRIVER_NO_LINK) {
    disperr("A command driver link is already open.");
    return -1;
  }
  set_working_cursor("**Connecting To Client**");
  int ch = -1;
  if (!host || !host[0] || ccstrt(1, host, Cmd_driver_port, &ch, 0, nullptr, nullptr) != 0) {
    disperr("Could not connect to workstation indicated.");
    unset_working_cursor();
    return -1;
  }
  unset_working_cursor();
  std::vector<char> buf;
  int length = 0;
  if (recv_text(ch, &buf, &length) != 0 || strcmp(buf.data(), Greeting) != 0) {
    disperr(Handshake_failed);
    ccend(ch);
    return -1;
  }
  Cmd_driver_sock = ch;
  caddtxt("Connect to client to drive with commands completed.");
  Cmd_drive_extapp = 1;
  return 1;
}

int connect_sendmesgto_client(const char *line) {
  if (Cmd_drive_extapp != 1 || Cmd_driver_sock == CMD_DRIVER_NO_LINK || !line) return -1;
  std::vector<char> buf;
  int length = 0;
  if (send_text(Cmd_driver_sock, line) != 0 || recv_text(Cmd_driver_sock, &buf, &length) != 0) {
    fprintf(stderr, "Lost connection with the driven client.\n");
    end_link();
    return -1;
  }
  return strcmp(buf.data(), "ok") == 0 ? 1 : -1;
}

int connect_disconnect_fromclient(int ch) {
  if (Cmd_drive_extapp != 1) return 0;
  send_text(ch, Close_request);
  if (ch != Cmd_driver_sock) ccend(ch);
  end_link();
  return 1;
}
