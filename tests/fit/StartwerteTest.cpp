#include "fit/Startwerte.h"

#include "core/Typen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const TVektor X5 = {0, 1, 2, 3, 4};

std::array<double, 8> Werte(const TVektor& x, const TVektor& y, uint8_t modell) {
  return StartwerteSchaetzen(x, y, modell, {}).Werte;
}

TEST(StartwerteSchaetzen, ExponentiellFallend) {
  TVektor y;
  for (double x : X5) y.push_back(5 * std::exp(-x));
  const auto w = Werte(X5, y, 2);
  EXPECT_DOUBLE_EQ(w[0], 5 - y[4]);
  EXPECT_EQ(w[1], -1);
  EXPECT_EQ(w[2], y[4]);
  EXPECT_EQ(w[3], 1);
}

TEST(StartwerteSchaetzen, GaussUndDoppelgauss) {
  const TVektor y = {0, 1, 3, 1, 0.5};
  const auto g = Werte(X5, y, 3);
  EXPECT_EQ(g[0], 3);
  EXPECT_EQ(g[1], 2);
  EXPECT_EQ(g[2], 1);
  EXPECT_EQ(g[3], 1);
  const auto d = Werte(X5, y, 13);
  EXPECT_EQ(d[0], 3);
  EXPECT_EQ(d[1], 2);
  EXPECT_EQ(d[2], 1);
  EXPECT_DOUBLE_EQ(d[3], 3 - std::sqrt(1.04)); // ymax - standard deviation of y
  EXPECT_DOUBLE_EQ(d[4], std::sqrt(2.0));
  EXPECT_EQ(d[5], 0.5);
  EXPECT_EQ(d[6], 0);
}

TEST(StartwerteSchaetzen, WeitereModelle) {
  const TVektor x = {2, 4, 6, 8}, y = {1, 3, 7, 5};
  EXPECT_EQ(Werte(x, y, 17), (std::array<double, 8>{2, 1, 2, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Werte(x, y, 1), (std::array<double, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Werte(x, TVektor{4, 3, 7, 5}, 4)[2], 3);
  EXPECT_EQ(Werte(x, TVektor{4, 3, 7, 5}, 7)[0], 3);
  EXPECT_EQ(Werte(x, TVektor{4, 3, 7, 5}, 8)[3], 3);
  EXPECT_EQ(Werte(x, TVektor{4, 3, 7, 5}, 14)[3], 3);
  EXPECT_EQ(Werte(x, TVektor{4, 3, 7, 5}, 2), (std::array<double, 8>{4, 1, 3, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Werte(x, y, 9), (std::array<double, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Werte(x, y, 10), (std::array<double, 8>{1, 1, 3.5, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Werte(x, y, 12), (std::array<double, 8>{6, 1, 1, 36, 1, 1, 1, 1}));
  const TVektor fallend = {7, 5, 3, 1};
  EXPECT_EQ(Werte(x, fallend, 9), (std::array<double, 8>{7, -1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Werte(x, fallend, 10), (std::array<double, 8>{3.5, -1, 1, -1, 1, 1, 1, 1}));
}

TEST(StartwerteSchaetzen, FrequenzAusDenExtrema) {
  // Two extrema at x = 1 and x = 2 at the front of the copy, the rest unchanged (up to x = 5):
  // r = 5 - 1, frequency (2/2)/4.
  const TVektor x = {0, 1, 2, 3, 4, 5}, y = {0, 2, -2, -1, 0, 1};
  EXPECT_DOUBLE_EQ(Werte(x, y, 6)[2], 0.25);
  EXPECT_DOUBLE_EQ(Werte(x, y, 15)[0], 0.25);
  EXPECT_DOUBLE_EQ(Werte(x, y, 6)[0], 0);
  EXPECT_DOUBLE_EQ(Werte(x, y, 6)[1], 2);
  // No extrema: the x range itself.
  EXPECT_DOUBLE_EQ(Werte(x, TVektor{0, 1, 2, 3, 4, 5}, 6)[2], 5);
}

TEST(StartwerteSchaetzen, LeerUndFest) {
  TIndexmenge fix;
  fix.Setze(2, true);
  const TKoeffizienten k = StartwerteSchaetzen(TVektor{}, TVektor{}, 3, fix);
  EXPECT_EQ(k.Werte, (std::array<double, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(k.Fix, fix);
  EXPECT_EQ(k.Fehler, (std::array<double, 8>{}));
}

} // namespace
