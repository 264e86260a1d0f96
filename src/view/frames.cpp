// Frame triad visibility (see frames.h).
#include "view/frames.h"



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
// Until the frame table is built only frame 0, the global frame, exists:
// identity matrices throughout, attributes from the frame defaults.
#include <cstdio>
#include <cstring>

static Frame_rec *global_frame() {
  static Frame_rec frame0;
  static bool made = false;
  if (!made) {
    made = true;
    for (int v = 0; v < FRAME_VIEWPORTS; v++) {
      int4x4(frame0.rotation[v]);
      int4x4(frame0.translation[v]);
      int4x4(frame0.scale[v]);
      int4x4(frame0.combined[v]);
    }
    int4x4(frame0.to_global);
    int4x4(frame0.to_frame);
    snprintf(frame0.name, sizeof frame0.name, "Coord. frame %d", 0);
  }
  return &frame0;
}

Frame_rec *Ctm_part[MAX_FRAMES] = {global_frame()};
int Frame_order_list[MAX_FRAMES] = {0};
int Frame_drawn_list[MAX_FRAMES];
int Frame_drawn_count = 0;

const Frame_rec *frame_record(int n) {
  if (n > 0 && n < MAX_FRAMES && Ctm_part[n]) return Ctm_part[n];
  return Ctm_part[0] ? Ctm_part[0] : global_frame();
}

int does_frame_exist(int number) { return number == 0; }
int given_frame_number_return_list_position(int number) { return number == 0 ? 0 : -1; }
int given_list_position_return_frame_number(int position) { return position == 0 ? 0 : -1; }
void external_to_internal_frame(const int *numbers, int n, int *positions) {
  for (int k = 0; k < n; k++) positions[k] = numbers[k] == 0 ? 0 : -1;
}
void getframe(int, int *number, char *name) {
  *number = 0;
  if (name) {
      size_t n = strnlen(global_frame()->name, FRAME_NAME_LEN - 1);
      memcpy(name, global_frame()->name, n);
      name[n] = '\0';
    }
}
void getframe2(int *count, int *numbers) {
  *count = 1;
  numbers[0] = 0;
}
int is_frame_periodic(int) { return 0; }

static float Frame0_words[FRAME_ATTR_WORDS];
static int Frame0_made = 0;

int frames(int frame, int mode, char *name, float *attrs) {
  if (frame != 0) return -1;
  if (!Frame0_made) {
    Frame0_made = 1;
    frame_attributes(-1, Frame0_words, nullptr, 0);
  }
  if (mode == 0) {
    if (attrs) memcpy(attrs, Frame0_words, sizeof Frame0_words);
    if (name) {
      size_t n = strnlen(global_frame()->name, FRAME_NAME_LEN - 1);
      memcpy(name, global_frame()->name, n);
      name[n] = '\0';
    }
  } else if (mode == 1) {
    if (attrs) memcpy(Frame0_words, attrs, sizeof Frame0_words);
    if (name) {
      strncpy(global_frame()->name, name, FRAME_NAME_LEN - 1);
      global_frame()->name[FRAME_NAME_LEN - 1] = '\0';
    }
  }
  return 1;
}
void modify_frame_orientation(float *) {}
void modify_frame(int, const float *) {}
void cross_p(const float a[3], const float b[3], float out[3]) {
  float x = a[1] * b[2] - a[2] * b[1], y = a[2] * b[0] - a[0] * b[2], z = a[0] * b[1] - a[1] * b[0];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}
void list_a_display(int, float) {}
void fix_defined_frames() {}
int new_frame(const float *, const char *) { return -1; }
void local_ctm_init(int, const int *, int) {}
int assign_frame(int, const int *, int) { return -1; }
int delete_local_ctm(int frame) { return frame == 0 ? -1 : -2; }
int get_current_frame_selected(int *number) {
  *number = 0;
  return 0;
}
void select_all_frames() {}
void update_tools_position_frame_change(int, int) {}
void modify_frame_coordinates(int, int, int, float, float, float, float *, float *, float *,
                              float *, float, float, float, float *, float *, float *, int, int) {}
void modify_local_transform(int, float, float, float, float *, float *, float *, float, float,
                            float, float, float *, float *, float *, int) {}
void local_ctm_transforms(float (*)[16], float (*)[16], float (*)[16], int, const int *, int) {}
void local_current_ctm(float (*)[16], int, const int *, int) {}
void local_ctm_transforms_st(float (*)[16], float (*)[16], float (*)[16], int, const int *, int) {}
void local_current_ctm_st(float (*)[16], int, const int *, int) {}
void local_ctm_transforms_stars(float *(*)[4], float *(*)[4], float *(*)[4], int, const int *,
                                int) {}
void local_current_ctm_stars(float *(*)[4], int, const int *, int) {}
void local_rotvew(int, const int *, float, float, float) {}
void local_trnvew(int, const int *, float, float, float) {}
void local_sclvew(int, const int *, float, float, float) {}
void local_reset_transforms(int, const int *, const int *) {}
int is_transform_for_frame_identity(int, const int *) { return 1; }

