// The significant decimal digits of a positive value, through the library's correctly
// rounded conversion, for the number texts and the number formats alike.
#pragma once

#include <charconv>
#include <cstring>

// |v| = 0.d1 d2 ... dn × 10^e.
struct TDezimalstellen {
  char ziffern[20];
  int anzahl;
  int e;
};

// The value rounded to n significant digits, 2 ≤ n ≤ 18; T is double or long double.
template <class T> TDezimalstellen Signifikant(T betrag, int n) {
  char puffer[64]; // d.ddd…de+XXXX
  const char* ende = std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, n - 1).ptr;
  TDezimalstellen d{};
  d.ziffern[0] = puffer[0];
  std::memcpy(d.ziffern + 1, puffer + 2, static_cast<std::size_t>(n - 1));
  d.anzahl = n;
  const char* exp = puffer + n + 2; // the exponent's sign after "d.ddd…de"
  int e10 = 0;
  std::from_chars(exp + (*exp == '+' ? 1 : 0), ende, e10);
  d.e = e10 + 1;
  return d;
}
