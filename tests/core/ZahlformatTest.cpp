#include "core/Zahlformat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ZahlFormatiert, FestkommaUndWissenschaftlich) {
  EXPECT_EQ(ZahlFormatiert(0, {4, 3, false}), "0,000");
  EXPECT_EQ(ZahlFormatiert(1234.5, {4, 2, false}), "1234,50");
  EXPECT_EQ(ZahlFormatiert(10000, {4, 2, false}), "1e4");
  EXPECT_EQ(ZahlFormatiert(-0.5, {4, 1, false}), "-0,5");
  EXPECT_EQ(ZahlFormatiert(123456, {4, 2, false}), "1,23e5");
  EXPECT_EQ(ZahlFormatiert(-123456, {4, 2, false}), "-1,23e5");
  EXPECT_EQ(ZahlFormatiert(0.0001, {4, 2, false}), "1e-4");
  EXPECT_EQ(ZahlFormatiert(0.00025, {3, 1, false}), "2,5e-4");
  EXPECT_EQ(ZahlFormatiert(2.7, {4, 0, false}), "3");
  EXPECT_EQ(ZahlFormatiert(0, {4, 0, false}), "0");
  EXPECT_EQ(ZahlFormatiert(0.001, {3, 2, false}), "1e-3");
  EXPECT_EQ(ZahlFormatiert(0.002, {5, 2, false}), "0,00");
  EXPECT_EQ(ZahlFormatiert(-0.002, {5, 2, false}), "0,00");
  EXPECT_EQ(ZahlFormatiert(999.996, {4, 2, false}), "1000,00");
  EXPECT_EQ(ZahlFormatiert(2.5, {4, 0, false}), "3");
}

TEST(ZahlFormatiert, ZehnSignifikanteStellen) {
  // Rounded to ten significant digits before the decimal places are cut.
  EXPECT_EQ(ZahlFormatiert(0.123456789012345, {18, 12, false}), "0,123456789000");
  EXPECT_EQ(ZahlFormatiert(12345678901.0, {12, 2, false}), "1,234567890E+10");
  EXPECT_EQ(ZahlFormatiert(1234567890.4, {12, 2, false}), "1234567890,00");
  // One rounding only: 0,12499999999 does not become 0,125 first.
  EXPECT_EQ(ZahlFormatiert(0.12499999999, {4, 2, false}), "0,12");
  EXPECT_EQ(ZahlFormatiert(0.125, {4, 2, false}), "0,13"); // an exact tie goes away from zero
  EXPECT_EQ(ZahlFormatiert(-0.125, {4, 2, false}), "-0,13");
  EXPECT_EQ(ZahlFormatiert(1e-7, {7, 2, false}), "1e-7");
  EXPECT_EQ(ZahlFormatiert(1.0000001e-7, {7, 2, false}), "0,00");
  // A mantissa that rounds up to 10 moves on to the next power.
  EXPECT_EQ(ZahlFormatiert(99999.6, {4, 2, false}), "1e5");
  EXPECT_EQ(ZahlFormatiert(-9.996e-5, {4, 2, false}), "-1e-4");
  EXPECT_EQ(ZahlFormatiert(0.5, {0, 1, false}), "5e-1");
}

TEST(ZahlFormatiert, MantisseOhneRundungSchreibtNie10) {
  // From 10 decimal places on the mantissa is not rounded; its 15-digit text decides.
  struct {
    double wert;
    TZahlformat format;
    const char* text;
  } const faelle[] = {
      {999999999999999.88, {3, 12, false}, "1e15"},   {-999999999999999.88, {3, 12, false}, "-1e15"},
      {0.99999999999999989, {0, 12, false}, "1e0"},   {0.99999999999999989, {0, 10, false}, "1e0"},
      {9.99999999999999e20, {3, 12, false}, "9,99999999999999e20"}, {9.9999999999999, {0, 11, false}, "9,9999999999999e0"},
  };
  for (const auto& f : faelle) EXPECT_EQ(ZahlFormatiert(f.wert, f.format), f.text) << f.wert;
}

TEST(ZahlFormatiert, FreiUndNichtEndlich) {
  EXPECT_EQ(ZahlFormatiert(2.0 / 3, {4, 2, true}), "0,666666666666667");
  EXPECT_EQ(ZahlFormatiert(std::numeric_limits<double>::quiet_NaN(), {4, 2, false}), "NAN");
  EXPECT_EQ(ZahlFormatiert(std::numeric_limits<double>::infinity(), {4, 2, false}), "INF");
  EXPECT_EQ(ZahlFormatiert(1e300, {250, 2, false}), "1e300");
  EXPECT_EQ(ZahlFormatiert(4.9e-324, {3, 2, false}), "4,94e-324");
}

} // namespace
