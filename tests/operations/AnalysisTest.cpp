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
  // The sums run from the first x > 0 to the end, whatever the later x are.
  TVektor y = {1, 1, 1};
  Integrieren({1, -1, 2}, y, 1);
  EXPECT_EQ(y, (TVektor{0.5, 2.5, 5.5}));
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
