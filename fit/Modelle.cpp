#include "Modelle.h"

#include "core/Gleitkomma.h"
#include "core/Spezialfunktionen.h"

#include <cmath>
#include <iterator>

namespace {

struct TModell {
  const char* Name;
  uint8_t Anzahl;
  const char* Formel; // {X} stands for the x name
};

const TModell Modelltabelle[] = {
    {"", 0, ""},
    {"Lineare Regression", 2, "b + a * {X}"},
    {"Exponentiell", 3, "c + a * exp(b * {X})"},
    {"Gauss", 4, "d + a * exp(- ({X} - b)² / c)"},
    {"Hyperbel", 3, "a * {X} + b / {X} + c"},
    {"Polynom", 5, "a + b{X} + c{X}^2 + d{X}^3 + e{X}^4"},
    {"Sinus", 4, "a + b * sin(c * {X} + d)"},
    {"Logarithmus", 4, "a + b * ln(c * {X} + d)"},
    {"Potenzfunktion", 4, "d + a * b ^ (c * {X})"},
    {"Eingehüllte Schwingung", 5, "a * exp(bx) * sin(cx + d) + e"},
    {"Zerfallsüberlagerung", 5, "a * exp(bx) + c * exp(dx) + e"},
    {"Wurzel", 4, "d + a * Sqrt(b + cx)"},
    {"Poisson(Näherung)", 4, "c + d * a^(bx) * exp(-a) / (bx)!"},
    {"Doppelgauß", 7, "g + a * exp(- ({X} - b)² / c) + d * exp(- ({X} - e)² / f)"},
    {"Brechzahl", 4, "d + sqrt(a + b/{X}^2 + c/{X}^4)"},
    {"Intensität", 4, "d + c * cos²(a{X} + b)"},
    {"Basispotenz", 7, "d + b * (a + e{X})^c / (f{X})^g"},
    {"BEEM Bell-Kaiser", 4, "d + b * (a + {X})^c"},
};
static_assert(std::size(Modelltabelle) == Modellanzahl + 1);

const TModell& Eintrag(uint8_t modell) { return Modelltabelle[modell <= Modellanzahl ? modell : 0]; }

using E = Extended;

E Sgn(E u) { return u < 0 ? -1 : 1; }
E Quadrat(E v) { return v * v; }
// e^(-(x - m)²/w): a zero width is a fault.
E Glocke(E x, E m, E w) { return EHoch(Teile(-Quadrat(x - m), w)); }

struct TKoeff {
  E a, b, c, d, e, f, g;
  explicit TKoeff(const TKoeffizienten& k)
      : a(k.Werte[0]), b(k.Werte[1]), c(k.Werte[2]), d(k.Werte[3]), e(k.Werte[4]), f(k.Werte[5]),
        g(k.Werte[6]) {}
};

E Poissonnenner(const TKoeff& k, E x) { return Gamma(AlsDouble(k.b * x + 1)); }

E Wert(uint8_t modell, const TKoeff& k, E x) {
  switch (modell) {
  case 1: return k.b + k.a * x;
  case 2: return k.c + k.a * EHoch(k.b * x);
  case 3: return k.d + k.a * Glocke(x, k.b, k.c);
  case 4: return x == 0 ? 1e9L : k.a * x + Teile(k.b, x) + k.c;
  case 5: return k.a + k.b * x + k.c * x * x + k.d * x * x * x + k.e * x * x * x * x;
  case 6: return k.a + k.b * std::sin(k.c * x + k.d);
  case 7: {
    const E u = k.c * x + k.d;
    return u > 0 ? k.a + k.b * Ln(u) : -1e9L;
  }
  case 8: return k.d + k.a * Potenz(k.b, k.c * x);
  case 9: return k.a * EHoch(k.b * x) * std::sin(k.c * x + k.d) + k.e;
  case 10: return k.a * EHoch(k.b * x) + k.c * EHoch(k.d * x) + k.e;
  case 11: return k.d + k.a * Wurzel(std::fabs(k.b + k.c * x));
  case 12: {
    const E q = k.d * EHoch(-k.a) * Potenz(k.a, k.b * x);
    return k.c + Teile(q, Poissonnenner(k, x));
  }
  case 13: return k.g + k.a * Glocke(x, k.b, k.c) + k.d * Glocke(x, k.e, k.f);
  case 14: {
    const E u = k.a + Teile(k.b, x * x) + Teile(k.c, x * x * x * x);
    return k.d + (u >= 0 ? Wurzel(u) : 0);
  }
  case 15: return k.d + k.c * Quadrat(std::cos(k.a * x + k.b));
  case 16: {
    const E n = k.g == 0 ? 1 : Potenz(k.f * x, k.g);
    return n == 0 ? 1e9L : k.d + Teile(k.b * Potenz(k.a + k.e * x, k.c), n);
  }
  case 17: return k.d + k.b * Potenz(x + k.a, k.c);
  default: return 0;
  }
}

// The first derivative in x. Where a model takes the absolute value of an argument (models 11
// and 17), the derivative carries that argument's sign.
E Steigung(uint8_t modell, const TKoeff& k, E x) {
  switch (modell) {
  case 1: return k.a;
  case 2: return k.a * k.b * EHoch(k.b * x);
  case 3: return Teile(-2 * k.a * (x - k.b) * Glocke(x, k.b, k.c), k.c);
  case 4: return x == 0 ? 1e9L : k.a - Teile(k.b, x * x);
  case 5: return k.b + 2 * k.c * x + 3 * k.d * x * x + 4 * k.e * x * x * x;
  case 6: return k.b * k.c * std::cos(k.c * x + k.d);
  case 7: {
    const E u = k.c * x + k.d;
    return u > 0 ? Teile(k.b * k.c, u) : Sgn(u) * 1e9L;
  }
  case 8: return k.a * Potenz(k.b, k.c * x) * k.c * Ln(std::fabs(k.b));
  case 9: {
    const E v = k.c * x + k.d;
    return k.a * EHoch(k.b * x) * (k.c * std::cos(v) + k.b * std::sin(v));
  }
  case 10: return k.a * k.b * EHoch(k.b * x) + k.c * k.d * EHoch(k.d * x);
  case 11: {
    const E u = k.b + k.c * x;
    return Teile(k.a * k.c * Sgn(u), 2 * Wurzel(std::fabs(u)));
  }
  case 12: {
    const E g = Poissonnenner(k, x);
    if (g * g == 0) return 1e9L;
    const E q = k.d * EHoch(-k.a) * Potenz(k.a, k.b * x);
    const E g1 = Funktion(6, -1, AlsDouble(k.b * x + 1));
    return Teile(k.b * q * (Ln(k.a) * g - g1), g * g);
  }
  case 13:
    return Teile(-2 * k.a * (x - k.b) * Glocke(x, k.b, k.c), k.c) -
           Teile(2 * k.d * (x - k.e) * Glocke(x, k.e, k.f), k.f);
  case 14: {
    const E u = k.a + Teile(k.b, x * x) + Teile(k.c, x * x * x * x);
    const E s = u >= 0 ? Wurzel(u) : 0;
    return Teile(Teile(-2 * k.b, x * x * x) - Teile(4 * k.c, x * x * x * x * x), 2 * s);
  }
  case 15: {
    const E v = k.a * x + k.b;
    return -2 * k.a * k.c * std::sin(v) * std::cos(v);
  }
  case 17: return k.b * k.c * Potenz(x + k.a, k.c - 1) * Sgn(x + k.a);
  default: return 0; // 16: not provided
  }
}

} // namespace

