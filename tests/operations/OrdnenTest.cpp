#include "OperationsHilfen.h"

#include <gtest/gtest.h>

namespace {

TEST(Sortieren, AbsteigendOhneHakenAufsteigendMit) {
  TSpaltenModell m = Modell({"2", "1", "3"});
  Ausfuehren(m, 0);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"3", "2", "1"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"0", "0", "0"}));
  Ausfuehren(m, 0, 0, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "2", "3"}));
}

TEST(Sortieren, PartnerWandernMit) {
  TSpaltenModell m = Modell({"2", "1", "3"}, {"20", "10", "30"});
  Ausfuehren(m, 0, 0, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "2", "3"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"10", "20", "30"}));
  // Equal values keep their line order, and with it the order of their partners.
  TSpaltenModell gleich = Modell({"5", "1", "5", "5"}, {"1", "2", "3"});
  Ausfuehren(gleich, 0);
  EXPECT_EQ(gleich.Spalte(3), (TStringListe{"5", "5", "5", "1"}));
  EXPECT_EQ(gleich.Spalte(4), (TStringListe{"1", "3", "0", "2"}));
}

TEST(Sortieren, VierNachkommastellen) {
  TSpaltenModell m = Modell({"1,23456", "-0,00004"});
  Ausfuehren(m, 0);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1,2346", "0"}));
}

TEST(Sortieren, GrosseWerteSortierenRichtig) {
  // Beyond 214748,3648 a 32-bit key would wrap around.
  TSpaltenModell m = Modell({"300000", "-300000", "214748,3648", "1E14"});
  Ausfuehren(m, 0, 0, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"-300000", "214748,3648", "300000", "100000000000000"}));
  TSpaltenModell zuGross = Modell({"1", "1E15"});
  EXPECT_EQ(Ausfuehren(zuGross, 0), Ungueltig);
  EXPECT_TRUE(zuGross.Spalte(3).empty());
}

TEST(Sortieren, UnlesbareZeilenBeendenVorDerAusgabe) {
  TSpaltenModell m = Modell({"1", "2"}, {"a", "b"});
  EXPECT_EQ(Ausfuehren(m, 0), "'a' ist kein gültiger Gleitkommawert");
  EXPECT_TRUE(m.Spalte(3).empty());
  // Lines of column 2 beyond column 1 are not read.
  TSpaltenModell laenger = Modell({"1"}, {"2", "x"});
  EXPECT_EQ(Ausfuehren(laenger, 0), "");
}

TEST(Textoperationen, UmkehrenReissverschlussAufspalten) {
  TSpaltenModell m = Modell({"1", "", "3"});
  Ausfuehren(m, 4);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"3", "0", "1"}));

  TSpaltenModell zipp = Modell({"1", "3", "5"}, {"2", "4"});
  Ausfuehren(zipp, 5);
  EXPECT_EQ(zipp.Spalte(3), (TStringListe{"1", "2", "3", "4", "5"}));
  TSpaltenModell zippLang = Modell({"1"}, {"a", "b", "c"});
  Ausfuehren(zippLang, 5);
  EXPECT_EQ(zippLang.Spalte(3), (TStringListe{"1", "a", "b", "c"}));
  TSpaltenModell zippAllein = Modell({"x", "y"});
  Ausfuehren(zippAllein, 5);
  EXPECT_EQ(zippAllein.Spalte(3), (TStringListe{"x", "y"}));

  TSpaltenModell spalten = Modell({"1", "3", "2", "4", "text"});
  Ausfuehren(spalten, 6);
  EXPECT_EQ(spalten.Spalte(3), (TStringListe{"1", "2", "text"}));
  EXPECT_EQ(spalten.Spalte(4), (TStringListe{"3", "4"}));
}

TEST(JedenXtenWert, SchrittAusDemWertfeld) {
  const TStringListe sieben = {"1", "2", "3", "4", "5", "6", "7"};
  TSpaltenModell m = Modell(sieben);
  Ausfuehren(m, 8, 3);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "4", "7"}));
  Ausfuehren(m, 8, 0);
  EXPECT_EQ(m.Spalte(3), sieben);
  Ausfuehren(m, 8, -5);
  EXPECT_EQ(m.Spalte(3), sieben);
  Ausfuehren(m, 8, 2.5); // ties to even: 2
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "3", "5", "7"}));
  Ausfuehren(m, 8, 1e300);
  EXPECT_EQ(m.Spalte(3), TStringListe{"1"});
}

TEST(DatenreiheTrennen, ZweiZahlenProZeile) {
  TSpaltenModell m = Modell({"1 4", "2 5", "1,5;2,5", "7", "x"});
  Ausfuehren(m, 21);
  EXPECT_EQ(m.Spalte(1), (TStringListe{"1", "2", "1,5", "7", "0"}));
  EXPECT_EQ(m.Spalte(2), (TStringListe{"4", "5", "2,5", "0", "0"}));
  EXPECT_TRUE(m.Spalte(3).empty());
  EXPECT_TRUE(m.Spalte(4).empty());
}

TEST(HintererTeil, AbUndBisZumWtenWert) {
  TSpaltenModell m = Modell({"1", "2", "3", "4", "5"}, {"10", "20", "30", "40", "50"});
  Ausfuehren(m, 28, 2);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"3", "4", "5"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"30", "40", "50"}));
  Ausfuehren(m, 28, 2, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "2"}));
  Ausfuehren(m, 28, 0);
  EXPECT_EQ(m.Spalte(3).size(), 5u);
  Ausfuehren(m, 28, 0, true);
  EXPECT_TRUE(m.Spalte(3).empty());
}

TEST(HintererTeil, WAusserhalbDerSpalte) {
  TSpaltenModell m = Modell({"1", "2", "3"}, {"4"});
  Ausfuehren(m, 28, -4);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "2", "3"}));
  EXPECT_EQ(m.Spalte(4), TStringListe{"4"});
  Ausfuehren(m, 28, 99);
  EXPECT_TRUE(m.Spalte(3).empty());
  Ausfuehren(m, 28, 99, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "2", "3"}));
  EXPECT_EQ(m.Spalte(4), TStringListe{"4"});
  // Half values: the dropped count rounds to even, the rest is what remains of the column.
  TSpaltenModell fuenf = Modell({"1", "2", "3", "4", "5"});
  Ausfuehren(fuenf, 28, 3.5);
  EXPECT_EQ(fuenf.Spalte(3), TStringListe{"5"});
  Ausfuehren(fuenf, 28, 2.5);
  EXPECT_EQ(fuenf.Spalte(3), (TStringListe{"3", "4", "5"}));
}

} // namespace
