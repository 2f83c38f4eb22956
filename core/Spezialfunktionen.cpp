#include "Spezialfunktionen.h"

#include "Gammafamilie.h"
#include "Rechenweisen.h"

#include <cmath>

namespace {

constexpr Extended Int32Max = 2147483647;

// b^n by square-and-multiply; never squares past the last bit, so an infinity means the
// result itself is beyond the extended range.
Extended GanzePotenz(Extended b, uint32_t n) {
  Extended r = 1;
  for (;;) {
    if (n & 1u) r *= b;
    n >>= 1;
    if (n == 0) return r;
    b *= b;
  }
}

Extended NegativeGanzePotenz(Extended b, uint32_t n) {
  const Extended nenner = GanzePotenz(b, n);
  if (std::isinf(nenner)) return 0; // the true result underflows
  return Teile(1, nenner);            // b^n that underflows to 0 divides by zero
}

} // namespace

Extended Hoch(Extended b, Extended p) {
  if (p == 0) return 1;
  if (b == 0 && p > 0) return 0;
  const bool ganz = RundeNaechste(p) == p;
  if (ganz && std::fabs(p) <= Int32Max) {
    const auto n = static_cast<uint32_t>(std::fabs(p));
    return Pruefe(p > 0 ? GanzePotenz(b, n) : NegativeGanzePotenz(b, n));
  }
  if (b == 0)
    Gleitkommafehler(ganz ? TGleitkommaArt::DivisionDurchNull : TGleitkommaArt::Ungueltig);
  if (b < 0) Gleitkommafehler(TGleitkommaArt::Ungueltig);
  return EHoch(p * Ln(b));
}

Extended Potenz(Extended b, Extended p) {
  b = std::fabs(b);
  if (b == 0) return 0;
  try {
    return Hoch(b, p);
  } catch (const TGleitkommaFehler&) {
    return 0;
  }
}

uint32_t Fakultaet(uint8_t n) {
  uint32_t f = 1;
  for (uint32_t i = 2; i <= n; ++i) f *= i;
  return f;
}

uint32_t BinomialGanz(uint8_t n, uint8_t k) {
  const uint32_t d = Fakultaet(k) * Fakultaet(static_cast<uint8_t>(n - k));
  return d == 0 ? 0 : Fakultaet(n) / d;
}

double Binomial(double n, double k) {
  const int64_t nGanz = RundeGanz(n);
  const int64_t kGanz = RundeGanz(k);
  if (nGanz == n && kGanz == k)
    return BinomialGanz(static_cast<uint8_t>(nGanz), static_cast<uint8_t>(kGanz));
  const Extended t = static_cast<Extended>(Gamma(k + 1)) * Gamma(AlsDouble(Extended(n) - k + 1));
  if (t == 0) return 0;
  return AlsDouble(Teile(Gamma(n + 1), t));
}

double Funktion(uint8_t art, int8_t modus, double x) {
  switch (art & 0x7F) {
  case Funktionsart::Sinus:
    return std::fabs(x) >= 9223372036854775808.0 ? 0 : std::sin(x);
  case Funktionsart::EHoch:
    return AlsDouble(EHoch(x));
  case Funktionsart::Logarithmus:
    return AlsDouble(Ln(x));
  case Funktionsart::Quadratwurzel:
    return AlsDouble(Wurzel(x));
  case Funktionsart::Gamma: {
    TGenau genau;
    return static_cast<double>(GammaFamilie(genau, modus, x));
  }
  default:
    return x;
  }
}

double Gamma(double z) {
  return Funktion(Funktionsart::Gamma, 0, z);
}
