#include "Abbildung.h"

#include "core/Gleitkomma.h"
#include "core/Statistik.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

TAbbildung Raender(uint16_t breite, uint16_t hoehe, bool beschriftet) {
  TAbbildung a;
  a.Breite = breite;
  a.Hoehe = hoehe;
  a.RandOben = 20;
  a.RandLinks = beschriftet ? static_cast<uint16_t>(std::max(0, std::min(120, std::min(hoehe - 20, breite - 20) / 2))) : 40;
  a.Feldbreite = a.Breite - a.RandLinks - a.RandOben;
  a.Feldhoehe = a.Hoehe - a.RandLinks - a.RandOben;
  return a;
}

void Achsengrenzen(TAbbildung& a, std::span<const double> x, std::span<const double> y, const TGrenzen& g) {
  a.Xmin = g.XminAn ? g.Xmin : MinWert(x);
  a.Xmax = g.XmaxAn ? g.Xmax : MaxWert(x);
  a.Ymin = g.YminAn ? g.Ymin : MinWert(y);
  a.Ymax = g.YmaxAn ? g.Ymax : MaxWert(y);
}

TAchsenmass Achsenmass(const TAbbildung& a, TAchse achse) {
  if (achse == TAchse::X) return {a.Xmin, a.Xmax, a.Feldbreite, a.RandLinks, 1};
  return {a.Ymin, a.Ymax, a.Feldhoehe, a.Hoehe - a.RandLinks, -1};
}

namespace {

// The pixel of v on the axis; the offset is 0 for a range of 0 and whenever the pixel would
// not be a 32-bit integer (non-finite or far-away values).
int32_t Pixel(const TAchsenmass& m, double v) {
  if (m.Max == m.Min) return m.Anfang;
  const Extended s = RundeNaechste((static_cast<Extended>(v) - m.Min) * m.Feld /
                                   (static_cast<Extended>(m.Max) - m.Min));
  const Extended p = m.Anfang + m.Richtung * s;
  if (!(p >= std::numeric_limits<int32_t>::min() && p <= std::numeric_limits<int32_t>::max()))
    return m.Anfang;
  return static_cast<int32_t>(RundeGanz(p));
}

} // namespace

TPixel WeltZuPixel(const TAbbildung& a, double x, double y) {
  return {Pixel(Achsenmass(a, TAchse::X), x), Pixel(Achsenmass(a, TAchse::Y), y)};
}

namespace {

// The world values of pixel positions, in extended precision so that ranges spanning most of
// the 64-bit range do not overflow on the way.
Extended WeltX(const TAbbildung& a, int32_t px) {
  return (static_cast<Extended>(a.Xmax) - a.Xmin) * (px - a.RandLinks) / a.Feldbreite + a.Xmin;
}

Extended WeltY(const TAbbildung& a, int32_t py) {
  return a.Ymax - (static_cast<Extended>(a.Ymax) - a.Ymin) * (py - a.RandOben) / a.Feldhoehe;
}

} // namespace

TWeltpunkt PixelZuWelt(const TAbbildung& a, TPixel p) {
  return {AlsDouble(WeltX(a, p.x)), AlsDouble(WeltY(a, p.y))};
}

bool ImZeichenfeld(const TAbbildung& a, TPixel p) {
  return p.x >= a.RandLinks && p.x <= a.Breite - a.RandOben && p.y >= a.RandOben && p.y <= a.Hoehe - a.RandLinks;
}

bool ImBild(const TAbbildung& a, TPixel p) { return p.x >= 0 && p.x < a.Breite && p.y >= 0 && p.y < a.Hoehe; }

TSkalenschritt Skalenschritt(double d) {
  if (!(d > 0) || !std::isfinite(d)) return {}; // no range, no steps
  double s = std::max(1.0, std::pow(10.0, std::floor(std::log10(std::fabs(d)))));
  double n = std::floor(std::fabs(d / s));
  while (n <= 4) {
    s = n <= 2 ? s / 5 : s / 2;
    if (!(s > 0)) return {}; // a range of a few subnormal steps has no step
    n = std::floor(d / s);
  }
  return {s, n};
}

namespace {

// Tick values f - k·s from the largest multiple of s not above the maximum, down to the first
// below the lower bound, at most Round(n) + 3 of them.
template <class Pixel>
std::vector<TSkalenstrich> Gleichmaessig(double lo, double hi, double untergrenze, Pixel pixel) {
  std::vector<TSkalenstrich> striche;
  if (!(hi > lo) || !std::isfinite(hi - lo)) return striche;
  const TSkalenschritt s = Skalenschritt(hi - lo);
  // A range of a few subnormal steps has no usable step: no ticks rather than endless ones.
  if (!(s.Schritt > 0)) return striche;
  const double erster = std::floor(hi / s.Schritt) * s.Schritt;
  const double letzter = std::nearbyint(s.Anzahl) + 2;
  if (!std::isfinite(erster) || !std::isfinite(letzter)) return striche;
  for (double k = 0; k <= letzter; ++k) {
    const double wert = erster - k * s.Schritt;
    if (wert < untergrenze) break;
    striche.push_back({wert, pixel(wert)});
  }
  return striche;
}

} // namespace

std::vector<TSkalenstrich> Striche(const TAbbildung& a, TAchse achse, bool gleichmaessig) {
  const TAchsenmass m = Achsenmass(a, achse);
  std::vector<TSkalenstrich> striche;
  if (gleichmaessig) {
    const double untergrenze = achse == TAchse::X ? m.Min : m.Min - 0.1 * (m.Max - m.Min);
    striche = Gleichmaessig(m.Min, m.Max, untergrenze, [&](double w) { return Pixel(m, w); });
  } else {
    for (int i = 0; i < 8; ++i)
      striche.push_back({0, m.Pixel(static_cast<int32_t>(std::nearbyint(m.Feld * i / 7.0)))});
  }
  for (TSkalenstrich& s : striche)
    s.Wert = AlsDouble(achse == TAchse::X ? WeltX(a, s.Pixel) : WeltY(a, s.Pixel));
  return striche;
}
