// The fast evaluation of many points against the exact one point at a time, for every model.
#include "fit/Ableitung.h"
#include "fit/Modelle.h"
#include "fit/Modelltabelle.h"

#include "core/Fehler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
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
  TKoeffizienten ganz; // whole-number Poisson arguments: b·x + 1 on the factorial path
  ganz.Werte = {2, 1, 0.5, 3, 1, 1, 1, 0};
  saetze.push_back(ganz);
  return saetze;
}

bool Nahe(double schnell, double genau) {
  if (schnell == genau) return true;
  return std::fabs(schnell - genau) <= 1e-9 * std::max(std::fabs(genau), 1e-290);
}

TEST(Modelltabelle, SchnellWieGenau) {
  for (uint8_t modell = 1; modell <= Modellanzahl; ++modell) {
    const TModellzeile& zeile = Modellzeile(modell);
    const std::size_t p = zeile.Anzahl, n = Stellen.size();
    for (const TKoeffizienten& k : Saetze()) {
      TFitErgebnis w;
      w.Modell = modell;
      w.Koeffizienten = k;
      bool wirft = false;
      std::vector<double> f(n), d(p * n);
      for (std::size_t i = 0; i < n; ++i) {
        f[i] = ModellWert(w, Stellen[i]);
        for (std::size_t j = 0; j < p; ++j) {
          try {
            d[j * n + i] = Ableitung(w, static_cast<int>(j), Stellen[i]);
          } catch (const TGleitkommaFehler&) {
            wirft = true;
          }
        }
      }
      std::vector<double> fs(n), ds(p * n);
      zeile.Punkte(k, Stellen, fs.data(), nullptr, 0);
      for (std::size_t i = 0; i < n; ++i)
        EXPECT_PRED2(Nahe, fs[i], f[i]) << "model " << int(modell) << " x = " << Stellen[i];
      if (wirft) {
        EXPECT_THROW(zeile.Punkte(k, Stellen, fs.data(), ds.data(), n), TGleitkommaFehler) << int(modell);
        continue;
      }
      zeile.Punkte(k, Stellen, fs.data(), ds.data(), n);
      for (std::size_t e = 0; e < p * n; ++e)
        EXPECT_PRED2(Nahe, ds[e], d[e]) << "model " << int(modell) << " entry " << e / n << " x = " << Stellen[e % n];
    }
  }
}

} // namespace
