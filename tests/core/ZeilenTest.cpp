#include "core/Zeilen.h"
#include "core/Zeittext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ZeichenErsetzen, ErsetztJedesVorkommen) {
  std::string t = "1.5.2";
  ZeichenErsetzen(t, '.', ',');
  EXPECT_EQ(t, "1,5,2");
  ZeichenErsetzen(t, 'x', 'y');
  EXPECT_EQ(t, "1,5,2");
}

TEST(ZeichenErsetzen, GleicheZeichenEndenSofort) {
  std::string t = "a,b";
  ZeichenErsetzen(t, ',', ',');
  EXPECT_EQ(t, "a,b");
}

TEST(ZahlenAusZeile, TrenntAnAllemAusserZahlzeichen) {
  EXPECT_EQ(ZahlenAusZeile("1 4", 2), (TDreiZahlen{1, 4, 0}));
  EXPECT_EQ(ZahlenAusZeile("x=3;y=-2e1", 2), (TDreiZahlen{3, -20, 0}));
  EXPECT_EQ(ZahlenAusZeile("5", 2), (TDreiZahlen{5, 0, 0}));
  EXPECT_EQ(ZahlenAusZeile("1;2;3", 2), (TDreiZahlen{1, 2, 0}));
  EXPECT_EQ(ZahlenAusZeile("1;2;3", 3), (TDreiZahlen{1, 2, 3}));
  EXPECT_EQ(ZahlenAusZeile("1,5;2,7", 2), (TDreiZahlen{1.5, 2.7, 0}));
  EXPECT_EQ(ZahlenAusZeile("1,5,2,7", 2), (TDreiZahlen{0, 0, 0}));
  EXPECT_EQ(ZahlenAusZeile("\t1.5\t2.5\t", 2), (TDreiZahlen{1.5, 2.5, 0}));
  EXPECT_EQ(ZahlenAusZeile("7 8 9 10", 1), (TDreiZahlen{7, 0, 0}));
}

TEST(ZahlenAusZeile, BuchstabenEUndEGehoerenZurZahl) {
  // "Wert" holds an e, which is a number character: it forms a token of its own that reads as 0.
  EXPECT_EQ(ZahlenAusZeile("Wert 5", 2), (TDreiZahlen{0, 5, 0}));
}

TEST(ZahlenAusZeile, VersagtNieAufMuell) {
  EXPECT_EQ(ZahlenAusZeile("", 3), (TDreiZahlen{0, 0, 0}));
  EXPECT_EQ(ZahlenAusZeile(std::string("1\0002", 3), 2), (TDreiZahlen{1, 2, 0}));
  EXPECT_EQ(ZahlenAusZeile("\xff\xfe 3", 1), (TDreiZahlen{3, 0, 0}));
  EXPECT_EQ(ZahlenAusZeile(std::string(10000, '-'), 3), (TDreiZahlen{0, 0, 0}));
  EXPECT_EQ(ZahlenAusZeile(std::string(10000, ' ') + "4", 3), (TDreiZahlen{4, 0, 0}));
  EXPECT_EQ(ZahlenAusZeile("1 2 3", 0), (TDreiZahlen{0, 0, 0}));
  EXPECT_EQ(ZahlenAusZeile("1 2 3 4", 9), (TDreiZahlen{1, 2, 3}));
}

TEST(ZeilenZerlegen, FuelltDieVektorenZeilenweise) {
  const TStringListe zeilen = {"1 2 3", "4;5", "", "x"};
  TVektor a, b, c(10, 9);
  ZeilenZerlegen(zeilen, 3, a, b, c);
  EXPECT_EQ(a, (TVektor{1, 4, 0, 0}));
  EXPECT_EQ(b, (TVektor{2, 5, 0, 0}));
  ASSERT_EQ(c.size(), 10u);
  EXPECT_EQ(c[0], 3);
  EXPECT_EQ(c[1], 0);
  EXPECT_EQ(c[4], 9);
}

TEST(Spaltenwerte, LeereZeilenWerdenZuNull) {
  TStringListe spalte = {"1", "", "x", "2.5", "-3,25e-4"};
  EXPECT_EQ(Spaltenwerte(spalte), (TVektor{1, 0, 0, 2.5, -3.25e-4}));
  EXPECT_EQ(spalte, (TStringListe{"1", "0", "x", "2.5", "-3,25e-4"}));
  TStringListe leer;
  EXPECT_TRUE(Spaltenwerte(leer).empty());
}

TEST(ZeitAlsText, WaehltDieEinheitNachDerDauer) {
  EXPECT_EQ(ZeitAlsText(0), "0ms");
  EXPECT_EQ(ZeitAlsText(850), "850ms");
  EXPECT_EQ(ZeitAlsText(999), "999ms");
  EXPECT_EQ(ZeitAlsText(1000), "1s");
  EXPECT_EQ(ZeitAlsText(1500), "1,5s");
  EXPECT_EQ(ZeitAlsText(9999), "10s");
  EXPECT_EQ(ZeitAlsText(12345), "12s");
  EXPECT_EQ(ZeitAlsText(12500), "12s");
  EXPECT_EQ(ZeitAlsText(72000), "1,2m");
  EXPECT_EQ(ZeitAlsText(600000), "10m");
  EXPECT_EQ(ZeitAlsText(900000), "15m");
  EXPECT_EQ(ZeitAlsText(4294967295u), "71583m");
}

} // namespace
