#include "Ableitung.h"

#include "Modelle.h"

#include "core/Gleitkomma.h"
#include "core/Spezialfunktionen.h"

#include <cmath>

namespace {

using E = Extended;

E Sgn(E u) { return u < 0 ? -1 : 1; }

// x^n for small whole n, by multiplication (the general power is far slower).
E Ganzpotenz(E x, int n) {
  E r = 1;
  for (int k = 0; k < n; ++k) r *= x;
  return r;
}

// Gauss peak a·e^(-(x-m)²/w): the entries for (height, centre, width). A zero width is a
// step: E is 1 at the centre and 0 elsewhere, and the centre and width entries are markers.
E Gausspartiell(int j, E a, E m, E w, E x) {
  if (w == 0) return j == 0 ? (x == m ? 1 : 0) : 1e9L;
  const E glocke = EHoch(Teile(-(x - m) * (x - m), w));
  switch (j) {
  case 0: return glocke;
  case 1: return Teile(2 * a * (x - m) * glocke, w);
  default: return Teile(a * (x - m) * (x - m) * glocke, w * w);
  }
}

E Partiell(uint8_t modell, int i, const std::array<double, MaxKoeffizienten>& w, E x) {
  const E a = w[0], b = w[1], c = w[2], d = w[3], e = w[4], f = w[5], g = w[6];
  switch (modell) {
  case 1: return i == 0 ? x : 1;
  case 2: return i == 0 ? EHoch(b * x) : i == 1 ? a * x * EHoch(b * x) : 1;
  case 3: return i < 3 ? Gausspartiell(i, a, b, c, x) : 1;
  case 4: return i == 0 ? x : i == 1 ? (x == 0 ? 1e9L : Teile(1, x)) : 1;
  case 5: return Ganzpotenz(x, i);
  case 6: {
    const E v = c * x + d;
    const E werte[] = {1, std::sin(v), b * x * std::cos(v), b * std::cos(v)};
    return werte[i];
  }
  case 7: {
    const E u = c * x + d;
    switch (i) {
    case 0: return 1;
    case 1: return u <= 0 ? -1e9L : Ln(u);
    case 2: return u == 0 ? b * x * 1e9L : Teile(b * x, u);
    default: return u == 0 ? b * 1e9L : Teile(b, u);
    }
  }
  case 8: {
    const E t = Potenz(b, c * x);
    switch (i) {
    case 0: return t;
    case 1: return a * c * x * Potenz(b, c * x - 1) * Sgn(b);
    case 2: return b == 0 ? -1e9L : a * x * t * Ln(std::fabs(b));
    default: return 1;
    }
  }
  case 9: {
    if (i == 4) return 1;
    const E ex = EHoch(b * x), s = std::sin(c * x + d), co = std::cos(c * x + d);
    const E werte[] = {ex * s, a * x * ex * s, a * x * ex * co, a * ex * co};
    return werte[i];
  }
  case 10:
    switch (i) {
    case 0: return EHoch(b * x);
    case 1: return a * x * EHoch(b * x);
    case 2: return EHoch(d * x);
    case 3: return c * x * EHoch(d * x);
    default: return 1;
    }
  case 11: {
    const E u = b + c * x;
    const E s = Wurzel(std::fabs(u));
    switch (i) {
    case 0: return s;
    case 1: return Teile(a * Sgn(u), 2 * s);
    case 2: return Teile(a * x * Sgn(u), 2 * s);
    default: return 1;
    }
  }
  case 12: {
    if (i == 2) return 1;
    const E p = Potenz(a, b * x);
    const E gamma = Gamma(AlsDouble(b * x + 1));
    switch (i) {
    case 0: return Teile(d * EHoch(-a) * (b * x * Potenz(a, b * x - 1) * Sgn(a) - p), gamma);
    case 1: {
      const E q = d * EHoch(-a) * p;
      const E g1 = Funktion(6, -1, AlsDouble(b * x + 1));
      return Teile(x * q * (Ln(a) * gamma - g1), gamma * gamma);
    }
    default: return Teile(EHoch(-a) * p, gamma);
    }
  }
  case 13:
    if (i < 3) return Gausspartiell(i, a, b, c, x);
    if (i < 6) return Gausspartiell(i - 3, d, e, f, x);
    return 1;
  case 14: {
    if (i == 3) return 1;
    const E u = a + Teile(b, x * x) + Teile(c, x * x * x * x);
    const E s2 = 2 * (u >= 0 ? Wurzel(u) : 0);
    return Teile(1, s2 * Ganzpotenz(x, 2 * i));
  }
  case 15: {
    const E v = a * x + b;
    const E werte[] = {-2 * c * x * std::sin(v) * std::cos(v), -2 * c * std::sin(v) * std::cos(v),
                       std::cos(v) * std::cos(v), 1};
    return werte[i];
  }
  case 16: {
    const E u = a + e * x;
    const E gross = Potenz(u, c);
    const E n = g == 0 ? 1 : Potenz(f * x, g);
    switch (i) {
    case 0: return Teile(b * c * Potenz(u, c - 1) * Sgn(u), n);
    case 1: return Teile(gross, n);
    case 2: return Teile(b * gross * Ln(std::fabs(u)), n);
    case 3: return 1;
    case 4: return Teile(b * c * x * Potenz(u, c - 1) * Sgn(u), n);
    case 5: return Teile(-b * g * gross, n * f);
    default: return Teile(-b * gross * Ln(std::fabs(f * x)), n);
    }
  }
  case 17: {
    const E u = x + a;
    switch (i) {
    case 0: return b * c * Potenz(u, c - 1) * Sgn(u);
    case 1: return Potenz(u, c);
    case 2: return b * Potenz(u, c) * Ln(std::fabs(u));
    default: return 1;
    }
  }
  default: return 0;
  }
}

} // namespace

double Ableitung(const TFitErgebnis& w, int i, double x) {
  const uint8_t modell = w.Modell;
  if (modell == 0 || modell > Modellanzahl || i < 0 || i >= Parameteranzahl(modell) ||
      w.Koeffizienten.Fix.Enthaelt(static_cast<uint8_t>(i)))
    return 0;
  const auto rechnen = [&] { return AlsDouble(Pruefe(Partiell(modell, i, w.Koeffizienten.Werte, x))); };
  if (modell != 11 && modell != 12) return rechnen();
  try {
    return rechnen();
  } catch (const TQuarnFehler&) {
    return 0;
  }
}
