// The 4x4 matrices of the view transforms and the model transformation of
// every viewport.
//
// A matrix is 16 floats in OpenGL memory order. Points are row vectors
// multiplied from the left, p' = p x M, so element 4i + j is row i, column j
// and the translation sits in elements 12, 13 and 14. In a product A x B the
// matrix A is applied first. Matrices are passed by address.
//
// This module owns one Viewport_transform_rec per viewport (scale, rotation,
// translation, their stored product and the view a reset returns to). Every
// accessor and operation acts on the viewport numbered by Viewport_current.
// The products are formed in float arithmetic here; the OpenGL model-view
// matrix is updated as well only while a GL context is current, so the
// logic runs without a display.
#pragma once

typedef float Matrix_4x4_rec[16];

struct Viewport_transform_rec {
  Matrix_4x4_rec scale;        // accumulated scaling, with the shift of scaling about a centre
  Matrix_4x4_rec rotation;     // accumulated rotation, with the shift of turning about a centre
  Matrix_4x4_rec translation;  // accumulated translation
  Matrix_4x4_rec combined;     // stored product scale x rotation x translation (read by drawing)
  float initial_look_at[3];    // look-at point a view reset returns to
  float initial_look_from[3];  // look-from point a view reset returns to
};

// Sets m to the identity.
void int4x4(float m[16]);

// ---- column-convention family ---------------------------------------------
// These five builders treat the array as a row-major matrix acting on column
// vectors (translation in elements 3, 7, 11); they are a family of their own
// and the view operations below do not use them.
// out[4i + j] = sum over k of a[4i + k] x b[4k + j]; out must be neither a nor b.
void mult_2_matrix(const float a[16], const float b[16], float out[16]);
void tran_4x4(float tx, float ty, float tz, float m[16]);  // m = m x E, E[3, 7, 11] = t
void rotax_4x4(float a, float m[16]);  // about x, a in radians
void rotay_4x4(float a, float m[16]);  // about y
void rotaz_4x4(float a, float m[16]);  // about z
void scale_4x4(float sx, float sy, float sz, float m[16]);

// ---- accessors of the current viewport: mode 0 get, 1 set, else nothing ----
void ctm_transforms(float scale[16], float rotation[16], float translation[16], int mode);
void current_ctm(float combined[16], int mode);
void original_view(float look_at[3], float look_from[3], int mode);

// ---- operations on the current viewport's model transformation -------------
// Angles in degrees; centre is the point the turn or scale keeps fixed; the
// new product goes to combined_out (stored only by current_ctm, set); view is
// the viewing matrix.  Each sets Resort_transparent.  A call that changes
// nothing (zero angles, zero move, unit factors) leaves the three matrices
// untouched bit for bit.
void rotvew(float ax, float ay, float az, const float centre[3], float combined_out[16],
            const float view[16]);
void trnvew(float dx, float dy, float dz, const float centre[3], float combined_out[16],
            const float view[16]);
void sclvew(float sx, float sy, float sz, const float centre[3], float combined_out[16],
            const float view[16]);
// reset[0], [1], [2] select rotation, translation and scale to become the
// identity; the product is recomputed and stored.
void init_transforms(const int reset[3]);
// Builds the viewing matrix and distance from the two points into view_out
// and *distance (the viewer itself is not stored), loads the orthographic
// projection when perspective is off for the viewport, and sets the
// model-view to 2-D matrix x combined x view_out x saved.
void vewvew(const float look_at[3], const float look_from[3], float *distance,
            const float combined[16], float view_out[16]);
// out = 2-D matrix x scale x rotation x translation of the current viewport.
void get_transform_matrix(float out[16]);

// ---- model-view helpers shared with the viewer and the viewport set-up ----
// The top of the GL model-view stack becomes a copy of the level below it
// (the identity when there is none) and the matrices are multiplied in, in
// order, giving ... x m[1] x m[0] x saved in row-vector reading.  Nothing
// without a current GL context.
void modelview_from_saved(const float *const m[], int count);
