// Element representations of a part, assembled from the faces and edges of
// faces.cpp and kept in the part (Ds_part_rec::reps) until its generation
// changes. Volume elements become faces, surfaces stay polygons or become
// their edges, lines and points pass through as they are.
#include <algorithm>

#include "compute/compute.h"
#include "compute/faces.h"

// The twelve edges of the part's box, over eight nodes of its own.
static void bounding_box(const Ds_part_rec &p, Ds_rep_rec *r) {
  float e[6];
  ds_extents(p, e);
  for (int c = 0; c < 8; c++) {
    r->x.push_back(e[c & 1]);
    r->y.push_back(e[2 + ((c >> 1) & 1)]);
    r->z.push_back(e[4 + ((c >> 2) & 1)]);
  }
  for (int a = 0; a < 8; a++)
    for (int bit = 1; bit < 8; bit <<= 1)
      if (!(a & bit)) {
        int v[2] = {a, a | bit};
        rep_add(r, v, 2);
      }
}

// Elements of an unstructured part with the dimension wanted, as they are.
static void elements_of_dim(const Ds_part_rec &p, int dim, Ds_rep_rec *out) {
  for (size_t e = 0; e < p.elem_type.size(); e++)
    if (Ds_elem_types[p.elem_type[e]].dim == dim)
      rep_add(out, p.elem_conn.data() + p.elem_off[e], p.elem_off[e + 1] - p.elem_off[e]);
}

// Volume faces (border or all), and surfaces: what each representation
// shows of them.
static void show_surface(const Ds_part_rec &p, const Ds_rep_rec &faces, const Ds_rep_rec &shells,
                         int kind, float angle, Ds_rep_rec *r) {
  switch (kind) {
    case DS_REP_FEATURE_ANGLE:
      surface_edges(p, faces, true, angle, r);
      surface_edges(p, shells, true, angle, r);
      break;
    case DS_REP_BORDER:
      rep_append(r, faces);
      surface_edges(p, shells, false, 0, r);
      break;
    default:
      rep_append(r, faces);
      rep_append(r, shells);
  }
}

static void build(const Ds_part_rec &p, int kind, float angle, Ds_rep_rec *r) {
  r->kind = kind;
  r->angle = kind == DS_REP_FEATURE_ANGLE ? angle : 0;
  r->offsets.assign(1, 0);
  if (kind == DS_REP_BOUNDING_BOX) {
    bounding_box(p, r);
    return;
  }
  Ds_rep_rec faces, shells;
  faces.offsets.assign(1, 0);
  shells.offsets.assign(1, 0);
  if (p.structured) {
    if (ds_block_dims(p) == 3) {
      block_faces(p, kind != DS_REP_FULL, &faces);
    } else if (ds_block_dims(p) == 2) {
      block_cells(p, &shells);
    } else {
      block_cells(p, r);
      return;
    }
    show_surface(p, faces, shells, kind, angle, r);
    return;
  }
  volume_faces(p, kind != DS_REP_FULL, &faces);
  elements_of_dim(p, 2, &shells);
  show_surface(p, faces, shells, kind, angle, r);
  elements_of_dim(p, 1, r);
  elements_of_dim(p, 0, r);
}

const Ds_rep_rec *ds_rep(Ds_part_rec *p, int kind, float feature_angle) {
  if (kind < DS_REP_3D_BORDER_2D_FULL || kind > DS_REP_BOUNDING_BOX || kind == DS_REP_NOT_LOADED)
    return nullptr;
  if (p->reps_generation != p->generation) {
    p->reps.clear();
    p->reps_generation = p->generation;
  }
  auto &reps = p->reps;
  for (const auto &r : reps)
    if (r->kind == kind && (kind != DS_REP_FEATURE_ANGLE || r->angle == feature_angle))
      return r.get();
  reps.erase(std::remove_if(reps.begin(), reps.end(),
                            [kind](const std::unique_ptr<Ds_rep_rec> &r) { return r->kind == kind; }),
             reps.end());
  auto r = std::make_unique<Ds_rep_rec>();
  build(*p, kind, feature_angle, r.get());
  reps.push_back(std::move(r));
  return reps.back().get();
}
