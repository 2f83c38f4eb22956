// A whole diagram on the Qt canvas at the plot window's size.
#include "QtLeinwand.h"

#include "core/Typen.h"
#include "plot/Diagramm.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <random>

namespace {

void BM_Diagramm(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  std::mt19937 zufall(3);
  std::normal_distribution<double> rauschen(0, 0.05);
  TVektor x(n), y(n);
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = 10.0 * static_cast<double>(i) / static_cast<double>(n);
    y[i] = 1 + 3 * std::exp(-(x[i] - 5) * (x[i] - 5) / 4) + rauschen(zufall);
  }
  TDiagrammEinstellungen r;
  r.Verbinden = true;
  if (state.range(1) != 0) {
    r.Fit.Modell = 3;
    r.FitParameter.MaxSchritte = 100;
    r.Formel = true;
  }
  QImage bild(697, 409, QImage::Format_RGB32);
  for (auto _ : state) {
    TQtLeinwand l(bild);
    benchmark::DoNotOptimize(DiagrammZeichnen(l, x, y, {}, {}, r));
  }
  state.SetLabel(state.range(1) != 0 ? "Gauss-Fit, 100 Schritte" : "ohne Fit");
}
BENCHMARK(BM_Diagramm)->ArgsProduct({{1000, 100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
