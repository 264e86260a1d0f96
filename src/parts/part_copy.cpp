// Copies and iblanked parts. Until they are built no copy exists and no
// iblanked part can be made.
#include "parts/part_copy.h"

#include "client/screen.h"

void redo_copy_part(int) {}

int bnd_iblank_part(int, const int *, int, char *, int *new_count, int *) {
  if (new_count) *new_count = 0;
  disperr("Iblanked parts are not available in this build.");
  return -1;
}
