// Stored views (see stored_views.h).  Placeholder: no slot is kept yet.
#include "view/stored_views.h"

#include "view/viewports.h"

int switch_views_process_command(int, int slot, int) {
  if (slot < 3 || slot > 9) return -1;
  viewports_display_all();
  return 1;
}
