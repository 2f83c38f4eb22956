#include "fit/Ableitung.h"
#include "fit/Modelle.h"

#include "core/Fehler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace {

TFitErgebnis Modell(uint8_t nummer, std::initializer_list<double> werte, int8_t ordnung = 0) {
  TFitErgebnis e;
  e.Modell = nummer;
  e.Ordnung = ordnung;
  std::copy(werte.begin(), werte.end(), e.Koeffizienten.Werte.begin());
  return e;
}

double F(uint8_t m, std::initializer_list<double> k, double x) { return ModellWert(Modell(m, k), x); }
double D(uint8_t m, std::initializer_list<double> k, double x) { return ModellWert(Modell(m, k, -1), x); }

TEST(Modelle, NamenUndAnzahlen) {
  const uint8_t anzahl[] = {0, 2, 3, 4, 3, 5, 4, 4, 4, 5, 5, 4, 4, 7, 4, 4, 7, 4};
  for (uint8_t m = 0; m <= 17; ++m) EXPECT_EQ(Parameteranzahl(m), anzahl[m]) << int(m);
  EXPECT_EQ(Parameteranzahl(18), 0);
  EXPECT_EQ(Modellnamen(1), "Lineare Regression");
  EXPECT_EQ(Modellnamen(9), "Eingehüllte Schwingung");
  EXPECT_EQ(Modellnamen(12), "Poisson(Näherung)");
  EXPECT_EQ(Modellnamen(13), "Doppelgauß");
  EXPECT_EQ(Modellnamen(17), "BEEM Bell-Kaiser");
  EXPECT_EQ(Modellnamen(18), "");
}

TEST(ModellWert, WerteUndAbleitungen) {
  EXPECT_EQ(F(1, {2, 1}, -3), -5);
  EXPECT_EQ(F(1, {2, 1}, 0), 1);
  EXPECT_EQ(D(1, {2, 1}, 7), 2);
  EXPECT_EQ(F(2, {2, 0, 3}, 0), 5);
  EXPECT_EQ(F(2, {2, 0, 3}, 9), 5);
  EXPECT_EQ(D(2, {2, 0, 3}, 9), 0);
  EXPECT_DOUBLE_EQ(F(3, {2, 1, 4, 1}, 3), 1 + 2 * std::exp(-1.0));
  EXPECT_DOUBLE_EQ(F(4, {1, 2, 3}, 2), 2 + 1 + 3);
  EXPECT_DOUBLE_EQ(F(5, {1, 2, 3, 4, 5}, 2), 1 + 4 + 12 + 32 + 80);
  EXPECT_DOUBLE_EQ(F(6, {1, 2, 3, 0.5}, 0.5), 1 + 2 * std::sin(2.0));
  EXPECT_DOUBLE_EQ(F(7, {1, 2, 3, 1}, 1), 1 + 2 * std::log(4.0));
  EXPECT_DOUBLE_EQ(F(9, {2, -1, 3, 0.5, 1}, 1), 2 * std::exp(-1.0) * std::sin(3.5) + 1);
  EXPECT_DOUBLE_EQ(F(10, {2, -1, 3, -2, 1}, 1), 2 * std::exp(-1.0) + 3 * std::exp(-2.0) + 1);
  EXPECT_DOUBLE_EQ(F(11, {2, 1, 3, 1}, 1), 1 + 2 * 2);
  EXPECT_DOUBLE_EQ(F(12, {2, 1, 0.5, 3}, 3), 0.5 + 3 * std::exp(-2.0) * 8 / 6);
  EXPECT_DOUBLE_EQ(F(13, {2, 1, 4, 3, 5, 2, 1}, 3), 1 + 2 * std::exp(-1.0) + 3 * std::exp(-2.0));
  EXPECT_DOUBLE_EQ(F(14, {1, 4, 16, 2}, 2), 2 + std::sqrt(3.0));
  EXPECT_DOUBLE_EQ(F(15, {1, 0.5, 2, 1}, 1), 1 + 2 * std::cos(1.5) * std::cos(1.5));
  EXPECT_DOUBLE_EQ(F(16, {1, 2, 2, 1, 1, 2, 1}, 3), 1 + 2 * 16.0 / 6);
  EXPECT_DOUBLE_EQ(F(17, {1, 2, 3, 1}, 1), 1 + 2 * 8);
}

