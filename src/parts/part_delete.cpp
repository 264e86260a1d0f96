// Display-object deletion (see part_delete.h).  A part's line and solid
// objects are either GL lists (ids in line_list and solid_list) or, with
// Quivane_display_list set, recorded objects whose blocks go back to the
// recorder's pool; the object headers stay with the part.
#include "parts/part_delete.h"

#include <GL/gl.h>

#include "parts/read.h"
#include "render/disobj.h"
#include "render/display_list.h"

void delete_display_lists_for_part(int i, int which, int clear) {
  if (i < 0 || i >= Num_p_loaded || !parts[i] || (which != 0 && which != 1)) return;
  Part_rec *p = parts[i];
  if (Quivane_display_list) {
    Display_object_rec *object = which ? p->solid_object : p->line_object;
    if (object) {
      purge_display_list_memory(object->first);
      object->first = nullptr;
    }
    return;
  }
  unsigned int &id = which ? p->solid_list : p->line_list;
  // The solid list is deleted only once the solid object has been built.
  const bool may_delete = which == 0 || p->solid_built;
  if (id && may_delete && glIsList(id)) glDeleteLists(id, 1);
  if (clear) id = 0;
}

// Part removal arrives with the structure operations; until then nothing
// can be deleted.
#include "client/screen.h"

int delete_part(int) {
  disperr("Part deletion is not available in this build.");
  return -1;
}
int local_delete_part(int) { return 0; }
void delete_part_stuff(int) {}
int check_delete_part_for_periodicity(int, const int *, int *count, int *) {
  if (count) *count = 0;
  return -1;
}
