// Solves the n×n linear system A·x = r, the normal equations of one fit iteration (n ≤ 8).
//
// It never fails on a singular matrix. An unknown whose row and column are entirely zero (a
// fixed coefficient) is left out and gets 0; the rest is solved by size: one unknown by
// division, two by Cramer's rule (a zero denominator gives the marker 1e9 for that unknown),
// three or more by Gaussian elimination. The elimination first scales rows and columns by the
// square roots of the diagonal magnitudes, so that multiplying an unknown by 10^k changes
// nothing but its own component; it takes the first non-zero pivot of each column, sets entries
// that fall below 1e-9 of the mean entry magnitude to exactly 0 (round-off of dependent rows),
// and gives 0 for an unknown whose column has no pivot left (a coefficient that the others
// already account for); the remaining unknowns are still solved. Overflow is a fault; NaN in
// the matrix passes through to the result.
#pragma once

#include "Koeffizienten.h"
#include "Typen.h"

#include <cstdint>

// Werte[0..n-1] receive the solution, everything else of the result stays cleared. A and r
// are not changed; they must hold at least n rows, columns and entries.
TKoeffizienten LoeseLGS(const TLinearesSystem& A, const TVektor& r, uint8_t n);
