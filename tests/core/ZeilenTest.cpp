#include "core/Zeilen.h"
#include "core/Zeittext.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

TEST(ZeichenErsetzen, ErsetztJedesVorkommen) {
  std::string t = "1.5.2";
  ZeichenErsetzen(t, '.', ',');
  EXPECT_EQ(t, "1,5,2");
  ZeichenErsetzen(t, 'x', 'y');
  ZeichenErsetzen(t, ',', ','); // equal characters end at once
  EXPECT_EQ(t, "1,5,2");
}

TEST(ZahlenAusZeile, TrenntAnAllemAusserZahlzeichenUndVersagtNieAufMuell) {
  const std::tuple<std::string, int, TDreiZahlen> faelle[] = {
      {"1 4", 2, {1, 4, 0}},          {"x=3;y=-2e1", 2, {3, -20, 0}}, {"5", 2, {5, 0, 0}},
      {"1;2;3", 2, {1, 2, 0}},        {"1;2;3", 3, {1, 2, 3}},        {"1,5;2,7", 2, {1.5, 2.7, 0}},
      {"1,5,2,7", 2, {0, 0, 0}},      {"\t1.5\t2.5\t", 2, {1.5, 2.5, 0}},
      {"7 8 9 10", 1, {7, 0, 0}},
      // "Wert" holds an e, which is a number character: a token of its own that reads as 0.
      {"Wert 5", 2, {0, 5, 0}},
      {"", 3, {0, 0, 0}},             {std::string("1\0002", 3), 2, {1, 2, 0}},
      {"\xff\xfe 3", 1, {3, 0, 0}},   {std::string(10000, '-'), 3, {0, 0, 0}},
      {std::string(10000, ' ') + "4", 3, {4, 0, 0}},                  {"1 2 3", 0, {0, 0, 0}},
      {"1 2 3 4", 9, {1, 2, 3}},
  };
  for (const auto& [zeile, anzahl, zahlen] : faelle)
    EXPECT_EQ(ZahlenAusZeile(zeile, anzahl), zahlen) << zeile.substr(0, 20);
}

TEST(ZeilenZerlegenUndSpaltenwerte, FuellenZeilenweiseLeereZeilenWerdenNull) {
  const TStringListe zeilen = {"1 2 3", "4;5", "", "x"};
  TVektor a, b, c(10, 9);
  ZeilenZerlegen(zeilen, 3, a, b, c);
  EXPECT_EQ(a, (TVektor{1, 4, 0, 0}));
  EXPECT_EQ(b, (TVektor{2, 5, 0, 0}));
  EXPECT_EQ(c, (TVektor{3, 0, 0, 0, 9, 9, 9, 9, 9, 9})); // the rest of c stays
  // A column: empty lines become 0, in the column too.
  TStringListe spalte = {"1", "", "x", "2.5", "-3,25e-4"};
  EXPECT_EQ(Spaltenwerte(spalte), (TVektor{1, 0, 0, 2.5, -3.25e-4}));
  EXPECT_EQ(spalte, (TStringListe{"1", "0", "x", "2.5", "-3,25e-4"}));
  TStringListe leer;
  EXPECT_TRUE(Spaltenwerte(leer).empty());
}

TEST(ZeitAlsText, WaehltDieEinheitNachDerDauer) {
  const std::pair<uint32_t, const char*> faelle[] = {
      {0, "0ms"},      {850, "850ms"},   {999, "999ms"},   {1000, "1s"},
      {1500, "1,5s"},  {9999, "10s"},    {12345, "12s"},   {12500, "12s"},
      {72000, "1,2m"}, {600000, "10m"},  {900000, "15m"},  {4294967295u, "71583m"}};
  for (const auto& [millisekunden, text] : faelle) EXPECT_EQ(ZeitAlsText(millisekunden), text);
}

} // namespace
