// The fast evaluation of many points against the exact one point at a time, for every model.
#include "fit/Ableitung.h"
#include "fit/Modelle.h"
#include "fit/Modelltabelle.h"

#include "core/Fehler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>
#include <vector>

namespace {

const std::vector<double> Stellen = {-800, -5, -1, -0.5, 0, 1e-3, 0.5, 1, 2, 3, 3.7, 10, 800};

// Coefficient sets: ordinary ones, zeros (steps, markers, divisions by 0), and huge ones
// (overflow of the 64-bit range where extended precision still holds the result).
std::vector<TKoeffizienten> Saetze() {
  std::vector<TKoeffizienten> saetze;
  std::mt19937 zufall(11);
  std::uniform_real_distribution<double> gleich(-3, 3);
  for (int n = 0; n < 12; ++n) {
    TKoeffizienten k;
    for (double& w : k.Werte) w = gleich(zufall);
    if (n % 4 == 1) k.Werte[static_cast<std::size_t>(n / 4 + 1)] = 0;
    if (n % 4 == 2) k.Werte[0] = 1e300;
    if (n == 11) k.Fix.Setze(1, true);
    saetze.push_back(k);
  }
  // Whole-number Poisson arguments: b·x + 1 on the factorial path.
  saetze.push_back({.Werte = {2, 1, 0.5, 3, 1, 1, 1, 0}});
  return saetze;
}

bool Nahe(double schnell, double genau) {
  return schnell == genau || std::fabs(schnell - genau) <= 1e-9 * std::max(std::fabs(genau), 1e-290);
}

// One model at some points: the fast values and partials agree with the exact ones, and
// where an exact partial faults, the fast evaluation faults as well.
void Vergleichen(uint8_t modell, const TKoeffizienten& k, const std::vector<double>& stellen) {
  const TModellzeile& zeile = Modellzeile(modell);
  const std::size_t p = zeile.Anzahl, n = stellen.size();
  const TFitErgebnis w{.Modell = modell, .Koeffizienten = k};
  bool wirft = false;
  std::vector<double> f(n), d(p * n);
  for (std::size_t i = 0; i < n; ++i) {
    f[i] = ModellWert(w, stellen[i]);
    for (std::size_t j = 0; j < p; ++j) {
      try {
        d[j * n + i] = Ableitung(w, static_cast<int>(j), stellen[i]);
      } catch (const TGleitkommaFehler&) {
        wirft = true;
      }
    }
  }
  std::vector<double> fs(n), ds(p * n);
  zeile.Punkte(k, stellen, fs.data(), nullptr, 0);
  for (std::size_t i = 0; i < n; ++i) EXPECT_PRED2(Nahe, fs[i], f[i]) << "model " << int(modell) << " x = " << stellen[i];
  if (wirft) {
    EXPECT_THROW(zeile.Punkte(k, stellen, fs.data(), ds.data(), n), TGleitkommaFehler) << int(modell);
    return;
  }
  zeile.Punkte(k, stellen, fs.data(), ds.data(), n);
  for (std::size_t e = 0; e < p * n; ++e)
    EXPECT_PRED2(Nahe, ds[e], d[e]) << "model " << int(modell) << " entry " << e / n << " x = " << stellen[e % n];
}

TEST(Modelltabelle, SchnellWieGenau) {
  for (uint8_t modell = 1; modell <= Modellanzahl; ++modell)
    for (const TKoeffizienten& k : Saetze()) Vergleichen(modell, k, Stellen);
}

// Where the shorter format cancels, underflows or overflows before a branch, a division or a
// whole-number test, the exact evaluation decides.
const std::tuple<uint8_t, std::array<double, 8>, double> Grenzfaelle[] = {
    {14, {1, 1, 1, 0}, 1e-100},                              // x⁴ underflows: b/x⁴ is no division by 0
    {11, {1, -0.30000000000000004, 0.1, 0}, 3},              // b + c·x cancels to 0 only in 64 bits
    {7, {1, 1, 0.1, -0.30000000000000004}, 3},               // the logarithm's argument, likewise
    {7, {1, 1, 1e-200, 0}, 1e-200},                          // c·x underflows
    {3, {1, 0, 1.5e308, 0}, 1.5e154},                        // (x - b)² overflows before the division
    {16, {0.001, 1, 110, 0, 0, 0.001, 110}, 1},              // the denominator underflows
    {12, {2, 1 - 0x1p-53, 0.5, 3}, 1 + 0x1p-51},             // b·x + 1 whole only after rounding
    {12, {2, -(1 + 0x1p-52), 0.5, 3}, 256 - 0x1p-45},
    {2, {1e300, 1, 0}, -800},
    {2, {1e300, 1, 0}, -740}, // e^(b·x) subnormal in 64 bits
    {17, {-1e308, 1, -2, 0}, -1e308},                        // x + a overflows
};

TEST(Modelltabelle, GrenzfaelleEntscheidetDieGenaueRechnung) {
  for (const auto& [modell, werte, x] : Grenzfaelle) Vergleichen(modell, {.Werte = werte}, {x});
}

} // namespace
