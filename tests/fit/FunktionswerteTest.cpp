#include "fit/Funktionswerte.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

namespace {

// x by count, by step, from column 1.
const TWerteart A = TWerteart::Anzahl, S = TWerteart::Schritt, E = TWerteart::Spalte1;

TWerteauftrag Auftrag(TWerteart art, const std::string& feld, double von = 0, double bis = 1) {
  return {.Koeffizienten = {1, 1, 1, 1, 1, 1, 1, 1}, .Art = art, .Feld = feld, .Von = von, .Bis = bis}; // y = 1 + x
}

TEST(Wertetabelle, AnzahlSchrittUndSpalteEins) {
  struct { TWerteauftrag auftrag; TStringListe x; } const faelle[] = {
      {Auftrag(A, "1"), {"0", "1"}}, {Auftrag(A, "0"), {"0", "1"}}, {Auftrag(A, "-1"), {"0", "1"}},
      {Auftrag(A, "-5"), {"0", "0,25", "0,5", "0,75", "1"}}, {Auftrag(A, "3", 1, -1), {"1", "0", "-1"}},
      {Auftrag(S, "0,3"), {"0", "0,3", "0,6", "0,9"}}, {Auftrag(S, "-0,5"), {"0", "-0,5", "-1"}},
      {Auftrag(S, "2", 0, 5), {"0", "2", "4"}}, // 2,5 goes to the even 2
      {Auftrag(S, "0", 7, 9), TStringListe(11, "7")},
      {Auftrag(S, "x"), {"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1"}},
  };
  for (const auto& f : faelle) {
    const TWertetabelle t = Wertetabelle(f.auftrag, {});
    EXPECT_EQ(t.Spalten[0], f.x) << f.auftrag.Feld;
    EXPECT_EQ(t.Spalten[1].size(), f.x.size()) << f.auftrag.Feld;
    EXPECT_EQ(t.Ersetzt, (std::array<bool, 4>{true, true, false, false}));
  }
  // From column 1.
  const TStringListe spalte1 = {"1", "2", "3", "5"};
  const TWertetabelle t = Wertetabelle(Auftrag(E, "4", 2, 3), spalte1);
  EXPECT_EQ(t.Ersetzt, (std::array<bool, 4>{false, true, true, true}));
  // y of every line; x and y of the lines with x in [2, 3], both ends included.
  EXPECT_EQ(t.Spalten, (std::array<TStringListe, 4>{{{}, {"2", "3", "4", "6"}, {"2", "3"}, {"3", "4"}}}));
  EXPECT_EQ(Wertetabelle(Auftrag(E, "99", 2, 4), spalte1).Spalten[1].size(), 4u);
  EXPECT_TRUE(Wertetabelle(Auftrag(E, "-3"), spalte1).Spalten[1].empty());
  // No whole count: 10 values (their texts are checked by the window test).
  EXPECT_EQ(Wertetabelle(Auftrag(A, "abc"), {}).Spalten[0].size(), 10u);
}

TEST(Wertetabelle, UnbrauchbareAnzahlenVorJederAusgabe) {
  const std::string zuViele = "Zu viele Werte: höchstens 8000000 können erzeugt werden";
  struct { TWerteauftrag auftrag; std::string meldung; } const faelle[] = {
      {Auftrag(E, "abc"), "'abc' ist kein gültiger Integerwert"}, {Auftrag(E, "1,5"), "'1,5' ist kein gültiger Integerwert"},
      {Auftrag(A, "99999999"), zuViele}, {Auftrag(A, "-2147483648"), zuViele}, {Auftrag(A, "8000001"), zuViele},
      {Auftrag(S, "1e-300"), zuViele}, {Auftrag(S, "1e-310", -1e308, 1e308), zuViele},
  };
  for (const auto& f : faelle) EXPECT_EQ(Meldung([&] { Wertetabelle(f.auftrag, {"1"}); }), f.meldung) << f.auftrag.Feld;
}

} // namespace
