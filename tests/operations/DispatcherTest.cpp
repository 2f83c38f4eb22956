#include "OperationsHilfen.h"

#include "operations/Katalog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

using Geaendert = std::array<bool, 4>;

const TStringListe KeineDatenEins = {"Keine Daten in der ersten Spalte vorhanden"};
const TStringListe KeineDatenZwei = {
    "In der ersten und zweiten Spalte müssen Daten vorhanden sein"};

TEST(OperationAusfuehren, FehlendeDatenMeldenFourierNurAngekuendigt) {
  EXPECT_EQ(Schritte(Modell({"1", "2"}), {{Art::Integration}}).Meldungen, KeineDatenZwei);
  // Outside the two-column set an empty column 1 is reported even with data in column 2.
  EXPECT_EQ(Schritte(Modell({}, {"1"}), {{Art::Multiplizieren}}).Meldungen, KeineDatenEins);
  // "Fouriertransformation" is only announced.
  TSpaltenModell m = Modell({"1", "2"}, {"3", "4"});
  m.Spalte(3) = {"alt"};
  EXPECT_EQ(Schritte(m, {{Art::Fouriertransformation, 0, false, {}, {}}}).Meldungen, TStringListe{"kommt noch"});
}

TEST(OperationAusfuehren, MeldetWelcheSpaltenSichGeaendertHaben) {
  const Geaendert dreiUndVier = {false, false, true, true};
  EXPECT_EQ(Schritte(Modell({"1", "2"}, {"3", "4"}), {{Art::Kehrwert}}).Geaendert, dreiUndVier);
  EXPECT_EQ(Schritte(Modell({"1 2"}), {{Art::DatenreiheTrennen}}).Geaendert, (Geaendert{true, true, true, true}));
  // The array operations write four decimals at most.
  Schritte(Modell({"1,23456"}), {{Art::Multiplizieren, 1, false, {"1,2346"}, {}}});
}

// Every operation on ordinary data of two columns ends without an error and writes output
// (only "Fouriertransformation" writes nothing, "Datenreihe trennen" rewrites columns 1, 2).
TEST(OperationAusfuehren, JedeOperationLaeuftDurch) {
  for (uint8_t art = 0; art < Operationsanzahl; ++art) {
    const TSpaltenModell m = Schritte(Modell({"1", "2", "3", "4", "5"}, {"2", "4", "3", "5", "1"}),
                                      {{art, 2, art % 2 == 0}});
    const bool ausgabe = !m.Spalte(3).empty() || !m.Spalte(4).empty();
    EXPECT_EQ(ausgabe, art != Art::Fouriertransformation && art != Art::DatenreiheTrennen) << Operationsnamen(art);
  }
}

TEST(Katalog, NamenAlphabetischNachSortierschluesselFelderUndVorgaben) {
  const char* const alphabetisch[] = {
      "Addieren",        "Aufspalten",       "Binomialkoeffizient", "Datenreihe trennen",
      "Delta-X",         "Dezibel",          "Differentation",      "Dividieren",
      "e-Funktion e^X",  "Extrema finden",   "Fakultät",            "Fouriertransformation",
      "Gamma-Funktion",  "Gewichtung",       "Hinterer Teil",       "Integration",
      "Jeden x. Wert",   "Kehrwert",         "Logarithmus",         "Maximum",
      "Multiplizieren",  "Potenzieren X^w",  "Quersumme",           "Reißverschluss",
      "Runden",          "Schrittweite",     "Sortieren",           "Summieren",
      "Umkehren",        "Verstärkung",      "Zahlensystem"};
  const auto tabelle = Auswahltabelle();
  std::set<int32_t> schluessel;
  for (int i = 0; i < Operationsanzahl; ++i) {
    EXPECT_EQ(Operationsnamen(static_cast<uint8_t>(tabelle[i].Wert)), alphabetisch[i]) << i;
    const auto art = static_cast<uint8_t>(i);
    schluessel.insert(Sortierschluessel(Operationsnamen(art)));
    // Every operation explains itself; all but "Extrema finden" show an example. A value
    // default needs the value field.
    EXPECT_FALSE(Erklaerungen(art).empty()) << i;
    EXPECT_EQ(Beispiele(art).empty(), art == Art::ExtremaFinden) << i;
    const TOperationsEintrag& e = Operationseintrag(art);
    EXPECT_TRUE(e.Wertfeld || e.Vorgabe == TWertvorgabe::Leer) << i;
  }
  EXPECT_EQ(schluessel.size(), 31u);
  EXPECT_EQ(Operationsnamen(Art::Differentation), "Differentation");
  EXPECT_THROW(Operationsnamen(Operationsanzahl), std::out_of_range);
  EXPECT_EQ((std::array{Beispiele(Art::Reissverschluss), Beispiele(Art::ExtremaFinden), Beispiele(Art::Zahlensystem),
                        Beispiele(Art::Binomialkoeffizient)}),
            (std::array<std::string_view, 4>{"\"1,3,5\" + \"2,4\" > \"1,2,3,4,5\"", "",
                                              "9(10) => 1001(2)", "X über Y"}));
  EXPECT_EQ(Erklaerungen(Art::GammaFunktion), "Gamma-Funktion des Wertes (Es gilt: Gamma(N+1) = N! \"Fakultät\")");
  EXPECT_EQ(Erklaerungen(Art::Verstaerkung), "Es wird paarweise der Quotient Zahl aus der ersten Spalte durch "
                                              "Zahl aus der zweiten Spalte gebildet");
  // Sortierschluessel: 1 + the first three letters as base-26 digits.
  const std::pair<const char*, int32_t> faelle[] = {
      {"", 1},          {"a", 1},          {"B", 1 + 26 * 26}, {"abc", 1 + 26 + 2},
      {"abcz", 1 + 26 + 2},                {"zzz", 1 + 25 * 676 + 25 * 26 + 25},
      {"1-x", 1 + 23},
      // An umlaut is one character and clamps to 25, whatever its bytes.
      {"ääa", 1 + 25 * 676 + 25 * 26},     {"ß", 1 + 25 * 676}};
  for (const auto& [name, summe] : faelle) EXPECT_EQ(Sortierschluessel(name), summe) << name;
}

} // namespace
