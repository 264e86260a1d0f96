// What the server computes from a loaded part: its element representations
// (kept in the part until it changes) and, through the model, its extents
// and node counts.
#pragma once

#include "model/model.h"

// The part's representation of the kind (a Ds_rep_kind) and, for
// feature_angle, the angle in degrees. Computed on first need in time linear
// in the part's size and kept until the part changes (ds_part_changed); a
// feature-angle representation at another angle replaces the kept one.
// Null for not_loaded and for a code that names no representation.
const Ds_rep_rec *ds_rep(Ds_part_rec *p, int kind, float feature_angle);

// Outward faces of the element type's corners (a volume type), each face as
// up to four corner indexes, -1 after a triangle's third; the face count, 0
// for a type that is not a volume.
int ds_volume_faces(int elem_type, const signed char (**faces)[4]);
