// The allocation gate (see alloc_gate.h).  Owns the countdown of
// allocations still allowed (-1 = unlimited) and the count of blocks it
// handed out less those given back through gate_free.
#include "client/alloc_gate.h"

#include <cstdlib>

static int Allowed = -1;  // allocations still let through, -1 = all
static long Held = 0;     // blocks handed out and not given back through gate_free

static bool gate_open() {
  if (Allowed < 0) return true;
  if (Allowed == 0) return false;
  Allowed--;
  return true;
}

static void *held(void *p) {
  if (p) Held++;
  return p;
}

void *gate_calloc(size_t count, size_t size) {
  return gate_open() ? held(calloc(count, size)) : nullptr;
}

void *gate_malloc(size_t size) { return gate_open() ? held(malloc(size)) : nullptr; }

void gate_free(void *p) {
  if (!p) return;
  Held--;
  free(p);
}

long alloc_gate_held() { return Held; }

void alloc_gate_fail_after(int n) { Allowed = n < 0 ? -1 : n; }
