// Models 9 to 17: damped oscillation, two decays, root, Poisson, double Gauss, refractive
// index, intensity, base power and BEEM.
#pragma once

#include "Modellbau.h"

#include "core/Gammafamilie.h"

#include <cmath>

struct TEingehuellteSchwingung {
  static constexpr std::string_view Name = "Eingehüllte Schwingung", Formel = "a * exp(bx) * sin(cx + d) + e";
  static constexpr uint8_t Anzahl = 5;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.a * r.Exp(k.b * x) * r.Sin(k.c * x + k.d) + k.e;
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> v = k.c * x + k.d;
    return k.a * r.Exp(k.b * x) * (k.c * r.Cos(v) + k.b * r.Sin(v));
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    const Zahl<R> v = k.c * x + k.d;
    auto ex = r.Gemeinsam([&] { return r.Exp(k.b * x); });
    auto s = r.Gemeinsam([&] { return r.Sin(v); });
    auto co = r.Gemeinsam([&] { return r.Cos(v); });
    d(0, [&] { return ex() * s(); });
    d(1, [&] { return k.a * x * ex() * s(); });
    d(2, [&] { return k.a * x * ex() * co(); });
    d(3, [&] { return k.a * ex() * co(); });
    d(4, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    const std::string& x = f.X();
    if (w.a != 0)
      f << f.SigniertOderLeer(w.a) << (w.b != 0 ? " * Exp(" + f.SigniertOderLeer(w.b) + x + ")" : "") << " * Sin(" + f.SigniertOderLeer(w.c) + x + " " + f.SigniertOderLeer(w.d) + ")";
    f << f.SigniertOderLeer(w.e);
  }
  static void Start(const TStartdaten& m, TStartwerte w) {
    w.e = m.ymin;
    w.b = m.richtung;
    w.a = m.richtung < 0 ? m.ymax : m.ymin;
  }
};

struct TZerfallsueberlagerung {
  static constexpr std::string_view Name = "Zerfallsüberlagerung", Formel = "a * exp(bx) + c * exp(dx) + e";
  static constexpr uint8_t Anzahl = 5;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.a * r.Exp(k.b * x) + k.c * r.Exp(k.d * x) + k.e;
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.a * k.b * r.Exp(k.b * x) + k.c * k.d * r.Exp(k.d * x);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    auto eb = r.Gemeinsam([&] { return r.Exp(k.b * x); });
    auto ed = r.Gemeinsam([&] { return r.Exp(k.d * x); });
    d(0, [&] { return eb(); });
    d(1, [&] { return k.a * x * eb(); });
    d(2, [&] { return ed(); });
    d(3, [&] { return k.c * x * ed(); });
    d(4, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    const std::string& x = f.X();
    if (w.a != 0) f << f.SigniertOderLeer(w.a) << (w.b != 0 ? " * Exp(" + f.SigniertOderLeer(w.b) + x + ")" : "");
    if (w.c != 0) f << f.SigniertOderLeer(w.c) << (w.d != 0 ? " * Exp(" + f.SigniertOderLeer(w.d) + x + ")" : "");
    f << f.SigniertOderLeer(w.e);
  }
  static void Start(const TStartdaten& m, TStartwerte w) {
    w.e = m.ymin;
    w.b = w.d = m.richtung;
    (m.richtung < 0 ? w.a : w.c) = m.ymax / 2;
  }
};

