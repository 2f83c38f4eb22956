#include "Beschriftung.h"

#include "Fitkurve.h"

#include "core/Gleitkomma.h"
#include "fit/Modelle.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Where the labelling of one axis lies across it: ticks run from strichVon to strichBis,
// marker lines from linieVon and grid lines from the tick, both to the far side of the plot
// area at ende; text is the top of the x labels or the left edge of the y labels.
struct TAchsenlage {
  TAchse achse;
  TAchsenmass mass;
  int text, strichVon, strichBis, linieVon, ende;
  int32_t kommastellen;

  TPixel Punkt(int32_t entlang, int quer) const {
    return achse == TAchse::X ? TPixel{entlang, quer} : TPixel{quer, entlang};
  }
  // A label centred on its pixel along the axis; an x label sits tiefer pixels lower.
  void Beschriften(TLeinwand& l, int32_t pixel, const std::string& s, int tiefer) const {
    if (achse == TAchse::X)
      l.TextAus(pixel - l.TextBreite(s) / 2, text + tiefer, s);
    else
      l.TextAus(text, pixel - l.TextHoehe(s) / 2, s);
  }
};

TAchsenlage Achsenlage(const TAbbildung& a, const TDiagrammEinstellungen& r, TAchse achse) {
  const int xTextOben = a.Hoehe - a.RandLinks / 2, yStrichX = a.RandLinks / 2 + a.RandLinks / 3;
  if (achse == TAchse::X)
    return {achse,         Achsenmass(a, achse), xTextOben,  xTextOben + 4,
            xTextOben - 8, xTextOben - 4,        a.RandOben, r.KommastellenX};
  return {achse,    Achsenmass(a, achse),  a.RandLinks / 3, yStrichX - 4, yStrichX + 5,
          yStrichX, a.Breite - a.RandOben, r.KommastellenY};
}

void Strecke(TLeinwand& l, TPixel von, TPixel bis) {
  l.BewegeZu(von.x, von.y);
  l.LinieZu(bis.x, bis.y);
}

TZahlformat Achsenformat(TZahlformat f, int32_t kommastellen) {
  f.Kommastellen = static_cast<uint8_t>(std::clamp(kommastellen, 0, 255));
  return f;
}

// A tick with its label, and the dotted grid line across the plot area when asked.
void Strich(TLeinwand& l, const TAchsenlage& lage, const TDiagrammEinstellungen& r,
            const TSkalenstrich& s) {
  Strecke(l, lage.Punkt(s.Pixel, lage.strichVon), lage.Punkt(s.Pixel, lage.strichBis));
  if (r.Zusatz & ZusatzGitter) {
    const TStift stift = l.Stift();
    l.Stift(stift.Farbe, stift.Breite, TStiftstil::Gepunktet);
    const TPixel ende = lage.Punkt(s.Pixel, lage.ende);
    l.LinieZu(ende.x, ende.y);
    l.Stift(stift.Farbe, stift.Breite, TStiftstil::Durchgezogen);
  }
  lage.Beschriften(l, s.Pixel,
                   ZahlFormatiert(s.Wert, Achsenformat(r.Zahlformat, lage.kommastellen)), 0);
}

// The pixel offset of a marker line from its fraction of the axis range, taken in 64-bit floats
// as marker lines are placed; the points (WeltZuPixel) divide in extended precision, so a line
// may lie a pixel beside a point of the same value. False when infinite axis limits leave the
// offset undefined.
bool Versatz(Extended anteil, int32_t feld, int32_t& pixel) {
  const Extended v = anteil * feld;
  if (!std::isfinite(v)) return false;
  pixel = static_cast<int32_t>(RundeGanz(v));
  return true;
}

// A marker line at its value across the plot area with its text; none outside the axis range.
void Markierungslinie(TLeinwand& l, const TAchsenlage& lage, const TLinie& linie) {
  const TAchsenmass& m = lage.mass;
  const double w = linie.Wert;
  int32_t versatz = 0;
  if (!(m.Min <= w && w <= m.Max)) return;
  if (m.Max != m.Min && !Versatz((w - m.Min) / (m.Max - m.Min), m.Feld, versatz)) return;
  const int32_t p = m.Pixel(versatz);
  Strecke(l, lage.Punkt(p, lage.linieVon), lage.Punkt(p, lage.ende));
  lage.Beschriften(l, p, linie.Text, l.TextHoehe(linie.Text) + 2);
}

// The given marker lines (at most the three slots), and for each that carries "Schnitt" the
// line through its cut point with the curve: the working list may hold a fourth line.
std::vector<TLinie> Linienliste(const TDiagrammEinstellungen& r, const TFitErgebnis* fit) {
  std::vector<TLinie> linien(r.Linien.begin(), r.Linien.begin() + std::min<std::size_t>(r.LinienAnzahl, r.Linien.size()));
  if (!fit) return linien;
  const std::size_t gegeben = linien.size();
  for (std::size_t i = 0; i < gegeben; ++i) {
    const TLinie& l = linien[i];
    if (!l.Schnitt || (l.Art != Linienart::Vertikal && l.Art != Linienart::Horizontal)) continue;
    const bool vertikal = l.Art == Linienart::Vertikal;
    TLinie schnitt;
    schnitt.Art = vertikal ? Linienart::Horizontal : Linienart::Vertikal;
    schnitt.Wert = vertikal ? ModellWert(*fit, l.Wert) : Umkehrwert(*fit, l.Wert);
    schnitt.Text =
        (vertikal ? r.Namen.Y : r.Namen.X) + " = " + ZahlFormatiert(schnitt.Wert, r.Zahlformat);
    linien.push_back(schnitt);
  }
  return linien;
}

} // namespace

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

void Skalen(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r) {
  const bool gleichmaessig = r.Zusatz & ZusatzGleichmaessig;
  const TAchsenlage x = Achsenlage(a, r, TAchse::X), y = Achsenlage(a, r, TAchse::Y);
  const auto xs = Striche(a, TAchse::X, gleichmaessig), ys = Striche(a, TAchse::Y, gleichmaessig);
  // The round-step scheme draws all x ticks, then all y ticks; the fixed one pairs them.
  if (gleichmaessig) {
    for (const TSkalenstrich& s : xs)
      Strich(l, x, r, s);
    for (const TSkalenstrich& s : ys)
      Strich(l, y, r, s);
    return;
  }
  for (std::size_t i = 0; i < xs.size(); ++i) {
    Strich(l, x, r, xs[i]);
    Strich(l, y, r, ys[i]);
  }
}

void Markierungslinien(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r,
                       const TFitErgebnis* fit) {
  const std::vector<TLinie> linien = Linienliste(r, fit);
  if (linien.empty()) return;
  const TAchsenlage x = Achsenlage(a, r, TAchse::X), y = Achsenlage(a, r, TAchse::Y);
  const TStift stift = l.Stift();
  l.Stift(stift.Farbe, stift.Breite, TStiftstil::Gestrichelt);
  for (const TLinie& linie : linien)
    if (linie.Art == Linienart::Vertikal)
      Markierungslinie(l, x, linie);
    else if (linie.Art == Linienart::Horizontal)
      Markierungslinie(l, y, linie);
}
