#include "OperationsHilfen.h"

#include "operations/Zahlentheorie.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

namespace {

const char* const NurGanze = "Nur ganze Zahlen von 0 bis 9223372036854775807 können umgerechnet werden";
const char* const Basis2Bis36 = "Die Basis muss zwischen 2 und 36 liegen";

TEST(Zahlensystem, UmrechnungInAndereBasenUndRoutinen) {
  const std::tuple<std::string, uint8_t, std::string> faelle[] = {
      {"4096", 16, "1000"}, {"35", 36, "Z"},      {"007", 10, "7"},         {"1222", 36, "XY"},
      {"9223372036854775807", 16, "7FFFFFFFFFFFFFFF"},
      // Powers of the base, where a logarithm quotient falls just short of the exponent.
      {"243", 3, "100000"}, {"1000", 10, "1000"},
      {"1A", 10, "20"}, // letters are digits in every base
  };
  for (const auto& [text, basis, erwartet] : faelle) {
    TZiffern dezimal, neu;
    TextZuZiffern(text, 10, dezimal);
    Umrechnen(dezimal, basis, neu);
    std::string aus;
    ZiffernZuText(neu, aus);
    EXPECT_EQ(aus, erwartet) << text << " zur Basis " << int(basis);
  }
  const std::tuple<uint8_t, int64_t, int> stellen[] = {
      {10, 0, 0}, {10, 999, 2}, {10, 1000, 3}, {2, 9223372036854775807, 62},
      {255, 9223372036854775807, 7}, {0, 0, 0}};
  for (const auto& [basis, wert, k] : stellen)
    EXPECT_EQ(HoechsteStelle(basis, wert), k) << int(basis) << " " << wert;
  EXPECT_EQ((std::array{GanzzahlPotenz(3, 0), GanzzahlPotenz(-2, 3), GanzzahlPotenz(10, 18)}),
            (std::array<int64_t, 3>{1, -8, 1000000000000000000}));
  TZiffern z;
  TextZuZiffern("9223372036854775808", 10, z);
  EXPECT_EQ(Meldung([&] { ZiffernZuZahl(z); }), NurGanze);
  TextZuZiffern(std::string(300, '9'), 10, z); // only 256 digits fit
  EXPECT_EQ(z.Stellen[255], 9);
  std::string text;
  TZiffern gross{};
  gross.Stellen[0] = 40;
  ZiffernZuText(gross, text);
  EXPECT_EQ(text, "?");
}

TEST(Zahlensystem, OperationMitBeidenSpaltenUngueltigeBasenUndZeilen) {
  Schritte(Modell({"255", "0", ""}, {"16"}), {{Art::Zahlensystem, 16, false, {"FF", "0", "0"}, {"10"}}});
  Schritte(Modell({"9", "5", "0"}), {{Art::Zahlensystem, 2, false, {"1001", "101", "0"}}});
  TSpaltenModell m = Modell({"0", "5"});
  // Below 2, and not a number at all: the division fault at the first line above 0.
  for (const double basis : {1.4, 1.0, 0.0, -254.0, -HUGE_VAL, std::nan("")})
    m = Schritte(m, {{Art::Zahlensystem, basis, false, {"0"}, Beliebig, DivisionDurchNull}});
  m = Schritte(m, {{Art::Zahlensystem, 37, false, {}, Beliebig, Basis2Bis36}});
  // Not wrapped to a byte: 272 would otherwise be read as base 16, 256 as 0.
  for (const double basis : {36.5000001, 256.0, 272.0, 1e300, HUGE_VAL})
    m = Schritte(m, {{Art::Zahlensystem, basis, false, Beliebig, Beliebig, Basis2Bis36}});
  for (const std::string zeile : {"-5", "2,5", "1e3", "ff", " 7", "99999999999999999999"})
    Schritte(Modell({"3", zeile}), {{Art::Zahlensystem, 2, false, {"11"}, Beliebig, NurGanze}});
  Schritte(Modell({std::string(257, '0')}), {{Art::Zahlensystem, 2, false, Beliebig, Beliebig, NurGanze}});
}

TEST(Quersumme, EineStufeUndGammaBinomialFakultaetUeberDieArrays) {
  const std::pair<int64_t, int32_t> faelle[] = {
      {485, 17}, {-485, 17}, {0, 0}, {287, 17}, {INT64_MIN, 89}};
  for (const auto& [n, summe] : faelle) EXPECT_EQ(Quersumme(n), summe) << n;
  TSpaltenModell m = Modell({"485", "-485", "0", "2,6", "4294967296", "1E19"});
  m = Schritte(m, {{Art::Quersumme, 0, false, {}, Beliebig, Ungueltig}});
  m.Spalte(1).pop_back();
  Schritte(m, {{Art::Quersumme, 0, false, {"17", "17", "0", "3", "58"}}});
  const TSpaltenModell b = Schritte(Modell({"5", "3", "4,5"}, {"2", "5", "2"}),
                                    {{Art::Binomialkoeffizient, 0, false, {"10", "0", "7,8739"}}});
  EXPECT_EQ(b.Spalte(4)[0], "0,1");
  EXPECT_EQ(b.Spalte(4)[1], "0");
  Schritte(Modell({"5", "0", "-1"}), {{Art::Fakultaet, 0, false, {"120", "1", "0"}},
                                      {Art::GammaFunktion, 0, false, {"24", "0", "0"}}});
  Schritte(Modell({"200,5"}), {{Art::GammaFunktion, 0, false, Beliebig, Beliebig, Ueberlauf}});
}

} // namespace
