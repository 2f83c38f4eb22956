#include "Ableitung.h"

#include "Modelle.h"

#include "core/Gleitkomma.h"
#include "core/Spezialfunktionen.h"

#include <array>
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

// Subexpressions that several entries of one point share (powers, exponentials, Gamma),
// each computed when an entry first needs it. A subexpression that faults is not kept, so
// it faults again for every entry that needs it, and only for those.
class TGemeinsam {
public:
  template <class F> E operator()(int platz, F rechnen) {
    if (!(bekannt_ >> platz & 1u)) {
      wert_[static_cast<std::size_t>(platz)] = rechnen();
      bekannt_ |= 1u << platz;
    }
    return wert_[static_cast<std::size_t>(platz)];
  }

private:
  std::array<E, 8> wert_{};
  unsigned bekannt_ = 0;
};

// Gauss peak a·e^(-(x-m)²/w): the entries for (height, centre, width). A zero width is a
// step: E is 1 at the centre and 0 elsewhere, and the centre and width entries are markers.
E Gausspartiell(int j, E a, E m, E w, E x, TGemeinsam& z, int platz) {
  if (w == 0) return j == 0 ? (x == m ? 1 : 0) : 1e9L;
  const E glocke = z(platz, [&] { return EHoch(Teile(-(x - m) * (x - m), w)); });
  switch (j) {
  case 0: return glocke;
  case 1: return Teile(2 * a * (x - m) * glocke, w);
  default: return Teile(a * (x - m) * (x - m) * glocke, w * w);
  }
}

E Partiell(uint8_t modell, int i, const std::array<double, MaxKoeffizienten>& w, E x, TGemeinsam& z) {
  const E a = w[0], b = w[1], c = w[2], d = w[3], e = w[4], f = w[5], g = w[6];
  switch (modell) {
  case 1: return i == 0 ? x : 1;
  case 2: {
    const auto eb = [&] { return z(0, [&] { return EHoch(b * x); }); };
    return i == 0 ? eb() : i == 1 ? a * x * eb() : 1;
  }
  case 3: return i < 3 ? Gausspartiell(i, a, b, c, x, z, 0) : 1;
  case 4: return i == 0 ? x : i == 1 ? (x == 0 ? 1e9L : Teile(1, x)) : 1;
  case 5: return Ganzpotenz(x, i);
  case 6: {
    const E v = c * x + d;
    switch (i) {
    case 0: return 1;
    case 1: return std::sin(v);
    case 2: return b * x * std::cos(v);
    default: return b * std::cos(v);
    }
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
  case 8:
    switch (i) {
    case 0: return z(0, [&] { return Potenz(b, c * x); });
    case 1: return a * c * x * Potenz(b, c * x - 1) * Sgn(b);
    case 2: return b == 0 ? -1e9L : a * x * z(0, [&] { return Potenz(b, c * x); }) * Ln(std::fabs(b));
    default: return 1;
    }
  case 9: {
    if (i == 4) return 1;
    const E ex = z(0, [&] { return EHoch(b * x); });
    const E s = std::sin(c * x + d), co = std::cos(c * x + d);
    const E werte[] = {ex * s, a * x * ex * s, a * x * ex * co, a * ex * co};
    return werte[i];
  }
  case 10: {
    const auto eb = [&] { return z(0, [&] { return EHoch(b * x); }); };
    const auto ed = [&] { return z(1, [&] { return EHoch(d * x); }); };
    switch (i) {
    case 0: return eb();
    case 1: return a * x * eb();
    case 2: return ed();
    case 3: return c * x * ed();
    default: return 1;
    }
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
    const E p = z(0, [&] { return Potenz(a, b * x); });
    const E gamma = z(1, [&] { return static_cast<E>(Gamma(AlsDouble(b * x + 1))); });
    const E ea = z(2, [&] { return EHoch(-a); });
    switch (i) {
    case 0: return Teile(d * ea * (b * x * Potenz(a, b * x - 1) * Sgn(a) - p), gamma);
    case 1: {
      const E g1 = Funktion(6, -1, AlsDouble(b * x + 1));
      return Teile(x * d * ea * p * (Ln(a) * gamma - g1), gamma * gamma);
    }
    default: return Teile(ea * p, gamma);
    }
  }
  case 13:
    if (i < 3) return Gausspartiell(i, a, b, c, x, z, 0);
    if (i < 6) return Gausspartiell(i - 3, d, e, f, x, z, 1);
    return 1;
  case 14: {
    if (i == 3) return 1;
    const E s2 = z(0, [&] {
      const E u = a + Teile(b, x * x) + Teile(c, x * x * x * x);
      return 2 * (u >= 0 ? Wurzel(u) : 0);
    });
    return Teile(1, s2 * Ganzpotenz(x, 2 * i));
  }
  case 15: {
    const E v = a * x + b;
    switch (i) {
    case 0: return -2 * c * x * std::sin(v) * std::cos(v);
    case 1: return -2 * c * std::sin(v) * std::cos(v);
    case 2: return std::cos(v) * std::cos(v);
    default: return 1;
    }
  }
  case 16: {
    const E u = a + e * x;
    const auto gross = [&] { return z(0, [&] { return Potenz(u, c); }); };
    const auto n = [&] { return z(1, [&] { return g == 0 ? E(1) : Potenz(f * x, g); }); };
    const auto kleiner = [&] { return z(2, [&] { return Potenz(u, c - 1); }); };
    switch (i) {
    case 0: return Teile(b * c * kleiner() * Sgn(u), n());
    case 1: return Teile(gross(), n());
    case 2: return Teile(b * gross() * Ln(std::fabs(u)), n());
    case 3: return 1;
    case 4: return Teile(b * c * x * kleiner() * Sgn(u), n());
    case 5: return Teile(-b * g * gross(), n() * f);
    default: return Teile(-b * gross() * Ln(std::fabs(f * x)), n());
    }
  }
  case 17: {
    const E u = x + a;
    const auto gross = [&] { return z(0, [&] { return Potenz(u, c); }); };
    switch (i) {
    case 0: return b * c * Potenz(u, c - 1) * Sgn(u);
    case 1: return gross();
    case 2: return b * gross() * Ln(std::fabs(u));
    default: return 1;
    }
  }
  default: return 0;
  }
}

double Eintrag(const TFitErgebnis& w, int i, double x, TGemeinsam& z) {
  if (w.Koeffizienten.Fix.Enthaelt(static_cast<uint8_t>(i))) return 0;
  const auto rechnen = [&] { return AlsDouble(Pruefe(Partiell(w.Modell, i, w.Koeffizienten.Werte, x, z))); };
  if (w.Modell != 11 && w.Modell != 12) return rechnen();
  try {
    return rechnen();
  } catch (const TQuarnFehler&) {
    return 0;
  }
}

} // namespace

double Ableitung(const TFitErgebnis& w, int i, double x) {
  if (w.Modell == 0 || w.Modell > Modellanzahl || i < 0 || i >= Parameteranzahl(w.Modell)) return 0;
  TGemeinsam z;
  return Eintrag(w, i, x, z);
}

void Ableitungen(const TFitErgebnis& w, double x, std::span<double> d) {
  TGemeinsam z;
  const int p = w.Modell <= Modellanzahl ? Parameteranzahl(w.Modell) : 0;
  for (std::size_t i = 0; i < d.size(); ++i)
    d[i] = static_cast<int>(i) < p ? Eintrag(w, static_cast<int>(i), x, z) : 0;
}
