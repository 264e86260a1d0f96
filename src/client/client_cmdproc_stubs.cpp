// The developer "test:" interpreter. Of its lines only those of the pieces
// built so far are known; every other line is not acted on.
#include <cstdio>
#include <cstring>

#include "client/cmd_tables.h"
#include "data/pbuild.h"

// "test: painfull_read" (also without the blank): asks the N3S read mode on
// the terminal and sends it to every case server.
static int painfull_read() {
  printf("Enter 1 for slow read with comments allowed, 0 for fast read): ");
  fflush(stdout);
  int mode = 0;
  if (scanf("%d", &mode) != 1) return 1;
  send_painfull_read(mode);
  return 1;
}

int placom(const char *line) {
  if (!line) return 0;
  if (!strncmp(line, "test: painfull_read", 19) || !strncmp(line, "test:painfull_read", 18))
    return painfull_read();
  return 0;
}
