// A PLOT3D grid file of the generated datasets read straight from its bytes
// (multi-zone, iblanked, C binary, little-endian: the zone count, the
// dimensions, then per zone x, y, z and iblank), and brute-force counts
// over it that the tests compare with what the client and server made.
#pragma once

#include <string>
#include <vector>

namespace qtest {

struct P3d_zone {
  int n[3];                 // nodes along I, J, K
  std::vector<int> iblank;  // per node, I fastest
};

// The zones of the file; empty when it cannot be read.
std::vector<P3d_zone> p3d_read_cbin(const std::string &file);
// The distinct iblank values of all zones, ascending (the server's names
// "iblank <v>" in this order).
std::vector<int> p3d_iblank_values(const std::vector<P3d_zone> &zones);
// Faces of the cells of a zone whose eight nodes pass keep(value): with
// border_only the faces that only one such cell has, else every face once.
template <class Keep>
int p3d_cell_faces(const P3d_zone &z, bool border_only, Keep keep);
// The number of the zone's cells whose eight nodes pass keep(value).
template <class Keep>
int p3d_cells(const P3d_zone &z, Keep keep);

}  // namespace qtest

#include "plot3d_grid_impl.h"

namespace qtest {

// The command lines (without "VERSION") that read the generated three-zone
// iblanked grid and its solution from data_dir, make one inside part of
// each whole zone with full representation, an iblank part of the first
// two of them on the item "iblank 1", and end the part building.
std::vector<std::string> p3d_build_commands(const std::string &data_dir);

}  // namespace qtest
