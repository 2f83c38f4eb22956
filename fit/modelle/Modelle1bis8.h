// Models 1 to 8: line, exponential, Gauss, hyperbola, polynomial, sine, logarithm, power.
#pragma once

#include "Modellbau.h"

#include <cmath>
#include <utility>

// The zero of a line: 1e9 for a flat one.
inline double Geradennullstelle(double steigung, double achse) { return steigung == 0 ? 1e9 : -achse / steigung; }

// The zeros of a + b·x + c·x²: the line for c = 0, else p ± sqrt(p² - a/c) with p = -b/(2c).
inline std::pair<double, double> QuadratischeNullstellen(double a, double b, double c) {
  if (c == 0) return {Geradennullstelle(b, a), 0};
  const double p = -b / (2 * c);
  const double diskriminante = p * p - a / c;
  if (diskriminante < 0) return {0, 0};
  const double r = std::sqrt(diskriminante);
  return {p + r, diskriminante > 0 ? p - r : 0};
}

struct TLineareRegression {
  static constexpr std::string_view Name = "Lineare Regression", Formel = "b + a * {X}";
  static constexpr uint8_t Anzahl = 2;
  template <class R> static Zahl<R> Wert(R&, const TSatz<Zahl<R>>& k, Zahl<R> x) { return k.b + k.a * x; }
  template <class R> static Zahl<R> Steigung(R&, const TSatz<Zahl<R>>& k, Zahl<R>) { return k.a; }
  template <class R, class D> static void Partielle(R&, const TSatz<Zahl<R>>&, Zahl<R> x, D& d) {
    d(0, [&] { return x; });
    d(1, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const double a = k.Werte[0], b = k.Werte[1], fa = k.Fehler[0], fb = k.Fehler[1];
    const std::string teilB = std::fabs(fb) > 1e-18 ? "(" + f.Signiert(b) + " ± " + f.Zahl(fb) + ")" : f.Signiert(b);
    const std::string teilA = std::fabs(fa) > 1e-18 ? "+ (" + f.Signiert(a) + " ± " + f.Zahl(fa) + ")" : f.Signiert(a);
    f.Falls(b != 0, teilB + " ").Falls(a != 0, teilA + f.X());
  }
  static void Start(const TStartdaten&, TStartwerte) {}
  static std::pair<double, double> Nullstellen(const TKoeffizienten& k) {
    return {Geradennullstelle(k.Werte[0], k.Werte[1]), 0};
  }
};

struct TExponentiell {
  static constexpr std::string_view Name = "Exponentiell", Formel = "c + a * exp(b * {X})";
  static constexpr uint8_t Anzahl = 3;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.c + k.a * r.Exp(k.b * x);
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.a * k.b * r.Exp(k.b * x);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    auto eb = r.Gemeinsam([&] { return r.Exp(k.b * x); });
    d(0, [&] { return eb(); });
    d(1, [&] { return k.a * x * eb(); });
    d(2, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.c != 0, f.Signiert(w.c) + " ").Falls(w.a != 0, f.Signiert(w.a) + " * ").Falls(w.b != 0, "Exp(" + f.Signiert(w.b) + f.X() + ")");
  }
  static void Start(const TStartdaten& m, TStartwerte w) {
    w.a = AlsDouble(Differenz(m.ymax, m.ymin));
    w.b = m.richtung;
    w.c = m.ymin;
  }
};

struct TGauss {
  static constexpr std::string_view Name = "Gauss", Formel = "d + a * exp(- ({X} - b)² / c)";
  static constexpr uint8_t Anzahl = 4;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.d + k.a * Glocke(r, x, k.b, k.c);
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return r.Teile(-2 * k.a * (x - k.b) * Glocke(r, x, k.b, k.c), k.c);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    Gausspartielle(r, d, 0, k.a, k.b, k.c, x);
    d(3, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.d != 0, f.Signiert(w.d) + " ");
    if (f.Sonst(w.a != 0)) f << f.Signiert(w.a) + " * " + f.Glocke(w.b, f.Zahl(w.c));
  }
  static void Start(const TStartdaten& m, TStartwerte w) { Gaussstart(m, w); }
};

struct THyperbel {
  static constexpr std::string_view Name = "Hyperbel", Formel = "a * {X} + b / {X} + c";
  static constexpr uint8_t Anzahl = 3;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return x == 0 ? Zahl<R>(1e9) : k.a * x + r.Teile(k.b, x) + k.c;
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return x == 0 ? Zahl<R>(1e9) : k.a - r.Teile(k.b, x * x);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>&, Zahl<R> x, D& d) {
    d(0, [&] { return x; });
    d(1, [&] { return x == 0 ? Zahl<R>(1e9) : r.Teile(1, x); });
    d(2, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.a != 0, f.Signiert(w.a) + f.X() + " ").Falls(w.b != 0, f.Signiert(w.b) + " / " + f.X() + " ").Falls(w.c != 0, f.Signiert(w.c));
  }
  static void Start(const TStartdaten& m, TStartwerte w) { w.c = m.ymin; }
  // The zeros of a·x + b/x + c times x: those of b + c·x + a·x².
  static std::pair<double, double> Nullstellen(const TKoeffizienten& k) {
    return QuadratischeNullstellen(k.Werte[1], k.Werte[2], k.Werte[0]);
  }
};

