// Server connection: the connection slots (slot 0 is the working copy of the
// Connect Server dialog and the defaults for cases added later; slot s
// belongs to case s-1), the online marks, the channel, child process and
// thread count of each case's server, the server start (manual, remote shell
// or local over FIFOs), the application handshake, the defaults file
// "quivane.connect.default" and the "connect interface" archive section.
#pragma once

#include <cstdio>

#include "client/cases.h"

#define CON_SLOTS 17
#define CON_TEXT 255
#define CON_VERSION "7.1.0"         // the version string a server must send
#define CON_VERSION_LEN 88          // longest version string accepted, NUL included
#define CON_MAX_REFUSALS 3          // refusals in a row after which an automatic start gives up
#define CON_DEFAULT_EXEC "quivane7.server"
#define CON_DEFAULT_FILE "quivane.connect.default"
#define CON_DEFAULT_PORT 1106
#define CON_BKUP_BYTES 17868        // length of the "connect interface" archive section

extern char Con_mach[CON_SLOTS][CON_TEXT];     // server machine per slot; "" this machine, "socket" this machine over TCP
extern char Con_exec[CON_SLOTS][CON_TEXT];     // server executable per slot
extern char Con_work[CON_SLOTS][CON_TEXT];     // server working directory per slot; may be ""
extern char Con_loginid[CON_SLOTS][CON_TEXT];  // remote login id per slot; may be ""
extern int Con_mode[CON_SLOTS];                // 0 automatic start, 1 manual
extern int Con_prog;                           // slot the dialog and "connect:" work on; 1 at start
extern int Online[CON_SLOTS];                  // entry i+1 is 1 while case i's server is connected
extern int Isockt[MAX_CASES];                  // channel index of each case's server
extern int Server_pid[MAX_CASES];              // child of each case's server start (local server or remote shell); -1 none
extern int Server_threads[MAX_CASES];          // thread count each case's server reported; 0 unknown
extern int Server_port;                        // port the client listens on for servers (1106)
extern int Connect_timeout;                    // seconds to wait for a started server; -1 forever
                                               // (-timeout, which also sets the stall limit)
extern int Connected_server_once;              // 1 once a server was accepted in this run
extern int Security_token;                     // number the server must present; -1 none
extern int Reader_dbg;                         // 1 = start servers with their reader-debug option
extern int Ignore_working_dir;                 // 1 = working directories of the defaults file ignored
extern const char *Conn_status_text;           // status the Connect Server dialog shows (conest/conlis/connop)

// Starts or awaits the server of a connection slot (1..16) for case Case_num
// and runs the handshakes: 1 connected, -1 failed, -2 refused by the
// handshake (the refused server is stopped; the caller may call again; an
// automatic start refused CON_MAX_REFUSALS times in a row gives -1). A
// server that stops answering in the middle of the handshake or of the
// working directory's "ccp_set_cwd" fails the start with "Server for case
// '<name>' stopped answering; the case is now offline.".
int conrout(int slot);
// Opens the channel (local: the FIFOs name1/name2 of child pid; else a
// listening socket on Server_port), accepts the server within the accept
// time-out and runs the application handshake. 1, -1 or -2 as conrout.
int conect(int local, int pid, const char *name1, const char *name2);
// Runs conrout for slot again while the handshake refuses the server; on
// success the slot's case is marked online and the status is "Connection
// Established". 1 or -1.
int connect_slot(int slot);
// Prepares slot Con_prog from slot 0 (machine, mode; login, executable and
// directory from slot 1 where slot 0's are empty) and connects it
// (connect_slot). name: the name of the case being added, for messages
// while it connects (null: the case table's). 1 or -1.
int connect_case(const char *name = nullptr);
// Copies slot src's machine, executable, directory, login id and mode into dst.
void connect_copy_slot(int dst, int src);
// The channel module's hook (installed by every connection): channel ch was
// found broken, so the online case it serves goes offline at once with
// "Server for case '<name>' stopped answering; the case is now offline.",
// and its server is stopped and reaped. A case still connecting is left to
// conect and conrout.
void connect_channel_broken(int ch);
// Status texts of the Connect Server dialog.
void conest();
void conlis();
void connop();
// Ends the server of a case: the case goes offline, "Exit" is sent when asked
// to and the channel is open (and not broken), the channel is closed, the
// started child may end (killed after a short grace, at once when the
// channel broke) and is reaped. 0.
int connect_stop_server(int case_index, int send_exit);

// The start command lines of slot s (without the trailing "&" of a
// background start). Remote: "<rsh> <machine> [-l <login>] '<cd dir; exec -c
// host [-ports N] [-security N] [-readerdbg]>'" with every word quoted for the
// shell. Local: "<exec> [-security N] [-readerdbg] -pipe <name1> <name2>".
// Length written, or -1 when it does not fit size bytes.
int connect_remote_command(int slot, const char *rsh, const char *host, char *out, int size);
int connect_local_command(int slot, const char *name1, const char *name2, char *out, int size);

// Reads "quivane.connect.default" (current directory, else the per-user
// directory): 1 when a file was read (blocks beyond 16 are ignored), -1 when
// none was found or opened.
int connect_get_default();
// Looks for -iwd among the arguments before the defaults file is read.
void connect_prescan_args(int argc, char **argv);
// Path of the defaults file to write ("" when there is none); rewrites it
// from slot 0, the settings last applied. 1 written, -1 not.
int connect_write_default();
// The Connect Server dialog's Apply without its widgets: the four field
// texts and the type menu (manual 1, auto 0). Records the equivalent lines,
// stores the settings, connects when no server has been connected yet and
// writes the defaults file for an automatic connection. Result of the
// connection (1, -1), or 1 when nothing was started.
int connect_apply_fields(const char *mach, const char *exec, const char *work, const char *login,
                         int manual);
// Archive section "connect interface": mode 0 saves, 2 restores (prints the
// saved automatic connections; nothing changes), others do nothing. 1 or -1.
int connect_bkup(FILE *fp, int mode);

// Brings the Connect Server dialog's fields in line with the current slot;
// set by the dialog's code, null while there is no dialog.
extern void (*connect_fields_windep)();
