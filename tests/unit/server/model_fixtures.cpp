#include "model_fixtures.h"

#include <algorithm>

namespace qtest {

Ds_part_rec unstructured_part(const std::vector<std::array<float, 3>> &xyz, const std::vector<Elem> &elems) {
  Ds_part_rec p;
  p.number = 1;
  p.name = "fixture";
  for (const auto &v : xyz) {
    p.x.push_back(v[0]);
    p.y.push_back(v[1]);
    p.z.push_back(v[2]);
  }
  p.elem_off.push_back(0);
  for (const Elem &e : elems) {
    p.elem_type.push_back(e.type);
    p.elem_conn.insert(p.elem_conn.end(), e.nodes.begin(), e.nodes.end());
    p.elem_off.push_back((int)p.elem_conn.size());
  }
  return p;
}

Ds_part_rec block_part(int ni, int nj, int nk, float spacing) {
  Ds_part_rec p;
  p.number = 1;
  p.name = "block";
  p.structured = 1;
  p.ijk[0] = ni, p.ijk[1] = nj, p.ijk[2] = nk;
  for (int k = 0; k < nk; k++)
    for (int j = 0; j < nj; j++)
      for (int i = 0; i < ni; i++) {
        p.x.push_back(i * spacing);
        p.y.push_back(j * spacing);
        p.z.push_back(k * spacing);
      }
  return p;
}

Ds_part_rec hexahedra_of(const Ds_part_rec &b) {
  Ds_part_rec u;
  u.x = b.x, u.y = b.y, u.z = b.z;
  int ni = b.ijk[0], nj = b.ijk[1], layer = ni * nj;
  u.elem_off.push_back(0);
  for (int k = 0; k + 1 < b.ijk[2]; k++)
    for (int j = 0; j + 1 < nj; j++)
      for (int i = 0; i + 1 < ni; i++) {
        int n = i + ni * (j + nj * k);
        int v[8] = {n, n + 1, n + 1 + ni, n + ni, n + layer, n + 1 + layer, n + 1 + ni + layer, n + ni + layer};
        bool blanked = false;
        for (int c : v) blanked = blanked || (!b.iblank.empty() && b.iblank[c] == 0);
        if (blanked) continue;
        u.elem_type.push_back(DS_HEXA8);
        u.elem_conn.insert(u.elem_conn.end(), v, v + 8);
        u.elem_off.push_back((int)u.elem_conn.size());
      }
  return u;
}

std::multiset<Face> faces_of(const Ds_rep_rec &r) {
  std::multiset<Face> out;
  for (int e = 0; e < r.elements(); e++) {
    Face f(r.conn.begin() + r.offsets[e], r.conn.begin() + r.offsets[e + 1]);
    std::rotate(f.begin(), std::min_element(f.begin(), f.end()), f.end());
    out.insert(f);
  }
  return out;
}

std::multiset<int> sizes_of(const Ds_rep_rec &r) {
  std::multiset<int> out;
  for (int e = 0; e < r.elements(); e++) out.insert(r.offsets[e + 1] - r.offsets[e]);
  return out;
}

std::array<double, 3> normal_of(const Ds_part_rec &p, const Ds_rep_rec &r, int e) {
  std::array<double, 3> n = {0, 0, 0};
  int a0 = r.offsets[e], k = r.offsets[e + 1] - a0;
  for (int i = 0; i < k; i++) {
    int a = r.conn[a0 + i], b = r.conn[a0 + (i + 1) % k];
    n[0] += ((double)p.y[a] - p.y[b]) * ((double)p.z[a] + p.z[b]);
    n[1] += ((double)p.z[a] - p.z[b]) * ((double)p.x[a] + p.x[b]);
    n[2] += ((double)p.x[a] - p.x[b]) * ((double)p.y[a] + p.y[b]);
  }
  return n;
}

std::array<double, 3> centroid_of(const Ds_part_rec &p, const Ds_rep_rec &r, int e) {
  std::array<double, 3> c = {0, 0, 0};
  int k = r.offsets[e + 1] - r.offsets[e];
  for (int i = r.offsets[e]; i < r.offsets[e + 1]; i++) {
    c[0] += p.x[r.conn[i]] / k;
    c[1] += p.y[r.conn[i]] / k;
    c[2] += p.z[r.conn[i]] / k;
  }
  return c;
}

int faces_toward(const Ds_part_rec &p, const Ds_rep_rec &r, std::array<double, 3> point) {
  int inward = 0;
  for (int e = 0; e < r.elements(); e++) {
    auto n = normal_of(p, r, e);
    auto c = centroid_of(p, r, e);
    double dot = 0;
    for (int a = 0; a < 3; a++) dot += n[a] * (point[a] - c[a]);
    inward += dot > 0;
  }
  return inward;
}

double enclosed_volume(const Ds_part_rec &p, const Ds_rep_rec &r) {
  double v = 0;
  for (int e = 0; e < r.elements(); e++) {
    auto n = normal_of(p, r, e);  // twice the area along the normal
    auto c = centroid_of(p, r, e);
    v += (n[0] * c[0] + n[1] * c[1] + n[2] * c[2]) / 6;
  }
  return v;
}

}  // namespace qtest
