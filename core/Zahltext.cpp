#include "Zahltext.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The value rounded to 15 significant digits as 0.d1d2...dk x 10^e, k <= 15, dk != 0.
struct TZiffern {
  char ziffern[16];
  int anzahl;
  int e;
};

TZiffern ZerlegeSignifikant(Extended betrag) {
  // d.dddddddddddddde+XXXX; a value that is a 64-bit float takes the faster double path,
  // and both round the exact binary value correctly.
  char puffer[48];
  const bool istDouble = betrag <= DBL_MAX && static_cast<double>(betrag) == betrag;
  const auto ende = istDouble
                        ? std::to_chars(puffer, puffer + sizeof puffer, static_cast<double>(betrag),
                                        std::chars_format::scientific, 14).ptr
                        : std::to_chars(puffer, puffer + sizeof puffer, betrag,
                                        std::chars_format::scientific, 14).ptr;
  TZiffern z{};
  z.ziffern[0] = puffer[0];
  std::memcpy(z.ziffern + 1, puffer + 2, 14);
  z.anzahl = 15;
  while (z.anzahl > 1 && z.ziffern[z.anzahl - 1] == '0') --z.anzahl;
  const char* exp = puffer + 17; // the exponent's sign after "d.dddddddddddddde"
  int e10 = 0;
  std::from_chars(exp + (*exp == '+' ? 1 : 0), ende, e10);
  z.e = e10 + 1;
  return z;
}

void Wissenschaftlich(std::string& s, const TZiffern& z) {
  s += z.ziffern[0];
  if (z.anzahl > 1) {
    s += ',';
    s.append(z.ziffern + 1, z.anzahl - 1);
  }
  s += 'E';
  s += std::to_string(z.e - 1);
}

void Festkomma(std::string& s, const TZiffern& z) {
  if (z.e <= 0) {
    s += "0,";
    s.append(-z.e, '0');
    s.append(z.ziffern, z.anzahl);
    return;
  }
  if (z.anzahl <= z.e) {
    s.append(z.ziffern, z.anzahl);
    s.append(z.e - z.anzahl, '0');
    return;
  }
  s.append(z.ziffern, z.e);
  s += ',';
  s.append(z.ziffern + z.e, z.anzahl - z.e);
}

} // namespace

std::string ZahlAlsText(Extended wert) {
  if (std::isnan(wert)) return "NAN";
  if (std::isinf(wert)) return wert > 0 ? "INF" : "-INF";
  if (wert == 0) return "0";
  std::string s;
  if (wert < 0) s += '-';
  const TZiffern z = ZerlegeSignifikant(std::fabs(wert));
  if (z.e > 15 || z.e < -3)
    Wissenschaftlich(s, z);
  else
    Festkomma(s, z);
  return s;
}

std::string VierStellenText(double wert) {
  const Extended skaliert = std::nearbyint(static_cast<Extended>(wert) * 10000);
  if (!IstGanz(skaliert)) return ZahlAlsText(wert);
  const int64_t n = static_cast<int64_t>(skaliert);
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
