// Heap allocation of the modules whose failure paths must be reachable in
// tests (the recorded display list's blocks, the smoothing buffers): every
// such allocation goes through this gate, which a test can close so that
// an allocation fails on purpose.  Open by default.
#pragma once

#include <cstddef>

void *gate_calloc(size_t count, size_t size);
void *gate_malloc(size_t size);
// Frees a block from the gate and counts it given back (null: nothing).
// Modules may also free gate blocks with free(); only those that use
// gate_free for all of theirs can be checked with alloc_gate_held.
void gate_free(void *p);
// Blocks handed out less those given back through gate_free.
long alloc_gate_held();
// The gate lets `n` more allocations through, then fails every one until it
// is reopened with -1 (the default: never fail).
void alloc_gate_fail_after(int n);