std::string_view Modellnamen(uint8_t modell) { return Eintrag(modell).Name; }

uint8_t Parameteranzahl(uint8_t modell) { return Eintrag(modell).Anzahl; }

double ModellWert(const TFitErgebnis& ergebnis, double x) {
  const uint8_t modell = ergebnis.Modell;
  if (modell == 0 || modell > Modellanzahl || (ergebnis.Ordnung != 0 && ergebnis.Ordnung != -1)) return 0;
  const TKoeff k(ergebnis.Koeffizienten);
  try {
    const E r = ergebnis.Ordnung == 0 ? Wert(modell, k, x) : Steigung(modell, k, x);
    return AlsDouble(Pruefe(r));
  } catch (const TQuarnFehler&) {
    return 0;
  }
}

std::pair<double, double> Nullstellen(const TFitErgebnis& ergebnis) {
  const auto& w = ergebnis.Koeffizienten.Werte;
  const auto gerade = [](double steigung, double achse) {
    return steigung == 0 ? 1e9 : -achse / steigung;
  };
  // a + b·x + c·x² (d = 0): the line for c = 0, else p ± sqrt(p² - a/c) with p = -b/(2c).
  const auto quadratisch = [&](double a, double b, double c) -> std::pair<double, double> {
    if (c == 0) return {gerade(b, a), 0};
    const double p = -b / (2 * c);
    const double diskriminante = p * p - a / c;
    if (diskriminante < 0) return {0, 0};
    const double r = std::sqrt(diskriminante);
    return {p + r, diskriminante > 0 ? p - r : 0};
  };
  switch (ergebnis.Modell) {
  case 1: return {gerade(w[0], w[1]), 0};
  case 4: return quadratisch(w[1], w[2], w[0]);
  case 5: return w[3] == 0 ? quadratisch(w[0], w[1], w[2]) : std::pair<double, double>{0, 0};
  default: return {0, 0};
  }
}

std::string Formeltext(uint8_t modell, const TNamen& namen) {
  std::string text = namen.Y + " = ";
  const std::string_view vorlage = Eintrag(modell).Formel;
  for (std::size_t i = 0; i < vorlage.size();) {
    if (vorlage.compare(i, 3, "{X}") == 0) {
      text += namen.X;
      i += 3;
    } else {
      text += vorlage[i++];
    }
  }
  return text;
}
