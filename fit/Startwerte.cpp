#include "Startwerte.h"

#include "Fit.h"

#include "core/Fehler.h"
#include "core/Gleitkomma.h"
#include "core/Statistik.h"
#include "operations/Arrayoperationen.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <optional>
#include <thread>
#include <vector>

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

// Estimates are formed in extended precision and stored through AlsDouble: one beyond the
// 64-bit range is the overflow fault, so no estimate is ever infinite.
Extended Differenz(double a, double b) { return static_cast<Extended>(a) - b; }

// The frequency estimate: half the number of extrema per x range of the compacted copy.
double Frequenz(std::span<const double> x, std::span<const double> y) {
  TVektor xs(x.begin(), x.end()), ys(y.begin(), y.end());
  TOperation op;
  OperationSetzen(19, false, op, 0);
  const int32_t k = PaarOperation(xs, ys, op).X;
  const double r = AlsDouble(Differenz(MaxWert(xs), MinWert(xs)));
  return r != 0 && k != 0 ? AlsDouble(Teile(k / 2.0L, r)) : r;
}

} // namespace

TKoeffizienten StartwerteSchaetzen(std::span<const double> x, std::span<const double> y, uint8_t modell,
                                   const TIndexmenge& fix) {
  TKoeffizienten k;
  k.Werte.fill(1);
  k.Fix = fix;
  if (x.empty() || y.empty()) return k;
  double &a = k.Werte[0], &b = k.Werte[1], &c = k.Werte[2], &d = k.Werte[3];
  double &e = k.Werte[4], &f = k.Werte[5], &g = k.Werte[6];
  const TMerkmale m = Merkmale(x, y);
  const auto gauss = [&] {
    a = m.ymax;
    b = Mittelwert(x);
    const Extended breite = Differenz(m.xBeiYmax, m.xBeiYmin);
    c = AlsDouble(breite * breite / 4);
  };
  switch (modell) {
  case 2: a = AlsDouble(Differenz(m.ymax, m.ymin)); b = m.richtung; c = m.ymin; break;
  case 3: gauss(); break;
  case 4: c = m.ymin; break;
  case 6: a = Mittelwert(y); b = AlsDouble(Differenz(m.ymax, m.ymin) / 2); c = Frequenz(x, y); break;
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
  case 12:
    a = AlsDouble(Differenz(m.ymax, m.ymin));
    c = m.ymin;
    d = AlsDouble(Differenz(MaxWert(x), MinWert(x)) * Differenz(m.ymax, m.ymin));
    break;
  case 13:
    gauss();
    e = Standardabweichung(x);
    g = m.ymin;
    d = AlsDouble(Differenz(m.ymax, Standardabweichung(y)));
    f = c / 2;
    break;
  case 14: d = m.ymin; break;
  case 15: c = AlsDouble(Differenz(m.ymax, m.ymin) / 2); d = m.ymin; a = Frequenz(x, y); break;
  case 17: a = AlsDouble(Differenz(m.xBeiYmax, m.xBeiYmin) / 2); b = 1; c = 2; d = m.ymin; break;
  default: break;
  }
  return k;
}

namespace {

// The sum of squares of one model's fit; nothing when the fit failed.
std::optional<long double> Modellsumme(std::span<const double> x, std::span<const double> y, uint8_t modell,
                                       const TFitParameter& parameter) {
  TFitVorgabe v;
  v.Modell = modell;
  try {
    return Quadratsumme(x, y, Fit(x, y, v, parameter));
  } catch (const TQuarnFehler&) {
    return std::nullopt; // this model failed; the others still compete
  }
}

// Below this many points a thread costs more than it saves.
constexpr std::size_t ParallelAb = 1000;

} // namespace

uint8_t Bestes(std::span<const double> x, std::span<const double> y, const TFitParameter& parameter) {
  // The 17 fits are independent: workers take the next model until none is left. The choice
  // below runs in model order over the collected sums, so it does not depend on the threads.
  std::array<std::optional<long double>, Modellanzahl> summen;
  std::atomic<int> naechstes{0};
  const auto arbeiten = [&] {
    for (int i = naechstes++; i < Modellanzahl; i = naechstes++)
      summen[static_cast<std::size_t>(i)] = Modellsumme(x, y, static_cast<uint8_t>(i + 1), parameter);
  };
  const unsigned kerne = x.size() >= ParallelAb ? std::max(1u, std::thread::hardware_concurrency()) : 1u;
  std::vector<std::jthread> helfer;
  for (unsigned k = 1; k < std::min<unsigned>(kerne, Modellanzahl); ++k) helfer.emplace_back(arbeiten);
  arbeiten();
  helfer.clear(); // joins
  uint8_t bestes = 0;
  long double kleinste = 0;
  for (uint8_t modell = 1; modell <= Modellanzahl; ++modell) {
    const auto& summe = summen[modell - 1];
    if (summe && !std::isnan(*summe) && (bestes == 0 || *summe < kleinste)) {
      bestes = modell;
      kleinste = *summe;
    }
  }
  return bestes;
}
