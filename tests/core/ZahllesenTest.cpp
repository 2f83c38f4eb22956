#include "core/Zahllesen.h"
#include "core/Zahltext.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <string>

namespace {

struct TFall {
  const char* text;
  long double wert;
};

TEST(ZahlStreng, LiestJedeFormDerGrammatik) {
  const TFall faelle[] = {
      {"0", 0},          {"12", 12},        {"-3", -3},          {"+4", 4},
      {"1,5", 1.5},      {",5", 0.5},       {"5,", 5},           {",", 0},
      {"-,", 0},         {"1E", 1},         {"1e3", 1000},       {"1E+2", 100},
      {"2,5e-1", 0.25},  {"1e-", 1},        {"   7", 7},         {"7   ", 7},
      {"  -2,25E1  ", -22.5}, {"0001", 1},  {"1e-5000", 0},
      {"0e999999999999", 0},
  };
  for (const TFall& f : faelle) EXPECT_EQ(ZahlStreng(f.text), f.wert) << f.text;
}

TEST(ZahlStreng, WeistAllesAndereMitDerMeldungAb) {
  const char* const ungueltig[] = {
      "",     " ",     "-",     "+",     "1.5",   "\t2",  "2\t",  "1,5,2", "1.000,5", "e5",
      "E",    "1e5e",  "--1",   "+-1",   "1 2",   "abc",  "nan",  "inf",   "0x10",    "1e+-2",
      "1e999999", "- 1", "1,5 x", "١"};
  for (const char* t : ungueltig)
    EXPECT_EQ(Meldung([&] { ZahlStreng(t); }), std::string("'") + t + "' ist kein gültiger Gleitkommawert")
        << t;
}

TEST(ZahlStreng, RundetAuf64Bit) {
  // The value is the correctly rounded 64-bit float, not the extended one.
  EXPECT_EQ(ZahlStreng("17,93255"), 17.93255);
  EXPECT_EQ(ZahlStreng("-91,46"), -91.46);
  EXPECT_EQ(ZahlStreng("0,1"), 0.1);
}

TEST(ZahlStreng, JenseitsVon64BitIstEinUeberlauf) {
  for (const char* t : {"1e4000", "-1e309", "1,797693134862321E308", "1,7976931348623208E308"})
    EXPECT_EQ(Meldung([&] { ZahlStreng(t); }), Ueberlauf) << t;
}

TEST(Zahllesen, KnappUeberDemGroesstenWertLiestDiesen) {
  // The 15-digit text of the largest doubles lies above them; it and everything closer than
  // half a unit of the 15th digit reads back as the largest double, in both readers.
  const char* const faelle[] = {"1,79769313486232E308", "-1,79769313486232E308",
                                "1,79769313486232E+308", "1,7976931348623206E308", "1797693134862320e293"};
  for (const char* t : faelle) {
    const double erwartet = t[0] == '-' ? -DBL_MAX : DBL_MAX;
    EXPECT_EQ(ZahlStreng(t), erwartet) << t;
    EXPECT_EQ(ZahlAusText(t, 8), erwartet) << t;
  }
  for (const char* t : {"1,797693134862321E308", "-1,7976931348623208E308", "1,8E308"})
    EXPECT_EQ(ZahlAusText(t, 8), 8) << t;
  for (double x = DBL_MAX; x > 1.797693134862315E308; x = std::nextafter(x, 0.0))
    EXPECT_EQ(ZahlAusText(ZahlAlsText(x), 0), DBL_MAX) << ZahlAlsText(x);
}

TEST(ZahlStreng, ZuGrossFuerDenErweitertenBereichIstUngueltig) {
  EXPECT_EQ(Meldung([] { ZahlStreng("1e5000"); }), "'1e5000' ist kein gültiger Gleitkommawert");
  const std::string lang = "-" + std::string(5000, '9');
  EXPECT_EQ(Meldung([&] { ZahlStreng(lang); }), "'" + lang + "' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(ZahlStreng("0," + std::string(5000, '0') + "1"), 0);
}

TEST(ZahlAusText, PunktUndKommaWerdenBeideGelesen) {
  EXPECT_EQ(ZahlAusText("1.5", 0), 1.5);
  EXPECT_EQ(ZahlAusText("1,5", 0), 1.5);
  EXPECT_EQ(ZahlAusText("-3.25e-4", 0), -3.25e-4);
  EXPECT_EQ(ZahlAusText(".", 9), 0);
}

TEST(ZahlAusText, UnlesbaresGibtDieVorgabe) {
  EXPECT_EQ(ZahlAusText("abc", 7), 7);
  EXPECT_EQ(ZahlAusText(" 2 ", 0), 2);
  EXPECT_EQ(ZahlAusText("\t2", 0), 0);
  EXPECT_EQ(ZahlAusText("1e3", 0), 1000);
  EXPECT_EQ(ZahlAusText("1E", 0), 1);
  EXPECT_EQ(ZahlAusText(",", 0), 0);
  EXPECT_EQ(ZahlAusText("-", 5), 5);
  EXPECT_EQ(ZahlAusText("1,5,2", 3), 3);
  EXPECT_EQ(ZahlAusText("1.000,5", 3), 3);
  EXPECT_EQ(ZahlAusText("1,000.5", 3), 3);
}

TEST(ZahlAusText, EinWertGleichDerVorgabeWirdNochEinmalGelesen) {
  // "2" equals the default, the retry reads the same text again.
  EXPECT_EQ(ZahlAusText("2", 2), 2);
  EXPECT_EQ(ZahlAusText("0.0", 0), 0);
  EXPECT_TRUE(std::signbit(ZahlAusText("-0", 0)));
}

TEST(ZahlAusText, VersagtNieAufMuell) {
  const std::string muell[] = {
      "",
      std::string(10000, 'x'),
      std::string(10000, '1'),
      std::string("1\0002", 3),
      std::string(1, '\0'),
      "\xff\xfe\x80",
      "1e999999",
      "-1e999999",
      "1e-999999",
      "nan",
      "NAN",
      "inf",
      "-INF",
      std::string(5000, '7'),
      std::string(5000, ','),
      "1e" + std::string(5000, '9'),
  };
  for (const std::string& t : muell) {
    const double v = ZahlAusText(t, 42);
    EXPECT_TRUE(std::isfinite(v));
  }
  EXPECT_EQ(ZahlAusText(std::string(5000, '7'), 42), 42);
  EXPECT_EQ(ZahlAusText("1e999999", 42), 42);
  EXPECT_EQ(ZahlAusText("-1e-999999", 42), 0);
}

TEST(ZahlAusText, WerteJenseitsVon64BitGebenDieVorgabe) {
  EXPECT_EQ(ZahlAusText("1e400", 8), 8);
  EXPECT_EQ(ZahlAusText("1,7976931348623157e308", 8), DBL_MAX);
  EXPECT_EQ(ZahlAusText("1e-400", 8), 0);
}

TEST(ZahlAlsText, ZufaelligeWerteKommenAuf15StellenZurueck) {
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

} // namespace
