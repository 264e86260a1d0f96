// Frame triad visibility (see frames.h).
#include "view/frames.h"

#include "client/defaults.h"

int Axiso1 = 1;
int Axiso2 = 0;
int Axiso3 = 0;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Axiso1, Axiso2, Axiso3);

// ---- frame table -----------------------------------------------------------------

int Num_frames = 0;
int Frame_current_transmode = 1;

static void no_panel() {}
void (*frame_icons_refresh_windep)() = no_panel;

// No frame table yet, so no frame to describe.
int frame_get(int, int *, char *) { return -1; }

int current_selected_frames(int *count, int *, int) {
  if (count) *count = 0;
  return 1;
}

int given_frames_return_parts(int, const int *, int *count, int **list) {
  if (count) *count = 0;
  if (list) *list = nullptr;
  return 1;
}

void frame_icons_refresh() { frame_icons_refresh_windep(); }

void frame_notification_mesg_windep() {}

// ---- triad size ------------------------------------------------------------------
#include "parts/attribute.h"

float Axis_size = 0.0f;
float Axis_size_div20 = 0.0f;

void axiscl(float size) {
  Axis_size = size;
  float attrs[FRAME_ATTR_WORDS];
  frame_attributes(-1, attrs, nullptr, 0);
  for (int i = 0; i < 3; i++) attrs[FRAME_LEN_X + i] = size;
  frame_attributes(-1, attrs, nullptr, 1);
  Axis_size_div20 = size / 20.0f;
}

void frame_to_global_matrix(int, float m[16]) {
  for (int i = 0; i < 16; i++) m[i] = i % 5 == 0 ? 1.0f : 0.0f;
}

// ---- frame records ---------------------------------------------------------------

static Frame_rec *global_frame() {
  static Frame_rec frame0;
  for (Matrix_4x4_rec &m : frame0.combined) int4x4(m);
  int4x4(frame0.to_global);
  int4x4(frame0.to_frame);
  return &frame0;
}

Frame_rec *Ctm_part[MAX_FRAMES] = {global_frame()};

const Frame_rec *frame_record(int n) {
  if (n > 0 && n < MAX_FRAMES && Ctm_part[n]) return Ctm_part[n];
  return Ctm_part[0] ? Ctm_part[0] : global_frame();
}

void axis_display() {}
