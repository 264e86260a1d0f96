// Shrink points and unloading.  shrink asks the part's server for the
// points element corners are drawn in towards; unload_part drops what a
// part holds (display objects, labels, geometry, values) and keeps its
// record, name and attributes, so that loading it again refills it.
//
//   "shrink" (6 bytes)  int server part number, int element representation
//                       -> int status (0: nothing follows), int n, and when
//                          n > 0 an n x 3 float array
#include <GL/gl.h>

#include <cstdlib>
#include <vector>

#include "client/ccp.h"
#include "client/conect.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/part_delete.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/display.h"
#include "variables/variables.h"

static void free_rows(float **rows) {
  if (!rows) return;
  free(rows[0]);
  free(rows);
}

static void drop_shrink_points(Part_rec *p) {
  free_rows(p->shrink_points);
  p->shrink_points = nullptr;
  p->cap14 = 0;
}

void shrink(int n) {
  Part_rec *p = part_by_number(n);
  if (!p || !p->attributes) return;
  const float *a = p->attributes;
  int rep = our_rint(a[SLOT_ELT_REP]);
  if (!(a[SLOT_SHRINK] > 0.005f && rep != ELT_REP_BOUNDING_BOX)) {
    if (p->cap14) drop_shrink_points(p);
    return;
  }
  int c = p->case_index;
  if (c < 0 || c >= MAX_CASES || !Online[c + 1]) return;
  int ch = Isockt[c];
  static const char kw[] = "shrink";
  int status = 0, count = 0;
  if (ccsstr(ch, kw, (int)sizeof kw - 1) != 0 || ccsint(ch, p->copy_of ? p->copy_of : n) != 0 ||
      ccsint(ch, rep) != 0 || ccrint(ch, 1, &status) != 0 || status == 0)
    return;
  if (ccrint(ch, 1, &count) != 0 || count <= 0) return;
  int i = Part_cross[n];
  resize_part_array(i, PA_SHRINK, count, 0);
  if (p->cap14 < count) {
    // No room: the points are read and dropped so that the link stays in step.
    std::vector<float> sink(3 * (size_t)count);
    ccrfl2_s3(ch, 1, sink.data(), count, 3);
    return;
  }
  ccrfl2(ch, 1, p->shrink_points, count, 3);
}

static void delete_valid_list(unsigned int *list) {
  if (*list && glIsList(*list)) glDeleteLists(*list, 1);
  *list = 0;
}

// GL list deletions run with display 1 current when two displays are in
// use; display 0 is current afterwards.
static void switch_display(int to) {
  int code = 0, dpy = to;
  Dpy_current = to;
  gwin_gl_curwin(&code, 1, &dpy);
}

void unload_part(int n) {
  std::vector<int> members((size_t)Num_p_loaded + 1);
  int m = 0;
  uncompress_part_list(1, &m, &n, members.data());
  bool switched = Dpy_cnt > 1 && Dpy_current == 0;
  if (switched) switch_display(1);
  for (int k = 0; k < m; k++) {
    Part_rec *p = part_by_number(members[k]);
    if (!p) continue;
    int i = Part_cross[p->number];
    deaobj(p->number);
    delete_display_lists_for_part(i, 0, 1);
    delete_display_lists_for_part(i, 1, 1);
    delete_valid_list(&p->node_label_list);
    delete_valid_list(&p->elem_label_list);
    if (p->bbox_list > 0) {
      unsigned int id = (unsigned int)p->bbox_list;
      delete_valid_list(&id);
      p->bbox_list = 0;
    }
    if (!p->copy_of) {
      free(p->elem_offsets);
      free(p->connectivity);
      p->elem_offsets = p->connectivity = nullptr;
      p->cap[PA_OFFSETS] = p->cap[PA_CONNECT] = 0;
      free_rows(p->coords);
      p->coords = nullptr;
      p->cap[PA_COORDS] = 0;
      for (int v = 0; v < Var_array_size; v++) {
        if (p->vectors) { free(p->vectors[v]); p->vectors[v] = nullptr; }
        if (p->vectors_imag) { free(p->vectors_imag[v]); p->vectors_imag[v] = nullptr; }
        if (p->scalars) { free(p->scalars[v]); p->scalars[v] = nullptr; }
        if (p->scalars_imag) { free(p->scalars_imag[v]); p->scalars_imag[v] = nullptr; }
        if (p->scalar_caps) p->scalar_caps[v] = 0;
        if (p->vector_caps) p->vector_caps[v] = 0;
      }
      free(p->tensors);
      p->tensors = nullptr;
      p->cap20 = 0;
      free(p->point_times);
      p->point_times = nullptr;
      free_rows(p->point_vectors);
      p->point_vectors = nullptr;
      p->cap[PA_POINT_TIMES] = p->cap[PA_POINT_VECTORS] = 0;
      free(p->elem_colors);
      free(p->elem_normals);
      p->elem_colors = nullptr;
      p->elem_normals = nullptr;
      p->cap16 = p->cap17 = 0;
    }
    drop_shrink_points(p);
    p->element_count = 0;
    p->node_count = 0;
    p->trace_count = 0;
  }
  if (switched) switch_display(0);
}
