// Fits of every model on noisy points, the best-model search, NIST's Bennett5 and a long
// creeping fit.
#include "fit/Fit.h"
#include "fit/Modelle.h"
#include "fit/Bestes.h"
#include "fit/Vergleich.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <random>
#include <string>

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
BENCHMARK(BM_Bestes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// All 17 models fitted, polished and rated, as the comparison window does it.
void BM_Modellvergleich(benchmark::State& state) {
  const TPunktwolke p = Punkte(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Modellvergleich(p.x, p.y, TFitParameter{10, 100, 1e-9}));
}
BENCHMARK(BM_Modellvergleich)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

TPunktwolke Datei(const std::string& name) {
  std::ifstream datei(std::string(QUARN_BENCHDATEN) + "/" + name);
  TPunktwolke p;
  for (double x, y; datei >> x >> y;) {
    p.x.push_back(x);
    p.y.push_back(y);
  }
  return p;
}

// NIST's Bennett5, y = b1·(b2 + x)^(-1/b3), as model 17 with d fixed at 0, from both NIST starts.
void BM_Bennett5(benchmark::State& state) {
  const TPunktwolke p = Datei("Bennett5.txt");
  const double b1 = state.range(0) == 1 ? -2000 : -1500, b2 = state.range(0) == 1 ? 50 : 45;
  const double b3 = state.range(0) == 1 ? 0.8 : 0.85;
  TFitVorgabe v;
  v.Modell = 17;
  v.Fix.Setze(3, true);
  v.MitStartwerten = true;
  v.Startwerte = {b2, b1, -1 / b3, 0, 0, 0, 0, 0};
  for (auto _ : state) benchmark::DoNotOptimize(Fit(p.x, p.y, v, TFitParameter{10, 10000, 1e-9}));
}
BENCHMARK(BM_Bennett5)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// "Schritte" -1 lets the iteration run until it converges: "Poisson(Näherung)" on 34 noisy
// points of a Gauss peak creeps through a long alternation of accepted and failed steps.
void BM_Kriechfit(benchmark::State& state) {
  const TPunktwolke p = Datei("Kriechfit.txt");
  TFitVorgabe v;
  v.Modell = 12;
  for (auto _ : state) benchmark::DoNotOptimize(Fit(p.x, p.y, v, TFitParameter{10, -1, 1e-9}));
}
BENCHMARK(BM_Kriechfit)->Unit(benchmark::kMillisecond);

} // namespace
