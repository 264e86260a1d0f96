// Two-dimensional viewports and planar parts: whether a part lies in one
// plane, the plane and 2-D matrix of a 2-D viewport, and keeping the parts a
// 2-D viewport shows consistent with its plane.
//
// Node coordinates come in one of two layouts (the layout argument):
//   0 node rows: coords[k] points to x, y, z of node k;
//   1 component columns: coords[0], coords[1], coords[2] are the x, y and z
//     arrays, indexed by node number.
// Node numbers run 1..count in both.
#pragma once

#define PLANAR_TOLERANCE 0.001f   // largest |a x + b y + c z + d| of a node in the plane

// 1 when every node 1..count lies within PLANAR_TOLERANCE of the plane
// through three drawn nodes, else 0.  The plane (scaled so that its largest
// coefficient magnitude is 1) is returned in abcd whenever count >= 3; all
// four are 0 when no three nodes span a plane.
int is_part_planar(int count, float **coords, int layout, float abcd[4]);
// 1 when every node 1..count lies within PLANAR_TOLERANCE of plane abcd
// (used unchanged), else 0.
int evaluate_part_for_planar(int count, float **coords, int layout, const float abcd[4]);
// Fits the current viewport's plane to a planar part: 1 with the plane in
// abcd and in Viewports[Viewport_current].plane and the 2-D matrix in m;
// -1 (nothing changed) when the part is not planar or count < 3.  orient 1
// turns the plane to the side of the stored one.
int set_up_planar_viewport(int count, float **coords, int layout, float abcd[4], float m[16],
                           int orient);
// Makes viewport v (not 0) two-dimensional, fitting its plane to a visible
// planar part and keeping exactly the parts that lie in that plane.
void change_viewport_to_2d(int v);
// Refits the current viewport (not 0) to the part at record index i: plane,
// 2-D matrix, look-at centred on the part, z-clip planes from its depth.
void update_viewport_to_2d(int i, int count, float **coords, int layout);
// Reference point of a planar part: the low corner of its bounding box
// projected onto the plane along the plane's normal.
void find_center_point_planar_part(int count, float **coords, int layout, float point[3],
                                   const float abcd[4]);
// Intersection q of the line through p1 and p2 with plane abcd.
void line_plane_intercept(const float p1[3], const float p2[3], const float abcd[4], float q[3]);
// Projects p[0..2] onto plane abcd along direction n into q[0..2].
void project_points_to_a_plane(const float p[3][3], const float n[3], float q[3][3],
                               const float abcd[4]);
// Copies nodes i, j, k out into p[0..2].
void find_points_on_planar_part(float **coords, int layout, int i, int j, int k, float p[3][3]);
// Turns direction v about axis by angle degrees (the point is not used).
void rotate_pnt_about_line(const float point[3], const float axis[3], float v[3], float angle);
