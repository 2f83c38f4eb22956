#include "core/Spezialfunktionen.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(Hoch, GanzeExponentenAuchFuerNegativeBasen) {
  EXPECT_EQ(Hoch(0, 0), 1);
  EXPECT_EQ(Hoch(-3, 3), -27);
  EXPECT_EQ(Hoch(-2, -2), 0.25);
  EXPECT_EQ(Hoch(0, 5), 0);
  EXPECT_EQ(Hoch(2, 62), 4611686018427387904.0L);
  EXPECT_EQ(Hoch(1, 2147483647), 1);
  EXPECT_EQ(Hoch(-1, 2147483647), -1);
  EXPECT_EQ(Hoch(0.5, 2147483647), 0);
}

TEST(Hoch, GebrocheneExponenten) {
  EXPECT_NEAR(static_cast<double>(Hoch(2, 0.5)), std::numbers::sqrt2, 1e-15);
  EXPECT_NEAR(static_cast<double>(Hoch(8, 1.0L / 3)), 2, 1e-15);
  EXPECT_EQ(Meldung([] { Hoch(10, 3e9); }), Ueberlauf);
}

TEST(Hoch, Fehler) {
  struct {
    long double b, p;
    const char* meldung;
  } const faelle[] = {
      {-3, 0.5, Ungueltig},          {0, -1, DivisionDurchNull},  {0, -1e300, DivisionDurchNull},
      {0, -0.5, Ungueltig},          {10, 5000, Ueberlauf},       {10, 5000.5, Ueberlauf},
      // A negative whole exponent whose power underflows is the reciprocal of 0.
      {1e-300, -20, DivisionDurchNull}, {0.5, -16500, DivisionDurchNull},
      {-0.5, -16500, DivisionDurchNull}, {1e-300, -16, ""}, {0.5, -16000, ""},
  };
  for (const auto& f : faelle) EXPECT_EQ(Meldung([&] { Hoch(f.b, f.p); }), f.meldung) << f.b << "^" << f.p;
}

TEST(Hoch, WinzigeErgebnisseVerschwindenStill) {
  EXPECT_EQ(Hoch(10, -5000), 0);
  EXPECT_EQ(Hoch(1e-300, 20), 0);
  EXPECT_EQ(Hoch(10, -6000.5), 0);
}

TEST(Potenz, FaengtJedenFehler) {
  EXPECT_EQ(Potenz(0, 0), 0);
  EXPECT_EQ(Potenz(0, -1), 0);
  EXPECT_EQ(Potenz(-2, 3), 8);
  EXPECT_EQ(Potenz(2, -1), 0.5);
  EXPECT_NEAR(static_cast<double>(Potenz(-3, 0.5)), std::sqrt(3.0), 1e-15);
  EXPECT_NEAR(static_cast<double>(Potenz(-8, 1.0L / 3)), 2, 1e-15);
  EXPECT_EQ(Potenz(10, 5000), 0);
  EXPECT_EQ(Potenz(1e-300, -20), 0);
}

TEST(Fakultaet, WrapAroundIn32Bit) {
  EXPECT_EQ(Fakultaet(0), 1u);
  EXPECT_EQ(Fakultaet(1), 1u);
  EXPECT_EQ(Fakultaet(5), 120u);
  EXPECT_EQ(Fakultaet(12), 479001600u);
  EXPECT_EQ(Fakultaet(13), 1932053504u);
  EXPECT_EQ(Fakultaet(33), 2147483648u);
  EXPECT_EQ(Fakultaet(34), 0u);
  EXPECT_EQ(Fakultaet(255), 0u);
}

TEST(BinomialGanz, ExaktBis12) {
  EXPECT_EQ(BinomialGanz(5, 2), 10u);
  EXPECT_EQ(BinomialGanz(12, 6), 924u);
  EXPECT_EQ(BinomialGanz(5, 0), 1u);
  EXPECT_EQ(BinomialGanz(2, 5), 0u);
  EXPECT_EQ(BinomialGanz(40, 2), 0u);
}

