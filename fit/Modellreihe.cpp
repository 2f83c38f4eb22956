#include "Modellreihe.h"

#include "Auswerter.h"
#include "Fittypen.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t NebeneinanderAb = 1000;

} // namespace

void FuerJedesModell(std::size_t paare, const std::function<void(uint8_t)>& arbeit, const std::atomic<bool>* abbrechen) {
  std::atomic<int> naechstes{Modellnr::Gerade};
  const auto arbeiten = [&] {
    for (int m = naechstes++; m <= Modellanzahl; m = naechstes++) {
      if (abbrechen && *abbrechen) return;
      arbeit(static_cast<uint8_t>(m));
    }
  };
  const bool nebeneinander = paare >= NebeneinanderAb && paare < ParallelAb;
  const unsigned kerne = nebeneinander ? std::max(1u, std::thread::hardware_concurrency()) : 1u;
  std::vector<std::jthread> helfer;
  for (unsigned k = 1; k < std::min<unsigned>(kerne, Modellanzahl); ++k) {
    try {
      helfer.emplace_back(arbeiten);
    } catch (const std::system_error&) {
      break; // no more threads to be had: the others take the models
    }
  }
  arbeiten();
}
