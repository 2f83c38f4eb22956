#include "core/Statistik.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <tuple>
#include <utility>

namespace {

const TVektor leer;
const TVektor reihe = {2, 4, 4, 4, 5, 5, 7, 9};

// Computed values against the exact values they must have; a failure names the case by its
// position in the list.
void ErwarteGleich(std::initializer_list<std::pair<double, double>> faelle) {
  int fall = 0;
  for (const auto& [wert, erwartet] : faelle) EXPECT_EQ(wert, erwartet) << "Fall " << fall++;
}

TEST(Statistik, LeereReiheEinWertUndBeispielreiheMitDivisorN) {
  // No value to report: 0, without reading outside the series.
  ErwarteGleich({{Summe(leer), 0}, {Produkt(leer), 1}, {Mittelwert(leer), 0},
                 {MittelwertArt(leer, Mittelwertart::Geometrisch), 0}, {Standardabweichung(leer), 0},
                 {MittlereSchrittweite(leer), 0}, {MaxStelle(leer), -1}, {MinStelle(leer), -1},
                 {Betragspotenzsumme(leer, 2), 0}, {MaxWert(leer), 0}, {MinWert(leer), 0},
                 {BetragMax(leer), 0}});
  const TVektor v = {-3}, negativ = {-3, -1, -2};
  ErwarteGleich({{Mittelwert(v), -3}, {MittelwertArt(v, Mittelwertart::Geometrisch), 3}, {Standardabweichung(v), 0},
                 {Standardabweichung(TVektor{0.1}), 0}, {MittlereSchrittweite(v), 0},
                 {MaxWert(v), -3}, {BetragMax(v), 3}, {Mittelwert(reihe), 5},
                 {Standardabweichung(reihe), 2}, {MittlereSchrittweite(reihe), 1},
                 {MaxStelle(reihe), 7}, {MinStelle(reihe), 0}, {MaxWert(reihe), 9},
                 {MinWert(reihe), 2}, {MinWert(TVektor{3, -1, 4, -5, 9}), -5}, {Summe(reihe), 40},
                 {Produkt(reihe), 2 * 4 * 4 * 4 * 5 * 5 * 7 * 9},
                 {Betragspotenzsumme(reihe, -2), 4 + 16 * 3 + 25 * 2 + 49 + 81},
                 // A part of a series.
                 {Summe(TReihe(reihe).first(3)), 10}, {MaxStelle(TReihe(reihe).first(3)), 1},
                 // The places of the extrema are those of the first occurrence.
                 {MaxWert(negativ), -1}, {MaxStelle(negativ), 1}, {MinStelle(negativ), 0},
                 {MaxStelle(TVektor{1, 3, 3}), 1}, {MinStelle(TVektor{3, 1, 1}), 1},
                 {MaxStelle(TVektor{4, 4, 4}), 0}, {MinStelle(TVektor{4, 4, 4}), 0},
                 {BetragMax(TVektor{-7, 2}), 7}});
}

TEST(Statistik, FernAbVonNullUeberlaufUndNaN) {
  EXPECT_NEAR(Standardabweichung(TVektor{1e12 + 1, 1e12 + 2, 1e12 + 3}), std::sqrt(2.0 / 3), 1e-12);
  // The geometric mean drops the sign.
  EXPECT_NEAR(MittelwertArt(TVektor{1, 10, 100}, Mittelwertart::Geometrisch), 10, 1e-13);
  EXPECT_NEAR(MittelwertArt(TVektor{-2, 8}, Mittelwertart::Geometrisch), 4, 1e-14);
  const TVektor gross = {1e200, 1e200};
  ErwarteGleich({{Standardabweichung(TVektor{1e15, 1e15, 1e15}), 0}, {Standardabweichung(gross), 0},
                 {MittelwertArt(TVektor{0, 5}, Mittelwertart::Geometrisch), 0}, {MittelwertArt(reihe, Mittelwertart::Arithmetisch), 5},
                 {MittelwertArt(reihe, 2), 0}, {MittelwertArt(reihe, 7), 0},
                 {MittlereSchrittweite(TVektor{-DBL_MAX, DBL_MAX, 0}), DBL_MAX}});
  // Overflow reaches the caller, NaN is passed through.
  EXPECT_EQ(Meldung([&] { MittelwertArt(gross, Mittelwertart::Geometrisch); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { Produkt(gross); }), Ueberlauf);
  EXPECT_EQ(Meldung([] { Standardabweichung(TVektor{1e200, -1e200}); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { Summe(TVektor{DBL_MAX, DBL_MAX}); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { Betragspotenzsumme(TVektor{10}, 400); }), Ueberlauf);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(Summe(TVektor{1, nan})));
  EXPECT_TRUE(std::isnan(Mittelwert(TVektor{nan})));
}

TEST(Statistik, RundeAufHalbeAufGeradeOhneFehlerStellenzahlUndWertFalls) {
  const std::tuple<double, uint8_t, double> faelle[] = {
      {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {1.23456, 2, 1.23}, {1.23456, 9, 1.23456},
      {1.23456, 10, 1.23456},   {1.23456, 255, 1.23456}, {1e300, 5, 1e300}, {1e15, 9, 1e15},
      {HUGE_VAL, 0, HUGE_VAL},
      // Both sides of the 64-bit bound of the scaled value.
      {922337203685477.5, 4, 922337203685477.5}, {-922337203685477.5, 4, -922337203685477.5},
      {9.2233720368547e18, 0, 9.2233720368547e18},
      {9223372036854775808.0, 0, 9223372036854775808.0},
      {-9223372036854775808.0, 0, -9223372036854775808.0}, {-1e19, 0, -1e19},
      {92233720368.54775, 9, 92233720368.54775},
  };
  for (const auto& [x, stellen, erwartet] : faelle)
    EXPECT_EQ(RundeAuf(x, stellen), erwartet) << x << " auf " << int(stellen);
  EXPECT_TRUE(std::isnan(RundeAuf(std::numeric_limits<double>::quiet_NaN(), 2)));
  ErwarteGleich({{Stellenzahl(0), 0}, {Stellenzahl(1), 1}, {Stellenzahl(9), 1},
                 {Stellenzahl(10), 2}, {Stellenzahl(99), 2}, {Stellenzahl(999999), 6},
                 {Stellenzahl(1000000), 7}, {Stellenzahl(4294967295u), 10},
                 {WertFalls(false, 5), 0}, {WertFalls(true, 5), 5}});
}

} // namespace
