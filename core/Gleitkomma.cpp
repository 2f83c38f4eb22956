#include "Gleitkomma.h"

#include <cfloat>
#include <cmath>

void Gleitkommafehler(TGleitkommaArt art) { throw TGleitkommaFehler(art); }

Extended Teile(Extended a, Extended b) {
  if (b == 0)
    Gleitkommafehler(a == 0 || std::isnan(a) ? TGleitkommaArt::Ungueltig
                                             : TGleitkommaArt::DivisionDurchNull);
  const Extended q = a / b;
  if (std::isinf(q) && std::isfinite(a) && std::isfinite(b))
    Gleitkommafehler(TGleitkommaArt::Ueberlauf);
  return q;
}

Extended Ln(Extended x) {
  if (x < 0) Gleitkommafehler(TGleitkommaArt::Ungueltig);
  if (x == 0) Gleitkommafehler(TGleitkommaArt::DivisionDurchNull);
  return std::log(x);
}

Extended Wurzel(Extended x) {
  if (x < 0) Gleitkommafehler(TGleitkommaArt::Ungueltig);
  return std::sqrt(x);
}

Extended EHoch(Extended x) {
  const Extended r = std::exp(x);
  if (std::isinf(r) && std::isfinite(x)) Gleitkommafehler(TGleitkommaArt::Ueberlauf);
  return r;
}

Extended Pruefe(Extended x) {
  if (std::isinf(x)) Gleitkommafehler(TGleitkommaArt::Ueberlauf);
  if (std::isnan(x)) Gleitkommafehler(TGleitkommaArt::Ungueltig);
  return x;
}

double AlsDouble(Extended x) {
  // Half a unit in the last place above the largest double still rounds down to it.
  constexpr Extended Grenze = static_cast<Extended>(DBL_MAX) + 0x1p970L;
  if (std::isfinite(x) && std::fabs(x) >= Grenze) Gleitkommafehler(TGleitkommaArt::Ueberlauf);
  return static_cast<double>(x);
}

namespace {
// 2^63 exactly; the largest extended value below it still fits a signed 64-bit integer.
constexpr Extended Grenze63 = 9223372036854775808.0L;
} // namespace

int64_t RundeGanz(Extended x) {
  const Extended r = RundeNaechste(x);
  if (!(r >= -Grenze63 && r < Grenze63)) Gleitkommafehler(TGleitkommaArt::Ungueltig);
  return std::llrint(r);
}

bool IstGanz(Extended x) {
  return std::isfinite(x) && x >= -Grenze63 && x < Grenze63 && RundeNaechste(x) == x;
}