struct TPolynom {
  static constexpr std::string_view Name = "Polynom", Formel = "a + b{X} + c{X}^2 + d{X}^3 + e{X}^4";
  static constexpr uint8_t Anzahl = 5;
  template <class R> static Zahl<R> Wert(R&, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.a + k.b * x + k.c * x * x + k.d * x * x * x + k.e * x * x * x * x;
  }
  template <class R> static Zahl<R> Steigung(R&, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.b + 2 * k.c * x + 3 * k.d * x * x + 4 * k.e * x * x * x;
  }
  template <class R, class D> static void Partielle(R&, const TSatz<Zahl<R>>&, Zahl<R> x, D& d) {
    for (int i = 0; i < Anzahl; ++i) d(i, [&] { return Ganzpotenz(x, i); });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    const std::string& x = f.X();
    f.Falls(w.a != 0, f.Signiert(w.a) + " ").Falls(w.b != 0, f.Signiert(w.b) + x + " ").Falls(w.c != 0, f.Signiert(w.c) + x + "^2 ");
    f.Falls(w.d != 0, f.Signiert(w.d) + x + "^3 ").Falls(w.e != 0, f.Signiert(w.e) + x + "^4 ");
  }
  static void Start(const TStartdaten&, TStartwerte) {}
  // Only the quadratic polynomial (d = 0) has zeros here; e is not looked at.
  static std::pair<double, double> Nullstellen(const TKoeffizienten& k) {
    const auto& w = k.Werte;
    return w[3] == 0 ? QuadratischeNullstellen(w[0], w[1], w[2]) : std::pair<double, double>{0, 0};
  }
};

// "a + b * Sin(c x d)" and "a + b * Ln(...)": the pieces of models 6 and 7.
inline void Funktionsstuecke(TFormel& f, const TKoeffizienten& k, const char* funktion) {
  const TSatz<double> w(k);
  f.Falls(w.a != 0, f.Signiert(w.a) + " ");
  if (f.Sonst(w.b != 0))
    f << f.Signiert(w.b) + funktion << (w.c != 0 ? f.Signiert(w.c) + f.X() + " " : "") << (w.d != 0 ? f.Signiert(w.d) : "") << ")";
}

struct TSinus {
  static constexpr std::string_view Name = "Sinus", Formel = "a + b * sin(c * {X} + d)";
  static constexpr uint8_t Anzahl = 4;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.a + k.b * r.Sin(k.c * x + k.d);
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.b * k.c * r.Cos(k.c * x + k.d);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    const Zahl<R> v = k.c * x + k.d;
    auto cosinus = r.Gemeinsam([&] { return r.Cos(v); });
    d(0, [] { return 1; });
    d(1, [&] { return r.Sin(v); });
    d(2, [&] { return k.b * x * cosinus(); });
    d(3, [&] { return k.b * cosinus(); });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) { Funktionsstuecke(f, k, " * Sin("); }
  static void Start(const TStartdaten& m, TStartwerte w) {
    w.a = m.MittelY();
    w.b = AlsDouble(Differenz(m.ymax, m.ymin) / 2);
    w.c = m.Frequenz();
  }
};

struct TLogarithmus {
  static constexpr std::string_view Name = "Logarithmus", Formel = "a + b * ln(c * {X} + d)";
  static constexpr uint8_t Anzahl = 4;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> u = r.Summe(k.c * x, k.d);
    return u > 0 ? k.a + k.b * r.Ln(u) : Zahl<R>(-1e9);
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    const Zahl<R> u = r.Summe(k.c * x, k.d);
    return u > 0 ? r.Teile(k.b * k.c, u) : Sgn(u) * Zahl<R>(1e9);
  }
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    using Z = Zahl<R>;
    const Z u = r.Summe(k.c * x, k.d);
    d(0, [] { return 1; });
    d(1, [&] { return u <= 0 ? Z(-1e9) : r.Ln(u); });
    d(2, [&] { return u == 0 ? k.b * x * Z(1e9) : r.Teile(k.b * x, u); });
    d(3, [&] { return u == 0 ? k.b * Z(1e9) : r.Teile(k.b, u); });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) { Funktionsstuecke(f, k, " * Ln("); }
  static void Start(const TStartdaten& m, TStartwerte w) { w.a = m.ymin; }
};

struct TPotenzfunktion {
  static constexpr std::string_view Name = "Potenzfunktion", Formel = "d + a * b ^ (c * {X})";
  static constexpr uint8_t Anzahl = 4;
  template <class R> static Zahl<R> Wert(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.d + k.a * r.Potenz(k.b, k.c * x);
  }
  template <class R> static Zahl<R> Steigung(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x) {
    return k.a * r.Potenz(k.b, k.c * x) * k.c * r.LnSicher(std::fabs(k.b));
  }
  // The base enters as |b|: its entry carries the sign of b.
  template <class R, class D> static void Partielle(R& r, const TSatz<Zahl<R>>& k, Zahl<R> x, D& d) {
    using Z = Zahl<R>;
    auto t = r.Gemeinsam([&] { return r.Potenz(k.b, k.c * x); });
    d(0, [&] { return t(); });
    d(1, [&] { return k.a * k.c * x * r.Potenz(k.b, k.c * x - 1) * Sgn(k.b); });
    d(2, [&] { return k.b == 0 ? Z(-1e9) : k.a * x * t() * r.LnSicher(std::fabs(k.b)); });
    d(3, [] { return 1; });
  }
  static void Stuecke(TFormel& f, const TKoeffizienten& k) {
    const TSatz<double> w(k);
    f.Falls(w.d != 0, f.Signiert(w.d) + " ");
    if (f.Sonst(std::fabs(w.a) > 1e-18 && std::fabs(w.b) > 1e-18))
      f << f.Signiert(w.a) + " * " + f.Zahl(w.b) + " ^ (" + f.Signiert(w.c) + " * " + f.X() + ")";
  }
  static void Start(const TStartdaten& m, TStartwerte w) { w.d = m.ymin; }
};
