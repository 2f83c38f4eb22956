// What the model rows (Modelle1bis8.h, Modelle9bis17.h) are written with.
//
// Each model is one struct: name, coefficient count, generic formula, and as templates over
// the way of arithmetic (core/Rechenweisen.h) its value, its x-derivative and the partial
// derivatives of all coefficients; then the pieces of the formula with values and the rule
// for the start values. Partials are handed to an entry sink d: d(i, rechnen) stores the
// entry of coefficient i, or 0 without calling rechnen when the coefficient is fixed.
#pragma once

#include "core/Koeffizienten.h"
#include "core/Rechenweisen.h"
#include "fit/Formelbau.h"
#include "fit/Startdaten.h"

#include <cstdint>
#include <string_view>

template <class R> using Zahl = typename R::Z;

// The coefficients a..g of a model in the precision of the evaluation.
template <class Z> struct TSatz {
  Z a, b, c, d, e, f, g;
  explicit TSatz(const TKoeffizienten& k)
      : a(k.Werte[0]), b(k.Werte[1]), c(k.Werte[2]), d(k.Werte[3]), e(k.Werte[4]), f(k.Werte[5]),
        g(k.Werte[6]) {}
};

// The start values a..g by name, for the start rules.
struct TStartwerte {
  double &a, &b, &c, &d, &e, &f, &g;
  explicit TStartwerte(TKoeffizienten& k)
      : a(k.Werte[0]), b(k.Werte[1]), c(k.Werte[2]), d(k.Werte[3]), e(k.Werte[4]), f(k.Werte[5]),
        g(k.Werte[6]) {}
};

template <class Z> Z Sgn(Z u) { return u < 0 ? -1 : 1; }
template <class Z> Z Quadrat(Z v) { return v * v; }

// x^n for small whole n, by multiplication (the general power is far slower).
template <class Z> Z Ganzpotenz(Z x, int n) {
  Z r = 1;
  for (int k = 0; k < n; ++k) r *= x;
  return r;
}

// e^(-(x - m)²/w): a zero width is a fault.
template <class R> Zahl<R> Glocke(R& r, Zahl<R> x, Zahl<R> m, Zahl<R> w) {
  return r.Exp(r.Teile(-Quadrat(x - m), w));
}

// The entries of a Gauss peak a·e^(-(x-m)²/w) for (height, centre, width), from index erster.
// A zero width is a step: the peak is 1 at the centre and 0 elsewhere, and the centre and
// width entries are markers.
template <class R, class D> void Gausspartielle(R& r, D& d, int erster, Zahl<R> a, Zahl<R> m, Zahl<R> w, Zahl<R> x) {
  using Z = Zahl<R>;
  if (w == 0) {
    d(erster, [&] { return x == m ? Z(1) : Z(0); });
    d(erster + 1, [] { return Z(1e9); });
    d(erster + 2, [] { return Z(1e9); });
    return;
  }
  auto glocke = r.Gemeinsam([&] { return Glocke(r, x, m, w); });
  d(erster, [&] { return glocke(); });
  d(erster + 1, [&] { return r.Teile(2 * a * (x - m) * glocke(), w); });
  d(erster + 2, [&] { return r.Teile(a * Quadrat(x - m) * glocke(), w * w); });
}

// The Gauss estimate: height ymax at the mean x, width from the distance of the extremes.
inline void Gaussstart(const TStartdaten& m, TStartwerte w) {
  w.a = m.ymax;
  w.b = m.MittelX();
  const Extended breite = Differenz(m.xBeiYmax, m.xBeiYmin);
  w.c = AlsDouble(breite * breite / 4);
}
