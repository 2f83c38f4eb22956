// Certified results of NIST's Statistical Reference Datasets for the models that contain them.
#include "fit/Fit.h"

#include "core/Zeilen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

namespace {

struct TDaten {
  TVektor x, y;
};

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

struct TFall {
  const char* daten;
  uint8_t modell;
  std::vector<int> fest;
  std::array<double, 8> start;
  std::vector<std::pair<int, double>> zertifiziert;
  double restsumme;
};

void Pruefen(const TFall& f) {
  const TDaten d = Laden(f.daten);
  ASSERT_FALSE(d.x.empty()) << f.daten;
  TFitVorgabe v;
  v.Modell = f.modell;
  for (int i : f.fest) v.Fix.Setze(static_cast<uint8_t>(i), true);
  v.MitStartwerten = true;
  v.Startwerte = f.start;
  const TFitErgebnis r = Fit(d.x, d.y, v, TFitParameter{10, 10000, 1e-9});
  for (const auto& [i, wert] : f.zertifiziert)
    EXPECT_GE(Stellen(r.Koeffizienten.Werte[i], wert), 6) << f.daten << " coefficient " << i << " = "
                                                           << r.Koeffizienten.Werte[i];
  EXPECT_GE(Stellen(static_cast<double>(Quadratsumme(d.x, d.y, r)), f.restsumme), 6) << f.daten;
}

TEST(Nist, NorrisGeschlosseneGerade) {
  Pruefen({"Norris", 1, {}, {}, {{0, 1.00211681802045}, {1, -0.262323073774029}}, 26.6173985294224});
}

TEST(Nist, PontiusQuadratischMitGrossenX) {
  const std::vector<std::pair<int, double>> z = {
      {0, 0.673565789473684E-03}, {1, 0.732059160401003E-06}, {2, -0.316081871345029E-14}};
  Pruefen({"Pontius", 5, {3, 4}, {1, 1, 1, 0, 0, 0, 0, 0}, z, 0.155761768796992E-05});
  Pruefen({"Pontius", 5, {3, 4}, {0, 0, 0, 0, 0, 0, 0, 0}, z, 0.155761768796992E-05});
}

TEST(Nist, DanWoodPotenzMitFestemErstemKoeffizienten) {
  const std::vector<std::pair<int, double>> z = {{1, 7.6886226176E-01}, {2, 3.8604055871E+00}};
  Pruefen({"DanWood", 17, {0, 3}, {0, 1, 5, 0, 0, 0, 0, 0}, z, 4.3173084083E-03});
  Pruefen({"DanWood", 17, {0, 3}, {0, 0.7, 4, 0, 0, 0, 0, 0}, z, 4.3173084083E-03});
}

TEST(Nist, Eckerle4Gauss) {
  const std::vector<std::pair<int, double>> z = {{0, 0.380153220068989}, {1, 451.54121844}, {2, 33.4370971171726}};
  Pruefen({"Eckerle4", 3, {3}, {0.3, 450, 50, 0, 0, 0, 0, 0}, z, 1.4635887487E-03});
}

// Known limitation: from NIST's far start (a = 0,1, b = 500, c = 200) the damped iteration,
// whose damping starts at lambda = 1, accepts its first steps towards an ever wider and
// flatter peak and settles in that other minimum (a ≈ 20,8, b ≈ -1582, c ≈ 131951, sum
// ≈ 0,70 instead of 0,00146). The near start above reaches the certified values.
TEST(Nist, Eckerle4VomFernenStartBekannteGrenze) {
  const TDaten d = Laden("Eckerle4");
  TFitVorgabe v;
  v.Modell = 3;
  v.Fix.Setze(3, true);
  v.MitStartwerten = true;
  v.Startwerte = {0.1, 500, 200, 0, 0, 0, 0, 0};
  const TFitErgebnis r = Fit(d.x, d.y, v, TFitParameter{10, 10000, 1e-9});
  EXPECT_GT(Quadratsumme(d.x, d.y, r), 0.1L);
}

} // namespace
