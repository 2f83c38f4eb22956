#include "core/Fehler.h"
#include "core/LGS.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <random>
#include <stdexcept>

namespace {

// A system of n = r.size() unknowns and its solution x: exact, or within relativ·max(1, |x|);
// with nullExakt the zeros of x must come out exactly, not just within it.
struct TFall { TLinearesSystem a; TVektor r, x; double relativ = 0; bool nullExakt = false; };

TEST(LoeseLGS, LoestNachGroesseUndLaesstFesteAus) {
  const TFall faelle[] = {
      {{}, {}, {}},
      {{{4}}, {2}, {0.5}},
      {{{2, 1}, {1, 3}}, {3, 4}, {1, 1}},
      // A singular pair: Cramer's rule gives the marker 1e9 for the zero denominator.
      {{{1, 2}, {2, 4}}, {3, 6}, {3 - 2e9, 1e9}},
      {{{0, 1}, {1, 1}}, {1, 2}, {1e9, 1}},
      // Everything fixed, also a single unknown: no step, no fault.
      {{{0}}, {1}, {}},
      {{{0, 0}, {0, 0}}, {1, 1}, {}},
      // A line with its slope fixed still fits its intercept (two unknowns become one).
      {{{0, 0}, {0, 5}}, {0, 10}, {0, 2}},
      {{{0, 0, 0}, {0, 4, 0}, {0, 0, 0}}, {0, 8, 0}, {0, 2, 0}},
      // Three unknowns become two: Cramer's rule with its marker.
      {{{1, 0, 2}, {0, 0, 0}, {2, 0, 4}}, {3, 0, 6}, {3 - 2e9, 0, 1e9}},
      {{{2, 1, 0}, {1, 3, 1}, {0, 1, 4}}, {3, 5, 5}, {1, 1, 1}, 1e-15},
      // A fixed coefficient in the middle leaves the others free.
      {{{4, 0, 1}, {0, 0, 0}, {1, 0, 2}}, {5, 0, 3}, {1, 0, 1}, 1e-15, true},
      // The first fixed: the remaining three unknowns are still solved by elimination.
      {{{0, 0, 0, 0}, {0, 2, 1, 0}, {0, 1, 3, 1}, {0, 0, 1, 4}}, {7, 3, 5, 5}, {0, 1, 1, 1}, 1e-15,
       true},
      // Row 3 is row 1 plus row 2: the round-off remainder is flushed and x2 is exactly 0; the
      // same with every sign turned, a matrix whose entries sum to a negative number.
      {{{0.1, 0.2, 0.3}, {0.2, 0.5, 0.7}, {0.3, 0.7, 1.0}}, {0.3, 0.7, 1.0}, {1, 1, 0}, 1e-12,
       true},
      {{{-0.1, -0.2, -0.3}, {-0.2, -0.5, -0.7}, {-0.3, -0.7, -1.0}}, {-0.3, -0.7, -1.0}, {1, 1, 0},
       1e-12, true},
      // Columns 0 and 1 of the last two rows are zero after elimination: x1 and x2 are 0.
      {{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, {1, 2, 3}, {1, 0, 0}, 1e-15, true},
      // Normal equations of J = [[1,1,0],[2,2,1],[3,3,1]] with y = J·(1,0,1): columns 0 and 1
      // are the same, so x1 has nothing left to determine; x2 is still solved.
      {{{14, 14, 5}, {14, 14, 5}, {5, 5, 2}}, {19, 19, 7}, {1, 0, 1}, 1e-12},
      // Not symmetric: column 1 has no pivot after the first step, column 2 has one.
      {{{1, 1, 1}, {1, 1, 1}, {1, 1, 2}}, {3, 3, 4}, {2, 0, 1}, 1e-15},
  };
  for (std::size_t n = 0; n < std::size(faelle); ++n) {
    const TFall& f = faelle[n];
    const TKoeffizienten k = LoeseLGS(f.a, f.r, static_cast<uint8_t>(f.r.size()));
    for (std::size_t i = 0; i < k.Werte.size(); ++i) {
      const double x = i < f.x.size() ? f.x[i] : 0; // Werte beyond n stay cleared
      const bool exakt = i >= f.x.size() || (f.nullExakt && x == 0);
      const double toleranz = exakt ? 0 : f.relativ * std::max(1.0, std::fabs(x));
      EXPECT_NEAR(k.Werte[i], x, toleranz) << "Fall " << n << ", index " << i;
    }
    EXPECT_EQ(k, (TKoeffizienten{k.Werte})) << "Fall " << n << ": Fehler and Fix stay cleared";
  }
}

TEST(LoeseLGS, SkalierungEinerUnbekanntenUndSchlechtSkalierteNormalgleichungen) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> wert(-1, 1);
  const int n = 5;
  // a = bᵀb + I, symmetric positive definite
  TLinearesSystem b(n, TVektor(n)), a(n, TVektor(n, 0));
  for (auto& zeile : b)
    for (double& v : zeile) v = wert(zufall);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      for (int k = 0; k < n; ++k) a[i][j] += b[k][i] * b[k][j];
      a[i][j] += i == j;
    }
  const TVektor r = {1, -2, 0.5, 3, -1};
  const TKoeffizienten basis = LoeseLGS(a, r, n);
  for (int potenz : {-12, -6, 6, 12}) {
    const double s = std::pow(10.0, potenz);
    TLinearesSystem as = a;
    TVektor rs = r;
    for (int j = 0; j < n; ++j) as[2][j] *= s;
    for (int j = 0; j < n; ++j) as[j][2] *= s;
    rs[2] *= s;
    const TKoeffizienten k = LoeseLGS(as, rs, n);
    for (int i = 0; i < n; ++i) {
      const double erwartet = i == 2 ? basis.Werte[i] / s : basis.Werte[i];
      EXPECT_NEAR(k.Werte[i], erwartet, 1e-12 * std::fabs(erwartet)) << potenz << " " << i;
    }
  }
  // Normal equations of y = c0 + c1·x + c2·x² for x up to 3e6: entries from 1 to 1e27.
  const double c[3] = {0.673565789473684e-3, 0.732059160401003e-6, -0.316081871345029e-14};
  TLinearesSystem normal(3, TVektor(3, 0));
  TVektor rechts(3, 0);
  for (int i = 1; i <= 20; ++i) {
    const double x = 150000.0 * i;
    const double y = c[0] + c[1] * x + c[2] * x * x;
    const double potenzen[3] = {1, x, x * x};
    for (int p = 0; p < 3; ++p) {
      for (int q = 0; q < 3; ++q) normal[p][q] += potenzen[p] * potenzen[q];
      rechts[p] += potenzen[p] * y;
    }
  }
  const TKoeffizienten polynom = LoeseLGS(normal, rechts, 3);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(polynom.Werte[i], c[i], 1e-9 * std::fabs(c[i])) << i;
}

