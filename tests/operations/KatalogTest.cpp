#include "operations/Katalog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(Katalog, ListeIstAlphabetisch) {
  const char* const erwartet[] = {
      "Addieren",        "Aufspalten",       "Binomialkoeffizient", "Datenreihe trennen",
      "Delta-X",         "Dezibel",          "Differentation",      "Dividieren",
      "e-Funktion e^X",  "Extrema finden",   "Fakultät",            "Fouriertransformation",
      "Gamma-Funktion",  "Gewichtung",       "Hinterer Teil",       "Integration",
      "Jeden x. Wert",   "Kehrwert",         "Logarithmus",         "Maximum",
      "Multiplizieren",  "Potenzieren X^w",  "Quersumme",           "Reißverschluss",
      "Runden",          "Schrittweite",     "Sortieren",           "Summieren",
      "Umkehren",        "Verstärkung",      "Zahlensystem"};
  const auto tabelle = Auswahltabelle();
  for (int i = 0; i < Operationsanzahl; ++i)
    EXPECT_EQ(Operationsnamen(static_cast<uint8_t>(tabelle[i].Wert)), erwartet[i]) << i;
  EXPECT_EQ(tabelle[26].Wert, 0); // "Sortieren"
}

TEST(Katalog, SchluesselSindVerschieden) {
  std::set<int32_t> schluessel;
  for (int i = 0; i < Operationsanzahl; ++i)
    schluessel.insert(Sortierschluessel(Operationsnamen(static_cast<uint8_t>(i))));
  EXPECT_EQ(schluessel.size(), 31u);
}

TEST(Sortierschluessel, DreiBuchstabenZurBasis26) {
  EXPECT_EQ(Sortierschluessel(""), 1);
  EXPECT_EQ(Sortierschluessel("a"), 1);
  EXPECT_EQ(Sortierschluessel("B"), 1 + 26 * 26);
  EXPECT_EQ(Sortierschluessel("abc"), 1 + 26 + 2);
  EXPECT_EQ(Sortierschluessel("abcz"), 1 + 26 + 2);
  EXPECT_EQ(Sortierschluessel("zzz"), 1 + 25 * 676 + 25 * 26 + 25);
  EXPECT_EQ(Sortierschluessel("1-x"), 1 + 23);
  // An umlaut is one character and clamps to 25, whatever its bytes.
  EXPECT_EQ(Sortierschluessel("ääa"), 1 + 25 * 676 + 25 * 26);
  EXPECT_EQ(Sortierschluessel("ß"), 1 + 25 * 676);
}

TEST(Katalog, TexteImWortlaut) {
  EXPECT_EQ(Beispiele(5), "\"1,3,5\" + \"2,4\" > \"1,2,3,4,5\"");
  EXPECT_EQ(Beispiele(19), "");
  EXPECT_EQ(Beispiele(30), "9(10) => 1001(2)");
  EXPECT_EQ(Beispiele(25), "X über Y");
  EXPECT_EQ(Erklaerungen(24), "Gamma-Funktion des Wertes (Es gilt: Gamma(N+1) = N! \"Fakultät\")");
  EXPECT_EQ(Erklaerungen(10), "Es wird paarweise der Quotient Zahl aus der ersten Spalte durch "
                              "Zahl aus der zweiten Spalte gebildet");
  EXPECT_EQ(Operationsnamen(16), "Differentation");
  EXPECT_THROW(Operationsnamen(31), std::out_of_range);
}

TEST(Katalog, FelderUndVorgaben) {
  const std::set<int> wert = {1, 2, 8, 9, 12, 15, 16, 19, 23, 27, 28, 30};
  const std::set<int> kasten = {0, 1, 2, 13, 17, 19, 27, 28};
  const std::set<int> zwei = {10, 15, 16, 17, 19};
  for (int i = 0; i < Operationsanzahl; ++i) {
    const TOperationsEintrag& e = Operationseintrag(static_cast<uint8_t>(i));
    EXPECT_EQ(e.Wertfeld, wert.count(i) == 1) << i;
    EXPECT_EQ(e.Kastentext != nullptr, kasten.count(i) == 1) << i;
    EXPECT_EQ(e.ZweiSpalten, zwei.count(i) == 1) << i;
    EXPECT_EQ(e.KastentextBleibt, i == 30) << i;
  }
  const std::pair<int, const char*> kastentexte[] = {
      {0, "Umkehren"},           {1, "Spalte 1 + Spalte 2"}, {2, "Spalte 1 * Spalte 2"},
      {13, "Minimum"},           {17, "Rücktransformieren"}, {19, "Nur Maxima/Minima"},
      {27, "Spalte 1 div Spalte 2"}, {28, "Bis zum W. Wert"}};
  for (const auto& [art, text] : kastentexte)
    EXPECT_STREQ(Operationseintrag(static_cast<uint8_t>(art)).Kastentext, text) << art;
  EXPECT_EQ(Operationseintrag(2).Vorgabe, TWertvorgabe::Zwei);
  EXPECT_EQ(Operationseintrag(27).Vorgabe, TWertvorgabe::Zwei);
  EXPECT_EQ(Operationseintrag(30).Vorgabe, TWertvorgabe::Sechzehn);
  EXPECT_EQ(Operationseintrag(28).Vorgabe, TWertvorgabe::HalbeZeilenzahl);
  EXPECT_EQ(Operationseintrag(1).Vorgabe, TWertvorgabe::Leer);
}

} // namespace
