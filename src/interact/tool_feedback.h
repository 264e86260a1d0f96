// The 3-D tools read and set in the coordinates of a frame (rectangular,
// cylindrical or spherical; angles in degrees), and the point conversions
// and plane helpers that do it.  A frame number without a frame means
// frame 0, the global frame, taken as rectangular.
#pragma once

// Cursor, line end points, plane points and plane equation in frame's
// coordinates.  1.
int getfdbk(int frame, float cursor[3], float line[6], float plane[9], float coefficients[4]);
// Sets the cursor, line and plane tools from values in frame's coordinates;
// use_coefficients 1 carries the plane onto the given equation.  1.
int setfdbk(int frame, const float cursor[3], const float line[6], const float plane[9],
            const float coefficients[4], int use_coefficients);
// The conversion step of setfdbk: the bundle from frame's coordinates to
// global coordinates, in place.  1.
int tools_local_to_global_coord(int frame, float cursor[3], float line[6], float plane[9],
                                const float coefficients[4], int use_coefficients);
// The quadric tool of kind (2 cylinder, 3 sphere, 4 cone, 5 revolution) in
// frame's coordinates: reference point (spherical azimuth in radians), unit
// axis in the frame's rectangular axes, radius or cone half-angle, and for
// kind 5 the profile.  1.
int getfdbk_curve_tool(int frame, float origin[3], float axis[3], float *radius_or_angle,
                       float radii[10], float distances[10], int *point_count, int kind);
// The reverse: sets the tool of kind from values in frame's coordinates,
// keeping the cylinder's, cone's and revolution tool's lengths.  With
// use_point set the values are meant for a developed surface's seam, which
// no tool holds yet: nothing is set.  1.
int setfdbk_curve_tool(int frame, const float origin[3], const float axis[3],
                       float radius_or_angle, const float radii[10], const float distances[10],
                       int point_count, const float point[3], int use_point, int kind);
// 0 for frame 0, the frame's coordinate type for an existing frame, -1 else.
int get_frame_type(int frame);
// Point and direction from frame's coordinates to global, in place; the
// direction comes back of unit length (a null direction is skipped).  0.
int local_to_global_coord(int frame, float point[3], float direction[3]);
// The reverse: the point into frame's coordinates, the direction into the
// frame's rectangular axes.  0.
int global_to_local_coord(int frame, float point[3], float direction[3]);
void local_delta_to_global_delta(int frame, float *dx, float *dy, float *dz);
void global_delta_to_local_delta(int frame, float *dx, float *dy, float *dz);

// ---- conversions (angles in radians) -----------------------------------------------
void rectangular_to_cylindrical(const float p[3], float q[3]);  // (r, theta, z)
void cylindrical_to_rectangular(const float p[3], float q[3]);
void rectangular_to_spherical(const float p[3], float q[3]);    // (rho, polar, azimuth)
void spherical_to_rectangular(const float p[3], float q[3]);

// ---- planes --------------------------------------------------------------------------
// Equation A x + B y + C z + D = 0 of three points, divided by the magnitude
// of the chosen coefficient: its index, or -1 with all four 0 when the
// points are collinear.
int points_to_coefficients(const float p[9], float abcd[4]);
// Row-vector matrix that carries plane e1 onto plane e2.
void plane_to_plane_matrix(float m[16], const float e1[4], const float e2[4]);
// Moves the third of three plane points so that the corner at the second is
// square.
void square_plane_corner(float p[9]);

// ---- line length and the revolution tool's points -------------------------------
// Mode 0: *length = the line tool's length.  Mode 1: the line keeps its
// midpoint and direction and gets *length (ignored while its length is not
// above 1e-7).  1.
int length_of_line_tool(float *length, int mode);
// Mode 0 reads, 1 sets the revolution tool's selected point (0-based, -1
// none, its value at start); a set outside the tool's points selects none.
// 1.
int revtool_selected_point(int *index, int mode);
// Removes the selected point: -1 when none is selected or the tool has
// fewer than 3 points; else 1 with no point selected.
int revtool_delete_selected_point();
// Sets the revolution tool's 2-D editing area up (the area arrives with the
// tools: nothing yet).
void revtool_manage_init();
