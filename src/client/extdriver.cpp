// External command driver link state; the link itself is not available yet.
#include "client/extdriver.h"

#include <cstdio>

int Cmd_external_driver = 0;
int Cmd_driver_port = 1104;
int Cmd_driver_sock = CMD_DRIVER_NO_LINK;
int Cmd_drive_extapp = -1;

int connect_to_extcmddriver() {
  fprintf(stderr, "E> The external command driver link is not available in this build.\n");
  return -1;
}

int connect_loopgetmesgfrom_extsrc() { return -1; }

int connect_sendmesgto_client(const char *) { return -1; }
