// Placeholders of the viewer and viewport services (see viewer_services.h).
#include "view/viewer_services.h"

#include <cstdio>
#include <cstring>

#include "parts/attribute.h"
#include "parts/read.h"

#include "view/viewports.h"

void modify_viewport_part_visibility_attribute(int newmask, int oldmask, int *out) {
  int merged = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    int bit = 1 << v;
    merged |= (Viewports[v].in_use ? newmask : oldmask) & bit;
  }
  if (out) *out = merged;
}


