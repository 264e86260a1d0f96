// External command driver link: this client driven by another program over
// TCP, or driving another client.
#pragma once

#define CMD_DRIVER_NO_LINK (-1)  // value of Cmd_driver_sock while no link stands

extern int Cmd_external_driver;  // 1 = wait for a driver at the first expose (-externalcmds)
extern int Cmd_driver_port;      // TCP port of the driver link (1104)
extern int Cmd_driver_sock;      // channel of the driver link, CMD_DRIVER_NO_LINK when none
extern int Cmd_drive_extapp;     // -1 before any link, 0 driven, 1 driving another client

int connect_to_extcmddriver();          // 1 or -1
int connect_loopgetmesgfrom_extsrc();   // first result other than 1
int connect_sendmesgto_client(const char *line);  // 1 on "ok", -1 otherwise
