// Building blocks of the representations: faces of volume elements and of
// structured blocks, and edges of surfaces. Each appends elements to a
// Ds_rep_rec whose offsets start with 0; all run in time linear in the
// input, grouping faces and edges by their lowest node instead of sorting
// them globally.
#pragma once

#include "model/model.h"

// Appends one element of n nodes.
void rep_add(Ds_rep_rec *r, const int *nodes, int n);
// Appends every element of src (same node numbering).
void rep_append(Ds_rep_rec *r, const Ds_rep_rec &src);

// Faces of an unstructured part's volume elements: with border_only those
// used by exactly one element (outward, as that element has them), else
// every distinct face once.
void volume_faces(const Ds_part_rec &p, bool border_only, Ds_rep_rec *out);

// Faces of a 3-D structured block, cells with a blanked node left out: with
// border_only the faces on the block's six sides, else every face of a kept
// cell once. Oriented outwards for a block of either handedness.
void block_faces(const Ds_part_rec &p, bool border_only, Ds_rep_rec *out);
// The kept cells of a 1-D or 2-D block as bars or quadrilaterals; a block of
// one node as one point.
void block_cells(const Ds_part_rec &p, Ds_rep_rec *out);

// Edges of the polygons of surf (over the part's nodes) that are used by a
// single polygon; with feature also the edges whose two polygons' normals
// differ by more than angle degrees and the edges of three or more polygons.
void surface_edges(const Ds_part_rec &p, const Ds_rep_rec &surf, bool feature, float angle,
                   Ds_rep_rec *out);
