// Triangle strips: the faces of one part, fan-triangulated, joined into
// OpenGL triangle strips through a hash table of their edges and drawn with
// a software-lit colour per vertex.  The smoothing buffers must hold the
// part's averaged node normals.  Everything lives for one call.
#pragma once

#define STRIP_EDGE_HEADS 65536  // chain heads of the edge table
#define STRIP_EDGE_BLOCK 512    // edge records per further block (the first links blocks)
#define STRIP_PATH_POOL 128     // triangles of one strip, at most

// Draws the part's faces as strips with direct GL calls.  The fringe
// arguments are the palette's (unused when fringe is 0); diffuse and
// specular are scratch of at least 3 floats; matrix is the static-lighting
// matrix.  1 when drawn, 0 when an allocation failed (reported, nothing
// drawn, everything allocated freed).
int strip(int part, int var_type, float w0, float w1, float w2, int palette_type, int key,
          int component, int var_id, int magnitude, int fringe, int limit_fringes, int in_range,
          float *diffuse, float *specular, const float matrix[16]);

// The chain of the edge between rows i and j: bits 16..31 of the low word
// of the double 3(i + j) x 2654435769.4972305.
int strip_edge_hash(int i, int j);
