#include "Bestes.h"

#include "Fit.h"
#include "Modellreihe.h"

#include "core/Fehler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

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

} // namespace

uint8_t Bestes(std::span<const double> x, std::span<const double> y, const TFitParameter& parameter) {
  // The choice runs in model order over the collected sums, so it does not depend on the threads.
  std::array<std::optional<long double>, Modellanzahl> summen;
  FuerJedesModell(std::min(x.size(), y.size()), [&](uint8_t modell) {
    summen[static_cast<std::size_t>(modell - Modellnr::Gerade)] = Modellsumme(x, y, modell, parameter);
  });
  uint8_t bestes = Modellnr::Keins;
  long double kleinste = 0;
  for (uint8_t modell = Modellnr::Gerade; modell <= Modellanzahl; ++modell) {
    const auto& summe = summen[modell - Modellnr::Gerade];
    if (summe && !std::isnan(*summe) && (bestes == Modellnr::Keins || *summe < kleinste)) {
      bestes = modell;
      kleinste = *summe;
    }
  }
  return bestes;
}
