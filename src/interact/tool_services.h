// The tool placements that the part defaults read, until the tool records
// are built.  Weak placeholders in the tools' argument forms (the point
// and record outputs, whose shape the tools define, are passed as
// buffers): a real definition of the same name overrides them, and this
// file goes once the real ones are in.  Mode 0 reads: every placeholder
// answers zeros (no tool has been placed).
#pragma once

int line_position(float end1[3], float end2[3], float *length, int mode);
int plane_position(float a[3], float b[3], float c[3], float d[3], int mode);
int cursor_position(float *x, float *y, float *z, const float *angle, float *size, int mode);
int cylinder_position(float end1[3], float end2[3], float *points, float axis[3], float *radius,
                      float *value, void *record, int flag, int flag2, int mode);
int cone_position(float apex[3], float axis_end[3], float *points, float axis[3],
                  float *half_angle, float *value, void *record, int flag, int flag2, int mode);
int sphere_position(float origin[3], float axis_end[3], float *points, float *radius,
                    void *record, int flag, int flag2, int mode);
int revtool_position(float end1[3], float end2[3], float *points, float axis[3], int *count,
                     float *radii, float *distances, void *record, int flag, int flag2, int mode);
// The 10-word quadric state.
int quadric_position(float *state, int mode);
