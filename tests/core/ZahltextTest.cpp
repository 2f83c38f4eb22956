#include "core/Zahltext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>

namespace {

TEST(ZahlAlsText, FesteUndWissenschaftlicheSchreibweise) {
  EXPECT_EQ(ZahlAlsText(0.0001), "0,0001");
  EXPECT_EQ(ZahlAlsText(0.00001), "1E-5");
  EXPECT_EQ(ZahlAlsText(1e15), "1E15");
  EXPECT_EQ(ZahlAlsText(123456789012345.0), "123456789012345");
  EXPECT_EQ(ZahlAlsText(2.0 / 3), "0,666666666666667");
  EXPECT_EQ(ZahlAlsText(-2.5), "-2,5");
  EXPECT_EQ(ZahlAlsText(1000), "1000");
  EXPECT_EQ(ZahlAlsText(2e20), "2E20");
  EXPECT_EQ(ZahlAlsText(1.5e-5), "1,5E-5");
  EXPECT_EQ(ZahlAlsText(-1.25e-7), "-1,25E-7");
  EXPECT_EQ(ZahlAlsText(0.1), "0,1");
  EXPECT_EQ(ZahlAlsText(12.5), "12,5");
  EXPECT_EQ(ZahlAlsText(999999999999999.0), "999999999999999");
}

TEST(ZahlAlsText, RundungAuf15StellenVerschiebtDenExponenten) {
  EXPECT_EQ(ZahlAlsText(9999999999999999.0), "1E16");
  EXPECT_EQ(ZahlAlsText(999999999999999.9), "1E15");
  EXPECT_EQ(ZahlAlsText(0.99999999999999999L), "1");
  EXPECT_EQ(ZahlAlsText(0.1 + 0.2), "0,3");
  EXPECT_EQ(ZahlAlsText(9.99999999999999999e-5L), "0,0001");
}

// The 15 significant digits and the decimal exponent of a ZahlAlsText result, read back.
std::pair<std::string, int> ZiffernUndExponent(std::string text) {
  if (text[0] == '-') text.erase(0, 1);
  int exponent = 0;
  if (const auto e = text.find('E'); e != std::string::npos) {
    exponent = std::stoi(text.substr(e + 1));
    text.erase(e);
  } else {
    const auto komma = text.find(',');
    exponent = static_cast<int>((komma == std::string::npos ? text.size() : komma)) - 1;
  }
  std::erase(text, ',');
  const auto erste = text.find_first_not_of('0');
  exponent -= static_cast<int>(erste); // leading zeros of "0,000d"
  text.erase(0, erste);
  text.resize(15, '0');
  return {text, exponent};
}

// The same from the C library's correctly rounded "%.14Le".
std::pair<std::string, int> Referenz(long double x) {
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.14Le", std::fabs(x));
  std::string s(puffer);
  const auto e = s.find('e');
  return {s.substr(0, 1) + s.substr(2, e - 2), std::stoi(s.substr(e + 1))};
}

TEST(ZahlAlsText, StimmtMitKorrektGerundetenZiffernUeberein) {
  std::mt19937_64 zufall(42);
  std::uniform_real_distribution<double> mantisse(1, 10);
  std::uniform_int_distribution<int> exponent(-30, 60);
  for (int i = 0; i < 200000; ++i) {
    const double d = mantisse(zufall) * std::pow(10.0, exponent(zufall));
    const long double l = d * (1 + 1e-17L * (i % 7));
    for (const long double x : {static_cast<long double>(d), l})
      ASSERT_EQ(ZiffernUndExponent(ZahlAlsText(x)), Referenz(x)) << ZahlAlsText(x);
  }
  // Exact ties at the 15th digit round to the even neighbour.
  for (const double tie : {1000000000000005.0, 1000000000000015.0, 123456789012345.5,
                           1234567890123.4525})
    EXPECT_EQ(ZiffernUndExponent(ZahlAlsText(tie)), Referenz(tie)) << ZahlAlsText(tie);
  EXPECT_EQ(ZahlAlsText(1000000000000005.0), "1E15");
  EXPECT_EQ(ZahlAlsText(1000000000000015.0), "1,00000000000002E15");
}

TEST(ZahlAlsText, NullUndNichtEndlicheWerte) {
  EXPECT_EQ(ZahlAlsText(0), "0");
  EXPECT_EQ(ZahlAlsText(-0.0), "0");
  EXPECT_EQ(ZahlAlsText(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(ZahlAlsText(HUGE_VALL), "INF");
  EXPECT_EQ(ZahlAlsText(-HUGE_VALL), "-INF");
}

TEST(ZahlAlsText, RaenderDesWertebereichs) {
  EXPECT_EQ(ZahlAlsText(DBL_MAX), "1,79769313486232E308");
  EXPECT_EQ(ZahlAlsText(-DBL_MIN), "-2,2250738585072E-308");
  EXPECT_EQ(ZahlAlsText(4.9406564584124654e-324), "4,94065645841247E-324");
  EXPECT_EQ(ZahlAlsText(LDBL_MAX), "1,18973149535723E4932");
  EXPECT_EQ(ZahlAlsText(1e-4000L), "1E-4000");
  EXPECT_EQ(ZahlAlsText(1.0L / 3), "0,333333333333333");
}

TEST(VierStellenText, HoechstensVierNachkommastellen) {
  EXPECT_EQ(VierStellenText(1.0 / 3), "0,3333");
  EXPECT_EQ(VierStellenText(2.5), "2,5");
  EXPECT_EQ(VierStellenText(-7), "-7");
  EXPECT_EQ(VierStellenText(1.23456), "1,2346");
  EXPECT_EQ(VierStellenText(0.0001), "0,0001");
  EXPECT_EQ(VierStellenText(-0.05), "-0,05");
  EXPECT_EQ(VierStellenText(0), "0");
  EXPECT_EQ(VierStellenText(-0.00001), "0");
  EXPECT_EQ(VierStellenText(1e14), "100000000000000");
  EXPECT_EQ(VierStellenText(123456789.12345678), "123456789,1235");
}

TEST(VierStellenText, AusserhalbDes64BitBereichsWieZahlAlsText) {
  EXPECT_EQ(VierStellenText(1e20), "1E20");
  EXPECT_EQ(VierStellenText(-1e300), "-1E300");
  EXPECT_EQ(VierStellenText(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(VierStellenText(HUGE_VAL), "INF");
  EXPECT_EQ(VierStellenText(-HUGE_VAL), "-INF");
  EXPECT_EQ(VierStellenText(-922337203685477.5), "-922337203685477,5");
  EXPECT_EQ(VierStellenText(-922337203685477.625), "-922337203685478");
}

} // namespace
