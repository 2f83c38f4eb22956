#include "Fitkurve.h"

#include "fit/Formel.h"
#include "fit/Modelle.h"

#include "core/Gleitkomma.h"
#include "core/Spezialfunktionen.h"

#include <algorithm>
#include <cmath>

namespace {

// The end x of the line, moved onto the upper and then the lower edge when f leaves the range
// there (a flat line moves far away instead).
double Geschnitten(const TAbbildung& a, const TFitErgebnis& e, double x) {
  const double steigung = e.Koeffizienten.Werte[0], achse = e.Koeffizienten.Werte[1];
  const auto auf = [&](double y) { return steigung != 0 ? (y - achse) / steigung : (y - achse) * 1e9; };
  if (ModellWert(e, x) > a.Ymax) x = auf(a.Ymax);
  if (ModellWert(e, x) < a.Ymin) x = auf(a.Ymin);
  return x;
}

} // namespace

void KurveZeichnen(TLeinwand& l, const TAbbildung& a, const TFitErgebnis& e) {
  if (e.Modell == Modellnr::Gerade) {
    const double x1 = Geschnitten(a, e, a.Xmin), x2 = Geschnitten(a, e, a.Xmax);
    const TPixel p1 = WeltZuPixel(a, x1, ModellWert(e, x1)), p2 = WeltZuPixel(a, x2, ModellWert(e, x2));
    l.BewegeZu(p1.x, p1.y);
    l.LinieZu(p2.x, p2.y);
    return;
  }
  bool drin = false;
  for (int32_t i = 0; i <= a.Feldbreite; ++i) {
    const double x = (a.Xmax - a.Xmin) * i / a.Feldbreite + a.Xmin;
    const TPixel p = WeltZuPixel(a, x, ModellWert(e, x));
    const bool jetzt = ImZeichenfeld(a, p);
    if (jetzt && drin) l.LinieZu(p.x, p.y);
    else if (jetzt) l.BewegeZu(p.x, p.y);
    drin = jetzt;
  }
}

TFitErgebnis TangenteBilden(const TFitErgebnis& e, double x0) {
  TFitErgebnis ableitung = e;
  --ableitung.Ordnung;
  const double y0 = ModellWert(e, x0), m = ModellWert(ableitung, x0);
  TFitErgebnis t = e;
  t.Modell = Modellnr::Gerade;
  t.Ordnung = 0;
  t.Koeffizienten.Werte[0] = m;
  t.Koeffizienten.Werte[1] = y0 - m * x0;
  return t;
}

void KastenZeichnen(TLeinwand& l, const TKoeffizienten& k, uint8_t modell, const TNamen& namen,
                    TZahlformat format, int x, int y, bool chi, double q) {
  const uint32_t pinsel = l.Pinsel();
  const TStift stift = l.Stift();
  l.Pinsel(0x00FFFFFF);
  const int n = Parameteranzahl(modell);
  const std::string formel = Formeltext(modell, namen);
  const int h = l.TextHoehe("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ" + formel);
  const auto buchstabe = [](int i) { return std::string(1, static_cast<char>('a' + i)); };
  const auto wert = [&](int i) { return ZahlFormatiert(k.Werte[i], format); };
  const auto fehler = [&](int i) { return ZahlFormatiert(k.Fehler[i], format); };
  int breite = l.TextBreite(formel), spalte = 0;
  bool mitFehlern = false;
  for (int i = 0; i < n; ++i) {
    breite = std::max(breite, l.TextBreite(buchstabe(i) + " = " + wert(i) + " ± " + fehler(i)));
    spalte = std::max(spalte, l.TextBreite(buchstabe(i) + " = " + wert(i) + " "));
    mitFehlern = mitFehlern || k.Fehler[i] != 0;
  }
  l.Stift(stift.Farbe, 1, stift.Stil);
  l.Rechteck(x - 4, y - 4, x + breite + 4, y + (n + 1 + (chi ? 1 : 0)) * h + 4);
  l.TextAus(x, y, formel);
  for (int i = 0; i < n; ++i) {
    const int zeile = y + (i + 1) * h;
    const std::string stern = k.Fix.Enthaelt(static_cast<uint8_t>(i)) ? "*" : "";
    l.TextAus(x, zeile, buchstabe(i) + stern + " = " + wert(i) + " ");
    if (!mitFehlern) continue;
    l.TextAus(x + spalte, zeile, "± ");
    l.TextAus(x + spalte + l.TextBreite("± "), zeile, fehler(i));
  }
  if (chi) l.TextAus(x, y + (n + 1) * h, "q² = " + ZahlFormatiert(q, format));
  l.Stift(stift.Farbe, stift.Breite, stift.Stil);
  l.Pinsel(pinsel);
}

namespace {

using E = Extended;

E Quotient(E p, E q) { return Teile(p, q == 0 ? 1e-18L : q); }

// ln t for t > 0, else the stand-in -1e-18.
E LnOderKlein(E t) { return t > 0 ? Ln(t) : -1e-18L; }

E Umkehren(const TFitErgebnis& e, E y) {
  const auto& w = e.Koeffizienten.Werte;
  const E a = w[0], b = w[1], c = w[2], d = w[3];
  switch (e.Modell) {
  case Modellnr::Gerade: return a == 0 ? 1e9L : Teile(y - b, a);
  case Modellnr::Exponentiell: return Quotient(LnOderKlein(Quotient(y - c, a)), b);
  case Modellnr::Gauss: {
    const E u = -LnOderKlein(Quotient(y - d, a)) * c;
    return u >= 0 ? b + Wurzel(u) : b;
  }
  case Modellnr::Hyperbel: {
    TFitErgebnis verschoben = e;
    verschoben.Koeffizienten.Werte[2] = AlsDouble(c - y);
    return Nullstellen(verschoben).first;
  }
  case Modellnr::Sinus: {
    const E t = Quotient(y - a, b);
    return Quotient((std::fabs(t) <= 1 ? std::asin(t) : 0) - d, c);
  }
  case Modellnr::Logarithmus: return Quotient(EHoch(Quotient(y - a, b)) - d, c);
  case Modellnr::Potenzfunktion: {
    E t = Quotient(y - d, a);
    if (t > 0 && b != 0 && b != 1) t = Teile(Ln(t), Ln(std::fabs(b)));
    return Quotient(t, c);
  }
  case Modellnr::Wurzel: {
    const E r = Teile(y - d, a);
    return Teile(r * r - b, c);
  }
  case Modellnr::Intensitaet: {
    // cos²(ax + b) = (y - d)/c on the branch 0 ≤ ax + b ≤ π/2; no solution outside [0, 1].
    const E t = Teile(y - d, c);
    if (t < 0 || t > 1) Gleitkommafehler(TGleitkommaArt::Ungueltig);
    return Teile(std::acos(std::sqrt(t)) - b, a);
  }
  case Modellnr::BeemBellKaiser: {
    // |x + a|^c = (y - d)/b on the branch x ≥ -a; a negative quotient has no solution.
    const E t = Teile(y - d, b);
    if (t < 0) Gleitkommafehler(TGleitkommaArt::Ungueltig);
    return -a + Hoch(t, Teile(1, c));
  }
  default: return 0;
  }
}

} // namespace

double Umkehrwert(const TFitErgebnis& e, double y) {
  try {
    return AlsDouble(Pruefe(Umkehren(e, y)));
  } catch (const TQuarnFehler&) {
    return 0;
  }
}
