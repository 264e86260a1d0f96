// Numerical helpers shared by the graphics engine: 4x4 transformation
// matrices (copy, product, point transformation, inversion, elementary
// rotations and translation, frame alignment), byte reversal of 4- and 2-byte
// values and a seeded pseudo-random generator. None of them keeps state.
//
// Matrices are 16 floats in OpenGL memory order with points as row vectors,
// p' = p x M (see view/view_matrix.h); in a product A x B, A is applied first.
// Angles are radians unless stated.
#pragma once

#include "view/view_matrix.h"

void mov4x4(const float src[16], float dst[16]);  // dst = src
void cop4x4(const float src[16], float dst[16]);  // the same copy under its other name
// c = a x b; c must be neither a nor b. Returns 16, the number of elements.
int mul4x4(const float a[16], const float b[16], float c[16]);
// p = p x m with w = 1: the translation is added, there is no division.
void premlt(const float m[16], float p[3]);
void tmpts(float p[3], const float m[16]);  // premlt with the arguments swapped

// m = m x R for a rotation by angle about the X, Y or Z axis.
void post_rotate_x(float angle, float m[16]);
void post_rotate_y(float angle, float m[16]);
void post_rotate_z(float angle, float m[16]);
// Adds dx, dy, dz to the translation (m x T for the affine matrices used here).
void post_translate(float dx, float dy, float dz, float m[16]);

// Replace m by its inverse: 0, or -1 with m unchanged when m is singular.
int inv4x4(float m[16]);
int double_inv4x4(double m[16]);

// Frame matrices for the local frame with origin o, x-axis point a and y-axis
// point c (b takes no part): malign maps global coordinates into the frame's,
// mback maps them back, and mfull rotates about the frame's own x, y and z
// axes, in that order, by alpha, beta and gamma degrees around its origin.
void arbaxi(const float o[3], const float a[3], const float b[3], const float c[3],
            float mfull[16], float malign[16], float mback[16], float alpha, float beta,
            float gamma);
// The rotation that turns the plane through p with normal (nx, ny, nz) to face
// the viewer, p moving to the origin. Returns 1.
int planar_viewport_rotation_matrix(const float p[3], float nx, float ny, float nz, float m[16]);

void dec_swap_mess(void *value4);        // reverses the 4 bytes in place
void dec_swap_mess_short(void *value2);  // exchanges the 2 bytes in place

// Next pseudo-random value in [0, 1); *state is the generator's state.
float erand0(int *state);
