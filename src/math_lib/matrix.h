// Small matrix routines, single precision; matrices are stored by columns
// (element (i, j) of an m-row matrix is a[(j - 1) * m + (i - 1)]).
#pragma once

// Determinant of a 2 by 2 matrix.
void m22determt(float& det, const float a[4]);
// Inverse of a 2 by 2 matrix (ainv may be b). A singular matrix is reported and the user
// asked whether to stop; when the run goes on, ainv is left as it was.
void m22invert(float ainv[4], const float b[4]);
// c(n, q) = a(n, p) b(p, q), through a temporary (c may be a or b).
void mnpxmpq(float c[], const float a[], const float b[], int n, int p, int q);
// c(n) = a(n, p) v(p), through a temporary (c may be v).
void mnpxvp(float c[], const float a[], const float v[], int n, int p);
