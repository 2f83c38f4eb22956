// The formula of a model with its coefficient values written in.
#include "Modelle.h"

#include <cmath>

namespace {

// Builds the text piece by piece; Ende() stops it, for the "else end" conditions.
class TFormel {
public:
  TFormel(const TNamen& namen, TZahlformat format) : text_(namen.Y + " = "), x_(namen.X), format_(format) {}

  std::string Z(double v) const { return ZahlFormatiert(v, format_); }
  // The sign the number text does not carry itself: "+" for positive, "±" for 0.
  static std::string S(double v) { return v > 0 ? "+" : v == 0 ? "±" : ""; }
  std::string K(double v) const { return S(v) + Z(v); }
  std::string KT(double v) const { return v == 0 ? "" : K(v); }
  const std::string& X() const { return x_; }

  TFormel& operator<<(const std::string& stueck) {
    if (!fertig_) text_ += stueck;
    return *this;
  }
  // Appends only when the condition holds.
  TFormel& Falls(bool bedingung, const std::string& stueck) { return bedingung ? *this << stueck : *this; }
  // Ends the text here unless the condition holds.
  bool Sonst(bool bedingung) {
    if (!bedingung) fertig_ = true;
    return !fertig_;
  }
  std::string Text() const { return text_; }

private:
  std::string text_;
  std::string x_;
  TZahlformat format_;
  bool fertig_ = false;
};

// "Exp(- (x -b)² / c)" of the Gauss models; the width written by the given writer.
std::string Glocke(const TFormel& f, double mitte, const std::string& breite) {
  return "Exp(- (" + f.X() + (mitte != 0 ? " " + f.K(-mitte) : "") + ")²" + " / " + breite + ")";
}

void Linie(TFormel& f, const TKoeffizienten& k) {
  const double a = k.Werte[0], b = k.Werte[1], fa = k.Fehler[0], fb = k.Fehler[1];
  const std::string teilB = std::fabs(fb) > 1e-18 ? "(" + f.K(b) + " ± " + f.Z(fb) + ")" : f.K(b);
  const std::string teilA = std::fabs(fa) > 1e-18 ? "+ (" + f.K(a) + " ± " + f.Z(fa) + ")" : f.K(a);
  f.Falls(b != 0, teilB + " ").Falls(a != 0, teilA + f.X());
}

void Stuecke(TFormel& f, uint8_t modell, const TKoeffizienten& k) {
  const auto& w = k.Werte;
  const double a = w[0], b = w[1], c = w[2], d = w[3], e = w[4], ff = w[5], g = w[6];
  const std::string& x = f.X();
  switch (modell) {
  case 1: return Linie(f, k);
  case 2:
    f.Falls(c != 0, f.K(c) + " ").Falls(a != 0, f.K(a) + " * ").Falls(b != 0, "Exp(" + f.K(b) + x + ")");
    return;
  case 3:
    f.Falls(d != 0, f.K(d) + " ");
    if (f.Sonst(a != 0)) f << f.K(a) + " * " + Glocke(f, b, f.Z(c));
    return;
  case 4:
    f.Falls(a != 0, f.K(a) + x + " ").Falls(b != 0, f.K(b) + " / " + x + " ").Falls(c != 0, f.K(c));
    return;
  case 5:
    f.Falls(a != 0, f.K(a) + " ").Falls(b != 0, f.K(b) + x + " ").Falls(c != 0, f.K(c) + x + "^2 ");
    f.Falls(d != 0, f.K(d) + x + "^3 ").Falls(e != 0, f.K(e) + x + "^4 ");
    return;
  case 6:
  case 7:
    f.Falls(a != 0, f.K(a) + " ");
    if (f.Sonst(b != 0))
      f << f.K(b) + (modell == 6 ? " * Sin(" : " * Ln(") << (c != 0 ? f.K(c) + x + " " : "")
        << (d != 0 ? f.K(d) : "") << ")";
    return;
  case 8:
    f.Falls(d != 0, f.K(d) + " ");
    if (f.Sonst(std::fabs(a) > 1e-18 && std::fabs(b) > 1e-18))
      f << f.K(a) + " * " + f.Z(b) + " ^ (" + f.K(c) + " * " + x + ")";
    return;
  case 9:
    if (a != 0)
      f << f.KT(a) << (b != 0 ? " * Exp(" + f.KT(b) + x + ")" : "")
        << " * Sin(" + f.KT(c) + x + " " + f.KT(d) + ")";
    f << f.KT(e);
    return;
  case 10:
    if (a != 0) f << f.KT(a) << (b != 0 ? " * Exp(" + f.KT(b) + x + ")" : "");
    if (c != 0) f << f.KT(c) << (d != 0 ? " * Exp(" + f.KT(d) + x + ")" : "");
    f << f.KT(e);
    return;
  case 11:
    if (a != 0 && (b != 0 || c != 0))
      f << f.KT(a) + " * Sqrt(" << (b != 0 ? f.KT(b) : "") << (c != 0 ? f.KT(c) + x : "") << ")";
    f << f.KT(d);
    return;
  case 12:
    f << f.Z(c) + " ";
    if (f.Sonst(a != 3))
      f << f.KT(d) + " * " + f.KT(a) + "^(" + f.KT(b) + x + ") * Exp(" + f.KT(-a) + ") / (" + f.KT(b) + x + ")!";
    return;
  case 13:
    f.Falls(g != 0, f.K(g) + " ").Falls(a != 0, f.K(a) + " * " + Glocke(f, b, f.K(c)));
    if (f.Sonst(d != 0)) f << f.K(d) + " * " + Glocke(f, e, f.K(ff));
    return;
  case 14:
    f.Falls(d != 0, f.K(d) + " ") << " + Sqrt(";
    f.Falls(a != 0, f.K(a) + " ").Falls(b != 0, f.K(b) + "/" + x + "^2").Falls(c != 0, f.K(c) + "/" + x + "^4");
    f << ")";
    return;
  case 15:
    f.Falls(d != 0, f.K(d) + " ");
    if (f.Sonst(c != 0))
      f << f.K(c) + " * Cos²(" << (a != 0 ? f.K(a) + x : "") << (b != 0 ? f.K(b) : "") << ")";
    return;
  case 16:
    f.Falls(d != 0, f.K(d) + " ");
    if (!f.Sonst(b != 0 && (a != 0 || e != 0))) return;
    f << f.K(b) + " * (" << (a != 0 ? f.K(a) + " " : "") << (e != 0 ? f.K(e) + x : "") << ")^" + f.K(c);
    if (f.Sonst(g != 0)) f << "/(" + f.K(ff) + x + ")^" + f.K(g);
    return;
  case 17:
    f.Falls(d != 0, f.K(d) + " ");
    if (f.Sonst(b != 0)) f << f.K(b);
    if (f.Sonst(c != 0)) f << " * (" << (a != 0 ? f.K(a) + " " : "") << x + ")^" + f.K(c);
    return;
  default:
    return;
  }
}

} // namespace

std::string FormelMitWerten(const TKoeffizienten& koeffizienten, uint8_t modell, const TNamen& namen,
                            TZahlformat format) {
  TFormel formel(namen, format);
  Stuecke(formel, modell, koeffizienten);
  return formel.Text();
}
