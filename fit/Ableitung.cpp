#include "Ableitung.h"

#include "Modelltabelle.h"

#include <algorithm>
#include <array>

double Ableitung(const TFitErgebnis& w, int i, double x) {
  const TModellzeile& zeile = Modellzeile(w.Modell);
  if (i < 0 || i >= zeile.Anzahl) return 0;
  // Only entry i is computed: a fault in another entry does not concern it.
  TKoeffizienten k = w.Koeffizienten;
  for (int j = 0; j < zeile.Anzahl; ++j)
    if (j != i) k.Fix.Setze(static_cast<uint8_t>(j), true);
  std::array<double, MaxKoeffizienten> d{};
  zeile.Partielle(k, x, std::span(d).first(zeile.Anzahl));
  return d[static_cast<std::size_t>(i)];
}

