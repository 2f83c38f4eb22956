#include "Startwerte.h"

#include "Fit.h"

#include "core/Fehler.h"
#include "core/Statistik.h"
#include "operations/Arrayoperationen.h"

#include <cmath>

namespace {

struct TMerkmale {
  double ymax, ymin, xBeiYmax, xBeiYmin;
  int richtung; // -1 when the data fall from left to right
};

TMerkmale Merkmale(std::span<const double> x, std::span<const double> y) {
  TMerkmale m{};
  m.ymax = MaxWert(y);
  m.ymin = MinWert(y);
  // The x values at the extremes; an x series shorter than y has none there.
  const auto xBei = [&](int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < x.size() ? x[i] : 0.0; };
  m.xBeiYmax = xBei(MaxStelle(y));
  m.xBeiYmin = xBei(MinStelle(y));
  m.richtung = m.xBeiYmin > m.xBeiYmax ? -1 : 1;
  return m;
}

// The frequency estimate: half the number of extrema per x range of the compacted copy.
double Frequenz(std::span<const double> x, std::span<const double> y) {
  TVektor xs(x.begin(), x.end()), ys(y.begin(), y.end());
  TOperation op;
  OperationSetzen(19, false, op, 0);
  const int32_t k = PaarOperation(xs, ys, op).X;
  const double r = MaxWert(xs) - MinWert(xs);
  return r != 0 && k != 0 ? (k / 2.0) / r : r;
}

} // namespace

TKoeffizienten StartwerteSchaetzen(std::span<const double> x, std::span<const double> y, uint8_t modell,
                                   const TIndexmenge& fix) {
  TKoeffizienten k;
  k.Werte.fill(1);
  k.Fix = fix;
  if (x.empty() || y.empty()) return k;
  [[maybe_unused]] auto& [a, b, c, d, e, f, g, h] = k.Werte;
  const TMerkmale m = Merkmale(x, y);
  const auto gauss = [&] {
    a = m.ymax;
    b = Mittelwert(x);
    c = (m.xBeiYmax - m.xBeiYmin) * (m.xBeiYmax - m.xBeiYmin) / 4;
  };
  switch (modell) {
  case 2: a = m.ymax - m.ymin; b = m.richtung; c = m.ymin; break;
  case 3: gauss(); break;
  case 4: c = m.ymin; break;
  case 6: a = Mittelwert(y); b = (m.ymax - m.ymin) / 2; c = Frequenz(x, y); break;
  case 7: a = m.ymin; break;
  case 8: d = m.ymin; break;
  case 9:
    e = m.ymin;
    b = m.richtung;
    a = m.richtung < 0 ? m.ymax : m.ymin;
    break;
  case 10:
    e = m.ymin;
    b = d = m.richtung;
    (m.richtung < 0 ? a : c) = m.ymax / 2;
    break;
  case 12: a = m.ymax - m.ymin; c = m.ymin; d = (MaxWert(x) - MinWert(x)) * (m.ymax - m.ymin); break;
  case 13:
    gauss();
    e = Standardabweichung(x);
    g = m.ymin;
    d = m.ymax - Standardabweichung(y);
    f = c / 2;
    break;
  case 14: d = m.ymin; break;
  case 15: c = (m.ymax - m.ymin) / 2; d = m.ymin; a = Frequenz(x, y); break;
  case 17: a = (m.xBeiYmax - m.xBeiYmin) / 2; b = 1; c = 2; d = m.ymin; break;
  default: break;
  }
  return k;
}

uint8_t Bestes(std::span<const double> x, std::span<const double> y, const TFitParameter& parameter) {
  uint8_t bestes = 0;
  long double kleinste = 0;
  TFitVorgabe v;
  for (uint8_t modell = 1; modell <= Modellanzahl; ++modell) {
    v.Modell = modell;
    try {
      const long double summe = Quadratsumme(x, y, Fit(x, y, v, parameter));
      if (!std::isnan(summe) && (bestes == 0 || summe < kleinste)) {
        bestes = modell;
        kleinste = summe;
      }
    } catch (const TQuarnFehler&) {
      // This model failed; the others still compete.
    }
  }
  return bestes;
}
