// Server connection state: connection slots (slot 0 is the working copy shown
// by the connection dialog, slot s = case s-1), the online marks and the
// channel of each case's server.
#pragma once

#define CON_SLOTS 17
#define CON_TEXT 255

extern char Con_mach[CON_SLOTS][CON_TEXT];     // server machine per slot
extern char Con_exec[CON_SLOTS][CON_TEXT];     // server executable per slot
extern char Con_work[CON_SLOTS][CON_TEXT];     // server working directory per slot
extern char Con_loginid[CON_SLOTS][CON_TEXT];  // remote login id per slot
extern int Con_mode[CON_SLOTS];                // 0 automatic start, 1 manual
extern int Con_prog;                           // slot the connection dialog works on
extern int Online[CON_SLOTS];                  // entry i+1 is 1 while case i's server is connected
extern int Isockt[16];                         // channel index of each case's server
extern int Server_port;                        // port the client listens on for servers (1106)
extern int Connect_timeout;                    // seconds to wait for a server; -1 forever
extern int Connected_server_once;              // 1 once a server was accepted in this run
extern int Security_token;                     // number the server must present; -1 none
extern int Reader_dbg;                         // 1 = start servers with their reader-debug option
extern int Ignore_working_dir;                 // 1 = working directories of the defaults file ignored

// Starts or awaits the server of a connection slot and runs the handshakes:
// 1 connected, -1 failed, -2 refused by the handshake (may be retried).
int conrout(int slot);
// Reads "quivane.connect.default": 1 when a file was read, -1 otherwise.
int connect_get_default();
