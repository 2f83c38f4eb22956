#include "core/Fehler.h"
#include "core/LGS.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

namespace {

std::array<double, 8> Loesung(std::initializer_list<double> werte) {
  std::array<double, 8> a{};
  std::copy(werte.begin(), werte.end(), a.begin());
  return a;
}

void ErwarteNahe(const TKoeffizienten& k, const TVektor& x, double relativ) {
  for (std::size_t i = 0; i < x.size(); ++i)
    EXPECT_NEAR(k.Werte[i], x[i], relativ * std::max(1.0, std::fabs(x[i]))) << "index " << i;
}

TEST(LoeseLGS, KleineSysteme) {
  EXPECT_EQ(LoeseLGS({}, {}, 0), TKoeffizienten{});
  EXPECT_EQ(LoeseLGS({{4}}, {2}, 1).Werte, Loesung({0.5}));
  EXPECT_EQ(LoeseLGS({{2, 1}, {1, 3}}, {3, 4}, 2).Werte, Loesung({1, 1}));
  ErwarteNahe(LoeseLGS({{2, 1, 0}, {1, 3, 1}, {0, 1, 4}}, {3, 5, 5}, 3), {1, 1, 1}, 1e-15);
}

TEST(LoeseLGS, SingulaereZweierMatrixGibtDieMarke) {
  const TKoeffizienten k = LoeseLGS({{1, 2}, {2, 4}}, {3, 6}, 2);
  EXPECT_EQ(k.Werte[1], 1e9);
  EXPECT_EQ(k.Werte[0], 3 - 2e9);
  EXPECT_EQ(LoeseLGS({{0, 1}, {1, 1}}, {1, 2}, 2).Werte, Loesung({1e9, 1}));
}

TEST(LoeseLGS, NullzeileUndNullspalteWerdenAusgelassen) {
  // A fixed coefficient in the middle leaves the others free.
  ErwarteNahe(LoeseLGS({{4, 0, 1}, {0, 0, 0}, {1, 0, 2}}, {5, 0, 3}, 3), {1, 0, 1}, 1e-15);
  // The first fixed: the remaining three unknowns are still solved by elimination.
  const TLinearesSystem a = {{0, 0, 0, 0}, {0, 2, 1, 0}, {0, 1, 3, 1}, {0, 0, 1, 4}};
  ErwarteNahe(LoeseLGS(a, {7, 3, 5, 5}, 4), {0, 1, 1, 1}, 1e-15);
  // Everything fixed, also a single unknown: no step, no fault.
  EXPECT_EQ(LoeseLGS({{0}}, {1}, 1), TKoeffizienten{});
  EXPECT_EQ(LoeseLGS({{0, 0}, {0, 0}}, {1, 1}, 2), TKoeffizienten{});
}

TEST(LoeseLGS, AbhaengigeZeilenWerdenExaktNull) {
  // Row 3 is row 1 plus row 2: the round-off remainder is flushed and x2 is exactly 0.
  const TLinearesSystem a = {{0.1, 0.2, 0.3}, {0.2, 0.5, 0.7}, {0.3, 0.7, 1.0}};
  const TKoeffizienten k = LoeseLGS(a, {0.3, 0.7, 1.0}, 3);
  EXPECT_EQ(k.Werte[2], 0);
  EXPECT_NEAR(k.Werte[0], 1, 1e-12);
  EXPECT_NEAR(k.Werte[1], 1, 1e-12);
  // The same with every sign turned: a matrix whose entries sum to a negative number.
  TLinearesSystem negativ = a;
  for (TVektor& zeile : negativ)
    for (double& v : zeile) v = -v;
  const TKoeffizienten m = LoeseLGS(negativ, {-0.3, -0.7, -1.0}, 3);
  EXPECT_EQ(m.Werte[2], 0);
  EXPECT_NEAR(m.Werte[0], 1, 1e-12);
}

TEST(LoeseLGS, SpaltenOhnePivotGebenNull) {
  // Columns 0 and 1 of the last two rows are zero after elimination: x1 and x2 are 0.
  const TLinearesSystem a = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}};
  const TKoeffizienten k = LoeseLGS(a, {1, 2, 3}, 3);
  EXPECT_EQ(k.Werte[1], 0);
  EXPECT_EQ(k.Werte[2], 0);
  EXPECT_NEAR(k.Werte[0], 1, 1e-15);
}

