#include "Sortierung.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

template <class Satz> void Stabil(bool aufsteigend, std::span<Satz> saetze) {
  if (aufsteigend)
    std::stable_sort(saetze.begin(), saetze.end(),
                     [](const Satz& a, const Satz& b) { return a.Schluessel < b.Schluessel; });
  else
    std::stable_sort(saetze.begin(), saetze.end(),
                     [](const Satz& a, const Satz& b) { return a.Schluessel > b.Schluessel; });
}

} // namespace

void Rangsortierung(bool aufsteigend, std::span<TGanzSatz> saetze) { Stabil(aufsteigend, saetze); }

void RangsortierungPaare(bool aufsteigend, std::span<TRealSatz> saetze) {
  const auto ende = std::stable_partition(saetze.begin(), saetze.end(),
                                          [](const TRealSatz& s) { return !std::isnan(s.Schluessel); });
  Stabil(aufsteigend, saetze.first(static_cast<std::size_t>(ende - saetze.begin())));
}

void PaareSortieren(bool aufsteigend, TVektor& a, TVektor& b) {
  const std::size_t n = std::min(a.size(), b.size());
  std::vector<TRealSatz> saetze(n);
  for (std::size_t i = 0; i < n; ++i) saetze[i] = {a[i], b[i]};
  RangsortierungPaare(aufsteigend, saetze);
  for (std::size_t i = 0; i < n; ++i) {
    a[i] = saetze[i].Wert;
    b[i] = saetze[i].Schluessel;
  }
}
