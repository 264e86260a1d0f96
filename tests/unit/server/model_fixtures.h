// Small parts built in code for the server's model and compute tests, and
// helpers that look at a representation as geometry.
#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

#include "model/model.h"

namespace qtest {

// An unstructured part from node coordinates and elements (type, corners).
struct Elem {
  Ds_elem_type type;
  std::vector<int> nodes;
};
Ds_part_rec unstructured_part(const std::vector<std::array<float, 3>> &xyz, const std::vector<Elem> &elems);

// ni x nj x nk nodes at (i, j, k) * spacing, I fastest.
Ds_part_rec block_part(int ni, int nj, int nk, float spacing = 1.0f);
// The block's cells as hexahedra over the same nodes.
Ds_part_rec hexahedra_of(const Ds_part_rec &block);

// An element of a representation, rotated to start at its lowest node so
// that equal elements with the same orientation compare equal.
using Face = std::vector<int>;
std::multiset<Face> faces_of(const Ds_rep_rec &r);
// Elements' node counts, e.g. {4, 4, 3}.
std::multiset<int> sizes_of(const Ds_rep_rec &r);

// Newell normal of element e of a representation over the part's nodes.
std::array<double, 3> normal_of(const Ds_part_rec &p, const Ds_rep_rec &r, int e);
std::array<double, 3> centroid_of(const Ds_part_rec &p, const Ds_rep_rec &r, int e);
// Elements whose normal points toward the given point (inward for a convex
// solid around it).
int faces_toward(const Ds_part_rec &p, const Ds_rep_rec &r, std::array<double, 3> point);
// Volume enclosed by the faces by the divergence theorem: the solid's
// volume when every face points outwards, less when some do not.
double enclosed_volume(const Ds_part_rec &p, const Ds_rep_rec &r);

}  // namespace qtest
