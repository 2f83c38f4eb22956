// Fits of every model on noisy points, and the best-model search.
#include "fit/Fit.h"
#include "fit/Modelle.h"
#include "fit/Startwerte.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

struct TPunktwolke {
  TVektor x, y;
};

// A damped oscillation with noise: every model finds something to fit.
TPunktwolke Punkte(std::size_t n) {
  std::mt19937 zufall(5);
  std::normal_distribution<double> rauschen(0, 0.05);
  TPunktwolke p;
  for (std::size_t i = 0; i < n; ++i) {
    const double x = 0.1 + 10.0 * i / n;
    p.x.push_back(x);
    p.y.push_back(2 + 3 * std::exp(-0.3 * x) * std::sin(1.7 * x + 0.4) + rauschen(zufall));
  }
  return p;
}

void BM_Fit(benchmark::State& state) {
  const auto modell = static_cast<uint8_t>(state.range(0));
  const TPunktwolke p = Punkte(static_cast<std::size_t>(state.range(1)));
  TFitVorgabe v;
  v.Modell = modell;
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(Fit(p.x, p.y, v, TFitParameter{10, 100, 1e-9}));
    } catch (const std::exception&) {
      // A failed fit costs its time as well.
    }
  }
  state.SetLabel(std::string(Modellnamen(modell)));
}
BENCHMARK(BM_Fit)->ArgsProduct({benchmark::CreateDenseRange(1, 17, 1), {1000, 100000}})->Unit(benchmark::kMillisecond);

void BM_Bestes(benchmark::State& state) {
  const TPunktwolke p = Punkte(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Bestes(p.x, p.y, TFitParameter{10, 100, 1e-9}));
}
BENCHMARK(BM_Bestes)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
