// Placeholders of the viewer and viewport services (see viewer_services.h).
#include "view/viewer_services.h"

#include <cstdio>
#include <cstring>

#include "parts/attribute.h"
#include "parts/read.h"

#include "view/viewports.h"

// Frame 0, the global frame, is the only one that exists: its attribute
// block and name are kept here, starting from the frame defaults.
static float Frame0_words[FRAME_ATTR_WORDS];
static char Frame0_name[PART_NAME_USED];
static int Frame0_made = 0;

int frames(int frame, int mode, char *desc, float *attributes) {
  if (frame != 0) return -1;
  if (!Frame0_made) {
    Frame0_made = 1;
    frame_attributes(-1, Frame0_words, nullptr, 0);
  }
  if (mode == 0) {
    if (attributes) memcpy(attributes, Frame0_words, sizeof Frame0_words);
    if (desc) snprintf(desc, PART_NAME_USED, "%s", Frame0_name);
  } else if (mode == 1) {
    if (attributes) memcpy(Frame0_words, attributes, sizeof Frame0_words);
    if (desc) snprintf(Frame0_name, sizeof Frame0_name, "%s", desc);
  }
  return 1;
}

void modify_viewport_part_visibility_attribute(int newmask, int oldmask, int *out) {
  int merged = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    int bit = 1 << v;
    merged |= (Viewports[v].in_use ? newmask : oldmask) & bit;
  }
  if (out) *out = merged;
}

int viewport_is_2d(int) { return 0; }

void recheck_all_parts_against_2d_viewport(int) {}

void check_part_against_2d_viewports(int, int, float **, int, int, int) {}

int View_centred = 0;

void center() { View_centred = 1; }
