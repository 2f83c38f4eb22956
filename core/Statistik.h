// Descriptive statistics over a series of 64-bit floats, and three scalar helpers.
//
// Running totals are kept as 64-bit floats in index order; quotients and roots are formed in
// extended precision and stored once. Overflow, division by zero and invalid operations reach
// the caller as TGleitkommaFehler; only RundeAuf catches its own faults.
#pragma once

#include "Gleitkomma.h"
#include "Typen.h"

#include <cstdint>
#include <span>

using TReihe = std::span<const double>;

// Largest and smallest value; 0 for an empty series, which has neither.
double MaxWert(TReihe a);
double MinWert(TReihe a);
// Largest magnitude, max(|MaxWert|, |MinWert|); 0 for an empty series.
double BetragMax(TReihe a);

// Index of the first maximum / first minimum; -1 for an empty series, 0 for a constant one.
int32_t MaxStelle(TReihe a);
int32_t MinStelle(TReihe a);

double Summe(TReihe a);   // 0 for an empty series
double Produkt(TReihe a); // 1 for an empty series
double Mittelwert(TReihe a);

// The kinds of MittelwertArt.
namespace Mittelwertart {
enum : uint8_t { Arithmetisch, Geometrisch };
} // namespace Mittelwertart

// The arithmetic mean, or the geometric mean |product|^(1/n), the sign dropped, an
// overflowing product passed on as a fault; every other kind gives 0.
double MittelwertArt(TReihe a, uint8_t art);

// Population standard deviation (divisor n), sqrt(mean((a - mean)²)). The deviations are
// taken from the mean first: the one-pass form mean(a²) - mean² cancels catastrophically for
// data far from zero (time stamps, wavelengths) and can even turn negative.
double Standardabweichung(TReihe a);

// (MaxWert - MinWert) / (n - 1): the spacing of n equally spaced values over the same range;
// 0 for fewer than two values.
double MittlereSchrittweite(TReihe a);

// Sum of |a_i|^|p|.
double Betragspotenzsumme(TReihe a, double p);

// Number of decimal digits of z; 0 for z = 0.
uint8_t Stellenzahl(uint32_t z);

// x rounded to the given decimal places, ties to even. Ten or more places, a product x·10^places
// beyond 64-bit integers and any other fault return x unchanged.
double RundeAuf(double x, uint8_t stellen);

// x when the condition holds, else 0.
double WertFalls(bool bedingung, double x);
