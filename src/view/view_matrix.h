// The 4x4 transformation matrix of the view transforms.
//
// A matrix is 16 floats in OpenGL memory order. Points are row vectors
// multiplied from the left, p' = p x M, so element 4i + j is row i, column j
// and the translation sits in elements 12, 13 and 14. In a product A x B the
// matrix A is applied first. Matrices are passed by address.
#pragma once

typedef float Matrix_4x4_rec[16];

// Sets m to the identity.
void int4x4(float m[16]);
