// Smooth normals of one part at a time: a running sum and a count per node
// while a builder walks the part's faces, averaged into unit normals and
// read per face corner.  One set of buffers exists at a time, from
// smooth_begin to smooth_end.
#pragma once

extern float **Smooth_normal_sums;  // node count + 1 rows of x, y, z over one block; row 0 unused
extern int *Smooth_normal_counts;   // node count + 1 counts of normals added

// Allocates zeroed buffers for the part's node count (earlier ones are
// freed first).  1, or 0 after an allocation failure, reported, with every
// buffer freed.
int smooth_begin(int part);
// Adds normal to node's sum and counts it.
void smooth_add(const float *normal, int node);
// Turns every counted sum into a unit normal; an average shorter than 1e-7
// becomes (0, 0, 0).  The part supplies the node count.
void smooth_them(int part);
// Copies the normals of nodes[0..n-1] (numbers 1..node count) into out.
void smooth_get(int n, const int *nodes, float (*out)[3]);
// Frees the buffers; nothing when none exist.
void smooth_end();