TEST(LoeseLGS, EineUeberzaehligeUnbekannteFriertDieFolgendenNichtEin) {
  // Normal equations of J = [[1,1,0],[2,2,1],[3,3,1]] with y = J·(1,0,1): columns 0 and 1 are
  // the same, so x1 has nothing left to determine; x2 is still solved.
  const TLinearesSystem n = {{14, 14, 5}, {14, 14, 5}, {5, 5, 2}};
  ErwarteNahe(LoeseLGS(n, {19, 19, 7}, 3), {1, 0, 1}, 1e-12);
  // Not symmetric: column 1 has no pivot after the first step, column 2 has one.
  ErwarteNahe(LoeseLGS({{1, 1, 1}, {1, 1, 1}, {1, 1, 2}}, {3, 3, 4}, 3), {2, 0, 1}, 1e-15);
}

TEST(LoeseLGS, ReduziertAufDieVerbleibendeGroesse) {
  // A line with its slope fixed still fits its intercept (two unknowns become one).
  EXPECT_EQ(LoeseLGS({{0, 0}, {0, 5}}, {0, 10}, 2).Werte, Loesung({0, 2}));
  EXPECT_EQ(LoeseLGS({{0, 0, 0}, {0, 4, 0}, {0, 0, 0}}, {0, 8, 0}, 3).Werte, Loesung({0, 2, 0}));
  // Three unknowns become two: Cramer's rule with its marker.
  const TKoeffizienten k = LoeseLGS({{1, 0, 2}, {0, 0, 0}, {2, 0, 4}}, {3, 0, 6}, 3);
  EXPECT_EQ(k.Werte[2], 1e9);
  EXPECT_EQ(k.Werte[1], 0);
}

TEST(LoeseLGS, SkalierungEinerUnbekanntenAendertNurSieSelbst) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> wert(-1, 1);
  const int n = 5;
  TLinearesSystem b(n, TVektor(n));
  for (auto& zeile : b)
    for (double& v : zeile) v = wert(zufall);
  TLinearesSystem a(n, TVektor(n, 0)); // a = bᵀb + I, symmetric positive definite
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
    for (int j = 0; j < n; ++j) {
      as[2][j] *= s;
      as[j][2] *= s;
    }
    rs[2] *= s;
    const TKoeffizienten k = LoeseLGS(as, rs, n);
    for (int i = 0; i < n; ++i) {
      const double erwartet = i == 2 ? basis.Werte[i] / s : basis.Werte[i];
      EXPECT_NEAR(k.Werte[i], erwartet, 1e-12 * std::fabs(erwartet)) << potenz << " " << i;
    }
  }
}

TEST(LoeseLGS, SchlechtSkalierteNormalgleichungenEinesPolynoms) {
  // Normal equations of y = b0 + b1·x + b2·x² for x up to 3e6: entries from 1 to 1e27.
  const double b0 = 0.673565789473684e-3, b1 = 0.732059160401003e-6, b2 = -0.316081871345029e-14;
  TLinearesSystem a(3, TVektor(3, 0));
  TVektor r(3, 0);
  for (int i = 1; i <= 20; ++i) {
    const double x = 150000.0 * i;
    const double y = b0 + b1 * x + b2 * x * x;
    const double basis[3] = {1, x, x * x};
    for (int p = 0; p < 3; ++p) {
      for (int q = 0; q < 3; ++q) a[p][q] += basis[p] * basis[q];
      r[p] += basis[p] * y;
    }
  }
  const TKoeffizienten k = LoeseLGS(a, r, 3);
  EXPECT_NEAR(k.Werte[0], b0, 1e-9 * std::fabs(b0));
  EXPECT_NEAR(k.Werte[1], b1, 1e-9 * std::fabs(b1));
  EXPECT_NEAR(k.Werte[2], b2, 1e-9 * std::fabs(b2));
}

TEST(LoeseLGS, LaesstSeineEingabenUnveraendertUndFuelltNurWerte) {
  const TLinearesSystem a = {{2, 1, 0}, {1, 3, 1}, {0, 1, 4}};
  const TVektor r = {3, 5, 5};
  const TLinearesSystem kopieA = a;
  const TVektor kopieR = r;
  const TKoeffizienten k = LoeseLGS(a, r, 3);
  EXPECT_EQ(a, kopieA);
  EXPECT_EQ(r, kopieR);
  EXPECT_EQ(k.Fehler, (std::array<double, 8>{}));
  EXPECT_EQ(k.Fix, TIndexmenge{});
  EXPECT_EQ(k.Werte[3], 0);
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
  m.Setze(0, true);
  m.Setze(9, true);
  m.Setze(255, true);
  EXPECT_EQ(m.Bytes[0], 0x01);
  EXPECT_EQ(m.Bytes[1], 0x02);
  EXPECT_EQ(m.Bytes[31], 0x80);
  EXPECT_TRUE(m.Enthaelt(9));
  EXPECT_FALSE(m.Enthaelt(8));
  m.Setze(9, false);
  EXPECT_EQ(m.Bytes[1], 0);
}

} // namespace
