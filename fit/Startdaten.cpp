#include "Startdaten.h"

#include "core/Statistik.h"
#include "operations/Analysis.h"

TStartdaten::TStartdaten(std::span<const double> xs, std::span<const double> ys) : x(xs), y(ys) {
  ymax = MaxWert(y);
  ymin = MinWert(y);
  const auto xBei = [&](int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < x.size() ? x[i] : 0.0; };
  xBeiYmax = xBei(MaxStelle(y));
  xBeiYmin = xBei(MinStelle(y));
  richtung = xBeiYmin > xBeiYmax ? -1 : 1;
}

double TStartdaten::MittelX() const { return Mittelwert(x); }
double TStartdaten::MittelY() const { return Mittelwert(y); }
double TStartdaten::StreuungX() const { return Standardabweichung(x); }
double TStartdaten::StreuungY() const { return Standardabweichung(y); }
Extended TStartdaten::BereichX() const { return Differenz(MaxWert(x), MinWert(x)); }

double TStartdaten::Frequenz() const {
  TVektor xs(x.begin(), x.end()), ys(y.begin(), y.end());
  const int32_t k = ExtremaFinden(xs, ys, false, 0);
  const double r = AlsDouble(Differenz(MaxWert(xs), MinWert(xs)));
  return r != 0 && k != 0 ? AlsDouble(Teile(k / 2.0L, r)) : r;
}
