#include "Startwerte.h"

#include "Modelltabelle.h"

TKoeffizienten StartwerteSchaetzen(std::span<const double> x, std::span<const double> y, uint8_t modell,
                                   const TIndexmenge& fix) {
  TKoeffizienten k;
  k.Werte.fill(1);
  k.Fix = fix;
  if (x.empty() || y.empty()) return k;
  Modellzeile(modell).Start(TStartdaten(x, y), k);
  return k;
}