TEST(ModellWert, MarkenUndSonderfaelle) {
  EXPECT_EQ(F(3, {2, 1, 0, 1}, 1), 0);  // c = 0: the exponent faults
  EXPECT_EQ(F(3, {2, 1, 0, 1}, 5), 0);
  EXPECT_EQ(F(4, {1, 2, 3}, 0), 1e9);
  EXPECT_EQ(D(4, {1, 2, 3}, 0), 1e9);
  EXPECT_EQ(F(7, {1, 2, 1, -1}, 1), -1e9);  // u = 0
  EXPECT_EQ(D(7, {1, 2, 1, -1}, 1), 1e9);
  EXPECT_EQ(F(7, {1, 2, 1, -1}, 0), -1e9);  // u < 0
  EXPECT_EQ(D(7, {1, 2, 1, -1}, 0), -1e9);
  EXPECT_EQ(F(8, {3, -2, 1, 1}, 1), 1 + 2 * 3);  // |b| is the base
  EXPECT_EQ(F(8, {3, 0, 1, 1}, 5), 1);
  EXPECT_EQ(D(8, {3, 0, 1, 1}, 5), 0);
  EXPECT_DOUBLE_EQ(F(11, {2, -5, 1, 1}, 1), 1 + 2 * 2);  // root of |b + cx|
  EXPECT_EQ(D(11, {2, -1, 1, 1}, 1), 0);
  EXPECT_EQ(F(12, {2, -0.5, 0, 1}, 1), 0);  // Γ(0,5) counts as 0: division fault
  EXPECT_EQ(D(12, {-1, 1, 0, 1}, 1), 0);    // ln(a) of a <= 0
  EXPECT_EQ(F(14, {-9, 1, 1, 2}, 1), 2);    // u < 0: s = 0
  EXPECT_EQ(F(14, {1, 1, 1, 2}, 0), 0);
  EXPECT_DOUBLE_EQ(F(16, {1, 2, 2, 1, 0, 5, 0}, 3), 1 + 2 * 1.0);  // g = 0: N = 1
  EXPECT_EQ(F(16, {1, 2, 2, 1, 0, 5, 1}, 0), 1e9);                 // f·x = 0
  EXPECT_EQ(D(16, {1, 2, 2, 1, 0, 5, 1}, 3), 0);
  EXPECT_EQ(F(2, {1, 1e6, 0}, 1), 0);  // the exponential overflows
  EXPECT_EQ(ModellWert(Modell(1, {2, 1}, 1), 1), 0);
  EXPECT_EQ(ModellWert(Modell(0, {2, 1}), 1), 0);
  EXPECT_EQ(ModellWert(Modell(18, {2, 1}), 1), 0);
}

