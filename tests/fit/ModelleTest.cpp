#include "fit/Ableitung.h"
#include "fit/Modelle.h"

#include "core/Fehler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

TFitErgebnis Modell(uint8_t nummer, const std::vector<double>& werte, int8_t ordnung = 0) {
  TFitErgebnis e{.Modell = nummer, .Ordnung = ordnung};
  std::copy(werte.begin(), werte.end(), e.Koeffizienten.Werte.begin());
  return e;
}

// A model at x: with `art` the Ordnung of ModellWert, or the coefficient of Ableitung.
struct TFall { uint8_t modell; std::vector<double> werte; int art; double x, erwartet; };

TEST(Modelle, NamenUndAnzahlen) {
  const uint8_t anzahl[] = {0, 2, 3, 4, 3, 5, 4, 4, 4, 5, 5, 4, 4, 7, 4, 4, 7, 4, 0};
  for (uint8_t m = 0; m <= 18; ++m) EXPECT_EQ(Parameteranzahl(m), anzahl[m]) << int(m);
  const std::pair<uint8_t, const char*> namen[] = {{1, "Lineare Regression"}, {9, "Eingehüllte Schwingung"},
      {12, "Poisson(Näherung)"}, {13, "Doppelgauß"}, {17, "BEEM Bell-Kaiser"}, {18, ""}};
  for (const auto& [m, name] : namen) EXPECT_EQ(Modellnamen(m), name) << int(m);
}

TEST(ModellWert, WerteAbleitungenUndMarken) {
  const int F = 0, D = -1; // the value, the slope
  const TFall faelle[] = {
      {1, {2, 1}, F, -3, -5}, {1, {2, 1}, F, 0, 1}, {1, {2, 1}, D, 7, 2}, {2, {2, 0, 3}, F, 0, 5}, {2, {2, 0, 3}, F, 9, 5},
      {2, {2, 0, 3}, D, 9, 0}, {3, {2, 1, 4, 1}, F, 3, 1 + 2 * std::exp(-1.0)}, {4, {1, 2, 3}, F, 2, 2 + 1 + 3},
      {5, {1, 2, 3, 4, 5}, F, 2, 1 + 4 + 12 + 32 + 80}, {6, {1, 2, 3, 0.5}, F, 0.5, 1 + 2 * std::sin(2.0)},
      {7, {1, 2, 3, 1}, F, 1, 1 + 2 * std::log(4.0)}, {9, {2, -1, 3, 0.5, 1}, F, 1, 2 * std::exp(-1.0) * std::sin(3.5) + 1},
      {10, {2, -1, 3, -2, 1}, F, 1, 2 * std::exp(-1.0) + 3 * std::exp(-2.0) + 1}, {11, {2, 1, 3, 1}, F, 1, 1 + 2 * 2},
      {12, {2, 1, 0.5, 3}, F, 3, 0.5 + 3 * std::exp(-2.0) * 8 / 6}, {14, {1, 4, 16, 2}, F, 2, 2 + std::sqrt(3.0)},
      {13, {2, 1, 4, 3, 5, 2, 1}, F, 3, 1 + 2 * std::exp(-1.0) + 3 * std::exp(-2.0)}, {17, {1, 2, 3, 1}, F, 1, 1 + 2 * 8},
      {15, {1, 0.5, 2, 1}, F, 1, 1 + 2 * std::cos(1.5) * std::cos(1.5)}, {16, {1, 2, 2, 1, 1, 2, 1}, F, 3, 1 + 2 * 16.0 / 6},
      // Gauss with c = 0: the exponent faults. Hyperbola at x = 0: the marker.
      {3, {2, 1, 0, 1}, F, 1, 0}, {3, {2, 1, 0, 1}, F, 5, 0}, {4, {1, 2, 3}, F, 0, 1e9}, {4, {1, 2, 3}, D, 0, 1e9},
      // Logarithm at u = 0 (x = 1) and u < 0 (x = 0).
      {7, {1, 2, 1, -1}, F, 1, -1e9}, {7, {1, 2, 1, -1}, D, 1, 1e9}, {7, {1, 2, 1, -1}, F, 0, -1e9},
      {7, {1, 2, 1, -1}, D, 0, -1e9},
      // |b| is the base of the power; the root is of |b + cx|, and its fault in the slope gives 0.
      {8, {3, -2, 1, 1}, F, 1, 1 + 2 * 3}, {8, {3, 0, 1, 1}, F, 5, 1}, {8, {3, 0, 1, 1}, D, 5, 0},
      {11, {2, -5, 1, 1}, F, 1, 1 + 2 * 2}, {11, {2, -1, 1, 1}, D, 1, 0},
      // Γ(0,5) counts as 0: a division fault; ln(a) of a <= 0. Brechzahl: u < 0 gives s = 0, x = 0
      // divides by 0.
      {12, {2, -0.5, 0, 1}, F, 1, 0}, {12, {-1, 1, 0, 1}, D, 1, 0}, {14, {-9, 1, 1, 2}, F, 1, 2}, {14, {1, 1, 1, 2}, F, 0, 0},
      // g = 0: N = 1; f·x = 0 gives the marker.
      {16, {1, 2, 2, 1, 0, 5, 0}, F, 3, 1 + 2 * 1.0}, {16, {1, 2, 2, 1, 0, 5, 1}, F, 0, 1e9},
      {16, {1, 2, 2, 1, 0, 5, 1}, D, 3, 0},
      // The exponential overflows; Ordnung 1; no model.
      {2, {1, 1e6, 0}, F, 1, 0}, {1, {2, 1}, 1, 1, 0}, {0, {2, 1}, F, 1, 0}, {18, {2, 1}, F, 1, 0},
      // Left of the kink of |x + a| the slope of model 17 changes sign, as that of |b + cx| in 11.
      {17, {0, 1, 2, 0}, D, -3, -6}, {11, {1, 0, 1, 0}, D, -4, -0.25},
  };
  for (const TFall& f : faelle)
    EXPECT_DOUBLE_EQ(ModellWert(Modell(f.modell, f.werte, static_cast<int8_t>(f.art)), f.x), f.erwartet)
        << "Modell " << int(f.modell) << " Ordnung " << f.art << " x = " << f.x;
}

