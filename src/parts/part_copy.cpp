// Copies and iblanked parts. Until they are built no copy exists and no
// iblanked part can be made.
#include "parts/part_copy.h"

#include "client/screen.h"

void redo_copy_part(int) {}

int copy_part(int, const int *) {
  disperr("Copies are not available in this build.");
  return -1;
}
int group_parts(int, const int *, const char *) {
  disperr("Groups are not available in this build.");
  return -1;
}
void ungroup_parts(int, const int *) {}
int extract_part(int, const int *, const int *, int) {
  disperr("Extracts are not available in this build.");
  return -1;
}
int modify_extract_merge_part(int) { return -1; }

int bnd_iblank_part(int, const int *, int, char *, int *new_count, int *) {
  if (new_count) *new_count = 0;
  disperr("Iblanked parts are not available in this build.");
  return -1;
}
