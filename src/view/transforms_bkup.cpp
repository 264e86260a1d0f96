// The "transforms_view" archive section (see view_bkup.h).  Owns the
// reserved matrix, which only this section writes and reads; the model
// transformations (view_matrix.h), stored views (stored_views.h) and z-clip
// distances (viewer_state.h) are read and set through their accessors, one
// viewport at a time with Viewport_current put back afterwards.
//
// Section body, every word big-endian, viewports 0..15, slots 0..9:
//   float version 10.0 (not examined when read)
//   rotation, translation, scale, combined matrix of each viewport
//   initial look-at points: x of every viewport, then y, then z; look-from likewise
//   reserved matrix; int rebuild-all flag; 16 ints last recalled slot   (archive only)
//   stored look-at points (30 floats per viewport), look-from points
//   stored distances of slots 0..3 (4 floats per viewport)
//   stored viewing, combined, scale, rotation, translation matrices
//   z-clip front and back of every viewport (32 floats)
// 60040 bytes; the scenario form, without the three archive-only blocks, 59908.
#include <cerrno>
#include <cmath>
#include <cstring>

#include "state/bkup_section.h"
#include "state/bkup_words.h"
#include "view/stored_views.h"
#include "view/view_bkup.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

const float Version = 10.0f;
const int Stored_distances = 4;  // slots whose distance the section keeps

float Reserved_matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

int failed(FILE *fp) {
  if (fp && !ferror(fp)) errno = EIO;
  perror("transforms_bkup:");
  return -1;
}

// Walks the viewports with Viewport_current set to each; put back after.
template <class F>
bool each_viewport(F f) {
  const int saved = Viewport_current;
  bool ok = true;
  for (int v = 0; ok && v < MAX_VIEWPORTS; v++) {
    Viewport_current = v;
    ok = f(v);
  }
  Viewport_current = saved;
  return ok;
}

// The four model matrices of a viewport by block index: 0 rotation,
// 1 translation, 2 scale, 3 combined.
void get_matrix(int which, float m[16]) {
  float s[16], r[16], t[16];
  if (which == 3) return current_ctm(m, 0);
  ctm_transforms(s, r, t, 0);
  memcpy(m, which == 0 ? r : which == 1 ? t : s, sizeof s);
}
void set_matrix(int which, float m[16]) {
  float s[16], r[16], t[16];
  if (which == 3) return current_ctm(m, 1);
  ctm_transforms(s, r, t, 0);
  memcpy(which == 0 ? r : which == 1 ? t : s, m, sizeof s);
  ctm_transforms(s, r, t, 1);
}

// The stored matrices of blocks 14..18 by index: viewing, combined, scale,
// rotation, translation.
float *stored_matrix(Stored_view_rec &s, int which) {
  switch (which) {
    case 0: return s.view_matrix;
    case 1: return s.combined;
    case 2: return s.scale;
    case 3: return s.rotation;
    default: return s.translation;
  }
}

// Initial points by coordinate: 16 x, 16 y, 16 z.
void initial_points(float at[48], float from[48], int mode) {
  each_viewport([&](int v) {
    float a[3], f[3];
    if (mode == 1) {
      for (int c = 0; c < 3; c++) a[c] = at[16 * c + v], f[c] = from[16 * c + v];
      original_view(a, f, 1);
    } else {
      original_view(a, f, 0);
      for (int c = 0; c < 3; c++) at[16 * c + v] = a[c], from[16 * c + v] = f[c];
    }
    return true;
  });
}

int save(FILE *fp, bool archive) {
  if (!bkup_put_float(fp, Version)) return failed(nullptr);
  for (int which = 0; which < 4; which++)
    if (!each_viewport([&](int) {
          float m[16];
          get_matrix(which, m);
          return bkup_put_floats(fp, m, 16);
        }))
      return failed(nullptr);
  float at[48], from[48];
  initial_points(at, from, 0);
  for (int c = 0; c < 3; c++)
    if (!bkup_put_floats(fp, at + 16 * c, 16)) return failed(nullptr);
  for (int c = 0; c < 3; c++)
    if (!bkup_put_floats(fp, from + 16 * c, 16)) return failed(nullptr);
  if (archive) {
    int last[MAX_VIEWPORTS];
    for (int v = 0; v < MAX_VIEWPORTS; v++) last[v] = Stored_views[v].last_recalled;
    if (!bkup_put_floats(fp, Reserved_matrix, 16) || !bkup_put_int(fp, Stored_views_rebuild_all) ||
        !bkup_put_ints(fp, last, MAX_VIEWPORTS))
      return failed(nullptr);
  }
  for (int point = 0; point < 2; point++)
    for (Stored_views_rec &views : Stored_views) {
      float p[3 * STORED_VIEW_SLOTS];
      for (int k = 0; k < STORED_VIEW_SLOTS; k++)
        memcpy(p + 3 * k, point == 0 ? views.slot[k].look_at : views.slot[k].look_from,
               3 * sizeof(float));
      if (!bkup_put_floats(fp, p, 3 * STORED_VIEW_SLOTS)) return failed(nullptr);
    }
  for (Stored_views_rec &views : Stored_views) {
    float d[Stored_distances];
    for (int k = 0; k < Stored_distances; k++) d[k] = views.slot[k].distance;
    if (!bkup_put_floats(fp, d, Stored_distances)) return failed(nullptr);
  }
  for (int which = 0; which < 5; which++)
    for (Stored_views_rec &views : Stored_views)
      for (Stored_view_rec &s : views.slot)
        if (!bkup_put_floats(fp, stored_matrix(s, which), 16)) return failed(nullptr);
  float zclip[2 * MAX_VIEWPORTS];
  each_viewport([&](int v) {
    zclipp_locat(&zclip[2 * v], &zclip[2 * v + 1], 0);
    return true;
  });
  if (!bkup_put_floats(fp, zclip, 2 * MAX_VIEWPORTS)) return failed(nullptr);
  return 1;
}

