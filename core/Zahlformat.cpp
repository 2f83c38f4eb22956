#include "Zahlformat.h"

#include "Gleitkomma.h"
#include "Statistik.h"
#include "Zahltext.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int Genauigkeit = 10;

// The decimal digits of |v| rounded to ten significant digits: digits d1..d10 and the
// exponent e with |v| = 0.d1d2...d10 × 10^e.
struct TDezimal {
  std::string ziffern;
  int e = 0;
};

TDezimal Zehnstellig(double betrag) {
  char puffer[40];
  const auto ende =
      std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, Genauigkeit - 1).ptr;
  TDezimal d;
  d.ziffern += puffer[0];
  d.ziffern.append(puffer + 2, Genauigkeit - 1);
  const char* exp = puffer + Genauigkeit + 2; // after "d.ddddddddde"
  int e10 = 0;
  std::from_chars(exp + (*exp == '+' ? 1 : 0), ende, e10);
  d.e = e10 + 1;
  return d;
}

// Fixed point: the ten digits rounded half away from zero to the decimal places.
std::string Festkomma(const TDezimal& d, int kommastellen, bool negativ) {
  const int behalten = d.e + kommastellen; // how many of the digits stand before the cut
  std::string ganz; // all digits up to the cut, possibly with leading zeros
  if (behalten <= 0) {
    ganz = "0";
    const bool aufrunden = behalten == 0 && d.ziffern[0] >= '5';
    if (aufrunden) ganz = "1";
  } else {
    for (int i = 0; i < behalten; ++i) ganz += i < Genauigkeit ? d.ziffern[static_cast<std::size_t>(i)] : '0';
    if (behalten < Genauigkeit && d.ziffern[static_cast<std::size_t>(behalten)] >= '5') {
      int i = static_cast<int>(ganz.size()) - 1;
      while (i >= 0 && ganz[static_cast<std::size_t>(i)] == '9') ganz[static_cast<std::size_t>(i--)] = '0';
      if (i < 0) ganz.insert(ganz.begin(), '1');
      else ++ganz[static_cast<std::size_t>(i)];
    }
  }
  if (static_cast<int>(ganz.size()) <= kommastellen) ganz.insert(0, static_cast<std::size_t>(kommastellen + 1) - ganz.size(), '0');
  std::string vorne = ganz.substr(0, ganz.size() - static_cast<std::size_t>(kommastellen));
  const std::string hinten = ganz.substr(ganz.size() - static_cast<std::size_t>(kommastellen));
  const bool null = vorne.find_first_not_of('0') == std::string::npos && hinten.find_first_not_of('0') == std::string::npos;
  std::string text = (negativ && !null) ? "-" : "";
  text += vorne;
  if (kommastellen > 0) text += "," + hinten;
  return text;
}

// Exponent form of ten significant digits: d,dddddddddE+xx.
std::string Exponentform(const TDezimal& d, int kommastellen, bool negativ) {
  std::string text = negativ ? "-" : "";
  text += d.ziffern[0];
  text += ',';
  text += d.ziffern.substr(1);
  const int e = d.e - 1;
  text += e < 0 ? "E-" : "E+";
  std::string exp = std::to_string(std::abs(e));
  const int mindestens = std::clamp(kommastellen, 2, 4);
  if (static_cast<int>(exp.size()) < mindestens) exp.insert(0, static_cast<std::size_t>(mindestens) - exp.size(), '0');
  return text + exp;
}

std::string Wissenschaftlich(double wert, uint8_t kommastellen) {
  long double m = wert;
  int e = 0;
  while (!(std::fabs(m) >= 1 && std::fabs(m) < 10)) {
    if (std::fabs(m) < 1) {
      m *= 10;
      --e;
    } else {
      m /= 10;
      ++e;
    }
  }
  return ZahlAlsText(RundeAuf(static_cast<double>(m), kommastellen)) + "e" + std::to_string(e);
}

} // namespace

std::string ZahlFormatiert(double wert, TZahlformat format) {
  if (format.Frei || !std::isfinite(wert)) return ZahlAlsText(wert);
  if (wert == 0)
    return format.Kommastellen == 0 ? "0" : "0," + std::string(format.Kommastellen, '0');
  const TDezimal d = Zehnstellig(std::fabs(wert));
  std::string text = d.e > Genauigkeit ? Exponentform(d, format.Kommastellen, wert < 0)
                                       : Festkomma(d, format.Kommastellen, wert < 0);
  // The bounds as the 64-bit values a user types (0,0001 is 10^-4), from 10^Stellen in
  // extended precision, which holds far more than the two-digit field allows.
  const Extended grenze = std::pow(10.0L, static_cast<Extended>(format.Stellen));
  const double oben = grenze > DBL_MAX ? HUGE_VAL : static_cast<double>(grenze);
  const auto unten = static_cast<double>(1 / grenze);
  if (std::fabs(wert) >= oben || std::fabs(wert) <= unten) text = Wissenschaftlich(wert, format.Kommastellen);
  return text;
}
