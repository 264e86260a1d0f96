// The 3-D tools read and set in the coordinates of a frame (rectangular,
// cylindrical or spherical; angles in degrees).
#pragma once

// Cursor, line end points, plane points and plane equation in frame's
// coordinates.  1.
int getfdbk(int frame, float cursor[3], float line[6], float plane[9], float coefficients[4]);
// Sets the cursor, line and plane tools from values in frame's coordinates;
// use_coefficients 1 carries the plane onto the given equation.  1.
int setfdbk(int frame, const float cursor[3], const float line[6], const float plane[9],
            const float coefficients[4], int use_coefficients);
// The quadric tool of kind (2 cylinder, 3 sphere, 4 cone, 5 revolution) in
// frame's coordinates.  1.
int getfdbk_curve_tool(int frame, float origin[3], float axis[3], float *radius_or_angle,
                       float radii[10], float distances[10], int *point_count, int kind);
int setfdbk_curve_tool(int frame, const float origin[3], const float axis[3],
                       float radius_or_angle, const float radii[10], const float distances[10],
                       int point_count, const float point[3], int use_point, int kind);
// 0 for frame 0, the frame's coordinate type for an existing frame, -1 else.
int get_frame_type(int frame);
// Point and direction from frame's coordinates to global, in place.  0.
int local_to_global_coord(int frame, float point[3], float direction[3]);
void local_delta_to_global_delta(int frame, float *dx, float *dy, float *dz);
void global_delta_to_local_delta(int frame, float *dx, float *dy, float *dz);
