// Powers, factorials, binomial coefficients and the Gamma function.
//
// Hoch is the real power: integer exponents up to 2^31-1 by square-and-multiply (negative
// bases allowed), others as e^(p·ln b). Fakultaet and BinomialGanz work in unsigned 32-bit
// arithmetic and wrap around modulo 2^32 from 13! on, which the column operations show as is.
// Gamma is the exact factorial for whole arguments, Stirling's formula
// sqrt(2πy)·(y/e)^y·e^(1/(12y)) with y = x - 1 for others, and 0 for non-whole x ≤ 1.
#pragma once

#include "Gleitkomma.h"

#include <cstdint>

// b^p. p = 0 gives 1 (also for b = 0); b = 0 with p > 0 gives 0. Faults: a negative base with
// a non-whole exponent and 0 to a negative non-whole power are invalid, 0 to a negative whole
// power is a division by zero, a result beyond the extended range an overflow. A negative
// whole power whose result lies below the extended range underflows silently to 0.
Extended Hoch(Extended b, Extended p);

// |b|^p that never faults: 0 for b = 0 (whatever p) and for every fault of Hoch.
Extended Potenz(Extended b, Extended p);

// n! modulo 2^32: exact up to 12, 0 from 34 on.
uint32_t Fakultaet(uint8_t n);

// n! / (k!·((n-k) mod 256)!) in unsigned 32-bit arithmetic; 0 when the denominator wraps to 0.
uint32_t BinomialGanz(uint8_t n, uint8_t k);

// BinomialGanz of the low bytes for whole N and K, else Γ(N+1)/(Γ(K+1)·Γ(N-K+1)), 0 when
// the denominator is 0.
double Binomial(double n, double k);

// The kinds of Funktion; 0, 5 and 7 on are the identity.
namespace Funktionsart {
enum : uint8_t { Identitaet, Sinus, EHoch, Logarithmus, Quadratwurzel, Gamma = 6 };
} // namespace Funktionsart

// Elementary function selected by the low seven bits of art. Gamma with modus 0 is Γ, with
// modus -1 its derivative Γ(x)·ψ(x) with the asymptotic digamma; other modes give 0.
double Funktion(uint8_t art, int8_t modus, double x);

// Γ(z) = Funktion(Funktionsart::Gamma, 0, z).
double Gamma(double z);
