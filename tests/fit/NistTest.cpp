// Certified results of NIST's Statistical Reference Datasets for the models that contain them.
#include "fit/Fit.h"
#include "fit/Vergleich.h"

#include "core/Zeilen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

namespace {

struct TDaten { TVektor x, y; };

TDaten Laden(const std::string& name) {
  std::ifstream datei(std::string(QUARN_TESTDATEN) + "/" + name + ".txt");
  TDaten d;
  for (std::string zeile; std::getline(datei, zeile);) {
    const TDreiZahlen z = ZahlenAusZeile(zeile, 2);
    d.x.push_back(z[0]);
    d.y.push_back(z[1]);
  }
  return d;
}

// Correct significant digits of a value against the certified one.
double Stellen(double wert, double zertifiziert) {
  if (wert == zertifiziert) return 15;
  return -std::log10(std::fabs(wert - zertifiziert) / std::fabs(zertifiziert));
}

TFitVorgabe Vorgabe(uint8_t modell, const std::vector<int>& fest, const std::array<double, 8>& start) {
  TFitVorgabe v{.Modell = modell, .MitStartwerten = true, .Startwerte = start};
  for (int i : fest) v.Fix.Setze(static_cast<uint8_t>(i), true);
  return v;
}

// A data set with the coefficients Quarn holds fixed, the start values tried, and NIST's
// certified coefficients, standard deviations of the estimates and residual sum of squares.
struct TFall {
  const char* daten; uint8_t modell; std::vector<int> fest; std::vector<std::array<double, 8>> starts;
  std::vector<std::pair<int, double>> zertifiziert, fehler; double restsumme;
};

const TFall Faelle[] = {
    // A line, in closed form.
    {"Norris", 1, {}, {{}}, {{0, 1.00211681802045}, {1, -0.262323073774029}},
     {{0, 0.429796848199937E-03}, {1, 0.232818234301152}}, 26.6173985294224},
    // Quadratic with large x.
    {"Pontius", 5, {3, 4}, {{1, 1, 1}, {0, 0, 0}},
     {{0, 0.673565789473684E-03}, {1, 0.732059160401003E-06}, {2, -0.316081871345029E-14}},
     {{0, 0.107938612033077E-03}, {1, 0.157817399981659E-09}, {2, 0.486652849992036E-16}}, 0.155761768796992E-05},
    // A power with the first coefficient fixed.
    {"DanWood", 17, {0, 3}, {{0, 1, 5}, {0, 0.7, 4}}, {{1, 7.6886226176E-01}, {2, 3.8604055871E+00}},
     {{1, 1.8281973860E-02}, {2, 5.1726610913E-02}}, 4.3173084083E-03},
    {"Eckerle4", 3, {3}, {{0.3, 450, 50}}, {{0, 0.380153220068989}, {1, 451.54121844}, {2, 33.4370971171726}}, {},
     1.4635887487E-03},
};

// The fit reaches six digits of the certified values; polished, nine, and its standard errors
// four (none for the fixed coefficients).
TEST(Nist, ZertifizierteWertePoliertUndMitFehlern) {
  for (const TFall& f : Faelle) {
    const TDaten d = Laden(f.daten);
    ASSERT_FALSE(d.x.empty()) << f.daten;
    for (const auto& start : f.starts) {
      const TFitErgebnis r = Fit(d.x, d.y, Vorgabe(f.modell, f.fest, start), TFitParameter{10, 10000, 1e-9});
      const TFitErgebnis poliert = Nachpolieren(d.x, d.y, r);
      for (const auto& [i, wert] : f.zertifiziert) {
        EXPECT_GE(Stellen(r.Koeffizienten.Werte[i], wert), 6) << f.daten << " coefficient " << i << " = "
                                                               << r.Koeffizienten.Werte[i];
        EXPECT_GE(Stellen(poliert.Koeffizienten.Werte[i], wert), 9) << f.daten << " polished " << i;
      }
      EXPECT_GE(Stellen(static_cast<double>(Quadratsumme(d.x, d.y, r)), f.restsumme), 6) << f.daten;
      const auto fehler = Standardfehler(d.x, d.y, poliert);
      ASSERT_TRUE(fehler) << f.daten;
      for (const auto& [i, wert] : f.fehler) EXPECT_GE(Stellen(*(*fehler)[i], wert), 4) << f.daten << " " << i;
      for (int i : f.fest) EXPECT_FALSE((*fehler)[i]) << f.daten << " " << i;
    }
  }
}

// Known limitation: from NIST's far start (a = 0,1, b = 500, c = 200) the damped iteration,
// whose damping starts at lambda = 1, accepts its first steps towards an ever wider and
// flatter peak and settles in that other minimum (a ≈ 20,8, b ≈ -1582, c ≈ 131951, sum
// ≈ 0,70 instead of 0,00146). The near start above reaches the certified values.
TEST(Nist, Eckerle4VomFernenStartBekannteGrenze) {
  const TDaten d = Laden("Eckerle4");
  const TFitErgebnis r = Fit(d.x, d.y, Vorgabe(Modellnr::Gauss, {3}, {0.1, 500, 200}), TFitParameter{10, 10000, 1e-9});
  EXPECT_GT(Quadratsumme(d.x, d.y, r), 0.1L);
}

} // namespace
