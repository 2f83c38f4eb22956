#include "Bestes.h"

#include "Auswerter.h"
#include "Fit.h"

#include "core/Fehler.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <optional>
#include <thread>
#include <vector>

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
constexpr std::size_t ModelleParallelAb = 1000;

} // namespace

uint8_t Bestes(std::span<const double> x, std::span<const double> y, const TFitParameter& parameter) {
  // The 17 fits are independent: workers take the next model until none is left. From
  // ParallelAb points on each fit shares its own work between the cores, so the models run
  // one after the other. The choice below runs in model order over the collected sums, so it
  // does not depend on the threads.
  std::array<std::optional<long double>, Modellanzahl> summen;
  std::atomic<int> naechstes{0};
  const auto arbeiten = [&] {
    for (int i = naechstes++; i < Modellanzahl; i = naechstes++)
      summen[static_cast<std::size_t>(i)] = Modellsumme(x, y, static_cast<uint8_t>(i + 1), parameter);
  };
  const std::size_t n = std::min(x.size(), y.size());
  const bool nebeneinander = n >= ModelleParallelAb && n < ParallelAb;
  const unsigned kerne = nebeneinander ? std::max(1u, std::thread::hardware_concurrency()) : 1u;
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
