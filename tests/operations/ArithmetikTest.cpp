#include "OperationsHilfen.h"

#include <gtest/gtest.h>

namespace {

TEST(Addieren, WertOderZweiteSpalte) {
  TSpaltenModell m = Modell({"1", "2,5", "-1E20"}, {"1", "1"});
  Ausfuehren(m, 1, 0.5);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1,5", "3", "-1E20"}));
  EXPECT_TRUE(m.Spalte(4).empty());
  Ausfuehren(m, 1, 0, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"2", "3,5"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"0", "1,5"}));
  TSpaltenModell ohneZwei = Modell({"1", "2"});
  EXPECT_EQ(Ausfuehren(ohneZwei, 1, 0, true), "");
  EXPECT_TRUE(ohneZwei.Spalte(3).empty());
}

// Path D reads each line as a 64-bit value and computes in extended precision up to the text.
TEST(PfadD, Liest64BitUndRechnetErweitert) {
  struct {
    uint8_t art;
    double wert;
    bool option;
    TStringListe spalte1, spalte2, spalte3, spalte4;
    const char* meldung;
  } const faelle[] = {
      {11, 0, false, {"-91,46"}, {}, {"1,90294696688419E-40"}, {}, ""},
      {1, 2.1398231444328554e-06, false, {"-89,1"}, {}, {"-89,0999978601768"}, {}, ""},
      {0, 0, false, {"17,93255", "-17,93255"}, {}, {"17,9325", "-17,9325"}, {"0", "0"}, ""},
      {1, 0, true, {"65823591,4512825"}, {"932788299029206"}, {"932788364852797"}, {"-932788233205615"}, ""},
      {1, 0, true, {"1E308", "1"}, {"1E308"}, {"2E308"}, {"0"}, ""},
      {1, 0, false, {"1", "1E309"}, {}, {"1"}, {}, Ueberlauf},
      {1, 0, false, {"1,79769313486232E308"}, {}, {"1,79769313486232E308"}, {}, ""},
  };
  for (const auto& f : faelle) {
    TSpaltenModell m = Modell(f.spalte1, f.spalte2);
    EXPECT_EQ(Ausfuehren(m, f.art, f.wert, f.option), f.meldung) << f.spalte1[0];
    EXPECT_EQ(m.Spalte(3), f.spalte3) << f.spalte1[0];
    EXPECT_EQ(m.Spalte(4), f.spalte4) << f.spalte1[0];
  }
}

TEST(Kehrwert, NullBleibtNull) {
  TSpaltenModell m = Modell({"0", "4", "3", "-0,5"});
  Ausfuehren(m, 3);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"0", "0,25", "0,333333333333333", "-2"}));
}

TEST(Summieren, EineZeile) {
  TSpaltenModell m = Modell({"1", "2", "3"});
  Ausfuehren(m, 7);
  EXPECT_EQ(m.Spalte(3), TStringListe{"6"});
  TSpaltenModell fehler = Modell({"1", "x"});
  EXPECT_EQ(Ausfuehren(fehler, 7), "'x' ist kein gültiger Gleitkommawert");
  EXPECT_TRUE(fehler.Spalte(3).empty());
}

TEST(Logarithmus, NatuerlichOderZurBasisW) {
  TSpaltenModell m = Modell({"0", "100", "1"}, {"-5"});
  Ausfuehren(m, 9);
  EXPECT_EQ(m.Spalte(3)[0], "-18,4206807439524");
  EXPECT_EQ(m.Spalte(4), TStringListe{"-18,4206807439524"});
  Ausfuehren(m, 9, 10);
  EXPECT_EQ(m.Spalte(3)[1], "2");
  Ausfuehren(m, 9, 0.5);
  EXPECT_EQ(m.Spalte(3)[1], "4,60517018598809");
  EXPECT_EQ(m.Spalte(3)[2], "0");
}

TEST(VerstaerkungUndGewichtung, ZeilenweisePaare) {
  TSpaltenModell m = Modell({"6", "1"}, {"3", "4"});
  Ausfuehren(m, 10);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"2", "0,25"}));
  Ausfuehren(m, 14);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"18", "4"}));
}

TEST(VerstaerkungUndGewichtung, FehlerEndenDieOperation) {
  TSpaltenModell kurz = Modell({"6", "1"}, {"3"});
  EXPECT_EQ(Ausfuehren(kurz, 10), "'' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(kurz.Spalte(3), TStringListe{"2"});
  TSpaltenModell null = Modell({"6", "0"}, {"0", "0"});
  EXPECT_EQ(Ausfuehren(null, 10), DivisionDurchNull);
  EXPECT_TRUE(null.Spalte(3).empty());
  TSpaltenModell nullDurchNull = Modell({"0"}, {"0"});
  EXPECT_EQ(Ausfuehren(nullDurchNull, 10), Ungueltig);
  TSpaltenModell gewichtKurz = Modell({"6", "1"}, {"3"});
  EXPECT_EQ(Ausfuehren(gewichtKurz, 14), "'' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(gewichtKurz.Spalte(3), TStringListe{"18"});
  // Both lines unreadable: column 1's is the one reported.
  TSpaltenModell beide = Modell({"x"}, {"y"});
  EXPECT_EQ(Ausfuehren(beide, 10), "'x' ist kein gültiger Gleitkommawert");
  TSpaltenModell riesig = Modell({"1E4000"}, {"1E4000"});
  EXPECT_EQ(Ausfuehren(riesig, 14), Ueberlauf);
}

TEST(EFunktion, UeberlaufErstImErweitertenBereich) {
  TSpaltenModell m = Modell({"0", "1", "1000", "12000"});
  EXPECT_EQ(Ausfuehren(m, 11), Ueberlauf);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "2,71828182845905", "1,97007111401705E434"}));
}

