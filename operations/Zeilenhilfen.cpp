#include "Zeilenhilfen.h"

#include <cmath>

uint8_t NiedrigesByte(double w) {
  const Extended ganz = RundeNaechste(w);
  if (!IstGanz(ganz)) return 0;
  return static_cast<uint8_t>(RundeGanz(ganz));
}

void VierStellenAnhaengen(TStringListe& aus, const TVektor& v, std::size_t anzahl) {
  aus.reserve(aus.size() + anzahl);
  for (std::size_t i = 0; i < anzahl && i < v.size(); ++i) aus.push_back(VierStellenText(v[i]));
}
