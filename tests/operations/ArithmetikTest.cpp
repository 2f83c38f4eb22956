#include "OperationsHilfen.h"

#include "operations/Arrayoperationen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace {

// The line operations read each line as a 64-bit value and compute in extended precision up to the text.
TEST(Zeilenoperationen, Lesen64BitUndRechnenErweitert) {
  Schritte(Modell({"-91,46"}), {{Art::EFunktion, 0, false, {"1,90294696688419E-40"}, {}}});
  Schritte(Modell({"-89,1"}), {{Art::Addieren, 2.1398231444328554e-06, false, {"-89,0999978601768"}, {}}});
  Schritte(Modell({"17,93255", "-17,93255"}), {{Art::Sortieren, 0, false, {"17,9325", "-17,9325"}, {"0", "0"}}});
  Schritte(Modell({"65823591,4512825"}, {"932788299029206"}),
           {{Art::Addieren, 0, true, {"932788364852797"}, {"-932788233205615"}}});
  Schritte(Modell({"1E308", "1"}, {"1E308"}), {{Art::Addieren, 0, true, {"2E308"}, {"0"}}});
  Schritte(Modell({"1", "1E309"}), {{Art::Addieren, 0, false, {"1"}, {}, Ueberlauf}});
  Schritte(Modell({"1,79769313486232E308"}), {{Art::Addieren, 0, false, {"1,79769313486232E308"}, {}}});
}

TEST(Zeilenoperationen, AddierenKehrwertSummeMaximumEFunktionRunden) {
  Schritte(Modell({"1", "2,5", "-1E20"}, {"1", "1"}),
           {{Art::Addieren, 0.5, false, {"1,5", "3", "-1E20"}, {}},
            {Art::Addieren, 0, true, {"2", "3,5"}, {"0", "1,5"}}});
  Schritte(Modell({"1", "2"}), {{Art::Addieren, 0, true, {}}});
  Schritte(Modell({"0", "4", "3", "-0,5"}), {{Art::Kehrwert, 0, false, {"0", "0,25", "0,333333333333333", "-2"}}});
  Schritte(Modell({"1", "2", "3"}), {{Art::Summieren, 0, false, {"6"}}});
  Schritte(Modell({"1", "x"}), {{Art::Summieren, 0, false, {}, Beliebig, "'x' ist kein gültiger Gleitkommawert"}});
  Schritte(Modell({"1", "4", "2", "5", "3"}), {{Art::Maximum, 0, false, {"5"}}, {Art::Maximum, 0, true, {"1"}}});
  // The overflow comes only beyond the extended range; the lines before it stay.
  Schritte(Modell({"0", "1", "1000", "12000"}),
           {{Art::EFunktion, 0, false, {"1", "2,71828182845905", "1,97007111401705E434"}, Beliebig,
             Ueberlauf}});
  // Places from the low byte of W: 255 (ten or more) leaves the value unchanged, 1e300 has 0.
  Schritte(Modell({"3,14159", "2,5", "3,5"}),
           {{Art::Runden, 2, false, {"3,14", "2,5", "3,5"}}, {Art::Runden, 0, false, {"3", "2", "4"}},
            {Art::Runden, -1, false, {"3,14159", "2,5", "3,5"}}, {Art::Runden, 1e300, false, {"3", "2", "4"}}});
}

TEST(Zeilenoperationen, LogarithmusVerstaerkungGewichtung) {
  // A line <= 0 counts as 1E-8; a base W of at most 1 means the natural logarithm.
  const TStringListe natuerlich = {"-18,4206807439524", "4,60517018598809", "0"};
  Schritte(Modell({"0", "100", "1"}, {"-5"}), {{Art::Logarithmus, 0, false, natuerlich, {"-18,4206807439524"}},
                                               {Art::Logarithmus, 10, false, {"-8", "2", "0"}, {"-8"}},
                                               {Art::Logarithmus, 0.5, false, natuerlich, {"-18,4206807439524"}}});
  Schritte(Modell({"6", "1"}, {"3", "4"}), {{Art::Verstaerkung, 0, false, {"2", "0,25"}},
                                            {Art::Gewichtung, 0, false, {"18", "4"}}});
  // Faults end the operation. A missing partner line reads as "".
  const std::string leer = "'' ist kein gültiger Gleitkommawert";
  Schritte(Modell({"6", "1"}, {"3"}),
           {{Art::Verstaerkung, 0, false, {"2"}, Beliebig, leer}, {Art::Gewichtung, 0, false, {"18"}, Beliebig, leer}});
  Schritte(Modell({"6", "0"}, {"0", "0"}), {{Art::Verstaerkung, 0, false, {}, Beliebig, DivisionDurchNull}});
  Schritte(Modell({"0"}, {"0"}), {{Art::Verstaerkung, 0, false, Beliebig, Beliebig, Ungueltig}});
  // Both lines unreadable: column 1's is the one reported.
  Schritte(Modell({"x"}, {"y"}), {{Art::Verstaerkung, 0, false, Beliebig, Beliebig,
                                   "'x' ist kein gültiger Gleitkommawert"}});
  Schritte(Modell({"1E4000"}, {"1E4000"}), {{Art::Gewichtung, 0, false, Beliebig, Beliebig, Ueberlauf}});
}