TEST(LoeseLGS, UnbrauchbareEingaben) {
  EXPECT_THROW(LoeseLGS({{1}}, {1}, 2), std::invalid_argument);
  EXPECT_THROW(LoeseLGS({{1, 2}, {1}}, {1, 1}, 2), std::invalid_argument);
  EXPECT_THROW(LoeseLGS(TLinearesSystem(9, TVektor(9, 1)), TVektor(9, 1), 9), std::invalid_argument);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const TKoeffizienten k = LoeseLGS({{nan, 1, 0}, {1, 2, 0}, {0, 0, 1}}, {1, 1, 1}, 3);
  EXPECT_TRUE(std::isnan(k.Werte[0]));
  EXPECT_THROW(LoeseLGS({{1e-300}}, {1e300}, 1), TGleitkommaFehler);
  EXPECT_THROW(LoeseLGS({{1e-300, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {1e300, 1, 1}, 3), TGleitkommaFehler);
}

TEST(TIndexmenge, BitIVonByteIDurch8) {
  TIndexmenge m;
  for (const uint8_t i : {0, 9, 255}) m.Setze(i, true);
  EXPECT_EQ((std::array{m.Bytes[0], m.Bytes[1], m.Bytes[31]}), (std::array<uint8_t, 3>{1, 2, 0x80}));
  EXPECT_TRUE(m.Enthaelt(9) && !m.Enthaelt(8));
  m.Setze(9, false);
  EXPECT_EQ(m.Bytes[1], 0);
}

} // namespace