// Central differences of the value against the closed-form derivatives.
double Zentral(TFitErgebnis e, double x, int koeffizient) {
  const double h = 1e-6 * std::max(1.0, std::fabs(koeffizient < 0 ? x : e.Koeffizienten.Werte[koeffizient]));
  auto wert = [&](double delta) {
    TFitErgebnis v = e;
    if (koeffizient < 0) return ModellWert(v, x + delta);
    v.Koeffizienten.Werte[koeffizient] += delta;
    return ModellWert(v, x);
  };
  return (wert(h) - wert(-h)) / (2 * h);
}

// Model, coefficients, x.
const std::tuple<uint8_t, std::vector<double>, double> Pruefpunkte[] = {
    {1, {2, 1}, 1.5}, {2, {2, -0.5, 1}, 1.2}, {3, {2, 1, 3, 0.5}, 1.7}, {4, {1.5, 2, 1}, 1.3},
    {5, {1, -2, 0.5, 0.25, -0.1}, 1.4}, {6, {1, 2, 1.5, 0.3}, 0.7}, {7, {1, 2, 1.5, 0.5}, 1.1},
    {8, {2, 1.5, 0.7, 1}, 1.3}, {8, {2, -1.5, 0.7, 1}, 1.3}, {9, {2, -0.4, 2, 0.5, 1}, 0.9},
    {10, {2, -0.4, 1.5, -1.2, 0.5}, 0.8}, {11, {2, 1, 3, 0.5}, 0.6}, {11, {2, -5, 1, 0.5}, 1.5},
    {12, {2.5, 1.3, 0.5, 3}, 1.7}, {13, {2, 1, 3, 1.5, 4, 2, 0.5}, 2.2}, {14, {1.5, 2, 0.5, 1}, 1.3},
    {15, {1.2, 0.3, 2, 1}, 0.9}, {16, {1, 2, 1.5, 0.5, 0.8, 1.3, 0.7}, 1.6},
    {16, {-3, 2, 1.5, 0.5, 0.8, 1.3, 0.7}, 1.6}, {17, {0.5, 2, 1.7, 1}, 1.4}, {17, {-3, 2, 1.7, 1}, 1.4},
};

