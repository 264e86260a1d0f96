// Templates of plot3d_grid.h.
#pragma once

#include <algorithm>
#include <array>
#include <map>

namespace qtest {

template <class Fn>
void p3d_each_cell(const P3d_zone &z, Fn fn) {
  auto at = [&z](int i, int j, int k) { return i + z.n[0] * (j + z.n[1] * k); };
  for (int k = 0; k + 1 < z.n[2]; k++)
    for (int j = 0; j + 1 < z.n[1]; j++)
      for (int i = 0; i + 1 < z.n[0]; i++) {
        std::array<int, 8> v = {at(i, j, k),         at(i + 1, j, k),         at(i + 1, j + 1, k),
                                at(i, j + 1, k),     at(i, j, k + 1),         at(i + 1, j, k + 1),
                                at(i + 1, j + 1, k + 1), at(i, j + 1, k + 1)};
        fn(v);
      }
}

template <class Keep>
bool p3d_cell_kept(const P3d_zone &z, const std::array<int, 8> &v, Keep keep) {
  for (int n : v)
    if (!keep(z.iblank.empty() ? 1 : z.iblank[n])) return false;
  return true;
}

template <class Keep>
int p3d_cells(const P3d_zone &z, Keep keep) {
  int count = 0;
  p3d_each_cell(z, [&](const std::array<int, 8> &v) { count += p3d_cell_kept(z, v, keep); });
  return count;
}

template <class Keep>
int p3d_cell_faces(const P3d_zone &z, bool border_only, Keep keep) {
  static const int faces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4},
                                  {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}};
  std::map<std::array<int, 4>, int> seen;
  p3d_each_cell(z, [&](const std::array<int, 8> &v) {
    if (!p3d_cell_kept(z, v, keep)) return;
    for (const auto &f : faces) {
      std::array<int, 4> key = {v[f[0]], v[f[1]], v[f[2]], v[f[3]]};
      std::sort(key.begin(), key.end());
      seen[key]++;
    }
  });
  if (!border_only) return (int)seen.size();
  int count = 0;
  for (const auto &s : seen) count += s.second == 1;
  return count;
}

}  // namespace qtest
