#include "Zahlformat.h"

#include "Gleitkomma.h"
#include "Statistik.h"
#include "Zahltext.h"
#include "Dezimalstellen.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Genauigkeit = 10;

// The decimal digits of |v| rounded to ten significant digits: digits d1..d10 and the
// exponent e with |v| = 0.d1d2...d10 × 10^e.
struct TDezimal {
  std::string ziffern;
  int e = 0;
};

TDezimal Zehnstellig(double betrag) {
  const TDezimalstellen s = Signifikant(betrag, Genauigkeit);
  return {std::string(s.ziffern, static_cast<std::size_t>(s.anzahl)), s.e};
}

// Fixed point with the given decimal places, rounded once, half away from zero, at the
// decimal places or at the tenth significant digit, whichever comes first (the digits after
// that are zeros). The exact binary value is read with enough digits beyond the cut that a
// tie and a value next to it stay apart.
std::string Festkomma(double betrag, int kommastellen, bool negativ) {
  std::vector<char> puffer(static_cast<std::size_t>(kommastellen) + 360);
  const auto ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), betrag,
                                  std::chars_format::fixed, kommastellen + 25).ptr;
  std::string ziffern(puffer.data(), ende);
  const std::size_t punkt = ziffern.find('.');
  std::string ganz = ziffern.substr(0, punkt);
  std::string bruch = ziffern.substr(punkt + 1);
  int schnitt = kommastellen;
  if (ganz != "0") {
    schnitt = std::min(schnitt, Genauigkeit - static_cast<int>(ganz.size()));
  } else {
    const std::size_t fuehrend = bruch.find_first_not_of('0');
    if (fuehrend != std::string::npos) schnitt = std::min(schnitt, static_cast<int>(fuehrend) + Genauigkeit);
  }
  std::string stellen = ganz + bruch.substr(0, static_cast<std::size_t>(schnitt));
  if (bruch[static_cast<std::size_t>(schnitt)] >= '5') {
    std::size_t i = stellen.size();
    while (i > 0 && stellen[i - 1] == '9') stellen[--i] = '0';
    if (i == 0) stellen.insert(stellen.begin(), '1');
    else ++stellen[i - 1];
  }
  stellen.append(static_cast<std::size_t>(kommastellen - schnitt), '0');
  const std::size_t vorne = stellen.size() - static_cast<std::size_t>(kommastellen);
  std::string text = stellen.substr(0, vorne);
  if (kommastellen > 0) text += "," + stellen.substr(vorne);
  const bool null = stellen.find_first_not_of('0') == std::string::npos;
  return (negativ && !null ? "-" : "") + text;
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

// 10^-n as the double a user gets by typing it ("1e-7"), correctly rounded.
double ZehnHochMinus(int n) {
  const std::string text = "1e-" + std::to_string(n);
  double wert = 0;
  std::from_chars(text.data(), text.data() + text.size(), wert);
  return wert;
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
  // The written mantissa stays below 10 (9,996 with two places is 1,00 of the next power, and
  // 10^-7 scaled in binary comes out as 9,99...e-8). From 10 places on the mantissa is not
  // rounded, and its 15-digit text can still read "10".
  double gerundet = RundeAuf(static_cast<double>(m), kommastellen);
  std::string mantisse = ZahlAlsText(gerundet);
  if (std::fabs(gerundet) >= 10 || mantisse == "10" || mantisse == "-10") {
    mantisse = ZahlAlsText(RundeAuf(gerundet / 10, kommastellen));
    ++e;
  }
  return mantisse + "e" + std::to_string(e);
}

} // namespace

std::string ZahlFormatiert(double wert, TZahlformat format) {
  if (format.Frei || !std::isfinite(wert)) return ZahlAlsText(wert);
  if (wert == 0)
    return format.Kommastellen == 0 ? "0" : "0," + std::string(format.Kommastellen, '0');
  const TDezimal d = Zehnstellig(std::fabs(wert));
  std::string text = d.e > Genauigkeit ? Exponentform(d, format.Kommastellen, wert < 0)
                                       : Festkomma(std::fabs(wert), format.Kommastellen, wert < 0);
  // The bounds as the 64-bit values a user types (0,0001 is 10^-4), from 10^Stellen in
  // extended precision, which holds far more than the two-digit field allows.
  const Extended grenze = std::pow(10.0L, static_cast<Extended>(format.Stellen));
  const double oben = grenze > DBL_MAX ? HUGE_VAL : static_cast<double>(grenze);
  const double unten = ZehnHochMinus(format.Stellen);
  if (std::fabs(wert) >= oben || std::fabs(wert) <= unten) text = Wissenschaftlich(wert, format.Kommastellen);
  return text;
}
