// Channels and wire primitives: no channel exists yet, so every send fails
// and closing is a no-op.
#include "client/ccp.h"

int ccsstr(int, const char *, int) { return -1; }
int ccend(int) { return 0; }
int ccp_send_exit_sigsafe(int) { return -1; }
