#include "Diagramm.h"

#include "Beschriftung.h"
#include "Fitkurve.h"

#include "core/Gleitkomma.h"
#include "core/Statistik.h"
#include "core/Typen.h"
#include "fit/Fit.h"
#include "fit/Formel.h"
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
  if (Logarithmisch(r.LogBasisX)) Logarithmieren(d.x, r.LogBasisX);
  if (Logarithmisch(r.LogBasisY)) Logarithmieren(d.y, r.LogBasisY);
  if (!r.Variation) return;
  const bool yKleiner = BetragMax(d.y) < BetragMax(d.x);
  for (TVektor* v : {&d.x, &d.dx}) Skalieren(*v, yKleiner ? 0.001 : 1000);
  for (TVektor* v : {&d.y, &d.dy}) Skalieren(*v, yKleiner ? 1000 : 0.001);
}

void Anpassen(TDaten& d, TDiagrammEinstellungen& r) {
  if (r.Fit.Modell == Modellnr::Keins) return;
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
      const std::string text = FormelMitWerten(t.Koeffizienten, Modellnr::Gerade,
                                               TNamen{"x", "y", "", ""}, r.Zahlformat);
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
  const bool roh = r.Integrationen == 0 && !Logarithmisch(r.LogBasisX) &&
                   !Logarithmisch(r.LogBasisY) && !r.Variation && !r.Fit.Ausreisser;
  Anpassen(d, r);
  if (fit && d.fit) *fit = TGezeichneterFit{d.e, roh};
  Achsengrenzen(a, d.x, d.y, TGrenzen{r.XminAn, r.XmaxAn, r.YminAn, r.YmaxAn, r.Xmin, r.Xmax, r.Ymin, r.Ymax});
  if (r.Beschriftung) {
    Titel(l, a, r);
    if (!r.OhneSkala) Skalen(l, a, r);
    Markierungslinien(l, a, r, d.fit ? &d.e : nullptr);
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