TEST(Ableitung, StimmtMitZentralenDifferenzenUeberein) {
  for (const auto& [modell, werte, x] : Pruefpunkte) {
    TFitErgebnis e = Modell(modell, werte);
    for (int i = 0; i < Parameteranzahl(modell); ++i) {
      const double erwartet = Zentral(e, x, i);
      EXPECT_NEAR(Ableitung(e, i, x), erwartet, 1e-6 * std::max(1.0, std::fabs(erwartet)))
          << "Modell " << int(modell) << " Koeffizient " << i;
    }
    if (modell == 16) continue; // its x-derivative is not provided
    e.Ordnung = -1;
    const double steigung = ModellWert(e, x);
    e.Ordnung = 0;
    const double erwartet = Zentral(e, x, -1);
    EXPECT_NEAR(steigung, erwartet, 1e-6 * std::max(1.0, std::fabs(erwartet))) << "Modell " << int(modell);
  }
}

TEST(Ableitung, Sonderfaelle) {
  const TFall faelle[] = {
      // Gauss with c = 0: a step at the centre, markers for centre and width.
      {3, {2, 1, 0, 1}, 0, 1, 1}, {3, {2, 1, 0, 1}, 0, 2, 0}, {3, {2, 1, 0, 1}, 1, 2, 1e9},
      {3, {2, 1, 0, 1}, 2, 2, 1e9}, {3, {2, 1, 0, 1}, 3, 2, 1}, {4, {1, 2, 3}, 1, 0, 1e9},
      {7, {1, 2, 1, -1}, 1, 1, -1e9}, {7, {1, 2, 1, -1}, 2, 1, 2e9}, {7, {1, 2, 1, -1}, 3, 1, 2e9},
      {8, {2, 0, 1, 1}, 2, 1, -1e9},
      // A fault in the root or the Poisson terms gives 0; the other entries stand.
      {11, {2, -1, 1, 1}, 1, 1, 0}, {12, {2, -0.5, 0, 1}, 3, 1, 0}, {12, {2, -0.5, 0, 1}, 2, 1, 1},
      {14, {-9, 1, 1, 2}, 3, 1, 1}, {2, {1, 1e6, 0}, 2, 1, 1},
      // A coefficient the model does not have; no model.
      {1, {2, 1}, 2, 5, 0}, {0, {}, 0, 5, 0},
  };
  for (const TFall& f : faelle)
    EXPECT_EQ(Ableitung(Modell(f.modell, f.werte), f.art, f.x), f.erwartet)
        << "Modell " << int(f.modell) << " Koeffizient " << f.art << " x = " << f.x;
  EXPECT_THROW(Ableitung(Modell(14, {-9, 1, 1, 2}), 0, 1), TGleitkommaFehler);
  EXPECT_THROW(Ableitung(Modell(2, {1, 1e6, 0}), 0, 1), TGleitkommaFehler);
  TFitErgebnis fix = Modell(1, {2, 1});
  fix.Koeffizienten.Fix.Setze(0, true);
  EXPECT_EQ(Ableitung(fix, 0, 5), 0);
  EXPECT_EQ(Ableitung(fix, 1, 5), 1);
}

TEST(Nullstellen, GeschlosseneFormen) {
  const std::tuple<uint8_t, std::vector<double>, std::pair<double, double>> faelle[] = {
      {1, {2, -4}, {2, 0}}, {1, {0, -4}, {1e9, 0}}, {5, {-4, 0, 1, 0, 7}, {2, -2}}, {5, {1, 2, 1, 0}, {-1, 0}},
      {5, {1, 0, 1, 0}, {0, 0}}, {5, {1, 2, 1, 3}, {0, 0}}, {5, {-6, 2, 0, 0}, {3, 0}}, {4, {1, -4, 0}, {2, -2}},
      {6, {1, 2, 3, 4}, {0, 0}},
  };
  for (const auto& [modell, werte, nullstellen] : faelle)
    EXPECT_EQ(Nullstellen(Modell(modell, werte)), nullstellen) << int(modell);
}

} // namespace
