#include "OperationsHilfen.h"

#include "operations/Zahlentheorie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string Umgerechnet(const std::string& text, uint8_t basis) {
  TZiffern dezimal, neu;
  TextZuZiffern(text, 10, dezimal);
  Umrechnen(dezimal, basis, neu);
  std::string aus;
  ZiffernZuText(neu, aus);
  return aus;
}

TEST(Zahlensystem, UmrechnungInAndereBasen) {
  EXPECT_EQ(Umgerechnet("9", 2), "1001");
  EXPECT_EQ(Umgerechnet("5", 2), "101");
  EXPECT_EQ(Umgerechnet("0", 2), "0");
  EXPECT_EQ(Umgerechnet("255", 16), "FF");
  EXPECT_EQ(Umgerechnet("4096", 16), "1000");
  EXPECT_EQ(Umgerechnet("35", 36), "Z");
  EXPECT_EQ(Umgerechnet("9223372036854775807", 16), "7FFFFFFFFFFFFFFF");
  EXPECT_EQ(Umgerechnet("007", 10), "7");
  // Powers of the base, where a logarithm quotient falls just short of the exponent.
  EXPECT_EQ(Umgerechnet("243", 3), "100000");
  EXPECT_EQ(Umgerechnet("1000", 10), "1000");
  EXPECT_EQ(Umgerechnet("1A", 10), "20"); // letters are digits in every base
}

TEST(Zahlensystem, Routinen) {
  EXPECT_EQ(HoechsteStelle(10, 0), 0);
  EXPECT_EQ(HoechsteStelle(10, 999), 2);
  EXPECT_EQ(HoechsteStelle(10, 1000), 3);
  EXPECT_EQ(HoechsteStelle(2, 9223372036854775807), 62);
  EXPECT_EQ(HoechsteStelle(255, 9223372036854775807), 7);
  EXPECT_EQ(Meldung([] { HoechsteStelle(1, 5); }), DivisionDurchNull);
  EXPECT_EQ(HoechsteStelle(0, 0), 0);
  EXPECT_EQ(GanzzahlPotenz(3, 0), 1);
  EXPECT_EQ(GanzzahlPotenz(-2, 3), -8);
  EXPECT_EQ(GanzzahlPotenz(10, 18), 1000000000000000000);
  TZiffern z;
  TextZuZiffern("1a-", 10, z);
  EXPECT_EQ(z.Stellen[0], KeineZiffer);
  EXPECT_EQ(z.Stellen[1], KeineZiffer);
  EXPECT_EQ(z.Stellen[2], 1);
  EXPECT_EQ(Meldung([&] { ZiffernZuZahl(z); }), NurGanzeZahlen);
  TextZuZiffern("9223372036854775808", 10, z);
  EXPECT_EQ(Meldung([&] { ZiffernZuZahl(z); }), NurGanzeZahlen);
  TextZuZiffern(std::string(300, '9'), 10, z); // only 256 digits fit
  EXPECT_EQ(z.Stellen[255], 9);
  std::string text;
  TZiffern gross{};
  gross.Stellen[0] = 40;
  ZiffernZuText(gross, text);
  EXPECT_EQ(text, "?");
}

TEST(Zahlensystem, OperationMitBeidenSpalten) {
  TSpaltenModell m = Modell({"255", "0", ""}, {"16"});
  Ausfuehren(m, 30, 16);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"FF", "0", "0"}));
  EXPECT_EQ(m.Spalte(4), TStringListe{"10"});
  TSpaltenModell zwei = Modell({"9", "5", "0"});
  Ausfuehren(zwei, 30, 2);
  EXPECT_EQ(zwei.Spalte(3), (TStringListe{"1001", "101", "0"}));
  Ausfuehren(zwei, 30, 2.4);
  EXPECT_EQ(zwei.Spalte(3)[0], "1001");
}

TEST(Zahlensystem, UngueltigeBasenUndZeilen) {
  TSpaltenModell m = Modell({"0", "5"});
  // Below 2, and not a number at all: the division fault at the first line above 0.
  for (const double basis : {1.4, 1.0, 0.0, -254.0, -HUGE_VAL, std::nan("")}) {
    EXPECT_EQ(Ausfuehren(m, 30, basis), DivisionDurchNull) << basis;
    EXPECT_EQ(m.Spalte(3), TStringListe{"0"}) << basis;
  }
  EXPECT_EQ(Ausfuehren(m, 30, 37), BasisAusserhalb);
  EXPECT_TRUE(m.Spalte(3).empty());
  // Not wrapped to a byte: 272 would otherwise be read as base 16, 256 as 0.
  for (const double basis : {36.5000001, 256.0, 272.0, 1e300, HUGE_VAL})
    EXPECT_EQ(Ausfuehren(m, 30, basis), BasisAusserhalb) << basis;
  for (const std::string zeile : {"-5", "2,5", "1e3", "ff", " 7", "99999999999999999999"}) {
    TSpaltenModell z = Modell({"3", zeile});
    EXPECT_EQ(Ausfuehren(z, 30, 2), NurGanzeZahlen) << zeile;
    EXPECT_EQ(z.Spalte(3), TStringListe{"11"}) << zeile;
  }
  TSpaltenModell lang = Modell({std::string(257, '0')});
  EXPECT_EQ(Ausfuehren(lang, 30, 2), NurGanzeZahlen);
}

TEST(Quersumme, EineStufe) {
  EXPECT_EQ(Quersumme(485), 17);
  EXPECT_EQ(Quersumme(-485), 17);
  EXPECT_EQ(Quersumme(0), 0);
  EXPECT_EQ(Quersumme(287), 17);
  EXPECT_EQ(Quersumme(INT64_MIN), 89);
  TSpaltenModell m = Modell({"485", "-485", "0", "2,6", "4294967296", "1E19"});
  EXPECT_EQ(Ausfuehren(m, 29), Ungueltig);
  EXPECT_TRUE(m.Spalte(3).empty());
  m.Spalte(1).pop_back();
  Ausfuehren(m, 29);
  EXPECT_EQ(m.Spalte(3), (TStringListe{"17", "17", "0", "3", "58"}));
}

TEST(GammaBinomialFakultaet, UeberDieArrays) {
  TSpaltenModell b = Modell({"5", "3", "4,5"}, {"2", "5", "2"});
  Ausfuehren(b, 25);
  EXPECT_EQ(b.Spalte(3), (TStringListe{"10", "0", "7,8739"}));
  EXPECT_EQ(b.Spalte(4)[0], "0,1");
  EXPECT_EQ(b.Spalte(4)[1], "0");
  TSpaltenModell f = Modell({"5", "0", "-1"});
  Ausfuehren(f, 26);
  EXPECT_EQ(f.Spalte(3), (TStringListe{"120", "1", "0"}));
  Ausfuehren(f, 24);
  EXPECT_EQ(f.Spalte(3), (TStringListe{"24", "0", "0"}));
  TSpaltenModell gross = Modell({"200,5"});
  EXPECT_EQ(Ausfuehren(gross, 24), Ueberlauf);
}

} // namespace
