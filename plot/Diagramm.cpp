#include "Diagramm.h"

#include "Fitkurve.h"

#include "core/Gleitkomma.h"
#include "core/Statistik.h"
#include "core/Typen.h"
#include "fit/Fit.h"
#include "fit/Formel.h"
#include "fit/Modelle.h"
#include "operations/Analysis.h"
#include "operations/Arrayoperationen.h"
#include "operations/Sortierung.h"

#include <algorithm>
#include <vector>

namespace {

// The data while drawing: the transformed points, their individual errors, the fit.
struct TDaten {
  TVektor x, y, dx, dy;
  TFitErgebnis e;
  bool fit = false;
};

void Umformen(TDaten& d, const TDiagrammEinstellungen& r) {
  if (r.LogBasisX > 1e-18) Logarithmieren(d.x, r.LogBasisX);
  if (r.LogBasisY > 1e-18) Logarithmieren(d.y, r.LogBasisY);
  if (!r.Variation) return;
  const bool yKleiner = BetragMax(d.y) < BetragMax(d.x);
  for (TVektor* v : {&d.x, &d.dx}) Skalieren(*v, yKleiner ? 0.001 : 1000);
  for (TVektor* v : {&d.y, &d.dy}) Skalieren(*v, yKleiner ? 1000 : 0.001);
}

void Anpassen(TDaten& d, TDiagrammEinstellungen& r) {
  if (r.Fit.Modell == 0) return;
  const bool ausreisser = r.Fit.Ausreisser;
  r.Fit.Ausreisser = false;
  const auto fitten = [&](TPunkte x, TPunkte y) {
    TFitErgebnis e = Fit(x, y, r.Fit, r.FitParameter);
    e.Modell = r.Fit.Modell;
    e.Ordnung = 0;
    return e;
  };
  d.e = fitten(d.x, d.y);
  d.fit = true;
  // The drawing shows the kept points only.
  if (ausreisser) d.e = Ausreisserpass(d.x, d.y, d.e, r.Fit.Prozent, fitten);
}

// The pixel offset of a marker line; false when infinite axis limits leave it undefined.
bool Versatz(Extended anteil, int32_t feld, int32_t& pixel) {
  const Extended v = anteil * feld;
  if (!std::isfinite(v)) return false;
  pixel = static_cast<int32_t>(RundeGanz(v));
  return true;
}

// Layout values of the labelling, from the margins: the top of the x labels, the left edge
// of the y labels and the x of the y ticks.
struct TBeschriftungslage {
  int xTextOben, yTextLinks, yStrichX;
  explicit TBeschriftungslage(const TAbbildung& a)
      : xTextOben(a.Hoehe - a.RandLinks / 2), yTextLinks(a.RandLinks / 3), yStrichX(a.RandLinks / 2 + a.RandLinks / 3) {}
};

void Titel(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r) {
  l.Schrift("Georgia", l.Schriftgroesse());
  l.TextAus(20, a.Hoehe - 10 - l.TextHoehe("I"), r.Markierung);
  l.Schrift("Georgia", 10);
  l.TextAus(a.Breite / 2 - l.TextBreite(r.AchseX) / 2, a.Hoehe - a.RandLinks / 4, r.AchseX);
  l.TextAusGedreht(a.RandLinks / 8, a.Hoehe / 2 + l.TextBreite(r.AchseY) / 2, r.AchseY);
  l.Schrift("Arial", 8);
  const int yA = a.Hoehe - a.RandLinks / 2 - 4, xA = a.RandLinks - a.RandOben;
  l.BewegeZu(xA, a.RandOben);
  l.LinieZu(xA, yA);
  l.LinieZu(a.Breite - a.RandOben, yA);
}

void Gitterlinie(TLeinwand& l, int x, int y) {
  const TStift stift = l.Stift();
  l.Stift(stift.Farbe, stift.Breite, TStiftstil::Gepunktet);
  l.LinieZu(x, y);
  l.Stift(stift.Farbe, stift.Breite, TStiftstil::Durchgezogen);
}

TZahlformat Achsenformat(TZahlformat f, int32_t kommastellen) {
  f.Kommastellen = static_cast<uint8_t>(std::clamp(kommastellen, 0, 255));
  return f;
}

void XStrich(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r, const TSkalenstrich& s) {
  const TBeschriftungslage lage(a);
  l.BewegeZu(s.Pixel, lage.xTextOben + 4);
  l.LinieZu(s.Pixel, lage.xTextOben - 8);
  if (r.Zusatz & ZusatzGitter) Gitterlinie(l, s.Pixel, a.RandOben);
  const std::string text = ZahlFormatiert(s.Wert, Achsenformat(r.Zahlformat, r.KommastellenX));
  l.TextAus(s.Pixel - l.TextBreite(text) / 2, lage.xTextOben, text);
}

void YStrich(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r, const TSkalenstrich& s) {
  const TBeschriftungslage lage(a);
  l.BewegeZu(lage.yStrichX - 4, s.Pixel);
  l.LinieZu(lage.yStrichX + 5, s.Pixel);
  if (r.Zusatz & ZusatzGitter) Gitterlinie(l, a.Breite - a.RandOben, s.Pixel);
  const std::string text = ZahlFormatiert(s.Wert, Achsenformat(r.Zahlformat, r.KommastellenY));
  l.TextAus(lage.yTextLinks, s.Pixel - l.TextHoehe(text) / 2, text);
}

void Skalen(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r) {
  const bool gleichmaessig = r.Zusatz & ZusatzGleichmaessig;
  const auto xs = XStriche(a, gleichmaessig), ys = YStriche(a, gleichmaessig);
  if (gleichmaessig) {
    for (const TSkalenstrich& s : xs) XStrich(l, a, r, s);
    for (const TSkalenstrich& s : ys) YStrich(l, a, r, s);
    return;
  }
  for (std::size_t i = 0; i < xs.size(); ++i) {
    XStrich(l, a, r, xs[i]);
    YStrich(l, a, r, ys[i]);
  }
}

// The given marker lines (at most the three slots), and for each that carries "Schnitt" the
// line through its cut point with the curve: the working list may hold a fourth line.
std::vector<TLinie> Markierungslinien(const TDiagrammEinstellungen& r, const TDaten& d) {
  std::vector<TLinie> linien(r.Linien.begin(), r.Linien.begin() + std::min<int>(r.LinienAnzahl, 3));
  if (!d.fit) return linien;
  const std::size_t gegeben = linien.size();
  for (std::size_t i = 0; i < gegeben; ++i) {
    const TLinie& l = linien[i];
    if (!l.Schnitt || l.Art > 1) continue;
    TLinie schnitt;
    schnitt.Art = l.Art == 0 ? 1 : 0;
    schnitt.Wert = l.Art == 0 ? ModellWert(d.e, l.Wert) : Umkehrwert(d.e, l.Wert);
    schnitt.Text = (l.Art == 0 ? r.Namen.Y : r.Namen.X) + " = " + ZahlFormatiert(schnitt.Wert, r.Zahlformat);
    linien.push_back(schnitt);
  }
  return linien;
}

void Linien(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r, const TDaten& d) {
  const std::vector<TLinie> linien = Markierungslinien(r, d);
  if (linien.empty()) return;
  const TBeschriftungslage lage(a);
  const TStift stift = l.Stift();
  l.Stift(stift.Farbe, stift.Breite, TStiftstil::Gestrichelt);
  for (const TLinie& linie : linien) {
    const double w = linie.Wert;
    int32_t versatz = 0;
    if (linie.Art == 0 && a.Xmin <= w && w <= a.Xmax &&
        (a.Xmax == a.Xmin || Versatz((w - a.Xmin) / (a.Xmax - a.Xmin), a.Feldbreite, versatz))) {
      const int px = a.RandLinks + versatz;
      l.BewegeZu(px, lage.xTextOben - 4);
      l.LinieZu(px, a.RandOben);
      l.TextAus(px - l.TextBreite(linie.Text) / 2, lage.xTextOben + l.TextHoehe(linie.Text) + 2, linie.Text);
    } else if (linie.Art == 1 && a.Ymin <= w && w <= a.Ymax &&
               (a.Ymax == a.Ymin || Versatz((w - a.Ymin) / (a.Ymax - a.Ymin), a.Feldhoehe, versatz))) {
      const int py = a.Hoehe - a.RandLinks - versatz;
      l.BewegeZu(lage.yStrichX, py);
      l.LinieZu(a.Breite - a.RandOben, py);
      l.TextAus(lage.yTextLinks, py - l.TextHoehe(linie.Text) / 2, linie.Text);
    }
  }
}

// The points in ascending order of x, stably; the individual errors stay with their points.
void Sortieren(TDaten& d) {
  const std::size_t n = std::min(d.x.size(), d.y.size());
  std::vector<TRealSatz> saetze(n);
  for (std::size_t i = 0; i < n; ++i) saetze[i] = {static_cast<double>(i), d.x[i]};
  RangsortierungPaare(true, saetze);
  const TDaten alt = d;
  // Every point gets its own error, 0 where the error column has none.
  d.dx.assign(n, 0);
  d.dy.assign(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const auto von = static_cast<std::size_t>(saetze[i].Wert);
    d.x[i] = alt.x[von];
    d.y[i] = alt.y[von];
    if (von < alt.dx.size()) d.dx[i] = alt.dx[von];
    if (von < alt.dy.size()) d.dy[i] = alt.dy[von];
  }
}

// One error bar of half-width w around (x, y), along x or along y, with a cap across each end.
void Balken(TLeinwand& l, const TAbbildung& a, double x, double y, double w, bool waagerecht) {
  if (!(w > 0)) return;
  const TPixel p1 = waagerecht ? WeltZuPixel(a, x - w, y) : WeltZuPixel(a, x, y - w);
  const TPixel p2 = waagerecht ? WeltZuPixel(a, x + w, y) : WeltZuPixel(a, x, y + w);
  l.BewegeZu(p1.x, p1.y);
  l.LinieZu(p2.x, p2.y);
  for (const TPixel& p : {p1, p2}) {
    l.BewegeZu(waagerecht ? p.x : p.x - 3, waagerecht ? p.y - 3 : p.y);
    l.LinieZu(waagerecht ? p.x : p.x + 4, waagerecht ? p.y + 4 : p.y);
  }
}

void Fehlerbalken(TLeinwand& l, const TAbbildung& a, const TFitVorgabe& f, const TDaten& d, std::size_t i) {
  const double x = d.x[i], y = d.y[i];
  // The individual error of the point, or its own value as the base of the error mode.
  const auto basis = [&](const TVektor& einzeln, double wert) {
    if (f.Fehlerart != Fehlermodus::Individuell) return wert;
    return i < einzeln.size() ? einzeln[i] : 0.0;
  };
  if (f.DX > 0) Balken(l, a, x, y, Punktfehler(f.Fehlerart, f.DX, basis(d.dx, x)), true);
  if (f.DY > 0) Balken(l, a, x, y, Punktfehler(f.Fehlerart, f.DY, basis(d.dy, y)), false);
}

void Punkte(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r, TDaten& d) {
  // Squares 2s - 1 pixels wide: s is 7 for Zeichendicke -5, 5 for 0, 3 for 5.
  const int s = 5 - r.Zeichendicke / 2;
  l.Pinsel(r.Farbe);
  l.Stift(l.Stift().Farbe, l.Stift().Breite, TStiftstil::Durchgezogen);
  l.BewegeZu(0, a.Hoehe);
  Sortieren(d);
  for (std::size_t i = 0; i < std::min(d.x.size(), d.y.size()); ++i) {
    const TPixel p = WeltZuPixel(a, d.x[i], d.y[i]);
    if (!r.PunkteAus) l.Rechteck(p.x - s + 1, p.y - s + 1, p.x + s, p.y + s);
    if (r.Verbinden) {
      if (i == 0) l.BewegeZu(p.x, p.y);
      else l.LinieZu(p.x, p.y);
    }
    if (r.Fehlerbalken) Fehlerbalken(l, a, r.Fit, d, i);
    l.BewegeZu(p.x, p.y);
  }
}

// Returns whether the box was drawn.
bool Fitueberlagerung(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r, const TDaten& d,
                      std::size_t punkte) {
  l.Stift(r.PunkteAus ? r.Farbe : r.Vordergrund, 2, l.Stift().Stil);
  KurveZeichnen(l, a, d.e);
  l.Schrift("Georgia", l.Schriftgroesse());
  const auto unten = [&](const std::string& text, int abstand) {
    l.TextAus(a.RandLinks + a.Feldbreite / 2 - l.TextBreite(text) / 2, a.RandOben + a.Feldhoehe + abstand, text);
  };
  if (r.Tangente) {
    const TFitErgebnis t = TangenteBilden(d.e, r.TangenteX);
    KurveZeichnen(l, a, t);
    if (r.Formel) {
      const std::string text = FormelMitWerten(t.Koeffizienten, 1, TNamen{"x", "y", "", ""}, r.Zahlformat);
      unten(text, a.RandLinks / 7 + l.TextHoehe(text) + 4);
    }
  }
  if (!r.Tangente && !r.Formel) return false;
  if (!r.Kasten) {
    unten(FormelMitWerten(d.e.Koeffizienten, r.Fit.Modell, r.Namen, r.Zahlformat), a.RandLinks / 4);
    return false;
  }
  if (r.Tangente && !r.Formel) return false;
  const double q = AlsDouble(Teile(Quadratsumme(d.x, d.y, d.e), static_cast<Extended>(punkte)));
  const TPixel p = WeltZuPixel(a, r.KastenX, r.KastenY);
  KastenZeichnen(l, d.e.Koeffizienten, r.Fit.Modell, r.Namen, r.Zahlformat, p.x, p.y, r.Chi, q);
  return true;
}

void Kreuz(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r) {
  const TPixel p = WeltZuPixel(a, r.KastenX, r.KastenY);
  if (!ImBild(a, p)) return;
  l.Schrift("Georgia", 8);
  l.Pinsel(r.Hintergrund);
  l.Stift(l.Stift().Farbe, 1, l.Stift().Stil);
  l.BewegeZu(p.x - 4, p.y);
  l.LinieZu(p.x + 5, p.y);
  l.BewegeZu(p.x, p.y - 4);
  l.LinieZu(p.x, p.y + 5);
  l.TextAus(p.x + 8, p.y + 8, r.Namen.X + " = " + ZahlFormatiert(r.KastenX, r.Zahlformat));
  const std::string zweite = r.Namen.Y + " = " + ZahlFormatiert(r.KastenY, r.Zahlformat);
  l.TextAus(p.x + 8, p.y + 8 + l.TextHoehe(zweite), zweite);
}

} // namespace

