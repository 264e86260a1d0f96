// Software picking: the nearest surface point of the scene shown in the
// current viewport under window positions, found from the client's own
// geometry and the GL matrices in force (no selection or feedback mode, no
// depth buffer).
#pragma once

#define PICK_TOLERANCE 6  // pixels, for two-node elements and node markers

// For each of count positions (sx, sy in pixels of display 0's graphics
// window from its lower left corner): found[k] 1 and (x, y, z)[k] the point
// in the hit part's own coordinates when something lies under it, else
// found[k] 0 and the point untouched.  details 1 writes the element, node,
// node triple and weights of the last accepted hit (details 0 also admits
// the filled plane tool); no_snap 0 makes the node output the element's
// node nearest the point.  *part is the part-table index of the last part
// hit, never written for a plane-tool hit.  When the per-call depth array
// cannot be allocated nothing is hit.  The caller loads the current
// viewport's model-view and projection matrices.
void return_pick_point(int count, float *x, float *y, float *z, const int *sx, const int *sy,
                       int *found, int details, int no_snap, int *node, int *element, int *part,
                       int triple[3], float weights[3]);

// Segment A-B on screen against position q within PICK_TOLERANCE pixels: 1
// with the end weights (a, b) of the nearest point (snapped to an end past
// it), 0 when missed.  Ends on one pixel are treated as a point: hit within
// the tolerance, weights (1, 0).
int pick_segment(float qx, float qy, float ax, float ay, float bx, float by, float *a, float *b);
// 1 when any of the n eye-space depths is greater (nearer) than depth.
int any_vertex_nearer(float depth, const float *eye_z, int n);
// 1 when q lies inside or on the convex outline of n screen vertices
// (coincident neighbours skipped; at least three real edges needed).
int point_in_convex_polygon(float qx, float qy, const float *vx, const float *vy, int n);
// The triangle of a face's split (Face_split_tbl; a fan for other node
// counts) containing q: 1 with its three vertex positions within the face
// and the barycentric weights of q (summing to 1), -1 when none holds it.
// A triangle (n = 3) is taken without a test.
int pick_face_triangle(float qx, float qy, const float *vx, const float *vy, int n, int tri[3],
                       float w[3]);