TEST(ModellWert, BetragsmodelleHabenDieRichtigeSteigung) {
  // Left of the kink of |x + a| the slope of model 17 changes sign.
  EXPECT_DOUBLE_EQ(D(17, {0, 1, 2, 0}, -3), -6);
  EXPECT_DOUBLE_EQ(D(11, {1, 0, 1, 0}, -4), -0.25);
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

struct TPruefpunkt {
  uint8_t modell;
  std::initializer_list<double> werte;
  double x;
};

const TPruefpunkt Pruefpunkte[] = {
    {1, {2, 1}, 1.5},
    {2, {2, -0.5, 1}, 1.2},
    {3, {2, 1, 3, 0.5}, 1.7},
    {4, {1.5, 2, 1}, 1.3},
    {5, {1, -2, 0.5, 0.25, -0.1}, 1.4},
    {6, {1, 2, 1.5, 0.3}, 0.7},
    {7, {1, 2, 1.5, 0.5}, 1.1},
    {8, {2, 1.5, 0.7, 1}, 1.3},
    {8, {2, -1.5, 0.7, 1}, 1.3},
    {9, {2, -0.4, 2, 0.5, 1}, 0.9},
    {10, {2, -0.4, 1.5, -1.2, 0.5}, 0.8},
    {11, {2, 1, 3, 0.5}, 0.6},
    {11, {2, -5, 1, 0.5}, 1.5},
    {12, {2.5, 1.3, 0.5, 3}, 1.7},
    {13, {2, 1, 3, 1.5, 4, 2, 0.5}, 2.2},
    {14, {1.5, 2, 0.5, 1}, 1.3},
    {15, {1.2, 0.3, 2, 1}, 0.9},
    {16, {1, 2, 1.5, 0.5, 0.8, 1.3, 0.7}, 1.6},
    {16, {-3, 2, 1.5, 0.5, 0.8, 1.3, 0.7}, 1.6},
    {17, {0.5, 2, 1.7, 1}, 1.4},
    {17, {-3, 2, 1.7, 1}, 1.4},
};

TEST(Ableitung, StimmtMitZentralenDifferenzenUeberein) {
  for (const TPruefpunkt& p : Pruefpunkte) {
    TFitErgebnis e = Modell(p.modell, p.werte);
    for (int i = 0; i < Parameteranzahl(p.modell); ++i) {
      const double erwartet = Zentral(e, p.x, i);
      EXPECT_NEAR(Ableitung(e, i, p.x), erwartet, 1e-6 * std::max(1.0, std::fabs(erwartet)))
          << "Modell " << int(p.modell) << " Koeffizient " << i;
    }
    if (p.modell == 16) continue; // its x-derivative is not provided
    e.Ordnung = -1;
    const double steigung = ModellWert(e, p.x);
    e.Ordnung = 0;
    const double erwartet = Zentral(e, p.x, -1);
    EXPECT_NEAR(steigung, erwartet, 1e-6 * std::max(1.0, std::fabs(erwartet))) << "Modell " << int(p.modell);
  }
}

TEST(Ableitung, Sonderfaelle) {
  const TFitErgebnis gauss = Modell(3, {2, 1, 0, 1});
  EXPECT_EQ(Ableitung(gauss, 0, 1), 1);
  EXPECT_EQ(Ableitung(gauss, 0, 2), 0);
  EXPECT_EQ(Ableitung(gauss, 1, 2), 1e9);
  EXPECT_EQ(Ableitung(gauss, 2, 2), 1e9);
  EXPECT_EQ(Ableitung(gauss, 3, 2), 1);
  EXPECT_EQ(Ableitung(Modell(4, {1, 2, 3}), 1, 0), 1e9);
  const TFitErgebnis log = Modell(7, {1, 2, 1, -1});
  EXPECT_EQ(Ableitung(log, 1, 1), -1e9);
  EXPECT_EQ(Ableitung(log, 2, 1), 2e9);
  EXPECT_EQ(Ableitung(log, 3, 1), 2e9);
  EXPECT_EQ(Ableitung(Modell(8, {2, 0, 1, 1}), 2, 1), -1e9);
  EXPECT_EQ(Ableitung(Modell(11, {2, -1, 1, 1}), 1, 1), 0);  // fault in the root gives 0
  EXPECT_EQ(Ableitung(Modell(12, {2, -0.5, 0, 1}), 3, 1), 0);
  EXPECT_EQ(Ableitung(Modell(12, {2, -0.5, 0, 1}), 2, 1), 1);
  EXPECT_EQ(Ableitung(Modell(14, {-9, 1, 1, 2}), 3, 1), 1);
  EXPECT_THROW(Ableitung(Modell(14, {-9, 1, 1, 2}), 0, 1), TGleitkommaFehler);
  EXPECT_THROW(Ableitung(Modell(2, {1, 1e6, 0}), 0, 1), TGleitkommaFehler);
  EXPECT_EQ(Ableitung(Modell(2, {1, 1e6, 0}), 2, 1), 1);
  TFitErgebnis fix = Modell(1, {2, 1});
  fix.Koeffizienten.Fix.Setze(0, true);
  EXPECT_EQ(Ableitung(fix, 0, 5), 0);
  EXPECT_EQ(Ableitung(fix, 1, 5), 1);
  EXPECT_EQ(Ableitung(Modell(1, {2, 1}), 2, 5), 0);
  EXPECT_EQ(Ableitung(Modell(0, {}), 0, 5), 0);
}

TEST(Nullstellen, GeschlosseneFormen) {
  EXPECT_EQ(Nullstellen(Modell(1, {2, -4})), (std::pair<double, double>{2, 0}));
  EXPECT_EQ(Nullstellen(Modell(1, {0, -4})).first, 1e9);
  EXPECT_EQ(Nullstellen(Modell(5, {-4, 0, 1, 0, 7})), (std::pair<double, double>{2, -2}));
  EXPECT_EQ(Nullstellen(Modell(5, {1, 2, 1, 0})), (std::pair<double, double>{-1, 0}));
  EXPECT_EQ(Nullstellen(Modell(5, {1, 0, 1, 0})), (std::pair<double, double>{0, 0}));
  EXPECT_EQ(Nullstellen(Modell(5, {1, 2, 1, 3})), (std::pair<double, double>{0, 0}));
  EXPECT_EQ(Nullstellen(Modell(5, {-6, 2, 0, 0})).first, 3);
  EXPECT_EQ(Nullstellen(Modell(4, {1, -4, 0})), (std::pair<double, double>{2, -2}));
  EXPECT_EQ(Nullstellen(Modell(6, {1, 2, 3, 4})), (std::pair<double, double>{0, 0}));
}

} // namespace
