#include "operations/Arrayoperationen.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

TOperation Op(uint8_t art, double wert = 0, bool option = false) {
  TOperation op;
  OperationSetzen(art, option, op, wert);
  return op;
}

TEST(SpaltenOperation, WieDieAufruferSieNutzen) {
  TVektor v = {1, -2, 3};
  EXPECT_EQ(SpaltenOperation(v, Op(23, 2)), 3); // squares, as the statistics do
  EXPECT_EQ(v, (TVektor{1, 4, 9}));
  EXPECT_EQ(SpaltenOperation(v, Op(2, 0.001)), 3); // rescaling of the renderer
  EXPECT_DOUBLE_EQ(v[2], 0.009);
  TVektor l = {100, 0, -1};
  EXPECT_EQ(SpaltenOperation(l, Op(9, 10)), 3); // logarithm to the axis base
  EXPECT_NEAR(l[0], 2, 1e-15);
  EXPECT_NEAR(l[1], -4, 1e-15);
  EXPECT_NEAR(l[2], -4, 1e-15);
  TVektor n = {std::exp(1.0)};
  SpaltenOperation(n, Op(9, -3)); // a base below 1 means the natural logarithm
  EXPECT_NEAR(n[0], 1, 1e-15);
}

TEST(SpaltenOperation, AnzahlenUndLeereVektoren) {
  TVektor leer;
  for (uint8_t art : {2, 9, 18, 20, 22, 23, 24, 26, 27, 28, 29})
    EXPECT_EQ(SpaltenOperation(leer, Op(art, 1)), 0) << int(art);
  TVektor v = {1, 4, 6};
  EXPECT_EQ(SpaltenOperation(v, Op(20)), 2);
  EXPECT_EQ(v, (TVektor{3, 2, 6}));
  TVektor h = {1, 2, 3, 4};
  EXPECT_EQ(SpaltenOperation(h, Op(28, 1)), 3);
  EXPECT_EQ(h, (TVektor{2, 3, 4, 4}));
  EXPECT_THROW(SpaltenOperation(h, Op(0)), std::invalid_argument);
  EXPECT_THROW(SpaltenOperation(h, Op(99)), std::invalid_argument);
}

TEST(SpaltenOperation, FehlerErreichenDenAufrufer) {
  TVektor v = {1e200};
  EXPECT_EQ(Meldung([&] { SpaltenOperation(v, Op(23, 2)); }), Ueberlauf);
  TVektor g = {1e308};
  EXPECT_EQ(Meldung([&] { SpaltenOperation(g, Op(2, 10)); }), Ueberlauf);
  TVektor d = {-1e308, 1e308};
  EXPECT_EQ(Meldung([&] { SpaltenOperation(d, Op(20)); }), Ueberlauf);
}

TEST(PaarOperation, ExtremaWieDieStartwertsuche) {
  TVektor x = {1, 2, 3, 4, 5}, y = {1, 3, 2, 4, 1};
  const TPaarAnzahl n = PaarOperation(x, y, Op(19));
  EXPECT_EQ(n.X, 3);
  EXPECT_EQ(n.Y, 3);
  EXPECT_EQ(x[0], 2);
  EXPECT_EQ(y[2], 4);
  EXPECT_EQ(x.size(), 5u);
}

TEST(PaarOperation, GemeinsameLaengeFuerPaarformen) {
  TVektor x = {1, 2, 3}, y = {10};
  EXPECT_EQ(PaarOperation(x, y, Op(1, 0, true)).X, 1);
  EXPECT_EQ(x, (TVektor{11, 2, 3}));
  EXPECT_EQ(y, TVektor{-9});
  TVektor a = {1, 2}, b = {};
  const TPaarAnzahl n = PaarOperation(a, b, Op(25));
  EXPECT_EQ(n.X, 0);
  TVektor c = {1, 2, 3}, d = {5};
  const TPaarAnzahl m = PaarOperation(c, d, Op(20));
  EXPECT_EQ(m.X, 2);
  EXPECT_EQ(m.Y, 0);
  EXPECT_THROW(PaarOperation(c, d, Op(3)), std::invalid_argument);
}

} // namespace
