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
#include <cstdint>
#include <optional>

struct TGenau {
  using Z = Extended;

  static Z Exp(Z v) { return EHoch(v); }
  static Z Ln(Z v) { return ::Ln(v); }
  static Z Wurzel(Z v) { return ::Wurzel(v); }
  static Z Teile(Z a, Z b) { return ::Teile(a, b); }
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

  // A fault that TGenau meets as well: a logarithm or root out of its domain, a division by 0.
  bool Fehler = false;
  // A step whose result TGenau could give differently or as a fault (an overflow of the
  // shorter range, a non-finite operand): TGenau must decide.
  bool Verdacht = false;

  Z Exp(Z v) {
    Verdacht |= !(v <= 709); // also NaN; underflow is silent in both ways
    return std::exp(v);
  }
  Z Ln(Z v) {
    Fehler |= !(v > 0);
    Verdacht |= !(std::fabs(v) <= DBL_MAX);
    return std::log(v);
  }
  Z Wurzel(Z v) {
    Fehler |= v < 0;
    Verdacht |= !(std::fabs(v) <= DBL_MAX);
    return std::sqrt(v);
  }
  Z Teile(Z a, Z b) {
    Fehler |= b == 0;
    Verdacht |= !(std::fabs(b) <= DBL_MAX);
    return b == 0 ? 0 : a / b;
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
  // |b|^p as Potenz: 0 for b = 0; a result beyond the shorter range is a suspect.
  Z Potenz(Z b, Z p) {
    b = std::fabs(b);
    if (b == 0) return 0;
    if (p == 0) return 1;
    const Z r = std::pow(b, p);
    Verdacht |= !(r <= DBL_MAX);
    return r;
  }
  Z Runde(Z v) { return v; }
  int64_t Ganz(Z v) {
    const bool passt = std::fabs(v) < 0x1p62;
    Verdacht |= !passt;
    return passt ? static_cast<int64_t>(std::rint(v)) : 0;
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
