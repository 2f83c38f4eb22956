// Work on each of the 17 models, on both cores where a single fit is too small to share its
// own work: the best-model search and the model comparison run their models through it.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

// arbeit(modell) for every model, Modellnr::Gerade to Modellanzahl, until abbrechen is set (checked before each model); from
// 1000 up to ParallelAb pairs two threads take the next model in turn, otherwise one does all
// (below: a thread costs more than it saves; above: each fit shares its own work). arbeit must
// be safe to run for two models at once.
void FuerJedesModell(std::size_t paare, const std::function<void(uint8_t)>& arbeit,
                     const std::atomic<bool>* abbrechen = nullptr);
