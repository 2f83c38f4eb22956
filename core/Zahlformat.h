// The number format of every number in a diagram: decimal places, and the magnitude beyond
// which a number is written as mantissa "e" exponent.
#pragma once

#include <cstdint>
#include <string>

struct TZahlformat {
  uint8_t Stellen = 3;      // "Sichtbare Stellen": from 10^Stellen (and below 10^-Stellen) on, scientific
  uint8_t Kommastellen = 2; // decimal places
  bool Frei = false;        // free format: the general text of ZahlAlsText
  bool operator==(const TZahlformat&) const = default;
};

// Fixed point with the decimal places, after rounding to 10 significant digits (more than 10
// digits before the point give the exponent form d,dddddddddE+xx). Values v ≠ 0 with
// |v| ≥ 10^Stellen or |v| ≤ 10^-Stellen are written as RundeAuf(m, Kommastellen) "e" exponent
// with 1 ≤ |m| < 10 (10000 → "1e4"; a mantissa that rounds up to 10 moves to the next power).
// Non-finite values give ZahlAlsText's text. Never fails.
std::string ZahlFormatiert(double wert, TZahlformat format);