TEST(Arrayoperationen, MultiplizierenDividierenDezibelDeltaSchrittweitePotenz) {
  Schritte(Modell({"1", "2", "3"}, {"2", "0", "4"}),
           {{Art::Multiplizieren, 2, false, {"2", "4", "6"}, {"4", "0", "8"}},
            {Art::Multiplizieren, 3, true, {"2", "0", "12"}, {"6", "0", "36"}},
            {Art::Dividieren, 0, false, {"0", "0", "0"}}, {Art::Dividieren, 4, false, {"0,25", "0,5", "0,75"}},
            {Art::Dividieren, 2, true, {"0,5", "0", "0,75"}, {"0,25", "0", "0,375"}},
            {Art::Dividieren, 0, true, Beliebig, {"0,5", "0", "0,75"}}});
  Schritte(Modell({"1"}), {{Art::Multiplizieren, 0, false, {"0"}, {}}});
  // Pair forms with a shorter column 2.
  Schritte(Modell({"1", "2", "3"}, {"2"}),
           {{Art::Multiplizieren, 1, true, {"2"}, {"2"}}, {Art::Dividieren, 4, true, {"0,5"}, {"0,125"}},
            {Art::Binomialkoeffizient, 0, false, {"0"}, {"0"}}, {Art::Addieren, 0, true, {"3"}, {"-1"}},
            {Art::Multiplizieren, 1, false, {"1", "2", "3"}, {"2"}}});
  Schritte(Modell({"0", "10", "0,5"}, {"1", "4", "6"}), {{Art::Dezibel, 0, false, {"-80", "20", "-6,0206"}}});
  Schritte(Modell({"1", "4", "6"}, {"1", "4", "6"}),
           {{Art::DeltaX, 0, false, {"3", "2"}, {"3", "2"}}, {Art::Schrittweite, 0, false, {"2,5"}, {"2,5"}},
            {Art::Potenzieren, -2, false, {"1", "16", "36"}}});
  Schritte(Modell({"-8"}), {{Art::Potenzieren, 3, false, {"-512"}},
                            {Art::Potenzieren, 0.5, false, Beliebig, Beliebig, Ungueltig}});
  Schritte(Modell({"7"}, {"1"}), {{Art::DeltaX, 0, false, {}}, {Art::Schrittweite, 0, false, {"0"}}});
}

// The array routines as the dispatcher calls them.
TEST(SpaltenOperation, AnzahlenUndFehler) {
  // The vector, the operation, the count and what it leaves (within the tolerance; 0: exactly):
  // squares, a decimal rescaling, the logarithm to a base (below 1 the natural logarithm), then
  // counts.
  const std::tuple<TVektor, TOperation, int, TVektor, double> faelle[] = {
      {{1, -2, 3}, Op(Art::Potenzieren, 2), 3, {1, 4, 9}, 0},
      {{1, 4, 9}, Op(Art::Multiplizieren, 0.001), 3, {0.001, 0.004, 0.009}, 1e-17},
      {{100, 0, -1}, Op(Art::Logarithmus, 10), 3, {2, -4, -4}, 1e-15},
      {{std::exp(1.0)}, Op(Art::Logarithmus, -3), 1, {1}, 1e-15},
      {{1, 4, 6}, Op(Art::DeltaX), 2, {3, 2, 6}, 0},
      {{1, 2, 3, 4}, Op(Art::HintererTeil, 1), 3, {2, 3, 4, 4}, 0}};
  for (auto [v, op, anzahl, erwartet, toleranz] : faelle) {
    EXPECT_EQ(SpaltenOperation(v, op), anzahl) << int(op.Art);
    ASSERT_EQ(v.size(), erwartet.size());
    for (std::size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], erwartet[i], toleranz) << int(op.Art);
  }
  // Empty vectors and faults.
  TVektor leer, h = {1, 2}, q = {1e200}, g = {1e308}, d = {-1e308, 1e308};
  for (uint8_t art : {Art::Multiplizieren, Art::Logarithmus, Art::Dezibel, Art::DeltaX, Art::Schrittweite,
                      Art::Potenzieren, Art::GammaFunktion, Art::Fakultaet, Art::Dividieren, Art::HintererTeil,
                      Art::Quersumme})
    EXPECT_EQ(SpaltenOperation(leer, Op(art, 1)), 0) << int(art);
  EXPECT_THROW(SpaltenOperation(h, Op(Art::Sortieren)), std::invalid_argument);
  EXPECT_THROW(SpaltenOperation(h, Op(99)), std::invalid_argument);
  EXPECT_EQ(Meldung([&] { SpaltenOperation(q, Op(Art::Potenzieren, 2)); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { SpaltenOperation(g, Op(Art::Multiplizieren, 10)); }), Ueberlauf);
  EXPECT_EQ(Meldung([&] { SpaltenOperation(d, Op(Art::DeltaX)); }), Ueberlauf);
}

TEST(PaarOperation, ExtremaUndGemeinsameLaengeFuerPaarformen) {
  // The extrema of the pairs; the vectors keep their length.
  TVektor x = {1, 2, 3, 4, 5}, y = {1, 3, 2, 4, 1};
  const TPaarAnzahl n = PaarOperation(x, y, Op(Art::ExtremaFinden));
  EXPECT_EQ(std::pair(n.X, n.Y), std::pair(3, 3));
  EXPECT_EQ(std::pair(x[0], y[2]), std::pair(2.0, 4.0));
  EXPECT_EQ(x.size(), 5u);
  TVektor p = {1, 2, 3}, q = {10}, a = {1, 2}, b = {}, c = {1, 2, 3}, d = {5};
  EXPECT_EQ(PaarOperation(p, q, Op(Art::Addieren, 0, true)).X, 1);
  EXPECT_EQ(std::pair(p, q), std::pair(TVektor{11, 2, 3}, TVektor{-9}));
  EXPECT_EQ(PaarOperation(a, b, Op(Art::Binomialkoeffizient)).X, 0);
  const TPaarAnzahl m = PaarOperation(c, d, Op(Art::DeltaX));
  EXPECT_EQ(std::pair(m.X, m.Y), std::pair(2, 0));
  EXPECT_THROW(PaarOperation(c, d, Op(Art::Kehrwert)), std::invalid_argument);
}

} // namespace