struct TWurzel {
  static constexpr std::string_view Name = "Wurzel", Formel = "d + a * Sqrt(b + cx)";
  static constexpr uint8_t Anzahl = 4;
  static constexpr bool FehlerGibtNull = true; // a fault in a partial derivative gives 0
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.d + k.a * r.Wurzel(std::fabs(r.Summe(k.b, k.c * x)));
  }
  // The root is taken of |b + c·x|: the derivative carries the sign of b + c·x.
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> u = r.Summe(k.b, k.c * x);
    return r.Teile(k.a * k.c * Sgn(u), 2 * r.Wurzel(std::fabs(u)));
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    const Zahl<R> u = r.Summe(k.b, k.c * x);
    const Zahl<R> s = r.Wurzel(std::fabs(u));
    d(0, [&] { return s; });
    d(1, [&] { return r.Teile(k.a * Sgn(u), 2 * s); });
    d(2, [&] { return r.Teile(k.a * x * Sgn(u), 2 * s); });
    d(3, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    if (w.a != 0 && (w.b != 0 || w.c != 0))
      f << f.SigniertOderLeer(w.a) + " * Sqrt(" << (w.b != 0 ? f.SigniertOderLeer(w.b) : "") << (w.c != 0 ? f.SigniertOderLeer(w.c) + f.X() : "") << ")";
    f << f.SigniertOderLeer(w.d);
  }
  static void Start(const TStartdaten&, TStartwerte) {}
};

struct TPoisson {
  static constexpr std::string_view Name = "Poisson(Näherung)", Formel = "c + d * a^(bx) * exp(-a) / (bx)!";
  static constexpr uint8_t Anzahl = 4;
  static constexpr bool FehlerGibtNull = true;
  // Γ(b·x + 1). It is 0 only by an exact decision (a non-whole argument ≤ 1, a factorial
  // that wraps to 0), never by underflow: divisions by it may take a 0 at face value.
  template <class R> static Zahl<R> Nenner(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return GammaFamilie(r, 0, r.Runde(k.b * x + 1));
  }
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> q = k.d * r.Exp(-k.a) * r.Potenz(k.a, k.b * x);
    return k.c + r.TeileSicher(q, Nenner(r, k, x));
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    using Z = Zahl<R>;
    const Z g = Nenner(r, k, x);
    if (g * g == 0) return Z(1e9);
    const Z q = k.d * r.Exp(-k.a) * r.Potenz(k.a, k.b * x);
    const Z g1 = GammaFamilie(r, -1, r.Runde(k.b * x + 1));
    return r.TeileSicher(k.b * q * (r.LnSicher(k.a) * g - g1), g * g);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    auto p = r.Gemeinsam([&] { return r.Potenz(k.a, k.b * x); });
    auto gamma = r.Gemeinsam([&] { return Nenner(r, k, x); });
    auto ea = r.Gemeinsam([&] { return r.Exp(-k.a); });
    d(0, [&] {
      return r.TeileSicher(k.d * ea() * (k.b * x * r.Potenz(k.a, k.b * x - 1) * Sgn(k.a) - p()), gamma());
    });
    d(1, [&] {
      const Zahl<R> g1 = GammaFamilie(r, -1, r.Runde(k.b * x + 1));
      return r.TeileSicher(x * k.d * ea() * p() * (r.LnSicher(k.a) * gamma() - g1), gamma() * gamma());
    });
    d(2, [] { return 1; });
    d(3, [&] { return r.TeileSicher(ea() * p(), gamma()); });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    const std::string& x = f.X();
    f << f.Zahl(w.c) + " ";
    if (f.Sonst(w.a != 3))
      f << f.SigniertOderLeer(w.d) + " * " + f.SigniertOderLeer(w.a) + "^(" + f.SigniertOderLeer(w.b) + x + ") * Exp(" + f.SigniertOderLeer(-w.a) + ") / (" + f.SigniertOderLeer(w.b) + x + ")!";
  }
  static void Start(const TStartdaten& m, TStartwerte w) {
    w.a = AlsDouble(Differenz(m.ymax, m.ymin));
    w.c = m.ymin;
    w.d = AlsDouble(m.BereichX() * Differenz(m.ymax, m.ymin));
  }
};

