// Parents of created parts (see vctarrow.h).
#include "flow/vctarrow.h"

#include <cstdlib>

#include "parts/read.h"
#include "client/screen.h"

int get_created_part_list(int number, int *count, int **list) {
  *count = 0;
  *list = nullptr;
  const Part_rec *p = part_by_number(number);
  if (!p || p->group || p->children_count <= 0 || !p->children) return 1;
  int *out = static_cast<int *>(malloc(sizeof(int) * p->children_count));
  if (!out) {
    report_alloc_failure(__LINE__, __FILE__, "get_created_part_list");
    return -1;
  }
  int n = 0;
  for (int i = 0; i < p->children_count; i++) {
    int parent = p->children[i];
    const Part_rec *pp = part_by_number(parent);
    if (pp && pp->parent_group != -1) parent = pp->parent_group;
    bool seen = false;
    for (int k = 0; k < n && !seen; k++) seen = out[k] == parent;
    if (!seen) out[n++] = parent;
  }
  *count = n;
  *list = out;
  return 1;
}

void modify_vector_arrow(int, int, int, int) {}

void build_arrows_fast(int, int, int, float *const[3], const int *, int, const float *,
                       const float (*)[3], int, int) {}
