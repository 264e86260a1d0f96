// The allocation gate (see alloc_gate.h).  Owns the countdown of
// allocations still allowed; -1 = unlimited.
#include "client/alloc_gate.h"

#include <cstdlib>

static int Allowed = -1;  // allocations still let through, -1 = all

static bool gate_open() {
  if (Allowed < 0) return true;
  if (Allowed == 0) return false;
  Allowed--;
  return true;
}

void *gate_calloc(size_t count, size_t size) { return gate_open() ? calloc(count, size) : nullptr; }

void *gate_malloc(size_t size) { return gate_open() ? malloc(size) : nullptr; }

void alloc_gate_fail_after(int n) { Allowed = n < 0 ? -1 : n; }