struct TDoppelgauss {
  static constexpr std::string_view Name = "Doppelgauß",
                                    Formel = "g + a * exp(- ({X} - b)² / c) + d * exp(- ({X} - e)² / f)";
  static constexpr uint8_t Anzahl = 7;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.g + k.a * Glocke(r, x, k.b, k.c) + k.d * Glocke(r, x, k.e, k.f);
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return r.Teile(-2 * k.a * (x - k.b) * Glocke(r, x, k.b, k.c), k.c) -
           r.Teile(2 * k.d * (x - k.e) * Glocke(r, x, k.e, k.f), k.f);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    Gausspartielle(r, d, 0, k.a, k.b, k.c, x);
    Gausspartielle(r, d, 3, k.d, k.e, k.f, x);
    d(6, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.g != 0, f.Signiert(w.g) + " ").Falls(w.a != 0, f.Signiert(w.a) + " * " + f.Glocke(w.b, f.Signiert(w.c)));
    if (f.Sonst(w.d != 0)) f << f.Signiert(w.d) + " * " + f.Glocke(w.e, f.Signiert(w.f));
  }
  // The Gauss estimate for the first peak, the second from the spreads of the data.
  static void Start(const TStartdaten& m, TStartwerte w) {
    Gaussstart(m, w);
    w.e = m.StreuungX();
    w.g = m.ymin;
    w.d = AlsDouble(Differenz(m.ymax, m.StreuungY()));
    w.f = w.c / 2;
  }
};

struct TBrechzahl {
  static constexpr std::string_view Name = "Brechzahl", Formel = "d + sqrt(a + b/{X}^2 + c/{X}^4)";
  static constexpr uint8_t Anzahl = 4;
  template <class R> static Zahl<R> Innen(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return r.Summe(r.Summe(k.a, r.Teile(k.b, x * x)), r.Teile(k.c, x * x * x * x));
  }
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> u = Innen(r, k, x);
    return k.d + (u >= 0 ? r.Wurzel(u) : 0);
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> u = Innen(r, k, x);
    const Zahl<R> s = u >= 0 ? r.Wurzel(u) : 0;
    return r.Teile(r.Teile(-2 * k.b, x * x * x) - r.Teile(4 * k.c, x * x * x * x * x), 2 * s);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    auto s2 = r.Gemeinsam([&] {
      const Zahl<R> u = Innen(r, k, x);
      return 2 * (u >= 0 ? r.Wurzel(u) : 0);
    });
    for (int i = 0; i < 3; ++i) d(i, [&] { return r.Teile(1, s2() * Ganzpotenz(x, 2 * i)); });
    d(3, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    const std::string& x = f.X();
    f.Falls(w.d != 0, f.Signiert(w.d) + " ") << " + Sqrt(";
    f.Falls(w.a != 0, f.Signiert(w.a) + " ").Falls(w.b != 0, f.Signiert(w.b) + "/" + x + "^2").Falls(w.c != 0, f.Signiert(w.c) + "/" + x + "^4");
    f << ")";
  }
  static void Start(const TStartdaten& m, TStartwerte w) { w.d = m.ymin; }
};

struct TIntensitaet {
  static constexpr std::string_view Name = "Intensität", Formel = "d + c * cos²(a{X} + b)";
  static constexpr uint8_t Anzahl = 4;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.d + k.c * Quadrat(r.Cos(k.a * x + k.b));
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> v = k.a * x + k.b;
    return -2 * k.a * k.c * r.Sin(v) * r.Cos(v);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    const Zahl<R> v = k.a * x + k.b;
    auto s = r.Gemeinsam([&] { return r.Sin(v); });
    auto co = r.Gemeinsam([&] { return r.Cos(v); });
    d(0, [&] { return -2 * k.c * x * s() * co(); });
    d(1, [&] { return -2 * k.c * s() * co(); });
    d(2, [&] { return co() * co(); });
    d(3, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.d != 0, f.Signiert(w.d) + " ");
    if (f.Sonst(w.c != 0))
      f << f.Signiert(w.c) + " * Cos²(" << (w.a != 0 ? f.Signiert(w.a) + f.X() : "") << (w.b != 0 ? f.Signiert(w.b) : "") << ")";
  }
  static void Start(const TStartdaten& m, TStartwerte w) {
    w.c = AlsDouble(Differenz(m.ymax, m.ymin) / 2);
    w.d = m.ymin;
    w.a = m.Frequenz();
  }
};

