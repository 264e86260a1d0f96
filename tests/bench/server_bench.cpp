// Reader and representation timings on the large generated grids (made by
// the datasets_large target): for each grid, the time to read it with its
// solution, the time of a plain copy of the same bytes for comparison, the
// border of the block, and the border of the same cells as an unstructured
// part of hexahedra (the face-grouping path), with the resident memory
// after each. Not a test: it prints what it measured.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "compute/compute.h"
#include "readers/readers.h"

static double seconds_since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

static long resident_mb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, 6, "VmRSS:") == 0) return std::stol(line.substr(6)) / 1024;
  return -1;
}

// Reads the files in 4 MB pieces: what the disk copy costs.
static double copy_time(const std::vector<std::string> &files) {
  auto t0 = std::chrono::steady_clock::now();
  std::vector<char> buf(4 << 20);
  for (const std::string &f : files) {
    FILE *in = fopen(f.c_str(), "rb");
    if (!in) continue;
    while (fread(buf.data(), 1, buf.size(), in) > 0) {
    }
    fclose(in);
  }
  return seconds_since(t0);
}

// The block's cells as hexahedra of an unstructured part over the same nodes.
static Ds_part_rec as_hexahedra(const Ds_part_rec &b) {
  Ds_part_rec u;
  u.x = b.x, u.y = b.y, u.z = b.z;
  const int ni = b.ijk[0], nj = b.ijk[1], nk = b.ijk[2];
  u.elem_off.push_back(0);
  for (int k = 0; k + 1 < nk; k++)
    for (int j = 0; j + 1 < nj; j++)
      for (int i = 0; i + 1 < ni; i++) {
        int n0 = i + ni * (j + nj * k), layer = ni * nj;
        int v[8] = {n0, n0 + 1, n0 + 1 + ni, n0 + ni, n0 + layer, n0 + 1 + layer, n0 + 1 + ni + layer, n0 + ni + layer};
        u.elem_conn.insert(u.elem_conn.end(), v, v + 8);
        u.elem_off.push_back((int)u.elem_conn.size());
        u.elem_type.push_back(DS_HEXA8);
      }
  return u;
}

int main(int argc, char **argv) {
  std::string dir = argc > 1 ? argv[1] : "datasets";
  for (const char *name : {"big_1m", "big_4m"}) {
    std::string grid = dir + "/" + name + ".xyz", q = dir + "/" + name + ".q";
    double copy = copy_time({grid, q});
    Ds_case_rec c;
    std::string err;
    auto t0 = std::chrono::steady_clock::now();
    if (p3d_read_case(&c, grid, q, P3d_auto, &err) < 0) {
      fprintf(stderr, "%s\n", err.c_str());
      return 1;
    }
    double read = seconds_since(t0);
    long rss_read = resident_mb();
    Ds_part_rec &p = c.parts[0];
    t0 = std::chrono::steady_clock::now();
    const Ds_rep_rec *border = ds_rep(&p, DS_REP_BORDER, 0);
    double block_border = seconds_since(t0);
    Ds_part_rec u = as_hexahedra(p);
    t0 = std::chrono::steady_clock::now();
    const Ds_rep_rec *hex_border = ds_rep(&u, DS_REP_BORDER, 0);
    double hexa_border = seconds_since(t0);
    printf("%s: %d nodes; read grid+Q %.3f s (plain copy %.3f s), resident %ld MB\n", name,
           ds_node_count(p), read, copy, rss_read);
    printf("  border of the block: %d faces in %.3f s; as %d hexahedra: %d faces in %.3f s; resident %ld MB\n",
           border->elements(), block_border, ds_elem_count(u), hex_border->elements(), hexa_border,
           resident_mb());
  }
  return 0;
}
