#include "OperationsHilfen.h"

#include "operations/Analysis.h"

#include <gtest/gtest.h>

namespace {

TEST(Analysis, KleineRoutinen) {
  EXPECT_EQ(Steigung({1, 1}, {3, 5}), 2);
  EXPECT_EQ(Steigung({1, 1}, {1, 5}), 0);
  EXPECT_EQ(Segmentflaeche({1, 1}, {3, 3}), 4);
  EXPECT_EQ(Segmentflaeche({3, 1}, {1, 3}), 4);
  EXPECT_EQ(Segmentflaeche({0, -2}, {2, 2}), 0);
  EXPECT_EQ(Segmentflaeche({2, 5}, {2, 7}), 0);
  EXPECT_EQ(Vorzeichen(-0.1), -1);
  EXPECT_EQ(Vorzeichen(0), 1);
  EXPECT_TRUE(Vorzeichenwechsel(1, -1));
  EXPECT_TRUE(Vorzeichenwechsel(-1, 2));
  EXPECT_FALSE(Vorzeichenwechsel(0, -1));
  EXPECT_FALSE(Vorzeichenwechsel(1, 0));
  int32_t index = -7;
  EXPECT_TRUE(VorzeichenIndex({-1, 0, 2, 3}, true, 0, index));
  EXPECT_EQ(index, 2);
  EXPECT_TRUE(VorzeichenIndex({-1, 0, 2, 3}, false, 0, index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(VorzeichenIndex({1, 2}, false, 0, index));
  EXPECT_EQ(AbleitungsText(0), "Funktion");
  EXPECT_EQ(AbleitungsText(2), "2 mal integrieren");
  EXPECT_EQ(AbleitungsText(-1), "1. Ableitung");
  EXPECT_EQ(AbleitungsText(-2), "2. Ableitung");
  EXPECT_EQ(AbleitungsText(-128), "128. Ableitung");
}

TEST(Integrieren, AbNullNachBeidenSeiten) {
  TVektor y = {2, 2, 2};
  Integrieren({0, 1, 2}, y, 1);
  EXPECT_EQ(y, (TVektor{0, 1, 3}));
  y = {-2, -2, -2};
  Integrieren({0, 1, 2}, y, 1);
  EXPECT_EQ(y, (TVektor{0, -1, -3}));
}

TEST(Integrieren, JederPunktLinksVonNullWirdIntegriert) {
  // The widths count positive in both directions, so the sums grow to the left as well.
  TVektor y = {1, 1, 1, 1, 1};
  Integrieren({-2, -1, 0, 1, 2}, y, 1);
  EXPECT_EQ(y, (TVektor{2, 1, 0, 0.5, 1.5}));
  // Only points at or below 0: the last one anchors with its own triangle x·y/2.
  y = {1, 1, 1};
  Integrieren({-3, -2, -1}, y, 1);
  EXPECT_EQ(y, (TVektor{1.5, 0.5, -0.5}));
}

TEST(Integrieren, NichtAufsteigendeXWerte) {
  // Falling x: the sums to the left start at the first x <= 0, so the integral is 0 there.
  TVektor y = {1, 1, 1};
  Integrieren({2, 1, 0}, y, 1);
  EXPECT_EQ(y, (TVektor{2, 1, 0}));
  // Rising, then falling below 0: the point at -1 is the left anchor and overwrites.
  y = {1, 1, 1};
  Integrieren({1, -1, 2}, y, 1);
  EXPECT_EQ(y, (TVektor{1.5, -0.5, 5.5}));
}

TEST(Integrieren, AnzahlMinus128EndetUndDifferenziert128Mal) {
  const TVektor x = {0, 1, 2, 3};
  TVektor y = {0, 1, 4, 9}, einzeln = y;
  Integrieren(x, y, -128);
  for (int k = 0; k < 128; ++k) Differenzieren(x, einzeln, 1);
  EXPECT_EQ(y, einzeln);
  y = {1, 1, 1, 1};
  einzeln = y;
  Differenzieren(x, y, -128);
  for (int k = 0; k < 128; ++k) Integrieren(x, einzeln, 1);
  EXPECT_EQ(y, einzeln);
  TSpaltenModell m = Modell({"0", "1", "2"}, {"2", "2", "2"});
  EXPECT_EQ(Ausfuehren(m, 15, 128), ""); // low byte 128 is -128: differentiate 128 times
  EXPECT_EQ(m.Spalte(4), (TStringListe{"0", "0", "0"}));
}

TEST(Differenzieren, RueckwaertsDifferenzen) {
  TVektor y = {0, 1, 4, 9};
  Differenzieren({0, 1, 2, 3}, y, 1);
  EXPECT_EQ(y, (TVektor{1, 1, 3, 5}));
  y = {0, 1, 4, 9};
  Differenzieren({0, 1, 2, 3}, y, 2);
  EXPECT_EQ(y, (TVektor{0, 0, 2, 2}));
  y = {5};
  Differenzieren({1}, y, 1);
  EXPECT_EQ(y, TVektor{0});
}

TEST(Integrieren, NegativeAnzahlUndUngleicheLaengen) {
  TVektor y = {0, 1, 4, 9};
  Integrieren({0, 1, 2, 3}, y, -1);
  EXPECT_EQ(y, (TVektor{1, 1, 3, 5}));
  y = {2, 2, 2};
  Differenzieren({0, 1, 2}, y, -1);
  EXPECT_EQ(y, (TVektor{0, 1, 3}));
  y = {2, 2};
  Integrieren({0, 1, 2, 3}, y, 1);
  EXPECT_EQ(y, (TVektor{0, 1}));
  y = {};
  Integrieren({1}, y, 3);
  EXPECT_TRUE(y.empty());
  y = {1, 2};
  Integrieren({0, 1}, y, 0);
  EXPECT_EQ(y, (TVektor{1, 2}));
}

TEST(IntegrationUndDifferentation, SchreibenSpalteVier) {
  TSpaltenModell m = Modell({"0", "1", "2", "3"}, {"0", "1", "4", "9"});
  Ausfuehren(m, 16);
  EXPECT_EQ(m.Spalte(4), (TStringListe{"1", "1", "3", "5"}));
  EXPECT_TRUE(m.Spalte(3).empty());
  EXPECT_EQ(m.Spalte(1), (TStringListe{"0", "1", "2", "3"}));
  Ausfuehren(m, 16, 2);
  EXPECT_EQ(m.Spalte(4), (TStringListe{"0", "0", "2", "2"}));
  Ausfuehren(m, 15, -1); // a negative count differentiates
  EXPECT_EQ(m.Spalte(4), (TStringListe{"1", "1", "3", "5"}));
  TSpaltenModell i = Modell({"0", "1", "2"}, {"2", "2", "2"});
  Ausfuehren(i, 15);
  EXPECT_EQ(i.Spalte(4), (TStringListe{"0", "1", "3"}));
  TSpaltenModell negativ = Modell({"0", "1", "2"}, {"-2", "-2", "-2"});
  Ausfuehren(negativ, 15);
  EXPECT_EQ(negativ.Spalte(4), (TStringListe{"0", "-1", "-3"}));
  TSpaltenModell kurz = Modell({"0", "1", "2"}, {"2", "2"});
  Ausfuehren(kurz, 15);
  EXPECT_EQ(kurz.Spalte(4), (TStringListe{"0", "1"}));
}

TEST(ExtremaFinden, WechselDerSteigung) {
  const TStringListe x = {"1", "2", "3", "4", "5"};
  TSpaltenModell m = Modell(x, {"1", "3", "2", "4", "1"});
  Ausfuehren(m, 19);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"2", "3", "4"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"3", "2", "4"}));
  Ausfuehren(m, 19, 1, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"2", "4"}));
  Ausfuehren(m, 19, -1, true);
  EXPECT_EQ(m.Spalte(3), TStringListe{"3"});
  Ausfuehren(m, 19, 0, true); // W = 0 counts as +1: maxima
  EXPECT_EQ(m.Spalte(3), (TStringListe{"2", "4"}));
  TSpaltenModell plateau = Modell({"1", "2", "3", "4"}, {"1", "3", "3", "1"});
  Ausfuehren(plateau, 19);
  EXPECT_TRUE(plateau.Spalte(3).empty());
  TSpaltenModell kurz = Modell(x, {"1", "3", "2"});
  Ausfuehren(kurz, 19);
  EXPECT_EQ(kurz.Spalte(3), TStringListe{"2"});
}

} // namespace