int restore(FILE *fp, bool archive) {
  float version;
  if (!bkup_get_float(fp, &version)) return failed(fp);
  for (int which = 0; which < 4; which++)
    if (!each_viewport([&](int) {
          float m[16];
          if (!bkup_get_floats(fp, m, 16)) return false;
          set_matrix(which, m);
          return true;
        }))
      return failed(fp);
  float at[48], from[48];
  initial_points(at, from, 0);
  for (int c = 0; c < 3; c++)
    if (!bkup_get_floats(fp, at + 16 * c, 16)) return failed(fp);
  for (int c = 0; c < 3; c++)
    if (!bkup_get_floats(fp, from + 16 * c, 16)) return failed(fp);
  initial_points(at, from, 1);
  if (archive) {
    int flag, last[MAX_VIEWPORTS];
    if (!bkup_get_floats(fp, Reserved_matrix, 16) || !bkup_get_int(fp, &flag)) return failed(fp);
    Stored_views_rebuild_all = flag;
    if (!bkup_get_ints(fp, last, MAX_VIEWPORTS)) return failed(fp);
    for (int v = 0; v < MAX_VIEWPORTS; v++) Stored_views[v].last_recalled = last[v];
  }
  for (int point = 0; point < 2; point++)
    for (Stored_views_rec &views : Stored_views) {
      float p[3 * STORED_VIEW_SLOTS];
      if (!bkup_get_floats(fp, p, 3 * STORED_VIEW_SLOTS)) return failed(fp);
      for (int k = 0; k < STORED_VIEW_SLOTS; k++)
        memcpy(point == 0 ? views.slot[k].look_at : views.slot[k].look_from, p + 3 * k,
               3 * sizeof(float));
    }
  // The distances of the slots the section leaves out follow from their
  // points, as the viewer computes them.
  for (Stored_views_rec &views : Stored_views)
    for (int k = Stored_distances; k < STORED_VIEW_SLOTS; k++) {
      const Stored_view_rec &s = views.slot[k];
      const double dx = s.look_from[0] - s.look_at[0], dy = s.look_from[1] - s.look_at[1],
                   dz = s.look_from[2] - s.look_at[2];
      views.slot[k].distance = (float)std::sqrt(dx * dx + dy * dy + dz * dz);
    }
  for (Stored_views_rec &views : Stored_views) {
    float d[Stored_distances];
    if (!bkup_get_floats(fp, d, Stored_distances)) return failed(fp);
    for (int k = 0; k < Stored_distances; k++) views.slot[k].distance = d[k];
  }
  for (int which = 0; which < 5; which++)
    for (Stored_views_rec &views : Stored_views)
      for (Stored_view_rec &s : views.slot)
        if (!bkup_get_floats(fp, stored_matrix(s, which), 16)) return failed(fp);
  float zclip[2 * MAX_VIEWPORTS];
  if (!bkup_get_floats(fp, zclip, 2 * MAX_VIEWPORTS)) return failed(fp);
  each_viewport([&](int v) {
    zclipp_locat(&zclip[2 * v], &zclip[2 * v + 1], 1);
    return true;
  });
  return 1;
}

}  // namespace

int transforms_bkup(FILE *fp, int mode) {
  return view_bkup_dispatch(fp, mode, {[](FILE *fp, int mode) { return save(fp, mode == BKUP_SAVE); }, [](FILE *fp, int mode) { return restore(fp, mode == BKUP_RESTORE); }, [] {
                              Stored_views_rebuild_all = 1;
                              return 1;
                            }});
}