TAbbildung DiagrammZeichnen(TLeinwand& l, std::span<const double> x, std::span<const double> y,
                            std::span<const double> dx, std::span<const double> dy, TDiagrammEinstellungen r,
                            std::optional<TGezeichneterFit>* fit) {
  if (fit) fit->reset();
  if (x.empty()) return TAbbildung{};
  TAbbildung a = Raender(static_cast<uint16_t>(l.Breite()), static_cast<uint16_t>(l.Hoehe()), r.Beschriftung);
  l.Pinsel(r.Hintergrund);
  l.RechteckFuellen(0, 0, a.Breite, a.Hoehe);
  l.Stift(r.Vordergrund, 1, TStiftstil::Durchgezogen);
  TDaten d{TVektor(x.begin(), x.end()), TVektor(y.begin(), y.end()), TVektor(dx.begin(), dx.end()),
           TVektor(dy.begin(), dy.end()), {}, false};
  if (r.Integrationen != 0) Integrieren(d.x, d.y, r.Integrationen);
  if (a.Feldbreite <= 0 || a.Feldhoehe <= 0) return a;
  Umformen(d, r);
  const bool roh = r.Integrationen == 0 && !(r.LogBasisX > 1e-18) && !(r.LogBasisY > 1e-18) && !r.Variation &&
                   !r.Fit.Ausreisser;
  Anpassen(d, r);
  if (fit && d.fit) *fit = TGezeichneterFit{d.e, roh};
  Achsengrenzen(a, d.x, d.y, TGrenzen{r.XminAn, r.XmaxAn, r.YminAn, r.YmaxAn, r.Xmin, r.Xmax, r.Ymin, r.Ymax});
  if (r.Beschriftung) {
    Titel(l, a, r);
    if (!r.OhneSkala) Skalen(l, a, r);
    Linien(l, a, r, d);
  }
  Punkte(l, a, r, d);
  const bool kasten = d.fit && Fitueberlagerung(l, a, r, d, std::min(x.size(), y.size()));
  if (!kasten) Kreuz(l, a, r);
  return a;
}

TAbbildung BeispielZeichnen(TLeinwand& l, std::span<const double> x, std::span<const double> y,
                            const TDiagrammEinstellungen& r) {
  const double null[] = {0};
  return DiagrammZeichnen(l, x, y, null, null, r);
}
