// Server connection state. Starting servers is not available yet: conrout
// reports a failed connection and no defaults file is read.
#include "client/conect.h"

#include <cstdio>

char Con_mach[CON_SLOTS][CON_TEXT];
char Con_exec[CON_SLOTS][CON_TEXT];
char Con_work[CON_SLOTS][CON_TEXT];
char Con_loginid[CON_SLOTS][CON_TEXT];
int Con_mode[CON_SLOTS];
int Con_prog = 1;
int Online[CON_SLOTS];
int Isockt[16];
int Server_port = 1106;
int Connect_timeout = 60;
int Connected_server_once = 0;
int Security_token = -1;
int Reader_dbg = 0;
int Ignore_working_dir = 0;

int conrout(int) {
  fprintf(stderr, "E> Server connections are not available in this build.\n");
  return -1;
}

int connect_get_default() { return -1; }
