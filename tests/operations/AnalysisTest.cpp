#include "OperationsHilfen.h"

#include "operations/Analysis.h"

#include <gtest/gtest.h>

#include <iterator>
#include <tuple>
#include <utility>

namespace {

TEST(Analysis, KleineRoutinen) {
  const std::pair<double, double> werte[] = {
      {Steigung({1, 1}, {3, 5}), 2},       {Steigung({1, 1}, {1, 5}), 0},
      {Segmentflaeche({1, 1}, {3, 3}), 4}, {Segmentflaeche({3, 1}, {1, 3}), 4},
      {Segmentflaeche({0, -2}, {2, 2}), 0}, {Segmentflaeche({2, 5}, {2, 7}), 0},
      {Vorzeichen(-0.1), -1},              {Vorzeichen(0), 1},
      {Vorzeichenwechsel(1, -1), true},    {Vorzeichenwechsel(-1, 2), true},
      {Vorzeichenwechsel(0, -1), false},   {Vorzeichenwechsel(1, 0), false}};
  for (std::size_t i = 0; i < std::size(werte); ++i) EXPECT_EQ(werte[i].first, werte[i].second) << "Fall " << i;
  int32_t index = -7;
  EXPECT_TRUE(VorzeichenIndex({-1, 0, 2, 3}, true, 0, index) && index == 2);
  EXPECT_TRUE(VorzeichenIndex({-1, 0, 2, 3}, false, 0, index) && index == 0);
  EXPECT_FALSE(VorzeichenIndex({1, 2}, false, 0, index));
  const std::pair<int8_t, const char*> texte[] = {
      {0, "Funktion"}, {2, "2 mal integrieren"}, {-1, "1. Ableitung"}, {-2, "2. Ableitung"},
      {-128, "128. Ableitung"}};
  for (const auto& [anzahl, text] : texte) EXPECT_EQ(AbleitungsText(anzahl), text);
}

TEST(IntegrierenUndDifferenzieren, KurvenAusPunkten) {
  // Integrieren or Differenzieren, x, y, count and the y it must leave.
  const std::tuple<bool, TVektor, TVektor, int8_t, TVektor> faelle[] = {
      // Outwards from 0 to both sides.
      {true, {0, 1, 2}, {2, 2, 2}, 1, {0, 1, 3}},
      {true, {0, 1, 2}, {-2, -2, -2}, 1, {0, -1, -3}},
      // The widths count positive in both directions, so the sums grow to the left as well.
      {true, {-2, -1, 0, 1, 2}, {1, 1, 1, 1, 1}, 1, {2, 1, 0, 0.5, 1.5}},
      // Only points at or below 0: the last one anchors with its own triangle x·y/2.
      {true, {-3, -2, -1}, {1, 1, 1}, 1, {1.5, 0.5, -0.5}},
      // Falling x: the sums to the left start at the first x <= 0, so the integral is 0 there.
      {true, {2, 1, 0}, {1, 1, 1}, 1, {2, 1, 0}},
      // Rising, then falling below 0: the point at -1 is the left anchor and overwrites.
      {true, {1, -1, 2}, {1, 1, 1}, 1, {1.5, -0.5, 5.5}},
      // Backward differences, the first point repeating the second.
      {false, {0, 1, 2, 3}, {0, 1, 4, 9}, 1, {1, 1, 3, 5}},
      {false, {0, 1, 2, 3}, {0, 1, 4, 9}, 2, {0, 0, 2, 2}},
      {false, {1}, {5}, 1, {0}},
      // A negative count runs the other one; unequal lengths work over the common one.
      {true, {0, 1, 2, 3}, {0, 1, 4, 9}, -1, {1, 1, 3, 5}},
      {false, {0, 1, 2}, {2, 2, 2}, -1, {0, 1, 3}},
      {true, {0, 1, 2, 3}, {2, 2}, 1, {0, 1}},
      {true, {1}, {}, 3, {}},
      {true, {0, 1}, {1, 2}, 0, {1, 2}},
  };
  int fall = 0;
  for (const auto& [integrieren, x, y, anzahl, erwartet] : faelle) {
    TVektor ergebnis = y;
    (integrieren ? Integrieren : Differenzieren)(x, ergebnis, anzahl);
    EXPECT_EQ(ergebnis, erwartet) << "Fall " << fall++;
  }
}

TEST(IntegrationUndDifferentation, Minus128EndetUndSchreibtSpalteVier) {
  const TVektor x = {0, 1, 2, 3};
  TVektor y = {0, 1, 4, 9}, einzeln = y;
  Integrieren(x, y, -128);
  for (int k = 0; k < 128; ++k) Differenzieren(x, einzeln, 1);
  EXPECT_EQ(y, einzeln);
  y = einzeln = {1, 1, 1, 1};
  Differenzieren(x, y, -128);
  for (int k = 0; k < 128; ++k) Integrieren(x, einzeln, 1);
  EXPECT_EQ(y, einzeln);
  const TSpaltenModell m = Schritte(Modell({"0", "1", "2", "3"}, {"0", "1", "4", "9"}),
                                    {{Art::Differentation, 0, false, {}, {"1", "1", "3", "5"}},
                                     {Art::Differentation, 2, false, Beliebig, {"0", "0", "2", "2"}},
                                     // A negative count differentiates.
                                     {Art::Integration, -1, false, Beliebig, {"1", "1", "3", "5"}}});
  EXPECT_EQ(m.Spalte(1), (TStringListe{"0", "1", "2", "3"}));
  // Low byte 128 is -128: differentiate 128 times.
  Schritte(Modell({"0", "1", "2"}, {"2", "2", "2"}), {{Art::Integration, 0, false, Beliebig, {"0", "1", "3"}},
                                                      {Art::Integration, 128, false, Beliebig, {"0", "0", "0"}}});
  Schritte(Modell({"0", "1", "2"}, {"2", "2"}), {{Art::Integration, 0, false, Beliebig, {"0", "1"}}});
}

TEST(ExtremaFinden, WechselDerSteigung) {
  const TStringListe x = {"1", "2", "3", "4", "5"};
  // W = 0 counts as +1: maxima.
  Schritte(Modell(x, {"1", "3", "2", "4", "1"}),
           {{Art::ExtremaFinden, 0, false, {"2", "3", "4"}, {"3", "2", "4"}}, {Art::ExtremaFinden, 1, true, {"2", "4"}},
            {Art::ExtremaFinden, -1, true, {"3"}}, {Art::ExtremaFinden, 0, true, {"2", "4"}}});
  Schritte(Modell({"1", "2", "3", "4"}, {"1", "3", "3", "1"}), {{Art::ExtremaFinden, 0, false, {}}});
  Schritte(Modell(x, {"1", "3", "2"}), {{Art::ExtremaFinden, 0, false, {"2"}}});
}

} // namespace
