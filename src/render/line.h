// The line object of a part: node glyphs, bars and the outlines of element
// faces, unlit, sent through quivane_opengl with kind 0 so the caller's
// bracket decides whether a GL list or the recorded object is filled; and
// the immediate line form of a realtime surface.  Built beside the solid
// object (render/solid.cpp), whose colouring, glyph and element helpers it
// shares.
#pragma once

extern int Line_cull_toggle;  // 1 = shared element edges drawn once (when not shrunk)

// Builds the line object of the part at index `part` into whatever the
// caller opened (display_object_open(part, 0)).  Nodes appear with
// probability 1/divisor, the same ones on every rebuild.  Stores the vertex
// estimate in the part's line_object_size.  When the shared-edge table
// cannot grow (its heads and cells come through the allocation gate), the
// edges of that build are drawn as wireframe.
void build_line(int part, int divisor);

// A realtime surface drawn at once as points and line loops: coordinates
// x, y, z and per-node values by node number 1..node_entries-1,
// nodes_per_element node numbers per element; the counts say how many
// scalar and vector values the arrays hold.
void build_line_fast(int part, int node_entries, int element_count, const float *x,
                     const float *y, const float *z, const float *scalars,
                     const float (*vectors)[3], const int *connectivity, int scalar_count,
                     int vector_count, int nodes_per_element);
