#include "Analysis.h"

#include "Zeilenhilfen.h"

#include "core/Gleitkomma.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

double Steigung(TPunkt p1, TPunkt p2) {
  if (p1.x == p2.x) return 0;
  return AlsDouble(Teile(static_cast<Extended>(p2.y) - p1.y, static_cast<Extended>(p2.x) - p1.x));
}

double Segmentflaeche(TPunkt p1, TPunkt p2) {
  if (p1.x == p2.x) return 0;
  return AlsDouble(std::fabs(static_cast<Extended>(p2.x) - p1.x) *
                   (static_cast<Extended>(p1.y) + p2.y) / 2);
}

bool VorzeichenIndex(const TVektor& x, bool positiv, double schwelle, int32_t& index) {
  for (std::size_t i = 0; i < x.size(); ++i)
    if ((x[i] > schwelle) == positiv) {
      index = static_cast<int32_t>(i);
      return true;
    }
  return false;
}

int8_t Vorzeichen(double v) { return v < 0 ? -1 : 1; }

bool Vorzeichenwechsel(double a, double b) { return (a > 0 && b < 0) || (a < 0 && b > 0); }

namespace {

std::vector<TPunkt> Punkte(const TVektor& x, const TVektor& y, std::size_t n) {
  std::vector<TPunkt> p(n);
  for (std::size_t i = 0; i < n; ++i) p[i] = {x[i], y[i]};
  return p;
}

double Dreieck(TPunkt p) { return AlsDouble(static_cast<Extended>(p.x) * p.y / 2); }

// The anchor of the sums to the left: the point just before the first x > 0 (every point
// before that lies at or below 0, and the last of them is the nearest to 0); when the first
// point is already right of 0, the first x <= 0 further on (falling x).
std::size_t LinkerAnker(const std::vector<TPunkt>& p, std::size_t rechts) {
  if (rechts > 0) return rechts - 1;
  std::size_t links = 0;
  while (links < p.size() && p[links].x > 0) ++links;
  return links;
}

void EinmalIntegrieren(const TVektor& x, TVektor& y, std::size_t n) {
  const std::vector<TPunkt> p = Punkte(x, y, n);
  std::size_t rechts = 0;
  while (rechts < n && !(p[rechts].x > 0)) ++rechts;
  if (rechts < n) {
    y[rechts] = Dreieck(p[rechts]);
    for (std::size_t i = rechts + 1; i < n; ++i)
      y[i] = AlsDouble(static_cast<Extended>(y[i - 1]) + Segmentflaeche(p[i - 1], p[i]));
  }
  const std::size_t links = LinkerAnker(p, rechts);
  if (links < n) {
    y[links] = Dreieck(p[links]);
    for (std::size_t i = links; i-- > 0;)
      y[i] = AlsDouble(static_cast<Extended>(y[i + 1]) + Segmentflaeche(p[i + 1], p[i]));
  }
}

void EinmalDifferenzieren(const TVektor& x, TVektor& y, std::size_t n) {
  const std::vector<TPunkt> p = Punkte(x, y, n);
  for (std::size_t i = 1; i < n; ++i) y[i] = Steigung(p[i - 1], p[i]);
  // A single point has no slope to repeat.
  y[0] = n > 1 ? y[1] : 0;
}

// Integrates (positive count) or differentiates (negative) |count| times. The count is an
// int here, so that -128 turns into 128 rather than into itself.
void Wiederholt(const TVektor& x, TVektor& y, int anzahl) {
  const std::size_t n = std::min(x.size(), y.size());
  if (n == 0) return;
  for (int k = 0; k < anzahl; ++k) EinmalIntegrieren(x, y, n);
  for (int k = 0; k < -anzahl; ++k) EinmalDifferenzieren(x, y, n);
}

} // namespace

void Integrieren(const TVektor& x, TVektor& y, int8_t anzahl) { Wiederholt(x, y, anzahl); }

void Differenzieren(const TVektor& x, TVektor& y, int8_t anzahl) { Wiederholt(x, y, -anzahl); }

std::string AbleitungsText(int8_t anzahl) {
  if (anzahl == 0) return "Funktion";
  if (anzahl > 0) return std::to_string(anzahl) + " mal integrieren";
  return std::to_string(-anzahl) + ". Ableitung";
}

int32_t ExtremaFinden(TVektor& x, TVektor& y, bool nurEine, double richtung) {
  const std::size_t n = std::min(x.size(), y.size());
  const TVektor xc(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n));
  const TVektor yc(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
  int32_t gefunden = 0;
  for (std::size_t i = 2; i < n; ++i) {
    // Only the signs matter, and a difference that overflows to infinity keeps its sign.
    const double d1 = yc[i - 1] - yc[i - 2];
    const double d2 = yc[i] - yc[i - 1];
    if (!Vorzeichenwechsel(d1, d2) || (nurEine && Vorzeichen(d1) != richtung)) continue;
    x[gefunden] = xc[i - 1];
    y[gefunden] = yc[i - 1];
    ++gefunden;
  }
  return gefunden;
}

namespace {

// The value field as a repetition count: its low byte, taken as signed.
int8_t Wiederholungen(double wert) { return static_cast<int8_t>(NiedrigesByte(wert)); }

// Column 4 gets the transformed y over the common length of both columns.
template <class F> void Kurvenoperation(TSpaltenModell& m, const TVektor& x, TVektor y, F f) {
  f(x, y);
  VierStellenAnhaengen(m.Schreiben(4), y, std::min(x.size(), y.size()));
}

} // namespace

void Integration(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y) {
  Kurvenoperation(m, x, y, [&](const TVektor& xs, TVektor& ys) {
    Integrieren(xs, ys, Wiederholungen(op.Wert));
  });
}

void Differentation(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y) {
  Kurvenoperation(m, x, y, [&](const TVektor& xs, TVektor& ys) {
    Differenzieren(xs, ys, Wiederholungen(op.Wert));
  });
}

void Fouriertransformation(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  m.Meldungen.push_back("kommt noch");
}
