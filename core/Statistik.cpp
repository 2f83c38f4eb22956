#include "Statistik.h"

#include "Spezialfunktionen.h"

#include <cmath>
#include <vector>

double MaxWert(TReihe a) {
  if (a.empty()) return 0;
  double r = a[0];
  for (const double v : a) r = r > v ? r : v;
  return r;
}

double MinWert(TReihe a) {
  if (a.empty()) return 0;
  double r = a[0];
  for (const double v : a) r = r < v ? r : v;
  return r;
}

double BetragMax(TReihe a) { return std::max(std::fabs(MaxWert(a)), std::fabs(MinWert(a))); }

int32_t MaxStelle(TReihe a) {
  if (a.empty()) return -1;
  int32_t stelle = 0;
  double r = MinWert(a);
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] > r) {
      stelle = static_cast<int32_t>(i);
      r = a[i];
    }
  return stelle;
}

int32_t MinStelle(TReihe a) {
  if (a.empty()) return -1;
  int32_t stelle = 0;
  double r = MaxWert(a);
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] < r) {
      stelle = static_cast<int32_t>(i);
      r = a[i];
    }
  return stelle;
}

double Summe(TReihe a) {
  double s = 0;
  for (const double v : a) s = AlsDouble(static_cast<Extended>(s) + v);
  return s;
}

double Produkt(TReihe a) {
  double p = 1;
  for (const double v : a) p = AlsDouble(static_cast<Extended>(p) * v);
  return p;
}

double Mittelwert(TReihe a) {
  if (a.empty()) return 0;
  return AlsDouble(static_cast<Extended>(Summe(a)) / a.size());
}

double MittelwertArt(TReihe a, uint8_t art) {
  switch (art) {
  case Mittelwertart::Arithmetisch:
    return Mittelwert(a);
  case Mittelwertart::Geometrisch:
    if (a.empty()) return 0;
    return AlsDouble(Hoch(std::fabs(Produkt(a)), 1.0L / a.size()));
  default:
    return 0;
  }
}

double Standardabweichung(TReihe a) {
  const Extended mittel = Mittelwert(a);
  std::vector<double> quadrate(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) quadrate[i] = AlsDouble(Hoch(a[i] - mittel, 2));
  return AlsDouble(std::sqrt(static_cast<Extended>(Mittelwert(quadrate))));
}

double MittlereSchrittweite(TReihe a) {
  if (a.size() < 2) return 0;
  return AlsDouble((static_cast<Extended>(MaxWert(a)) - MinWert(a)) / (a.size() - 1));
}

double Betragspotenzsumme(TReihe a, double p) {
  double s = 0;
  for (const double v : a) s = AlsDouble(s + Hoch(std::fabs(v), std::fabs(p)));
  return s;
}

uint8_t Stellenzahl(uint32_t z) {
  uint8_t k = 0;
  while (z >= Hoch(10, k)) ++k;
  return k;
}

double RundeAuf(double x, uint8_t stellen) {
  if (stellen >= 10) return x;
  int64_t p = 1;
  for (uint8_t i = 0; i < stellen; ++i) p *= 10;
  // A scaled value without a 64-bit whole number (also NaN) is returned unchanged; checked
  // here rather than caught, since long columns of huge values would otherwise throw per line.
  const Extended ganz = RundeNaechste(static_cast<Extended>(x) * p);
  if (!IstGanz(ganz)) return x;
  return static_cast<double>(static_cast<Extended>(RundeGanz(ganz)) / p); // a whole 0 has no sign
}

double WertFalls(bool bedingung, double x) { return bedingung ? x : 0; }
