#include "Zahllesen.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// The parts of a text that matches the grammar, as views into it.
struct TZahlteile {
  bool negativ = false;
  std::string_view ganz;   // digits before the separator
  std::string_view bruch;  // digits after it
  long exponent = 0;       // saturated far beyond any representable magnitude
};

constexpr long ExponentGrenze = 1000000;

std::size_t Ziffernende(std::string_view s, std::size_t i) {
  while (i < s.size() && IstZiffer(s[i])) ++i;
  return i;
}

bool Zerlegen(std::string_view s, char trenner, TZahlteile& z) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) z.negativ = s[i++] == '-';
  const std::size_t start = i;
  i = Ziffernende(s, start);
  z.ganz = s.substr(start, i - start);
  if (i < s.size() && s[i] == trenner) {
    const std::size_t b = ++i;
    i = Ziffernende(s, b);
    z.bruch = s.substr(b, i - b);
  }
  if (i == start) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool expNegativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegativ = s[i++] == '-';
    for (; i < s.size() && IstZiffer(s[i]); ++i)
      z.exponent = std::min(z.exponent * 10 + (s[i] - '0'), ExponentGrenze);
    if (expNegativ) z.exponent = -z.exponent;
  }
  while (i < s.size() && s[i] == ' ') ++i;
  return i == s.size();
}

// Decimal magnitude of the value (position of its first significant digit relative to the
// decimal point, plus the exponent); only called for values that are out of range.
long Groessenordnung(const TZahlteile& z) {
  const auto erste = z.ganz.find_first_not_of('0');
  if (erste != std::string_view::npos) return static_cast<long>(z.ganz.size() - erste) + z.exponent;
  const auto ersteBruch = z.bruch.find_first_not_of('0');
  return -static_cast<long>(ersteBruch) + z.exponent;
}

// Converts the parts with the library's correctly rounded reader. Returns false when the
// value is beyond the range of T; an underflow gives a signed zero.
template <class T> bool Umwandeln(const TZahlteile& z, T& wert) {
  if (z.ganz.find_first_not_of('0') == std::string_view::npos &&
      z.bruch.find_first_not_of('0') == std::string_view::npos) {
    wert = z.negativ ? -T(0) : T(0);
    return true;
  }
  char kurz[96];
  std::vector<char> lang;
  const std::size_t bedarf = z.ganz.size() + z.bruch.size() + 16;
  char* p = kurz;
  if (bedarf > sizeof kurz) {
    lang.resize(bedarf);
    p = lang.data();
  }
  char* const anfang = p;
  if (z.negativ) *p++ = '-';
  if (z.ganz.empty()) *p++ = '0';
  p = std::copy(z.ganz.begin(), z.ganz.end(), p);
  if (!z.bruch.empty()) {
    *p++ = '.';
    p = std::copy(z.bruch.begin(), z.bruch.end(), p);
  }
  *p++ = 'e';
  p = std::to_chars(p, p + 12, z.exponent).ptr;
  const auto r = std::from_chars(anfang, p, wert);
  if (r.ec == std::errc::result_out_of_range) {
    if (Groessenordnung(z) > 0) return false;
    wert = z.negativ ? -T(0) : T(0);
  }
  return r.ec == std::errc() || r.ec == std::errc::result_out_of_range;
}

enum class TLesung { Gelesen, Ungueltig, Zugross };

// Half a unit of the 15th digit above the largest double: the general number text writes the
// largest doubles as "1,79769313486232E308", just above it, and such a text must read back.
const Extended GroessterLesbarer = static_cast<Extended>(DBL_MAX) + 5e293L;

// Reads a 64-bit value, correctly rounded from the text. A valid text whose value lies beyond
// the 64-bit range but within the extended one is "too large"; beyond that it is invalid.
TLesung Lesen(std::string_view text, char trenner, double& wert) {
  TZahlteile z;
  if (!Zerlegen(text, trenner, z)) return TLesung::Ungueltig;
  if (Umwandeln(z, wert)) return TLesung::Gelesen;
  Extended weit;
  if (!Umwandeln(z, weit)) return TLesung::Ungueltig;
  if (std::fabs(weit) >= GroessterLesbarer) return TLesung::Zugross;
  wert = weit < 0 ? -DBL_MAX : DBL_MAX;
  return TLesung::Gelesen;
}

} // namespace

double ZahlStreng(std::string_view text) {
  double wert;
  switch (Lesen(text, ',', wert)) {
  case TLesung::Gelesen: return wert;
  case TLesung::Zugross: Gleitkommafehler(TGleitkommaArt::Ueberlauf);
  case TLesung::Ungueltig: break;
  }
  throw TKonvertierungsFehler(std::string(text));
}

double ZahlAusText(std::string_view text, double vorgabe) {
  double wert;
  if (Lesen(text, ',', wert) != TLesung::Gelesen) wert = vorgabe;
  if (wert != vorgabe) return wert;
  // The retry swaps points and commas. Reading the original with the point as separator is
  // the same: with both characters present the swapped text holds two separators and is
  // invalid either way, and a text with commas only becomes one with points, which the
  // comma reader rejects, so it gives the default.
  if (text.find('.') == std::string_view::npos) return wert;
  return Lesen(text, '.', wert) == TLesung::Gelesen ? wert : vorgabe;
}
