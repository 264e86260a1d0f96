// Smooth normals (see smooth.h).  Owns the two process-wide buffers and the
// node count they were made for; only smooth_begin and smooth_end change
// their allocation.
#include "render/smooth.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "client/alloc_gate.h"
#include "client/screen.h"
#include "parts/read.h"

float **Smooth_normal_sums = nullptr;
int *Smooth_normal_counts = nullptr;
static int Rows = 0;  // rows of both buffers (node count + 1), 0 when none

// The fast two-dimensional allocation's failure report; `gap` is the text
// between the routine's name and "Memory".
static void report_fast_alloc(const char *gap) {
  perror("D2FASTCALLOC:  Allocation error:");
  fprintf(stderr, "E> At Line %d in File %s\n", 48, "smooth");
  fprintf(stderr, "%s:%sMemory(d2fastcalloc) allocation failed.\n", " ", gap);
}

int smooth_begin(int part) {
  smooth_end();
  if (part < 0 || part >= Num_p_loaded || !parts[part] || parts[part]->node_count < 0) return 0;
  int rows = parts[part]->node_count + 1;
  float *block = static_cast<float *>(gate_calloc((size_t)rows * 3, sizeof(float)));
  if (!block) {
    report_fast_alloc("  ");
    return 0;
  }
  Smooth_normal_sums = static_cast<float **>(gate_calloc(rows, sizeof(float *)));
  if (!Smooth_normal_sums) {
    report_fast_alloc(" ");
    free(block);
    return 0;
  }
  for (int k = 0; k < rows; k++) Smooth_normal_sums[k] = block + 3 * k;
  Smooth_normal_counts = static_cast<int *>(gate_calloc(rows, sizeof(int)));
  if (!Smooth_normal_counts) {
    report_alloc_failure(48, "smooth", "smooth_begin");
    smooth_end();
    return 0;
  }
  Rows = rows;
  return 1;
}

void smooth_add(const float *normal, int node) {
  if (node < 0 || node >= Rows) return;
  float *row = Smooth_normal_sums[node];
  for (int i = 0; i < 3; i++) row[i] = Smooth_normal_counts[node] ? row[i] + normal[i] : normal[i];
  Smooth_normal_counts[node]++;
}

void smooth_them(int part) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return;
  int rows = parts[part]->node_count + 1;
  if (rows > Rows) rows = Rows;
  for (int k = 0; k < rows; k++) {
    int c = Smooth_normal_counts[k];
    if (!c) continue;
    float *row = Smooth_normal_sums[k];
    float m[3] = {row[0] / c, row[1] / c, row[2] / c};
    double l = std::sqrt((double)m[0] * m[0] + (double)m[1] * m[1] + (double)m[2] * m[2]);
    for (int i = 0; i < 3; i++) row[i] = l < 1e-7 ? 0.0f : (float)(m[i] / l);
  }
}

void smooth_get(int n, const int *nodes, float (*out)[3]) {
  for (int j = 0; j < n; j++) {
    int k = nodes[j];
    for (int i = 0; i < 3; i++) out[j][i] = k >= 0 && k < Rows ? Smooth_normal_sums[k][i] : 0.0f;
  }
}

void smooth_end() {
  free(Smooth_normal_counts);
  if (Smooth_normal_sums) free(Smooth_normal_sums[0]);
  free(Smooth_normal_sums);
  Smooth_normal_counts = nullptr;
  Smooth_normal_sums = nullptr;
  Rows = 0;
}
