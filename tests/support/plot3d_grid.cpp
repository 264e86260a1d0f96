#include "plot3d_grid.h"

#include <cstdint>
#include <cstdio>
#include <set>

namespace qtest {

static bool get_i32(FILE *f, int *v) {
  unsigned char b[4];
  if (fread(b, 1, 4, f) != 4) return false;
  *v = (int)((uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24);
  return true;
}

std::vector<P3d_zone> p3d_read_cbin(const std::string &file) {
  std::vector<P3d_zone> zones;
  FILE *f = fopen(file.c_str(), "rb");
  if (!f) return zones;
  int count = 0;
  bool ok = get_i32(f, &count) && count > 0 && count < 1000;
  if (ok) zones.resize(count);
  for (P3d_zone &z : zones)
    for (int a = 0; ok && a < 3; a++) ok = get_i32(f, &z.n[a]) && z.n[a] > 0;
  for (P3d_zone &z : zones) {
    long n = (long)z.n[0] * z.n[1] * z.n[2];
    ok = ok && fseek(f, 3 * 4 * n, SEEK_CUR) == 0;
    z.iblank.assign(ok ? n : 0, 0);
    for (int &v : z.iblank) ok = ok && get_i32(f, &v);
  }
  fclose(f);
  if (!ok) zones.clear();
  return zones;
}

std::vector<int> p3d_iblank_values(const std::vector<P3d_zone> &zones) {
  std::set<int> values;
  for (const P3d_zone &z : zones) values.insert(z.iblank.begin(), z.iblank.end());
  return std::vector<int>(values.begin(), values.end());
}

std::vector<std::string> p3d_build_commands(const std::string &data_dir) {
  return {"data: format plot3d",
          "data: path " + data_dir,
          "data: geometry plot3d/zones3_c.xyz",
          "data: result plot3d/zones3_c.q",
          "data: plot3diblank ON",
          "data: plot3dmulti_zone ON",
          "data: plot3dread_as c_binary",
          "data: plot3ddimension 3d",
          "data: read",
          "part: select_default",
          "part: modify_begin",
          "part: elt_representation full",
          "part: modify_end",
          "data_partbuild: plot3ddomain inside",
          "data_partbuild: plot3dselect_zone_begin",
          "1 2 3",
          "data_partbuild: plot3dselect_zone_end",
          "data_partbuild: plot3dstep 1 1 1",
          "data_partbuild: create",
          "data_partbuild: select_begin",
          "1 2",
          "data_partbuild: select_end",
          "data_partbuild: iblank_type iblank 1",
          "data_partbuild: create_iblank",
          "data_partbuild: end"};
}

}  // namespace qtest
