// Checked floating-point helpers. Faults are detected explicitly, never through the
// floating-point environment: a division by zero, an invalid operation (logarithm or root of
// a negative number, 0/0, an unrepresentable rounding) and an overflow of a result raise
// TGleitkommaFehler. Underflow is silent and gives 0 or a subnormal value.
#pragma once

#include "Fehler.h"

#include <cmath>
#include <cstdint>

// Intermediate results are formed in 80-bit extended precision.
using Extended = long double;

[[noreturn]] void Gleitkommafehler(TGleitkommaArt art);

// a / b; 0/0 is an invalid operation, x/0 a division by zero, a finite quotient beyond the
// extended range an overflow.
Extended Teile(Extended a, Extended b);

// Natural logarithm: x < 0 is invalid, x = 0 a division by zero.
Extended Ln(Extended x);

// Square root: x < 0 is invalid.
Extended Wurzel(Extended x);

// e^x with overflow detection.
Extended EHoch(Extended x);

// A non-finite result of finite operands: infinity is an overflow, NaN an invalid operation.
Extended Pruefe(Extended x);

// Stores an extended result as a 64-bit float: a finite value beyond the 64-bit range is an
// overflow. NaN and infinities pass unchanged.
double AlsDouble(Extended x);

// Nearest whole number, ties to even, as an extended value (the one rounding every caller
// uses; rint under the default rounding mode, without nearbyint's costly save and restore of
// the floating-point environment).
inline Extended RundeNaechste(Extended x) { return rintl(x); }

// Nearest whole number, ties to even. A value that does not fit a signed 64-bit integer
// (also NaN and infinities) is an invalid operation, as with the processor's own rounding.
int64_t RundeGanz(Extended x);

// True when x is a whole number that fits a signed 64-bit integer.
bool IstGanz(Extended x);
