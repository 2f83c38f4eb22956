// Two ways of doing the same arithmetic, so that one formula serves both:
//
// TGenau   extended precision; every fault raises TGleitkommaFehler at once (Gleitkomma.h).
//          This is the defining evaluation.
// TSchnell 64-bit floats at the speed of the hardware; a fault, or any step where the result
//          could differ from TGenau's by more than round-off (an overflow of the shorter range,
//          a non-finite operand), only sets the flag Verdacht. A caller that finds the flag set
//          evaluates the same formula again with TGenau.
//
// Formulas are templates over the way R and use R::Z for their numbers, r.Exp(...) and the
// other members for the checked operations; + - * and comparisons are written as usual.
#pragma once

#include "Gleitkomma.h"
#include "Spezialfunktionen.h"

#include <cfloat>
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <optional>

struct TGenau {
  using Z = Extended;

  static Z Exp(Z v) { return EHoch(v); }
  static Z Ln(Z v) { return ::Ln(v); }
  static Z Wurzel(Z v) { return ::Wurzel(v); }
  static Z Teile(Z a, Z b) { return ::Teile(a, b); }
  // The same as Ln and Teile; TSchnell takes their domain faults at face value (see there).
  static Z LnSicher(Z v) { return ::Ln(v); }
  static Z TeileSicher(Z a, Z b) { return ::Teile(a, b); }
  // u + v where the sign or zero of the sum decides a branch.
  static Z Summe(Z u, Z v) { return u + v; }
  static Z Sin(Z v) { return std::sin(v); }
  static Z Cos(Z v) { return std::cos(v); }
  static Z Potenz(Z b, Z p) { return ::Potenz(b, p); }
  // Stored as a 64-bit float: beyond its range an overflow.
  static Z Runde(Z v) { return AlsDouble(v); }
  // The nearest whole number of v; beyond 64 bits an invalid operation.
  static int64_t Ganz(Z v) { return RundeGanz(v); }

  // A subexpression shared by several results, computed when the first of them asks for it:
  // a fault in it reaches only the results that use it.
  template <class F> class TGemeinsam {
  public:
    explicit TGemeinsam(F f) : f_(f) {}
    Z operator()() {
      if (!wert_) wert_ = f_();
      return *wert_;
    }

  private:
    F f_;
    std::optional<Z> wert_;
  };
  template <class F> static TGemeinsam<F> Gemeinsam(F f) { return TGemeinsam<F>(f); }
};

struct TSchnell {
  using Z = double;

  // A fault that TGenau meets as well: the logarithm of a coefficient that is not positive, a
  // division by a divisor that is 0 by an exact decision (LnSicher, TeileSicher).
  bool Fehler = false;
  // A step whose result TGenau could give differently or as a fault: an overflow or underflow
  // that the longer range would not have, a non-finite operand, a domain fault of a computed
  // operand (which rounding may have put there), a sum that cancels before a branch, an
  // argument whose whole-number test rounding could decide. TGenau must decide.
  bool Verdacht = false;

  // Beyond e^±708 the shorter format overflows or loses digits to underflow.
  Z Exp(Z v) {
    Verdacht |= !(std::fabs(v) <= 708);
    return std::exp(v);
  }
  Z Ln(Z v) {
    Verdacht |= !(v > 0 && v <= DBL_MAX);
    return v > 0 ? std::log(v) : 0;
  }
  Z LnSicher(Z v) {
    Fehler |= !(v > 0);
    Verdacht |= !(std::fabs(v) <= DBL_MAX);
    return v > 0 ? std::log(v) : 0;
  }
  Z Wurzel(Z v) {
    Verdacht |= !(v >= 0 && v <= DBL_MAX);
    return v >= 0 ? std::sqrt(v) : 0;
  }
  // A divisor that is zero or subnormal, a non-finite operand or quotient: TGenau decides.
  Z Teile(Z a, Z b) {
    const Z q = std::fabs(b) >= DBL_MIN ? a / b : 0;
    Verdacht |= !(std::fabs(b) >= DBL_MIN && std::fabs(b) <= DBL_MAX && std::fabs(q) <= DBL_MAX);
    return q;
  }
  Z TeileSicher(Z a, Z b) {
    if (b == 0) {
      Fehler = true;
      return 0;
    }
    return Teile(a, b);
  }
  // The sum of two terms; a result that cancels to within a few rounding errors of 0 may have
  // its sign or zero decided by rounding.
  Z Summe(Z u, Z v) {
    const Z s = u + v;
    Verdacht |= !(std::fabs(s) > 0x1p-40 * (std::fabs(u) + std::fabs(v)));
    return s;
  }
  // A large argument carries the rounding of its last bits into the result: beyond 1e5 the
  // shorter format could already be off in the eleventh digit.
  Z Sin(Z v) {
    Verdacht |= !(std::fabs(v) <= 1e5);
    return std::sin(v);
  }
  Z Cos(Z v) {
    Verdacht |= !(std::fabs(v) <= 1e5);
    return std::cos(v);
  }
  // |b|^p as Potenz. A base or exponent that is not finite, a base of 0 (which may be an
  // underflow), or a result outside the normal range of the shorter format: TGenau decides.
  Z Potenz(Z b, Z p) {
    b = std::fabs(b);
    if (p == 0 && b != 0) return 1;
    const Z r = b == 0 ? 0 : std::pow(b, p);
    Verdacht |= !(b >= DBL_MIN && b <= DBL_MAX && std::fabs(p) <= DBL_MAX && r >= DBL_MIN && r <= DBL_MAX);
    return r;
  }
  Z Runde(Z v) { return v; }
  // Rounding before the test may differ from TGenau's within a few units of the last place
  // of a whole number, and beyond 2^52 every value is whole.
  int64_t Ganz(Z v) {
    const Z n = std::rint(v);
    Verdacht |= !(std::fabs(v) < 0x1p52 && std::fabs(v - n) > 8 * DBL_EPSILON * std::max(1.0, std::fabs(v)));
    return std::fabs(v) < 0x1p62 ? static_cast<int64_t>(n) : 0;
  }
  // A finite result of the shorter range; the caller checks it once at the end.
  void Pruefen(Z v) { Verdacht |= !(std::fabs(v) <= DBL_MAX); }
  // Shared subexpressions are computed at once; a fault in one reaches only the results that
  // read it.
  class TGemeinsam {
  public:
    TGemeinsam(TSchnell& r, Z wert, bool fehler) : r_(r), wert_(wert), fehler_(fehler) {}
    Z operator()() const {
      r_.Fehler |= fehler_;
      return wert_;
    }

  private:
    TSchnell& r_;
    Z wert_;
    bool fehler_;
  };
  template <class F> TGemeinsam Gemeinsam(F f) {
    const bool vorher = Fehler;
    Fehler = false;
    const Z wert = f();
    const bool fehler = Fehler;
    Fehler = vorher;
    return TGemeinsam(*this, wert, fehler);
  }
};
