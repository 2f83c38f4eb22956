#include "core/Statistik.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

const TVektor leer;
const TVektor reihe = {2, 4, 4, 4, 5, 5, 7, 9};

TEST(Statistik, LeereReihe) {
  EXPECT_EQ(Summe(leer), 0);
  EXPECT_EQ(Produkt(leer), 1);
  EXPECT_EQ(Mittelwert(leer), 0);
  EXPECT_EQ(MittelwertArt(leer, 1), 0);
  EXPECT_EQ(Standardabweichung(leer), 0);
  EXPECT_EQ(MittlereSchrittweite(leer), 0);
  EXPECT_EQ(MaxStelle(leer), -1);
  EXPECT_EQ(MinStelle(leer), -1);
  EXPECT_EQ(Betragspotenzsumme(leer, 2), 0);
  // No value to report: 0, without reading outside the series.
  EXPECT_EQ(MaxWert(leer), 0);
  EXPECT_EQ(MinWert(leer), 0);
  EXPECT_EQ(BetragMax(leer), 0);
}

TEST(Statistik, EinWert) {
  const TVektor v = {-3};
  EXPECT_EQ(Mittelwert(v), -3);
  EXPECT_EQ(MittelwertArt(v, 1), 3);
  EXPECT_EQ(Standardabweichung(v), 0);
  EXPECT_EQ(Standardabweichung(TVektor{0.1}), 0);
  EXPECT_EQ(MittlereSchrittweite(v), 0);
  EXPECT_EQ(MaxWert(v), -3);
  EXPECT_EQ(BetragMax(v), 3);
}

TEST(Statistik, BeispielreiheMitDivisorN) {
  EXPECT_EQ(Mittelwert(reihe), 5);
  EXPECT_EQ(Standardabweichung(reihe), 2);
  EXPECT_EQ(MittlereSchrittweite(reihe), 1);
  EXPECT_EQ(MaxStelle(reihe), 7);
  EXPECT_EQ(MinStelle(reihe), 0);
  EXPECT_EQ(MaxWert(reihe), 9);
  EXPECT_EQ(MinWert(reihe), 2);
  EXPECT_EQ(MinWert(TVektor{3, -1, 4, -5, 9}), -5);
  EXPECT_EQ(Summe(reihe), 40);
  EXPECT_EQ(Produkt(reihe), 2 * 4 * 4 * 4 * 5 * 5 * 7 * 9);
  EXPECT_EQ(Betragspotenzsumme(reihe, -2), 4 + 16 * 3 + 25 * 2 + 49 + 81);
}

TEST(Statistik, StellenDerExtremaNehmenDasErsteVorkommen) {
  const TVektor negativ = {-3, -1, -2};
  EXPECT_EQ(MaxWert(negativ), -1);
  EXPECT_EQ(MaxStelle(negativ), 1);
  EXPECT_EQ(MinStelle(negativ), 0);
  EXPECT_EQ(MaxStelle(TVektor{1, 3, 3}), 1);
  EXPECT_EQ(MinStelle(TVektor{3, 1, 1}), 1);
  EXPECT_EQ(MaxStelle(TVektor{4, 4, 4}), 0);
  EXPECT_EQ(MinStelle(TVektor{4, 4, 4}), 0);
  EXPECT_EQ(BetragMax(TVektor{-7, 2}), 7);
}

TEST(Statistik, TeilstueckEinerReihe) {
  const TReihe vorne = TReihe(reihe).first(3);
  EXPECT_EQ(Summe(vorne), 10);
  EXPECT_EQ(MaxStelle(vorne), 1);
}

TEST(Standardabweichung, GenauAuchFernAbVonNull) {
  EXPECT_NEAR(Standardabweichung(TVektor{1e12 + 1, 1e12 + 2, 1e12 + 3}), std::sqrt(2.0 / 3), 1e-12);
  EXPECT_EQ(Standardabweichung(TVektor{1e15, 1e15, 1e15}), 0);
}

