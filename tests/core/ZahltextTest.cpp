#include "core/Zahlformat.h"
#include "core/Zahltext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>

namespace {

TEST(ZahlAlsText, SchreibweiseRundungUndRaender) {
  const std::pair<long double, const char*> faelle[] = {
      {0.0001, "0,0001"},        {0.00001, "1E-5"},         {1e15, "1E15"},
      {123456789012345.0, "123456789012345"},               {2.0 / 3, "0,666666666666667"},
      {-2.5, "-2,5"},            {1000, "1000"},            {2e20, "2E20"},
      {1.5e-5, "1,5E-5"},        {-1.25e-7, "-1,25E-7"},    {0.1, "0,1"},
      {12.5, "12,5"},            {999999999999999.0, "999999999999999"},
      // Rounding to 15 digits moves the exponent.
      {9999999999999999.0, "1E16"}, {999999999999999.9, "1E15"}, {0.99999999999999999L, "1"},
      {0.1 + 0.2, "0,3"},        {9.99999999999999999e-5L, "0,0001"},
      // Exact ties at the 15th digit round to the even neighbour.
      {1000000000000005.0, "1E15"}, {1000000000000015.0, "1,00000000000002E15"},
      // Zero, values that are not finite, and the ends of the range.
      {0, "0"},                  {-0.0, "0"},               {HUGE_VALL, "INF"},
      {-HUGE_VALL, "-INF"},      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {DBL_MAX, "1,79769313486232E308"},    {-DBL_MIN, "-2,2250738585072E-308"},
      {4.9406564584124654e-324, "4,94065645841247E-324"},   {LDBL_MAX, "1,18973149535723E4932"},
      {1e-4000L, "1E-4000"},     {1.0L / 3, "0,333333333333333"},
  };
  for (const auto& [x, text] : faelle) EXPECT_EQ(ZahlAlsText(x), text) << text;
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
}

TEST(VierStellenText, HoechstensVierNachkommastellenSonstWieZahlAlsText) {
  const std::pair<double, const char*> faelle[] = {
      {1.0 / 3, "0,3333"},       {2.5, "2,5"},              {-7, "-7"},
      {1.23456, "1,2346"},       {0.0001, "0,0001"},        {-0.05, "-0,05"},
      {0, "0"},                  {-0.00001, "0"},           {1e14, "100000000000000"},
      {123456789.12345678, "123456789,1235"},
      // Beyond the 64-bit range of the scaled value, and not finite: as ZahlAlsText.
      {1e20, "1E20"},            {-1e300, "-1E300"},        {HUGE_VAL, "INF"},
      {-HUGE_VAL, "-INF"},       {std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {-922337203685477.5, "-922337203685477,5"}, {-922337203685477.625, "-922337203685478"},
  };
  for (const auto& [x, text] : faelle) EXPECT_EQ(VierStellenText(x), text) << text;
}

TEST(ZahlFormatiert, FestkommaWissenschaftlichFreiUndNichtEndlich) {
  const std::tuple<double, TZahlformat, const char*> faelle[] = {
      {0, {4, 3}, "0,000"},         {1234.5, {4, 2}, "1234,50"},   {10000, {4, 2}, "1e4"},
      {-0.5, {4, 1}, "-0,5"},       {123456, {4, 2}, "1,23e5"},    {-123456, {4, 2}, "-1,23e5"},
      {0.0001, {4, 2}, "1e-4"},     {0.00025, {3, 1}, "2,5e-4"},   {2.7, {4, 0}, "3"},
      {0, {4, 0}, "0"},             {0.001, {3, 2}, "1e-3"},       {0.002, {5, 2}, "0,00"},
      {-0.002, {5, 2}, "0,00"},     {999.996, {4, 2}, "1000,00"},  {2.5, {4, 0}, "3"},
      // Rounded to ten significant digits before the decimal places are cut.
      {0.123456789012345, {18, 12}, "0,123456789000"}, {12345678901.0, {12, 2}, "1,234567890E+10"},
      {1234567890.4, {12, 2}, "1234567890,00"},
      // One rounding only: 0,12499999999 does not become 0,125 first.
      {0.12499999999, {4, 2}, "0,12"},
      // An exact tie goes away from zero.
      {0.125, {4, 2}, "0,13"},      {-0.125, {4, 2}, "-0,13"},
      {1e-7, {7, 2}, "1e-7"},       {1.0000001e-7, {7, 2}, "0,00"},
      // A mantissa that rounds up to 10 moves on to the next power.
      {99999.6, {4, 2}, "1e5"},     {-9.996e-5, {4, 2}, "-1e-4"},  {0.5, {0, 1}, "5e-1"},
      // From 10 decimal places on the mantissa is not rounded; its 15-digit text decides, and it
      // never writes 10.
      {999999999999999.88, {3, 12}, "1e15"},      {-999999999999999.88, {3, 12}, "-1e15"},
      {0.99999999999999989, {0, 12}, "1e0"},      {0.99999999999999989, {0, 10}, "1e0"},
      {9.99999999999999e20, {3, 12}, "9,99999999999999e20"},
      {9.9999999999999, {0, 11}, "9,9999999999999e0"}, {2.0 / 3, {4, 2, true}, "0,666666666666667"},
      {std::numeric_limits<double>::quiet_NaN(), {4, 2}, "NAN"},
      {std::numeric_limits<double>::infinity(), {4, 2}, "INF"},
      {1e300, {250, 2}, "1e300"},   {4.9e-324, {3, 2}, "4,94e-324"},
  };
  for (const auto& [wert, format, text] : faelle)
    EXPECT_EQ(ZahlFormatiert(wert, format), text)
        << wert << " mit " << int(format.Stellen) << "/" << int(format.Kommastellen);
}

} // namespace
