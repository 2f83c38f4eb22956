// Every column operation on columns 1 and 2 of 10^4, 10^5 and 10^6 lines.
#include "operations/Dispatcher.h"
#include "operations/Katalog.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Whole numbers from 1 to 100, so that every operation (also "Zahlensystem") accepts them.
TSpaltenModell Spalten(std::size_t zeilen) {
  TSpaltenModell m;
  for (std::size_t i = 0; i < zeilen; ++i) {
    m.Spalte(1).push_back(std::to_string(i % 100 + 1));
    m.Spalte(2).push_back(std::to_string(i * 7 % 100 + 1));
  }
  return m;
}

// The operation on a fresh copy of the columns per run; the copy is not timed.
void Messen(benchmark::State& state, const TSpaltenModell& vorlage, const TOperation& op) {
  for (auto _ : state) {
    state.PauseTiming();
    TSpaltenModell m = vorlage;
    state.ResumeTiming();
    OperationAusfuehren(m, op);
    benchmark::DoNotOptimize(m.Spalten[2].data());
  }
}

void BM_Operation(benchmark::State& state) {
  const auto art = static_cast<uint8_t>(state.range(0));
  TOperation op;
  OperationSetzen(art, false, op, art == 30 ? 16 : 2);
  Messen(state, Spalten(static_cast<std::size_t>(state.range(1))), op);
  state.SetLabel(std::string(Operationsnamen(art)));
}
BENCHMARK(BM_Operation)
    ->ArgsProduct({benchmark::CreateDenseRange(0, Operationsanzahl - 1, 1), {10000, 100000, 1000000}})
    ->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// "Runden" of values whose scaled form has no 64-bit whole number: returned unchanged, and
// as fast as ordinary values.
void BM_RundenRiesig(benchmark::State& state) {
  TSpaltenModell vorlage;
  vorlage.Spalte(1).assign(static_cast<std::size_t>(state.range(0)), "1e308");
  TOperation op;
  OperationSetzen(12, false, op, 2);
  Messen(state, vorlage, op);
}
BENCHMARK(BM_RundenRiesig)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
