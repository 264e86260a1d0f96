// Channels and wire primitives. A channel is a TCP socket or a pair of named
// pipes, named by its index in Sockt_tbl. Every value travels big-endian: an
// int as 4 bytes, a float as 4 raw IEEE bytes or (after a handshake that found
// the peer's floats differ) as a 4-byte portable code, a string as an int
// length and exactly that many bytes. Every receive is bounded by the space
// the caller gives it: an over-long value of at most CCP_DRAIN_MAX bytes is
// read, dropped and the call fails, so the channel stays in step with the
// peer. Every receive is bounded in time too: the first byte of a reply
// waits as the caller asks, but once a reply has begun arriving each further
// byte must come within the stall limit. A stall, a framing error (a negative
// count, a count the receive cannot take) or a peer gone mid-way marks the
// channel broken: nothing is read from it or sent on it again.
#pragma once

#include <sys/types.h>

#define CCP_PATH_LEN 1024     // room for one FIFO path in a channel record
#define CCP_REPLY_LEN 150     // longest reply string of the module's own requests
#define CCP_GREETING_LEN 12   // longest greeting of a pipe peer
#define CCP_CHUNK 1024        // values per conversion buffer
#define CCP_DRAIN_MAX (16 << 20)  // most bytes of an over-long value dropped (more: broken)
#define CCP_STALL_DEFAULT 60  // seconds of the stall limit when no connection time-out is set

struct Channel_rec {
  int kind;                   // 0 TCP socket, 1 pair of named pipes
  int sockfd;                 // socket kind: the socket; -1 once closed
  int wfd;                    // pipe kind: the pipe this side writes; -1 once closed
  int rfd;                    // pipe kind: the pipe this side reads; -1 once closed
  int pipe_num;               // pipe kind: pid of the started server (creating side); -1 opening side
  int ints_raw;               // always 1: ints travel as 4 big-endian bytes
  int floats_raw;             // 1 raw IEEE bytes, 0 portable codes (set by the handshake)
  int shake_fd;               // socket kind: the connected socket the handshake ran on; -1 none
  int listening;              // 1 while a socket channel waits for its one connection
  int broken;                 // 1 once the link is unusable (peer gone, stalled mid-reply, framing
                              // error): nothing is read from it or sent on it again
  int reply_open;             // 1 while a reply arrives: a byte came since this side last sent, so
                              // every further byte must come within the stall limit
  int closed;                 // 1 after ccend
  char path1[CCP_PATH_LEN];   // pipe kind, creating side: FIFO this side reads (removed on close); "" else
  char path2[CCP_PATH_LEN];   // pipe kind, creating side: FIFO this side writes (removed on close); "" else
};

extern Channel_rec *Sockt_tbl;  // every channel ever made, index = channel; grown by one per channel
extern int Sockt_cnt;           // number of records in Sockt_tbl; indices are never reused

// ---- set-up and control ------------------------------------------------
// Makes a channel; its index goes to *ch. kind 1: a pipe channel (pccstrt,
// port_or_pid is the started server's pid). Other kinds: a socket; connect 1
// connects to host:port and runs the handshake, connect 0 listens on port.
int ccstrt(int connect, const char *host, int port_or_pid, int *ch, int kind,
           const char *path1, const char *path2);
// Accepts the connection of a listening socket channel (then runs the
// handshake) or reads the greeting of a pipe channel. 0 connected (*out =
// channel), 1 nothing pending yet (poll mode), -1 failure.
int ccacpt(int ch, int wait, int *out);
// Closes a channel (its record stays, its index is never reused); 0.
int ccend(int ch);
// Descriptor to watch for input: a pipe channel's read pipe or the socket;
// -1 when the channel is closed or broken.
int ccpgfd(int ch);
// Accept time-out in seconds: -1 no limit, 0 do not wait; initially 60.
// Also bounds the FIFO opens, the greeting and the first byte of the
// handshake (which, at -1 or 0, gets the stall limit instead). Below -1 ignored.
void ccsettimeout(int seconds);
int ccgettimeout();
// Stall limit: once a reply has begun arriving, each further byte must come
// within it. seconds > 0 sets it (the connection time-out); anything else
// gives CCP_STALL_DEFAULT seconds. The _ms form is for tests.
void ccsetstall(int seconds);
void ccsetstall_ms(int ms);
int ccgetstall_ms();
// Waits until channel ch has input: at most timeout seconds (-1: no
// limit), while process pid (> 0) runs. 1 input, 0 time-out, -2 pid ended,
// -1 error or no such channel.
int ccwait(int ch, int timeout, int pid);
// The reply being read is complete: the next byte read on ch opens a new
// one and waits as its receive asks. (A send does the same.)
void ccrdone(int ch);
// 1 when channel ch is broken (or was never made), else 0.
int ccbroken(int ch);
// Called once for each channel at the moment it is found broken, so that
// its owner can take what depends on it out of use; null: nobody is told.
void ccp_set_broken_hook(void (*hook)(int ch));
// An empty SIGALRM handler: an alarm only interrupts a blocking call.
void cctimeout(int sig);
// Bytes sent and received by every channel since start (handshakes excluded).
int ccsbyt();
int ccrbyt();