TEST(Runden, StellenAusDemWertfeld) {
  TSpaltenModell m = Modell({"3,14159", "2,5", "3,5"});
  Ausfuehren(m, 12, 2);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"3,14", "2,5", "3,5"}));
  Ausfuehren(m, 12);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"3", "2", "4"}));
  Ausfuehren(m, 12, -1); // low byte 255: ten or more places leave the value unchanged
  EXPECT_EQ(m.Spalte(3), (TStringListe{"3,14159", "2,5", "3,5"}));
  Ausfuehren(m, 12, 1e300); // low byte 0
  EXPECT_EQ(m.Spalte(3), (TStringListe{"3", "2", "4"}));
}

TEST(Maximum, GroessterOderKleinsterWert) {
  TSpaltenModell m = Modell({"1", "4", "2", "5", "3"});
  Ausfuehren(m, 13);
  EXPECT_EQ(m.Spalte(3), TStringListe{"5"});
  Ausfuehren(m, 13, 0, true);
  EXPECT_EQ(m.Spalte(3), TStringListe{"1"});
}

TEST(PfadA, MultiplizierenUndDividieren) {
  TSpaltenModell m = Modell({"1", "2", "3"}, {"2", "0", "4"});
  Ausfuehren(m, 2, 2);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"2", "4", "6"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"4", "0", "8"}));
  Ausfuehren(m, 2, 3, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"2", "0", "12"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"6", "0", "36"}));
  Ausfuehren(m, 27, 0);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"0", "0", "0"}));
  Ausfuehren(m, 27, 4);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"0,25", "0,5", "0,75"}));
  Ausfuehren(m, 27, 2, true);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"0,5", "0", "0,75"}));
  EXPECT_EQ(m.Spalte(4), (TStringListe{"0,25", "0", "0,375"}));
  Ausfuehren(m, 27, 0, true);
  EXPECT_EQ(m.Spalte(4), (TStringListe{"0,5", "0", "0,75"}));
  TSpaltenModell allein = Modell({"1"});
  Ausfuehren(allein, 2);
  EXPECT_EQ(allein.Spalte(3), TStringListe{"0"});
  EXPECT_TRUE(allein.Spalte(4).empty());
}

TEST(PfadA, PaarformenMitKuerzererZweiterSpalte) {
  TSpaltenModell m = Modell({"1", "2", "3"}, {"2"});
  Ausfuehren(m, 2, 1, true);
  EXPECT_EQ(m.Spalte(3), TStringListe{"2"});
  EXPECT_EQ(m.Spalte(4), TStringListe{"2"});
  Ausfuehren(m, 27, 4, true);
  EXPECT_EQ(m.Spalte(3), TStringListe{"0,5"});
  EXPECT_EQ(m.Spalte(4), TStringListe{"0,125"});
  Ausfuehren(m, 25);
  EXPECT_EQ(m.Spalte(3), TStringListe{"0"});
  EXPECT_EQ(m.Spalte(4), TStringListe{"0"});
  Ausfuehren(m, 1, 0, true);
  EXPECT_EQ(m.Spalte(3), TStringListe{"3"});
  EXPECT_EQ(m.Spalte(4), TStringListe{"-1"});
  Ausfuehren(m, 2, 1);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"1", "2", "3"}));
  EXPECT_EQ(m.Spalte(4), TStringListe{"2"});
}

TEST(PfadA, DezibelDeltaSchrittweitePotenz) {
  TSpaltenModell m = Modell({"0", "10", "0,5"}, {"1", "4", "6"});
  Ausfuehren(m, 18);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"-80", "20", "-6,0206"}));
  TSpaltenModell d = Modell({"1", "4", "6"}, {"1", "4", "6"});
  Ausfuehren(d, 20);
  EXPECT_EQ(d.Spalte(3), (TStringListe{"3", "2"}));
  EXPECT_EQ(d.Spalte(4), (TStringListe{"3", "2"}));
  Ausfuehren(d, 22);
  EXPECT_EQ(d.Spalte(3), TStringListe{"2,5"});
  EXPECT_EQ(d.Spalte(4), TStringListe{"2,5"});
  Ausfuehren(d, 23, -2);
  EXPECT_EQ(d.Spalte(3), (TStringListe{"1", "16", "36"}));
  TSpaltenModell negativ = Modell({"-8"});
  Ausfuehren(negativ, 23, 3);
  EXPECT_EQ(negativ.Spalte(3), TStringListe{"-512"});
  EXPECT_EQ(Ausfuehren(negativ, 23, 0.5), Ungueltig);
  TSpaltenModell einzeln = Modell({"7"}, {"1"});
  Ausfuehren(einzeln, 20);
  EXPECT_TRUE(einzeln.Spalte(3).empty());
  Ausfuehren(einzeln, 22);
  EXPECT_EQ(einzeln.Spalte(3), TStringListe{"0"});
}

} // namespace
