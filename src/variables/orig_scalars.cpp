// Wire: "orig avail scalars" -> int n, n strings, int status (0 success).
#include "variables/orig_scalars.h"

#include <cstdio>
#include <cstdlib>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"

static const int MAX_SCALARS = 1 << 16;  // names one reply may announce

int orig_avail_scalars(int *count, char (**names)[ORIG_SCALAR_LEN]) {
  int ch = Isockt[Case_num], n = 0, status = -1;
  *count = 0;
  *names = nullptr;
  if (ccsstr(ch, "orig avail scalars", 18) != 0 || ccrint(ch, 1, &n) != 0) return -1;
  if (n < 0 || n > MAX_SCALARS) {
    fprintf(stderr, "orig_avail_scalars: Bad count %d from the server.\n", n);
    return -1;
  }
  char (*list)[ORIG_SCALAR_LEN] =
      n > 0 ? (char (*)[ORIG_SCALAR_LEN])calloc((size_t)n, ORIG_SCALAR_LEN) : nullptr;
  char drain[ORIG_SCALAR_LEN];
  for (int i = 0; i < n; i++) {
    int len = 0;
    char *buf = list ? list[i] : drain;
    if (ccrstr_keep(ch, 1, buf, ORIG_SCALAR_LEN - 1, &len) != 0) {
      free(list);
      return -1;
    }
    buf[len < ORIG_SCALAR_LEN - 1 ? len : ORIG_SCALAR_LEN - 1] = '\0';
  }
  if (ccrint(ch, 1, &status) != 0 || (n > 0 && !list)) {
    free(list);
    return -1;
  }
  *count = n;
  *names = list;
  return status == 0 ? 1 : -1;
}
