#include "OperationsHilfen.h"

#include "operations/Katalog.h"

#include <gtest/gtest.h>

namespace {

using Geaendert = std::array<bool, 4>;

TEST(OperationAusfuehren, FehlendeDatenMeldenUndLassenDieAusgabeStehen) {
  TSpaltenModell m = Modell({});
  m.Spalte(3) = {"alt"};
  EXPECT_EQ(Ausfuehren(m, 3), "");
  EXPECT_EQ(m.Meldungen, TStringListe{KeineDatenErsteSpalte});
  EXPECT_EQ(m.Spalte(3), TStringListe{"alt"});

  TSpaltenModell integration = Modell({"1", "2"});
  Ausfuehren(integration, 15);
  EXPECT_EQ(integration.Meldungen, TStringListe{KeineDatenBeideSpalten});
  // Outside the two-column set an empty column 1 is reported even with data in column 2.
  TSpaltenModell nurZwei = Modell({}, {"1"});
  Ausfuehren(nurZwei, 2);
  EXPECT_EQ(nurZwei.Meldungen, TStringListe{KeineDatenErsteSpalte});
}

TEST(OperationAusfuehren, LeereZeilenWerdenNullAuchVorEinerMeldung) {
  TSpaltenModell m = Modell({"", "2"});
  Ausfuehren(m, 10);
  EXPECT_EQ(m.Spalte(1), (TStringListe{"0", "2"}));
  EXPECT_EQ(m.Geaendert, (Geaendert{true, false, false, false}));
  EXPECT_EQ(m.Meldungen, TStringListe{KeineDatenBeideSpalten});
}

TEST(OperationAusfuehren, MeldetWelcheSpaltenSichGeaendertHaben) {
  TSpaltenModell m = Modell({"1", "2"}, {"3", "4"});
  Ausfuehren(m, 3);
  EXPECT_EQ(m.Geaendert, (Geaendert{false, false, true, true}));
  TSpaltenModell trennen = Modell({"1 2"});
  Ausfuehren(trennen, 21);
  EXPECT_EQ(trennen.Geaendert, (Geaendert{true, true, true, true}));
}

TEST(OperationAusfuehren, EinFehlerBehaeltDieGeschriebenenZeilen) {
  TSpaltenModell m = Modell({"4", "x", "2"});
  m.Spalte(4) = {"alt"};
  EXPECT_EQ(Ausfuehren(m, 3), "'x' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(m.Spalte(3), TStringListe{"0,25"});
  EXPECT_TRUE(m.Spalte(4).empty());
  EXPECT_EQ(m.Geaendert, (Geaendert{false, false, true, true}));
}

TEST(OperationAusfuehren, FourierIstAngekuendigt) {
  TSpaltenModell m = Modell({"1", "2"}, {"3", "4"});
  m.Spalte(3) = {"alt"};
  EXPECT_EQ(Ausfuehren(m, 17), "");
  EXPECT_EQ(m.Meldungen, TStringListe{"kommt noch"});
  EXPECT_TRUE(m.Spalte(3).empty());
  EXPECT_TRUE(m.Spalte(4).empty());
}

TEST(OperationAusfuehren, PfadAMitVierNachkommastellen) {
  TSpaltenModell m = Modell({"1,23456"});
  Ausfuehren(m, 2, 1);
  EXPECT_EQ(m.Spalte(3), TStringListe{"1,2346"});
  EXPECT_TRUE(m.Spalte(4).empty());
}

// Every operation on ordinary data of two columns ends without an error and writes output
// (only "Fouriertransformation" writes nothing, "Datenreihe trennen" rewrites columns 1, 2).
TEST(OperationAusfuehren, JedeOperationLaeuftDurch) {
  for (uint8_t art = 0; art < Operationsanzahl; ++art) {
    TSpaltenModell m = Modell({"1", "2", "3", "4", "5"}, {"2", "4", "3", "5", "1"});
    EXPECT_EQ(Ausfuehren(m, art, 2, art % 2 == 0), "") << Operationsnamen(art);
    const bool ausgabe = !m.Spalte(3).empty() || !m.Spalte(4).empty();
    EXPECT_EQ(ausgabe, art != 17 && art != 21) << Operationsnamen(art);
  }
}

} // namespace