TEST(Binomial, GanzeUndGebrocheneArgumente) {
  EXPECT_EQ(Binomial(5, 2), 10);
  EXPECT_EQ(Binomial(261, 2), 10); // low bytes 5 and 2
  EXPECT_EQ(Binomial(-1, 0), BinomialGanz(255, 0));
  const double erwartet = Gamma(5.5) / (Gamma(3) * Gamma(3.5));
  EXPECT_DOUBLE_EQ(Binomial(4.5, 2), erwartet);
  EXPECT_NEAR(Binomial(4.5, 2), 7.875, 0.01);
  EXPECT_EQ(Binomial(0.5, 2), 0); // Γ(-0.5) counts as 0: the denominator vanishes
  EXPECT_EQ(Meldung([] { Binomial(1e300, 2); }), Ungueltig);
}

TEST(Gamma, FakultaetStirlingUndNull) {
  EXPECT_EQ(Gamma(1), 1);
  EXPECT_EQ(Gamma(2), 1);
  EXPECT_EQ(Gamma(5), 24);
  EXPECT_EQ(Gamma(6), 120);
  EXPECT_EQ(Gamma(13), 479001600);
  EXPECT_EQ(Gamma(14), 1932053504);
  EXPECT_EQ(Gamma(0), 0);
  EXPECT_EQ(Gamma(-5), 0);
  EXPECT_EQ(Gamma(-221), 0);
  EXPECT_EQ(Gamma(0.5), 0);
  EXPECT_EQ(Gamma(-2.5), 0);
  EXPECT_NEAR(Gamma(2.5), 1.3303, 5e-5);
  EXPECT_NEAR(Gamma(100.5), std::tgamma(100.5), 1e-6 * std::tgamma(100.5));
}

TEST(Gamma, UeberlaufJenseitsVon171) {
  EXPECT_EQ(Meldung([] { Gamma(172.5); }), Ueberlauf);
  // A whole argument beyond 64-bit integers cannot take the factorial path: invalid operation.
  EXPECT_EQ(Meldung([] { Gamma(1e200); }), Ungueltig);
}

TEST(Funktion, ArtenUndModi) {
  EXPECT_EQ(Funktion(0, 0, 2.5), 2.5);
  EXPECT_EQ(Funktion(5, 0, 2.5), 2.5);
  EXPECT_EQ(Funktion(7, 0, 2.5), 2.5);
  EXPECT_EQ(Funktion(1, 0, 1), std::sin(1.0));
  EXPECT_EQ(Funktion(1, 0, 1e19), 0);
  EXPECT_EQ(Funktion(129, 0, 1), Funktion(1, 0, 1));
  EXPECT_EQ(Funktion(2, 0, 0), 1);
  EXPECT_EQ(Funktion(3, 0, 1), 0);
  EXPECT_EQ(Funktion(4, 0, 9), 3);
  EXPECT_EQ(Funktion(134, 0, 5), 24);
}

TEST(Funktion, AbleitungDerGammafunktion) {
  const double erwartet = (std::log(2.0) - 1.0 / 48 + 0.25) * 2;
  EXPECT_NEAR(Funktion(6, -1, 3), erwartet, 1e-15);
  const double y = 1.5;
  EXPECT_NEAR(Funktion(6, -1, 2.5), (std::log(y) - 1 / 12.0 / y / y + 0.5 / y) * Gamma(2.5), 1e-15);
  EXPECT_EQ(Funktion(6, -1, 0.5), 0);
  EXPECT_EQ(Funktion(6, 1, 3), 0);
  EXPECT_EQ(Funktion(6, 5, 2.5), 0);
}

TEST(Funktion, FehlerDerElementarfunktionen) {
  EXPECT_EQ(Meldung([] { Funktion(3, 0, 0); }), DivisionDurchNull);
  EXPECT_EQ(Meldung([] { Funktion(3, 0, -1); }), Ungueltig);
  EXPECT_EQ(Meldung([] { Funktion(4, 0, -1); }), Ungueltig);
  EXPECT_EQ(Meldung([] { Funktion(2, 0, 710); }), Ueberlauf);
  EXPECT_EQ(Funktion(2, 0, -1e6), 0);
}

} // namespace
