// External command driver link: this client driven by another program over
// TCP, or driving another client. At most one link exists at a time; it is a
// socket channel of the channel module, so both ends run the channel
// handshake first.
//
// Protocol, every string sent as ccsstr sends it (int length, then the bytes
// with their NUL): the driven side greets with "Hello Command Driver" (21
// bytes); the driver then sends one command line at a time (at most 328
// bytes with the NUL) and waits for "ok" (3 bytes) or "ERROR" (6 bytes).
// An empty string, a line beginning with "quit" and "Close Command Driver"
// get no answer. A length beyond the line limit (or negative) is answered
// "ERROR" and the link is closed at once, without reading the bytes it
// announced; a line that stalls half-way (the stall limit of the channel
// module) ends the link; a line holding a NUL byte before its end is answered
// "ERROR". After a driven link ends, the client listens on the same port
// again, so that a new driver can connect.
#pragma once

#define CMD_DRIVER_NO_LINK (-1)  // value of Cmd_driver_sock while no link stands
#define CMD_DRIVER_LINE 328      // longest command line of the protocol, NUL included

extern int Cmd_external_driver;        // 1 = wait for a driver at the first expose (-externalcmds)
extern int Cmd_driver_port;            // TCP port of the driver link (1104)
extern int Cmd_driver_sock;            // channel of the driver link, CMD_DRIVER_NO_LINK when none
extern int Cmd_drive_extapp;           // -1 no link, 0 driven, 1 driving another client
extern unsigned long Cmd_driver_inputid;  // screen watch of the driven link, 0 when none

// Driven side. Waits for a driver on Cmd_driver_port and greets it; 1 or -1.
int connect_to_extcmddriver();
// Handles one line from the driver: 1 handled and answered, 0 the driver
// closed the link, -1 link lost, empty line or the answer could not be sent.
int connect_getmesgfrom_extsrc();
// Handles lines, blocking, while they give 1; the first other result.
int connect_loopgetmesgfrom_extsrc();
// 1 while the client listens for the next driver (after a driven link ended).
int connect_extcmddriver_listening();
// Stops listening for the next driver (a later connect_to_extcmddriver
// listens anew).
void connect_extcmddriver_stop_listening();

// Driving side. Asks for the host and connects to the client there; 1 or -1.
int connect_extcmddriver_toclient();
// Connects to the client on host at Cmd_driver_port and checks its greeting; 1 or -1.
int connect_extcmddriver_tohost(const char *host);
// Sends one line to the driven client: 1 when it answered "ok", -1 otherwise.
int connect_sendmesgto_client(const char *line);
// Ends the driving of another client on channel ch: 1, or 0 when this client
// drives no other client (nothing is sent or closed then).
int connect_disconnect_fromclient(int ch);
