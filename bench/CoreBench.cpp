// Number text over a column of a million lines, as instruments produce them.
#include "core/Zahllesen.h"
#include "core/Zahltext.h"
#include "core/Zeilen.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr std::size_t Zeilenzahl = 1000000;

TStringListe GemischteSpalte() {
  const char* const formen[] = {"12,5", "-3.25e-4", "7", "", "x"};
  TStringListe spalte(Zeilenzahl);
  for (std::size_t i = 0; i < Zeilenzahl; ++i) spalte[i] = formen[i % 5];
  return spalte;
}

void ZeitProZeile(benchmark::State& state) {
  state.counters["ns/Zeile"] = benchmark::Counter(
      static_cast<double>(Zeilenzahl),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Spaltenwerte(benchmark::State& state) {
  const TStringListe vorlage = GemischteSpalte();
  for (auto _ : state) {
    state.PauseTiming();
    TStringListe spalte = vorlage;
    state.ResumeTiming();
    benchmark::DoNotOptimize(Spaltenwerte(spalte));
  }
  ZeitProZeile(state);
}
BENCHMARK(BM_Spaltenwerte)->Unit(benchmark::kMillisecond);

void BM_ZahlAusText(benchmark::State& state) {
  const TStringListe spalte = GemischteSpalte();
  for (auto _ : state) {
    double summe = 0;
    for (const std::string& zeile : spalte) summe += ZahlAusText(zeile, 0);
    benchmark::DoNotOptimize(summe);
  }
  ZeitProZeile(state);
}
BENCHMARK(BM_ZahlAusText)->Unit(benchmark::kMillisecond);

void BM_ZahlAlsText(benchmark::State& state) {
  std::mt19937_64 zufall(1);
  std::uniform_real_distribution<double> mantisse(-1000, 1000);
  std::uniform_int_distribution<int> exponent(-8, 20);
  TVektor werte(Zeilenzahl);
  for (double& w : werte) w = mantisse(zufall) * std::pow(10.0, exponent(zufall));
  for (auto _ : state) {
    std::size_t laenge = 0;
    for (const double w : werte) laenge += ZahlAlsText(w).size();
    benchmark::DoNotOptimize(laenge);
  }
  ZeitProZeile(state);
}
BENCHMARK(BM_ZahlAlsText)->Unit(benchmark::kMillisecond);

} // namespace
