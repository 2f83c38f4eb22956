#include "fit/Funktionswerte.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

namespace {

TWerteauftrag Auftrag(TWerteart art, const std::string& feld, double von = 0, double bis = 1) {
  TWerteauftrag a;
  a.Koeffizienten.fill(1); // y = 1 + x
  a.Art = art;
  a.Feld = feld;
  a.Von = von;
  a.Bis = bis;
  return a;
}

TEST(Wertetabelle, AnzahlUndSchritt) {
  struct {
    TWerteauftrag auftrag;
    TStringListe x;
  } const faelle[] = {
      {Auftrag(TWerteart::Anzahl, "1"), {"0", "1"}},
      {Auftrag(TWerteart::Anzahl, "0"), {"0", "1"}},
      {Auftrag(TWerteart::Anzahl, "-1"), {"0", "1"}},
      {Auftrag(TWerteart::Anzahl, "-5"), {"0", "0,25", "0,5", "0,75", "1"}},
      {Auftrag(TWerteart::Anzahl, "3", 1, -1), {"1", "0", "-1"}},
      {Auftrag(TWerteart::Schritt, "0,3"), {"0", "0,3", "0,6", "0,9"}},
      {Auftrag(TWerteart::Schritt, "2", 0, 5), {"0", "2", "4"}}, // 2,5 goes to the even 2
      {Auftrag(TWerteart::Schritt, "-0,5"), {"0", "-0,5", "-1"}},
      {Auftrag(TWerteart::Schritt, "0", 7, 9), TStringListe(11, "7")},
      {Auftrag(TWerteart::Schritt, "x"), {"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1"}},
  };
  for (const auto& f : faelle) {
    const TWertetabelle t = Wertetabelle(f.auftrag, {});
    EXPECT_EQ(t.Spalten[0], f.x) << f.auftrag.Feld;
    EXPECT_EQ(t.Spalten[1].size(), f.x.size()) << f.auftrag.Feld;
    EXPECT_EQ(t.Ersetzt, (std::array<bool, 4>{true, true, false, false}));
  }
  const TWertetabelle zehn = Wertetabelle(Auftrag(TWerteart::Anzahl, "abc"), {});
  ASSERT_EQ(zehn.Spalten[0].size(), 10u);
  EXPECT_EQ(zehn.Spalten[0][1], "0,111111111111111");
  EXPECT_EQ(zehn.Spalten[1][1], "1,11111111111111");
  EXPECT_EQ(zehn.Spalten[1][9], "2");
}

TEST(Wertetabelle, AusSpalteEins) {
  const TStringListe spalte1 = {"1", "2", "3", "5"};
  const TWertetabelle t = Wertetabelle(Auftrag(TWerteart::Spalte1, "4", 2, 4), spalte1);
  EXPECT_EQ(t.Ersetzt, (std::array<bool, 4>{false, true, true, true}));
  EXPECT_EQ(t.Spalten[1], (TStringListe{"2", "3", "4", "6"}));
  EXPECT_EQ(t.Spalten[2], (TStringListe{"2", "3"}));
  EXPECT_EQ(t.Spalten[3], (TStringListe{"3", "4"}));
  EXPECT_EQ(Wertetabelle(Auftrag(TWerteart::Spalte1, "99", 2, 4), spalte1).Spalten[1].size(), 4u);
  EXPECT_TRUE(Wertetabelle(Auftrag(TWerteart::Spalte1, "-3"), spalte1).Spalten[1].empty());
}

TEST(Wertetabelle, UnbrauchbareAnzahlenVorJederAusgabe) {
  const std::string zuViele = "Zu viele Werte: höchstens 8000000 können erzeugt werden";
  struct {
    TWerteauftrag auftrag;
    std::string meldung;
  } const faelle[] = {
      {Auftrag(TWerteart::Spalte1, "abc"), "'abc' ist kein gültiger Integerwert"},
      {Auftrag(TWerteart::Spalte1, "1,5"), "'1,5' ist kein gültiger Integerwert"},
      {Auftrag(TWerteart::Anzahl, "99999999"), zuViele},
      {Auftrag(TWerteart::Anzahl, "-2147483648"), zuViele},
      {Auftrag(TWerteart::Schritt, "1e-300"), zuViele},
      {Auftrag(TWerteart::Schritt, "1e-310", -1e308, 1e308), zuViele},
      {Auftrag(TWerteart::Anzahl, "8000001"), zuViele},
  };
  for (const auto& f : faelle) EXPECT_EQ(Meldung([&] { Wertetabelle(f.auftrag, {"1"}); }), f.meldung) << f.auftrag.Feld;
}

} // namespace
