#include "Zahltext.h"

#include "Dezimalstellen.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The value rounded to 15 significant digits as 0.d1d2...dk x 10^e, k <= 15, dk != 0.
using TZiffern = TDezimalstellen;

void OhneEndnullen(TZiffern& z) {
  while (z.anzahl > 1 && z.ziffern[z.anzahl - 1] == '0') --z.anzahl;
}

// Exact for every value, through the library's correctly rounded conversion; a value that is
// a 64-bit float takes its faster double overload.
TZiffern GenauRunden(Extended betrag) {
  const bool istDouble = betrag <= DBL_MAX && static_cast<double>(betrag) == betrag;
  TZiffern z = istDouble ? Signifikant(static_cast<double>(betrag), 15) : Signifikant(betrag, 15);
  OhneEndnullen(z);
  return z;
}

// Powers of ten that extended precision holds exactly (5^27 < 2^64).
constexpr int ExakteZehnerpotenzen = 28;
constexpr auto Zehnerpotenzen = [] {
  std::array<Extended, ExakteZehnerpotenzen> t{};
  Extended p = 1;
  for (Extended& v : t) {
    v = p;
    p *= 10;
  }
  return t;
}();

// The fast way for magnitudes from 1E-12 to below 1E42: scale to 15 integer digits with one
// exact power of ten, so that the scaled value carries a single rounding (relative 2^-64,
// below 6E-5 absolute), and round it. Values that close to a tie are left to GenauRunden.
bool SchnellRunden(Extended betrag, TZiffern& z) {
  if (!(betrag >= 1e-12L && betrag < 1e42L)) return false;
  // From the binary exponent: never too large, at most one too small.
  const int zweier = static_cast<int>(std::bit_cast<uint64_t>(static_cast<double>(betrag)) >> 52) - 1023;
  int e10 = static_cast<int>(std::floor(zweier * 0.301029995663981195));
  for (int versuch = 0; versuch < 2; ++versuch, ++e10) {
    const int p = 14 - e10;
    if (p <= -ExakteZehnerpotenzen || p >= ExakteZehnerpotenzen) return false;
    const Extended y = p >= 0 ? betrag * Zehnerpotenzen[p] : betrag / Zehnerpotenzen[-p];
    if (y >= 1e15L) continue;
    auto n = static_cast<uint64_t>(std::llrint(y)); // to nearest in the default rounding mode
    if (0.5L - std::fabs(y - n) < 1e-4L) return false;
    if (n == 1000000000000000u) {
      n /= 10;
      ++e10;
    }
    for (int i = 14; i >= 0; --i, n /= 10) z.ziffern[i] = static_cast<char>('0' + n % 10);
    z.anzahl = 15;
    OhneEndnullen(z);
    z.e = e10 + 1;
    return true;
  }
  return false;
}

TZiffern ZerlegeSignifikant(Extended betrag) {
  TZiffern z{};
  return SchnellRunden(betrag, z) ? z : GenauRunden(betrag);
}

// Longest text: sign, 15 digits, "0,000" before them, "E" and a five-character exponent.
struct TPuffer {
  char zeichen[40];
  char* ende = zeichen;

  void Zeichen(char c) { *ende++ = c; }
  void Folge(const char* p, int n) { ende = std::copy(p, p + n, ende); }
  void Nullen(int n) { ende = std::fill_n(ende, n, '0'); }
  std::string Text() const { return std::string(zeichen, static_cast<std::size_t>(ende - zeichen)); }
};

void Wissenschaftlich(TPuffer& s, const TZiffern& z) {
  s.Zeichen(z.ziffern[0]);
  if (z.anzahl > 1) {
    s.Zeichen(',');
    s.Folge(z.ziffern + 1, z.anzahl - 1);
  }
  s.Zeichen('E');
  s.ende = std::to_chars(s.ende, s.zeichen + sizeof s.zeichen, z.e - 1).ptr;
}

void Festkomma(TPuffer& s, const TZiffern& z) {
  if (z.e <= 0) {
    s.Folge("0,", 2);
    s.Nullen(-z.e);
    s.Folge(z.ziffern, z.anzahl);
  } else if (z.anzahl <= z.e) {
    s.Folge(z.ziffern, z.anzahl);
    s.Nullen(z.e - z.anzahl);
  } else {
    s.Folge(z.ziffern, z.e);
    s.Zeichen(',');
    s.Folge(z.ziffern + z.e, z.anzahl - z.e);
  }
}

} // namespace

std::string ZahlAlsText(Extended wert) {
  if (std::isnan(wert)) return "NAN";
  if (std::isinf(wert)) return wert > 0 ? "INF" : "-INF";
  if (wert == 0) return "0";
  TPuffer s;
  if (wert < 0) s.Zeichen('-');
  const TZiffern z = ZerlegeSignifikant(std::fabs(wert));
  if (z.e > 15 || z.e < -3)
    Wissenschaftlich(s, z);
  else
    Festkomma(s, z);
  return s.Text();
}

std::string VierStellenText(double wert) {
  const Extended skaliert = RundeNaechste(static_cast<Extended>(wert) * 10000);
  if (!IstGanz(skaliert)) return ZahlAlsText(wert);
  const int64_t n = RundeGanz(skaliert);
  // The magnitude as unsigned, so that the smallest 64-bit integer needs no negation.
  const uint64_t betrag = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  std::string s = n < 0 ? "-" : "";
  s += std::to_string(betrag / 10000);
  uint64_t bruch = betrag % 10000;
  if (bruch != 0) {
    int stellen = 4;
    while (bruch % 10 == 0) {
      bruch /= 10;
      --stellen;
    }
    const std::string b = std::to_string(bruch);
    s += ',';
    s.append(stellen - b.size(), '0');
    s += b;
  }
  return s;
}
