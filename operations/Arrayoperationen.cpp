#include "Arrayoperationen.h"

#include "Analysis.h"
#include "Zahlentheorie.h"

#include "core/Gleitkomma.h"
#include "core/Spezialfunktionen.h"
#include "core/Statistik.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

template <class F> int32_t JederWert(TVektor& v, F f) {
  for (double& w : v) w = AlsDouble(f(static_cast<Extended>(w)));
  return static_cast<int32_t>(v.size());
}

} // namespace

int32_t Logarithmieren(TVektor& v, double basis) {
  const Extended teiler = basis > 1 ? Ln(basis) : 1;
  return JederWert(v, [&](Extended w) { return Ln(w <= 0 ? 0.0001L : w) / teiler; });
}

int32_t Skalieren(TVektor& v, double faktor) {
  return JederWert(v, [&](Extended w) { return w * faktor; });
}

namespace {

// "Hinterer Teil": unticked drops the first W values, ticked keeps only the first W. W is
// rounded and clamped to the column, so no index leaves it.
int32_t HintererTeil(TVektor& v, const TOperation& op) {
  const auto n = static_cast<int64_t>(v.size());
  const int64_t w = RundeGanz(std::clamp(op.Wert, 0.0, static_cast<double>(n)));
  if (op.Option) return static_cast<int32_t>(w);
  std::copy(v.begin() + w, v.end(), v.begin());
  return static_cast<int32_t>(n - w);
}

} // namespace

int32_t SpaltenOperation(TVektor& v, const TOperation& op) {
  const double w = op.Wert;
  switch (op.Art) {
  case Operationsart::Multiplizieren:
    return Skalieren(v, w);
  case Operationsart::Logarithmus:
    return Logarithmieren(v, std::max(w, 0.0));
  case Operationsart::Dezibel:
    Logarithmieren(v, 10);
    return Skalieren(v, 20);
  case Operationsart::DeltaX: {
    for (std::size_t i = 0; i + 1 < v.size(); ++i)
      v[i] = AlsDouble(static_cast<Extended>(v[i + 1]) - v[i]);
    return std::max<int32_t>(static_cast<int32_t>(v.size()) - 1, 0);
  }
  case Operationsart::Schrittweite:
    if (v.empty()) return 0;
    v[0] = MittlereSchrittweite(v);
    return 1;
  case Operationsart::Potenzieren:
    return JederWert(v, [&](Extended x) { return Hoch(x, std::fabs(w)); });
  case Operationsart::GammaFunktion:
    return JederWert(v, [](Extended x) { return Gamma(static_cast<double>(x)); });
  case Operationsart::Fakultaet:
    return JederWert(v, [](Extended x) { return Gamma(AlsDouble(x + 1)); });
  case Operationsart::Dividieren:
    return JederWert(v, [&](Extended x) { return w == 0 ? 0 : Teile(x, w); });
  case Operationsart::HintererTeil:
    return HintererTeil(v, op);
  case Operationsart::Quersumme:
    return JederWert(v, [](Extended x) { return Quersumme(RundeGanz(x)); });
  default:
    throw std::invalid_argument("SpaltenOperation: not a single-column operation");
  }
}

namespace {

// Pair forms: x[i] and y[i] combined over the common length.
template <class F> TPaarAnzahl PaarweiseAendern(TVektor& x, TVektor& y, F f) {
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i) f(x[i], y[i]);
  return {static_cast<int32_t>(n), static_cast<int32_t>(n)};
}

TPaarAnzahl Getrennt(TVektor& x, TVektor& y, const TOperation& op) {
  const int32_t nx = SpaltenOperation(x, op);
  return {nx, SpaltenOperation(y, op)};
}

} // namespace

TPaarAnzahl PaarOperation(TVektor& x, TVektor& y, const TOperation& op) {
  const double w = op.Wert;
  switch (op.Art) {
  case Operationsart::Addieren:
    return PaarweiseAendern(x, y, [](double& a, double& b) {
      const Extended summe = static_cast<Extended>(a) + b;
      b = AlsDouble(static_cast<Extended>(a) - b);
      a = AlsDouble(summe);
    });
  case Operationsart::Multiplizieren:
    if (!op.Option) return Getrennt(x, y, op);
    return PaarweiseAendern(x, y, [&](double& a, double& b) {
      a = AlsDouble(static_cast<Extended>(a) * b);
      b = AlsDouble(static_cast<Extended>(w) * a);
    });
  case Operationsart::ExtremaFinden: {
    const int32_t n = ExtremaFinden(x, y, op.Option, w);
    return {n, n};
  }
  case Operationsart::Binomialkoeffizient:
    return PaarweiseAendern(x, y, [](double& a, double& b) {
      a = Binomial(a, b);
      b = a == 0 ? 0 : AlsDouble(Teile(1, a));
    });
  case Operationsart::Dividieren:
    if (!op.Option) return Getrennt(x, y, op);
    return PaarweiseAendern(x, y, [&](double& a, double& b) {
      a = b == 0 ? 0 : AlsDouble(Teile(a, b));
      b = w == 0 ? a : AlsDouble(Teile(a, w));
    });
  case Operationsart::Dezibel:
  case Operationsart::DeltaX:
  case Operationsart::Schrittweite:
  case Operationsart::Potenzieren:
  case Operationsart::GammaFunktion:
  case Operationsart::Fakultaet:
  case Operationsart::HintererTeil:
  case Operationsart::Quersumme:
    return Getrennt(x, y, op);
  default:
    throw std::invalid_argument("PaarOperation: not a two-column operation");
  }
}
