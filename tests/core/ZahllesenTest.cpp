#include "core/Ganzzahl.h"
#include "core/Zahllesen.h"
#include "core/Zahltext.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <utility>

namespace {

// With mitHex also "$" and "0x", which fill all 32 bits.
struct TGanzzahlfall { std::string text; bool gelesen; int32_t wert; bool mitHex = false; };

TEST(GanzzahlLesen, DezimalIm32BitBereichHexadezimalFuellt32BitStrengMeldetDenText) {
  const TGanzzahlfall faelle[] = {
      {"0", true, 0},          {"17", true, 17},         {"-5", true, -5},     {"+5", true, 5},
      {"007", true, 7},        {"2147483647", true, INT_MAX}, {"-2147483648", true, INT_MIN},
      {"2147483648", false, 0}, {"-2147483649", false, 0}, {"99999999999999999999", false, 0},
      {"", false, 0},          {"-", false, 0},          {"+-1", false, 0},    {" 5", false, 0},
      {"5 ", false, 0},        {"1.5", false, 0},        {"1,0", false, 0},    {"1e3", false, 0},
      {"$10", false, 0},       {"0x10", false, 0},       {std::string("1\0junk", 6), false, 0},
      {"\xEF\xBC\x91", false, 0}, // a full-width digit
      {"$10", true, 16, true},       {"0x1F", true, 31, true},      {"0XfF", true, 255, true},
      {"$FFFFFFFF", true, -1, true}, {"-$10", true, -16, true},     {"$100000000", false, 0, true},
      {"0x0x10", false, 0, true},    {"$", false, 0, true},         {"0x", false, 0, true},
      {"$G", false, 0, true},        {"12", true, 12, true},
  };
  for (const TGanzzahlfall& f : faelle) {
    int32_t w = 0;
    EXPECT_EQ(GanzzahlLesen(f.text, w, f.mitHex), f.gelesen) << f.text;
    EXPECT_EQ(w, f.wert) << f.text;
    if (!f.mitHex) { EXPECT_EQ(GanzzahlAusText(f.text, 42), f.gelesen ? f.wert : 42) << f.text; }
  }
  EXPECT_EQ(GanzzahlStreng("-12"), -12);
  for (const char* t : {"", "x", "1,5", "3000000000"})
    EXPECT_EQ(Meldung([&] { GanzzahlStreng(t); }),
              std::string("'") + t + "' ist kein gültiger Integerwert") << t;
}

TEST(ZahlStreng, LiestJedeFormDerGrammatikUndWeistAllesAndereAb) {
  const std::pair<std::string, long double> faelle[] = {
      {"0", 0},          {"12", 12},        {"-3", -3},          {"+4", 4},
      {"1,5", 1.5},      {",5", 0.5},       {"5,", 5},           {",", 0},
      {"-,", 0},         {"1E", 1},         {"1e3", 1000},       {"1E+2", 100},
      {"2,5e-1", 0.25},  {"1e-", 1},        {"   7", 7},         {"7   ", 7},
      {"  -2,25E1  ", -22.5}, {"0001", 1},  {"1e-5000", 0},      {"0e999999999999", 0},
      {"0," + std::string(5000, '0') + "1", 0},
      // The value is the correctly rounded 64-bit float, not the extended one.
      {"17,93255", 17.93255}, {"-91,46", -91.46}, {"0,1", 0.1},
  };
  for (const auto& [text, wert] : faelle) EXPECT_EQ(ZahlStreng(text), wert) << text;
  // Everything else is refused with the message.
  const std::string ungueltig[] = {
      "",     " ",     "-",     "+",     "1.5",   "\t2",  "2\t",  "1,5,2", "1.000,5", "e5",
      "E",    "1e5e",  "--1",   "+-1",   "1 2",   "abc",  "nan",  "inf",   "0x10",    "1e+-2",
      "- 1",  "1,5 x", "١",
      // Beyond the extended range, in the exponent or in the digits.
      "1e999999", "1e5000", "-" + std::string(5000, '9')};
  for (const std::string& t : ungueltig)
    EXPECT_EQ(Meldung([&] { ZahlStreng(t); }), "'" + t + "' ist kein gültiger Gleitkommawert")
        << t;
  // Beyond the 64-bit range but within the extended one: an overflow.
  for (const char* t : {"1e4000", "-1e309", "1,797693134862321E308", "1,7976931348623208E308"})
    EXPECT_EQ(Meldung([&] { ZahlStreng(t); }), Ueberlauf) << t;
}

TEST(Zahllesen, ZahlAlsTextKommtZurueckAuchKnappUeberDemGroesstenWert) {
  // The 15-digit text of the largest doubles lies above them; it and everything closer than
  // half a unit of the 15th digit reads back as the largest double, in both readers.
  const char* const faelle[] = {"1,79769313486232E308", "-1,79769313486232E308",
                                "1,79769313486232E+308", "1,7976931348623206E308",
                                "1797693134862320e293"};
  for (const char* t : faelle) {
    const double erwartet = t[0] == '-' ? -DBL_MAX : DBL_MAX;
    EXPECT_EQ(ZahlStreng(t), erwartet) << t;
    EXPECT_EQ(ZahlAusText(t, 8), erwartet) << t;
  }
  for (const char* t : {"1,797693134862321E308", "-1,7976931348623208E308", "1,8E308"})
    EXPECT_EQ(ZahlAusText(t, 8), 8) << t;
  for (double x = DBL_MAX; x > 1.797693134862315E308; x = std::nextafter(x, 0.0))
    EXPECT_EQ(ZahlAusText(ZahlAlsText(x), 0), DBL_MAX) << ZahlAlsText(x);
  // Random values come back to 15 digits.
  std::mt19937_64 zufall(20261206);
  std::uniform_real_distribution<double> mantisse(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-300, 300);
  for (int i = 0; i < 20000; ++i) {
    const double x = (i % 2 ? -1 : 1) * mantisse(zufall) * std::pow(10.0, exponent(zufall));
    const std::string text = ZahlAlsText(x);
    const double zurueck = ZahlStreng(text);
    EXPECT_LE(std::fabs(zurueck - x), 5.0000001e-15L * std::fabs(x)) << text;
    EXPECT_EQ(ZahlAlsText(zurueck), text);
  }
}

TEST(ZahlAusText, LiestPunktUndKommaGibtSonstDieVorgabeUndVersagtNie) {
  const std::tuple<std::string, double, double> faelle[] = {
      {"1.5", 0, 1.5},    {"1,5", 0, 1.5},   {"-3.25e-4", 0, -3.25e-4}, {".", 9, 0},
      {"abc", 7, 7},      {" 2 ", 0, 2},     {"\t2", 0, 0},             {"1e3", 0, 1000},
      {"1E", 0, 1},       {",", 0, 0},       {"-", 5, 5},               {"1,5,2", 3, 3},
      {"1.000,5", 3, 3},  {"1,000.5", 3, 3},
      // A value equal to the default is read once more, from the same text.
      {"2", 2, 2},        {"0.0", 0, 0},
      // A value beyond 64 bits gives the default; one below underflows to 0.
      {"1e400", 8, 8},    {"1,7976931348623157e308", 8, DBL_MAX}, {"1e-400", 8, 0},
      {std::string(5000, '7'), 42, 42}, {"1e999999", 42, 42},    {"-1e-999999", 42, 0},
  };
  for (const auto& [text, vorgabe, wert] : faelle) EXPECT_EQ(ZahlAusText(text, vorgabe), wert) << text;
  EXPECT_TRUE(std::signbit(ZahlAusText("-0", 0)));
  // It never fails, not even on garbage.
  const std::string muell[] = {
      "",          std::string(10000, 'x'), std::string(10000, '1'), std::string("1\0002", 3),
      std::string(1, '\0'),    "\xff\xfe\x80",          "1e999999",  "-1e999999",
      "1e-999999", "nan",      "NAN",       "inf",      "-INF",      std::string(5000, '7'),
      std::string(5000, ','),  "1e" + std::string(5000, '9'),
  };
  for (const std::string& t : muell) EXPECT_TRUE(std::isfinite(ZahlAusText(t, 42))) << t.substr(0, 20);
}

} // namespace
