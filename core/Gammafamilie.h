// The Gamma function and its derivative as the program computes them, written once for both
// ways of arithmetic (Rechenweisen.h): the exact factorial for whole arguments, Stirling's
// formula sqrt(2πy)·(y/e)^y·e^(1/(12y)) with y = x - 1 for others, 0 for non-whole x ≤ 1,
// and Γ(x)·ψ(x) with the asymptotic digamma for the derivative.
#pragma once

#include "Spezialfunktionen.h"

#include <cmath>
#include <cstdint>
#include <numbers>

// Modus 0: Γ(x); modus -1: Γ'(x); other modes 0. x is a 64-bit value; results are stored as
// 64-bit values (r.Runde).
template <class R> typename R::Z GammaFamilie(R& r, int8_t modus, typename R::Z x) {
  using Z = typename R::Z;
  const Z y = x - 1;
  const int64_t yGanz = r.Ganz(y);
  if (yGanz == y && modus == 0) return Fakultaet(static_cast<uint8_t>(yGanz));
  if (y <= 0) return 0;
  if (modus == 0) {
    const Z lnWurzel2Pi = std::log(std::sqrt(2 * std::numbers::pi_v<Z>));
    return r.Runde(r.Exp(y * r.Ln(y) - y + r.Ln(std::sqrt(y)) + lnWurzel2Pi + (Z(1) / 12) / y));
  }
  if (modus == -1) {
    const Z psi = r.Ln(y) - (Z(1) / 12) / y / y + Z(0.5) / y;
    return r.Runde(psi * GammaFamilie(r, 0, r.Runde(y + 1)));
  }
  return 0;
}
