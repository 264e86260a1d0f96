// The "frames_view" archive section (see view_bkup.h).  Owns nothing: it
// writes and reads the frame lists and axis sizes of frames.h.
//
// Section body, every word big-endian (40016 bytes):
//   float version 10.0 (not examined when read)
//   int   Frame_drawn_count
//   int   Frame_drawn_list[5000]
//   int   Frame_order_list[5000]
//   float Axis_size, Axis_size_div20
#include <cerrno>
#include <cstring>
#include <vector>

#include "parts/attribute.h"
#include "parts/read.h"
#include "state/bkup_section.h"
#include "state/bkup_words.h"
#include "view/frame_logic.h"
#include "view/frames.h"
#include "view/view_bkup.h"

namespace {

const float Version = 10.0f;
const int List_words = 1 + 2 * MAX_FRAMES;  // the count and both lists, one block

int failed(FILE *fp) {
  if (fp && !ferror(fp)) errno = EIO;
  perror("frames_bkup:");
  return -1;
}

int save(FILE *fp) {
  std::vector<int> block((size_t)List_words);
  block[0] = Frame_drawn_count;
  memcpy(&block[1], Frame_drawn_list, sizeof Frame_drawn_list);
  memcpy(&block[1 + MAX_FRAMES], Frame_order_list, sizeof Frame_order_list);
  const float sizes[2] = {Axis_size, Axis_size_div20};
  if (!bkup_put_float(fp, Version) || !bkup_put_ints(fp, block.data(), List_words) ||
      !bkup_put_floats(fp, sizes, 2))
    return failed(nullptr);
  return 1;
}

// n entries that each name an existing frame, none twice.
bool names_existing_frames(const int *list, int n) {
  std::vector<char> seen(MAX_FRAMES, 0);
  for (int k = 0; k < n; k++) {
    int m = list[k];
    if (m < 0 || m >= MAX_FRAMES || !Ctm_part[m] || seen[(size_t)m]) return false;
    seen[(size_t)m] = 1;
  }
  return true;
}

// Frame 0 as a reset leaves it; the mirror, file and translation slots,
// the axis points and the frame matrices keep their values.
void reset_frame0(Frame_rec *f) {
  for (int v = 0; v < FRAME_VIEWPORTS; v++) {
    int4x4(f->rotation[v]);
    int4x4(f->translation[v]);
    int4x4(f->scale[v]);
    int4x4(f->combined[v]);
  }
  float *a = f->attributes;
  a[FRAME_VISIBLE] = 0.0f;
  a[FRAME_TYPE] = 0.0f;
  for (int c = 0; c < 3; c++) {
    a[FRAME_ORIGIN + c] = 0.0f;
    for (int axis = 0; axis < 3; axis++) a[FRAME_ORIENT + 3 * axis + c] = axis == c ? 1.0f : 0.0f;
    a[FRAME_LEN_X + c] = 1.0f;
    a[FRAME_LABELS_X + c] = 3.0f;
    a[FRAME_TICKS_X + c] = 0.0f;
    a[FRAME_RGB + c] = 1.0f;
  }
  a[FRAME_SYM_RINST] = 1.0f;
  a[FRAME_SYM_ANGLE] = 30.0f;
  a[FRAME_SYM_TINST] = 1.0f;
  a[FRAME_SYM_TYPE] = 3.0f;
  a[FRAME_LINE_WIDTH] = 1.0f;
}

// Parts placed in a frame other than 0 go to frame 0 first, since a frame
// that a part still uses cannot be deleted; the order list is then made
// again from the frames left, so that it, Num_frames and the table agree.
int reset() {
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (p && p->attributes && our_rint(p->attributes[SLOT_FRAME]) != 0)
      p->attributes[SLOT_FRAME] = 0.0f;
  }
  for (int m = 1; m < MAX_FRAMES; m++)
    if (Ctm_part[m]) delete_local_ctm(m);
  memset(Frame_drawn_list, 0, sizeof Frame_drawn_list);
  memset(Frame_order_list, 0, sizeof Frame_order_list);
  Frame_drawn_count = 0;
  Num_frames = 0;
  for (int m = 0; m < MAX_FRAMES; m++)
    if (Ctm_part[m]) Frame_order_list[Num_frames++] = m;
  if (Ctm_part[0]) reset_frame0(Ctm_part[0]);
  return 1;
}

int restore(FILE *fp) {
  std::vector<int> block((size_t)List_words);
  float version, sizes[2];
  if (!bkup_get_float(fp, &version) || !bkup_get_ints(fp, block.data(), List_words))
    return failed(fp);
  const int count = block[0];
  if (count < 0 || count > MAX_FRAMES || !names_existing_frames(&block[1], count) ||
      !names_existing_frames(&block[1 + MAX_FRAMES], Num_frames)) {
    fprintf(stderr, "frames_bkup: the frame lists do not match the frame table; reset.\n");
    reset();
    return -1;
  }
  Frame_drawn_count = count;
  memcpy(Frame_drawn_list, &block[1], sizeof Frame_drawn_list);
  memcpy(Frame_order_list, &block[1 + MAX_FRAMES], sizeof Frame_order_list);
  if (!bkup_get_floats(fp, sizes, 2)) return failed(fp);
  Axis_size = sizes[0];
  Axis_size_div20 = sizes[1];
  return 1;
}

}  // namespace

int frames_bkup(FILE *fp, int mode) {
  return view_bkup_dispatch(fp, mode, {[](FILE *fp, int) { return save(fp); }, [](FILE *fp, int) { return restore(fp); }, reset});
}
