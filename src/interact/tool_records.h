// Placements of the 3-D locator tools: cursor, line, plane, cylinder,
// sphere, cone, surface of revolution and the general quadric.  Each record
// is read and written only through its accessor (mode 0 get, 1 set, any
// other mode nothing; each returns 1).  Until the tools are drawn and
// dragged, a set stores exactly what it is given and a get returns it; the
// drawers draw nothing.  The point outputs hold the tool's centre (apex,
// origin) in their first three floats; the record outputs are not filled.
#pragma once

#define REVTOOL_POINTS 10   // profile points of the surface of revolution, at most
#define QUADRIC_WORDS 10    // general quadric: x², y², z², xy, yz, xz, x, y, z, constant

// Set: the point, and the size tan(angle) x distance / 30 from the
// perspective angle (degrees) and the viewing distance in *size.  Get: the
// point and the size.
int cursor_position(float *x, float *y, float *z, const float *angle, float *size, int mode);
int line_position(float end1[3], float end2[3], float *length, int mode);
// The plane tool's four corners.
int plane_position(float a[3], float b[3], float c[3], float d[3], int mode);
// Places the plane on three corners; the fourth is c1 + c3 - c2.
void setpln(const float c1[3], const float c2[3], const float c3[3]);
int cylinder_position(float end1[3], float end2[3], float *points, float axis[3], float *radius,
                      float *value, void *record, int flag, int flag2, int mode);
int cone_position(float apex[3], float axis_end[3], float *points, float axis[3],
                  float *half_angle, float *value, void *record, int flag, int flag2, int mode);
int sphere_position(float origin[3], float axis_end[3], float *points, float *radius,
                    void *record, int flag, int flag2, int mode);
// Set refuses a count outside 0..REVTOOL_POINTS (nothing stored); get
// clears the unused entries of both lists.
int revtool_position(float end1[3], float end2[3], float *points, float axis[3], int *count,
                     float *radii, float *distances, void *record, int flag, int flag2, int mode);
// The 10-word quadric state.
int quadric_position(float *state, int mode);

// Drawers of the tools into Viewport_current (nothing to draw yet).
void tracur();
void tralin();
void trapln();
void tracylinder();
void tracone();
void trasphere();
void trarevtool();