// Pipe channels (ccstrt / ccacpt / ccend call these for kind 1). Creating
// side (connect 0): makes the FIFOs path2 and path1, opens path2 for writing
// and path1 for reading, and removes both (and their "Quiv_" directory) on
// close. Opening side (connect 1): opens path2 for reading, path1 for writing.
int pccstrt(int connect, int pid, int *ch, const char *path1, const char *path2);
int pccacpt(int ch, int wait, int *out);
int pccend(int ch);

// ---- value encoding and handshake ----------------------------------------
// Portable float code: bits 31..24 exponent e, bits 23..0 mantissa m (both
// two's complement); value m / 8388607 * 2^e. 0 for |x| <= 1e-20, >= 1e20, NaN.
int ccfltcode(float x);
float cccodeflt(int code);
// Writes the 10 test bytes (04 12 34 56 78 04 4B 3C 61 4E) on the channel's
// socket, reads the peer's and sets floats_raw. The peer's first byte must
// come within the accept time-out (the stall limit when that is -1 or 0),
// each later one within the stall limit: 0, or -1 when it did not.
int ccshake(int ch);

// ---- typed primitives ----------------------------------------------------
// Sends return 0 or -1 (always -1 on a broken channel). Receives take wait
// (1 block; 0 poll: on a socket, 1 is returned at once when nothing has
// arrived; once a byte is there the rest is waited for, within the stall
// limit) and return 0, 1 or -1. Counted receives take the capacity of their
// buffer (values, or points for vectors): a longer value is drained (at most
// CCP_DRAIN_MAX bytes; beyond that, or a negative count, the channel is
// broken) and the call fails. A negative channel on an array send means
// "values only, no counts" on channel -ch.
int ccsint(int ch, int value);
int ccrint(int ch, int wait, int *value);
int ccsflt(int ch, float value);
int ccrflt(int ch, int wait, float *value);
// length 0 sends strlen(text). The receiver adds no terminator.
int ccsstr(int ch, const char *text, int length);
int ccrstr(int ch, int wait, char *buf, int capacity, int *length);
// The n bytes of a value whose length the caller has read itself (they
// are the middle of a value: each must come within the stall limit). 0 or -1.
int ccrbytes(int ch, void *buf, int n);
int ccsinn(int ch, const int *values, int n);
int ccrinn(int ch, int wait, int *values, int capacity, int *n);
int ccsfln(int ch, const float *values, int n);
int ccrfln(int ch, int wait, float *values, int capacity, int *n);
int ccsnscl(int ch, const float *values, int n);
int ccrnscl(int ch, int wait, float *values, int capacity, int *n);
// int rows, int columns, then the values row by row. The receiver names the
// shape it expects; another shape is drained and the call fails.
int ccsfl2(int ch, float *const *rows, int nrows, int ncols);
int ccrfl2(int ch, int wait, float **rows, int nrows, int ncols);
// As ccsfl2 over a flat array whose rows start 3 floats apart (ncols <= 3).
int ccsfl2_s3(int ch, const float *values, int nrows, int ncols);
int ccrfl2_s3(int ch, int wait, float *values, int nrows, int ncols);
// As ccrstr and ccrinn, but a value longer than capacity keeps its first
// capacity bytes (ints) and the rest is drained; *length and *n receive the
// count the peer announced, so the caller sees that it was cut. 0 or -1.
int ccrstr_keep(int ch, int wait, char *buf, int capacity, int *length);
int ccrinn_keep(int ch, int wait, int *values, int capacity, int *n);
// Socket: int 3, int n, all x, all y, all z. Pipe: int n, then x y z per point.
int ccsnvec(int ch, const float *xyz, int n);
int ccrnvec(int ch, int wait, float *xyz, int capacity, int *n);

// ---- the module's own requests -------------------------------------------
// Asking side: "ccp_get_host" / "ccp_get_cwd" (sent with their NUL); the
// reply, NUL-terminated, goes into buf (size bytes). -1 on failure or an
// empty reply.
int ccrhst(int ch, char *buf, int size);
int ccrcwd(int ch, char *buf, int size);
// "ccp_set_cwd" and the path (with NUL); 0 when the peer changed directory.
int ccssetcwd(int ch, const char *path);
// Answering side (the keyword has been read): host name, current directory,
// change of directory (reads the path, answers int 1 or 0; the path read is
// also copied into path when one is given).
int ccshst(int ch);
int ccscwd(int ch);
int ccrsetcwd(int ch, char *path = nullptr, int size = 0);

// Writes the framed request word "Exit" (00 00 00 04 'E' 'x' 'i' 't') with
// write(2) alone, for use inside a signal handler; 0 or -1.
int ccp_send_exit_sigsafe(int ch);

// ---- trace ---------------------------------------------------------------
// A levelled trace on standard error, off by default, each line tagged with
// the module and the process id. Level from the environment variable
// QUIVANE_TRACE: 1 events (connects, requests), 2 also a hex dump of every
// byte sent and received.
extern int Trace_level;  // 0 off, 1 events, 2 wire bytes; -1 = not yet read from the environment
int qtrace_on(int level);
void qtrace(int level, const char *tag, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
void qtrace_hex(const char *tag, const char *what, int ch, const void *data, int n);
