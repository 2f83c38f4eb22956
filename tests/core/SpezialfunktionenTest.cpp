#include "core/Spezialfunktionen.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <numbers>
#include <tuple>
#include <utility>

namespace {

const long double NaN = std::numeric_limits<long double>::quiet_NaN();

// Calls that must fail, each with the message it must raise.
void ErwarteMeldungen(std::initializer_list<std::pair<void (*)(), const char*>> faelle) {
  int fall = 0;
  for (const auto& [aufruf, meldung] : faelle) EXPECT_EQ(Meldung(aufruf), meldung) << "Fehlerfall " << fall++;
}

TEST(Gleitkomma, GepruefteOperationenSpeichernUndRunden) {
  const std::pair<long double, long double> werte[] = {
      {Teile(1, 4), 0.25L},          {Teile(1e-4000L, 1e4000L), 0}, {Ln(1), 0},
      {Wurzel(16), 4},               {EHoch(0), 1},                 {EHoch(-1e6L), 0},
      {AlsDouble(1.5L), 1.5},        {AlsDouble(DBL_MAX), DBL_MAX}, {AlsDouble(1e-400L), 0},
      {AlsDouble(static_cast<long double>(DBL_MAX) + 0x1p969L), DBL_MAX},
      {RundeGanz(2.5L), 2},          {RundeGanz(3.5L), 4},          {RundeGanz(-2.5L), -2},
      {RundeGanz(-9223372036854775808.0L), INT64_MIN},
  };
  for (std::size_t i = 0; i < std::size(werte); ++i) EXPECT_EQ(werte[i].first, werte[i].second) << "Fall " << i;
  EXPECT_TRUE(std::isinf(AlsDouble(HUGE_VALL)));
  EXPECT_TRUE(IstGanz(-3));
  for (const long double x : {0.5L, 1e30L, HUGE_VALL}) EXPECT_FALSE(IstGanz(x)) << x;
  ErwarteMeldungen({
      {[] { Teile(1, 0); }, DivisionDurchNull},  {[] { Teile(-1, 0); }, DivisionDurchNull},
      {[] { Teile(0, 0); }, Ungueltig},          {[] { Teile(LDBL_MAX, 0.5L); }, Ueberlauf},
      {[] { Ln(0); }, DivisionDurchNull},        {[] { Ln(-1); }, Ungueltig},
      {[] { Wurzel(-1e-300L); }, Ungueltig},     {[] { EHoch(20000); }, Ueberlauf},
      {[] { Pruefe(HUGE_VALL); }, Ueberlauf},    {[] { Pruefe(NaN); }, Ungueltig},
      {[] { AlsDouble(static_cast<long double>(DBL_MAX) + 0x1p970L); }, Ueberlauf},
      {[] { AlsDouble(1e309L); }, Ueberlauf},    {[] { AlsDouble(-1e309L); }, Ueberlauf},
      {[] { RundeGanz(9223372036854775808.0L); }, Ungueltig}, {[] { RundeGanz(NaN); }, Ungueltig},
  });
}

TEST(Hoch, GanzeUndGebrocheneExponentenFehlerUndPotenz) {
  const std::tuple<long double, long double, long double> faelle[] = {
      {0, 0, 1},    {-3, 3, -27},         {-2, -2, 0.25},        {0, 5, 0},
      {2, 62, 4611686018427387904.0L},    {1, 2147483647, 1},    {-1, 2147483647, -1},
      {0.5, 2147483647, 0},
      // Tiny results vanish silently.
      {10, -5000, 0}, {1e-300, 20, 0},    {10, -6000.5, 0},
  };
  for (const auto& [b, p, wert] : faelle) EXPECT_EQ(Hoch(b, p), wert) << b << "^" << p;
  // Potenz takes |b| and gives 0 for b = 0 and for every fault of Hoch.
  const std::tuple<long double, long double, long double> potenzen[] = {
      {0, 0, 0}, {0, -1, 0}, {-2, 3, 8}, {2, -1, 0.5}, {10, 5000, 0}, {1e-300, -20, 0}};
  for (const auto& [b, p, wert] : potenzen) EXPECT_EQ(Potenz(b, p), wert) << b << "^" << p;
  const std::pair<long double, double> nahe[] = {
      {Hoch(2, 0.5), std::numbers::sqrt2}, {Hoch(8, 1.0L / 3), 2},
      {Potenz(-3, 0.5), std::sqrt(3.0)},   {Potenz(-8, 1.0L / 3), 2}};
  for (const auto& [wert, erwartet] : nahe) EXPECT_NEAR(static_cast<double>(wert), erwartet, 1e-15);
  struct { long double b, p; const char* meldung; } const fehler[] = {
      {-3, 0.5, Ungueltig},          {0, -1, DivisionDurchNull},  {0, -1e300, DivisionDurchNull},
      {0, -0.5, Ungueltig},          {10, 5000, Ueberlauf},       {10, 5000.5, Ueberlauf},
      {10, 3e9, Ueberlauf},
      // A negative whole exponent whose power underflows is the reciprocal of 0.
      {1e-300, -20, DivisionDurchNull}, {0.5, -16500, DivisionDurchNull},
      {-0.5, -16500, DivisionDurchNull}, {1e-300, -16, ""}, {0.5, -16000, ""},
  };
  for (const auto& f : fehler) EXPECT_EQ(Meldung([&] { Hoch(f.b, f.p); }), f.meldung) << f.b << "^" << f.p;
}

TEST(Fakultaet, WrapAroundIn32BitBinomialUndGamma) {
  const std::pair<uint8_t, uint32_t> fakultaeten[] = {
      {0, 1}, {1, 1}, {5, 120}, {12, 479001600}, {13, 1932053504}, {33, 2147483648u}, {34, 0}, {255, 0}};
  for (const auto& [n, wert] : fakultaeten) EXPECT_EQ(Fakultaet(n), wert) << int(n);
  const std::tuple<uint8_t, uint8_t, uint32_t> binomiale[] = {
      {5, 2, 10}, {12, 6, 924}, {5, 0, 1}, {2, 5, 0}, {40, 2, 0}};
  for (const auto& [n, k, wert] : binomiale) EXPECT_EQ(BinomialGanz(n, k), wert) << int(n) << " " << int(k);
  // Whole arguments by their low bytes (261 is 5); Γ(-0.5) counts as 0: the denominator vanishes.
  EXPECT_EQ((std::array{Binomial(5, 2), Binomial(261, 2), Binomial(-1, 0), Binomial(0.5, 2)}),
            (std::array<double, 4>{10, 10, static_cast<double>(BinomialGanz(255, 0)), 0}));
  EXPECT_DOUBLE_EQ(Binomial(4.5, 2), Gamma(5.5) / (Gamma(3) * Gamma(3.5)));
  EXPECT_NEAR(Binomial(4.5, 2), 7.875, 0.01);
  // Gamma: the factorial, Stirling's formula, and 0.
  const std::pair<double, double> faelle[] = {
      {1, 1},   {2, 1},         {5, 24},        {6, 120}, {13, 479001600}, {14, 1932053504},
      {0, 0},   {-5, 0},        {-221, 0},      {0.5, 0}, {-2.5, 0}};
  for (const auto& [z, wert] : faelle) EXPECT_EQ(Gamma(z), wert) << z;
  EXPECT_NEAR(Gamma(2.5), 1.3303, 5e-5);
  EXPECT_NEAR(Gamma(100.5), std::tgamma(100.5), 1e-6 * std::tgamma(100.5));
}

TEST(Funktion, ArtenModiUndFehler) {
  // Kinds by their bytes: the high bit does not count, 0, 5 and 7 are the identity.
  const std::tuple<uint8_t, int8_t, double, double> faelle[] = {
      {0, 0, 2.5, 2.5},   {5, 0, 2.5, 2.5},  {7, 0, 2.5, 2.5},  {1, 0, 1, std::sin(1.0)},
      {1, 0, 1e19, 0},    {129, 0, 1, std::sin(1.0)},           {2, 0, 0, 1},
      {2, 0, -1e6, 0},    {3, 0, 1, 0},      {4, 0, 9, 3},      {134, 0, 5, 24},
      // Modes of Gamma other than 0 and -1 give 0; the derivative is 0 where Gamma counts as 0.
      {6, -1, 0.5, 0},    {6, 1, 3, 0},      {6, 5, 2.5, 0},
  };
  for (const auto& [art, modus, x, wert] : faelle)
    EXPECT_EQ(Funktion(art, modus, x), wert) << int(art) << " " << int(modus) << " " << x;
  EXPECT_NEAR(Funktion(Funktionsart::Gamma, -1, 3), (std::log(2.0) - 1.0 / 48 + 0.25) * 2, 1e-15);
  const double y = 1.5;
  EXPECT_NEAR(Funktion(Funktionsart::Gamma, -1, 2.5), (std::log(y) - 1 / 12.0 / y / y + 0.5 / y) * Gamma(2.5),
              1e-15);
  ErwarteMeldungen({
      {[] { Funktion(Funktionsart::Logarithmus, 0, 0); }, DivisionDurchNull},
      {[] { Funktion(Funktionsart::Logarithmus, 0, -1); }, Ungueltig},
      {[] { Funktion(Funktionsart::Quadratwurzel, 0, -1); }, Ungueltig},
      {[] { Funktion(Funktionsart::EHoch, 0, 710); }, Ueberlauf},
      {[] { Gamma(172.5); }, Ueberlauf}, {[] { Binomial(1e300, 2); }, Ungueltig},
      // A whole argument beyond 64-bit integers cannot take the factorial path: invalid operation.
      {[] { Gamma(1e200); }, Ungueltig},
  });
}

} // namespace