TEST(MittelwertArt, GeometrischesMittelOhneVorzeichen) {
  EXPECT_NEAR(MittelwertArt(TVektor{1, 10, 100}, 1), 10, 1e-13);
  EXPECT_NEAR(MittelwertArt(TVektor{-2, 8}, 1), 4, 1e-14);
  EXPECT_EQ(MittelwertArt(TVektor{0, 5}, 1), 0);
  EXPECT_EQ(MittelwertArt(reihe, 0), 5);
  EXPECT_EQ(MittelwertArt(reihe, 2), 0);
  EXPECT_EQ(MittelwertArt(reihe, 7), 0);
}

TEST(Statistik, UeberlaufErreichtDenAufrufer) {
  const TVektor gross = {1e200, 1e200};
  EXPECT_EQ(Meldung([&] { MittelwertArt(gross, 1); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { Produkt(gross); }), Ueberlauf);
  EXPECT_EQ(Standardabweichung(gross), 0);
  EXPECT_EQ(Meldung([] { Standardabweichung(TVektor{1e200, -1e200}); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { Summe(TVektor{DBL_MAX, DBL_MAX}); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { Betragspotenzsumme(TVektor{10}, 400); }), Ueberlauf);
  EXPECT_EQ(MittlereSchrittweite(TVektor{-DBL_MAX, DBL_MAX, 0}), DBL_MAX);
}

TEST(Statistik, NaNWirdDurchgereicht) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(Summe(TVektor{1, nan})));
  EXPECT_TRUE(std::isnan(Mittelwert(TVektor{nan})));
}

TEST(RundeAuf, RundetHalbeAufGerade) {
  EXPECT_EQ(RundeAuf(2.5, 0), 2);
  EXPECT_EQ(RundeAuf(3.5, 0), 4);
  EXPECT_EQ(RundeAuf(-2.5, 0), -2);
  EXPECT_EQ(RundeAuf(1.23456, 2), 1.23);
  EXPECT_EQ(RundeAuf(1.23456, 9), 1.23456);
  EXPECT_EQ(RundeAuf(1.23456, 10), 1.23456);
  EXPECT_EQ(RundeAuf(1.23456, 255), 1.23456);
}

TEST(RundeAuf, FaengtSeineFehlerSelbst) {
  EXPECT_EQ(RundeAuf(1e300, 5), 1e300);
  EXPECT_EQ(RundeAuf(1e15, 9), 1e15);
  EXPECT_TRUE(std::isnan(RundeAuf(std::numeric_limits<double>::quiet_NaN(), 2)));
  EXPECT_EQ(RundeAuf(HUGE_VAL, 0), HUGE_VAL);
  // Both sides of the 64-bit bound of the scaled value.
  struct {
    double x;
    uint8_t stellen;
    double erwartet;
  } const faelle[] = {
      {922337203685477.5, 4, 922337203685477.5}, {-922337203685477.5, 4, -922337203685477.5},
      {9.2233720368547e18, 0, 9.2233720368547e18}, {9223372036854775808.0, 0, 9223372036854775808.0},
      {-9223372036854775808.0, 0, -9223372036854775808.0}, {-1e19, 0, -1e19}, {92233720368.54775, 9, 92233720368.54775},
  };
  for (const auto& f : faelle) EXPECT_EQ(RundeAuf(f.x, f.stellen), f.erwartet) << f.x;
}

TEST(Stellenzahl, ZaehltDezimalziffern) {
  EXPECT_EQ(Stellenzahl(0), 0);
  EXPECT_EQ(Stellenzahl(1), 1);
  EXPECT_EQ(Stellenzahl(9), 1);
  EXPECT_EQ(Stellenzahl(10), 2);
  EXPECT_EQ(Stellenzahl(99), 2);
  EXPECT_EQ(Stellenzahl(999999), 6);
  EXPECT_EQ(Stellenzahl(1000000), 7);
  EXPECT_EQ(Stellenzahl(4294967295u), 10);
}

TEST(WertFalls, NurBeiErfuellterBedingung) {
  EXPECT_EQ(WertFalls(false, 5), 0);
  EXPECT_EQ(WertFalls(true, 5), 5);
}

} // namespace