struct TBasispotenz {
  static constexpr std::string_view Name = "Basispotenz", Formel = "d + b * (a + e{X})^c / (f{X})^g";
  static constexpr uint8_t Anzahl = 7;
  template <class R> static Zahl<R> Nenner(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.g == 0 ? Zahl<R>(1) : r.Potenz(k.f * x, k.g);
  }
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> n = Nenner(r, k, x);
    return n == 0 ? Zahl<R>(1e9) : k.d + r.Teile(k.b * r.Potenz(r.Summe(k.a, k.e * x), k.c), n);
  }
  template <class R> static Zahl<R> Steigung(R&, const TSatz<Zahl<R>>&, Zahl<R>) { return 0; } // not provided
  // The base enters as |a + e·x|: the entries of a and e carry its sign.
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    const Zahl<R> u = r.Summe(k.a, k.e * x);
    auto gross = r.Gemeinsam([&] { return r.Potenz(u, k.c); });
    auto n = r.Gemeinsam([&] { return Nenner(r, k, x); });
    auto kleiner = r.Gemeinsam([&] { return r.Potenz(u, k.c - 1); });
    d(0, [&] { return r.Teile(k.b * k.c * kleiner() * Sgn(u), n()); });
    d(1, [&] { return r.Teile(gross(), n()); });
    d(2, [&] { return r.Teile(k.b * gross() * r.Ln(std::fabs(u)), n()); });
    d(3, [] { return 1; });
    d(4, [&] { return r.Teile(k.b * k.c * x * kleiner() * Sgn(u), n()); });
    d(5, [&] { return r.Teile(-k.b * k.g * gross(), n() * k.f); });
    d(6, [&] { return r.Teile(-k.b * gross() * r.Ln(std::fabs(k.f * x)), n()); });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.d != 0, f.Signiert(w.d) + " ");
    if (!f.Sonst(w.b != 0 && (w.a != 0 || w.e != 0))) return;
    f << f.Signiert(w.b) + " * (" << (w.a != 0 ? f.Signiert(w.a) + " " : "") << (w.e != 0 ? f.Signiert(w.e) + f.X() : "") << ")^" + f.Signiert(w.c);
    if (f.Sonst(w.g != 0)) f << "/(" + f.Signiert(w.f) + f.X() + ")^" + f.Signiert(w.g);
  }
  static void Start(const TStartdaten&, TStartwerte) {}
};

struct TBeemBellKaiser {
  static constexpr std::string_view Name = "BEEM Bell-Kaiser", Formel = "d + b * (a + {X})^c";
  static constexpr uint8_t Anzahl = 4;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.d + k.b * r.Potenz(r.Summe(x, k.a), k.c);
  }
  // The base enters as |x + a|: the derivative carries its sign.
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> u = r.Summe(x, k.a);
    return k.b * k.c * r.Potenz(u, k.c - 1) * Sgn(u);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    const Zahl<R> u = r.Summe(x, k.a);
    auto gross = r.Gemeinsam([&] { return r.Potenz(u, k.c); });
    d(0, [&] { return k.b * k.c * r.Potenz(u, k.c - 1) * Sgn(u); });
    d(1, [&] { return gross(); });
    d(2, [&] { return k.b * gross() * r.Ln(std::fabs(u)); });
    d(3, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.d != 0, f.Signiert(w.d) + " ");
    if (f.Sonst(w.b != 0)) f << f.Signiert(w.b);
    if (f.Sonst(w.c != 0)) f << " * (" << (w.a != 0 ? f.Signiert(w.a) + " " : "") << f.X() + ")^" + f.Signiert(w.c);
  }
  static void Start(const TStartdaten& m, TStartwerte w) {
    w.a = AlsDouble(Differenz(m.xBeiYmax, m.xBeiYmin) / 2);
    w.b = 1;
    w.c = 2;
    w.d = m.ymin;
  }
};
