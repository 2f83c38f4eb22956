#include "Diagrammeinstellungen.h"

#include "core/Statistik.h"

#include "core/Datensatz.h"
#include "fit/Fitdateien.h"

#include <algorithm>

namespace {

constexpr std::size_t Linienfeld = 280;

// The fields of the record with their offsets, for writing and reading alike.
template <class Weg, class Satz> void Felder(Weg w, Satz& e) {
  w.Text(0, e.Markierung);
  w.Bool(256, e.Verbinden);
  w.Bool(257, e.Beschriftung);
  w.Bool(258, e.OhneSkala);
  w.Bool(259, e.PunkteAus);
  w.Bool(260, e.Fehlerbalken);
  w.Zahl(264, e.Farbe);
  w.Zahl(268, e.Vordergrund);
  w.Zahl(272, e.Hintergrund);
  w.Zahl(276, e.Integrationen);
  w.Zahl(280, e.KommastellenX);
  w.Zahl(284, e.KommastellenY);
  FitVorgabeFelder(w.Ab(288), e.Fit);
  w.Text(432, e.AchseX);
  w.Text(688, e.AchseY);
  w.Text(944, e.Namen.X);
  w.Text(1200, e.Namen.Y);
  w.Text(1456, e.Namen.Z);
  w.Text(1712, e.Namen.Vierter);
  w.Bool(1968, e.XminAn);
  w.Bool(1969, e.XmaxAn);
  w.Bool(1970, e.YminAn);
  w.Bool(1971, e.YmaxAn);
  w.Zahl(1976, e.Xmin);
  w.Zahl(1984, e.Xmax);
  w.Zahl(1992, e.Ymin);
  w.Zahl(2000, e.Ymax);
  w.Zahl(2008, e.LinienAnzahl);
  for (std::size_t i = 0; i < e.Linien.size(); ++i) {
    Weg l = w.Ab(2016 + i * Linienfeld);
    l.Zahl(0, e.Linien[i].Art);
    l.Zahl(8, e.Linien[i].Wert);
    l.Text(16, e.Linien[i].Text);
    l.Bool(272, e.Linien[i].Schnitt);
  }
  w.Zahl(2856, e.Zahlformat.Stellen);
  w.Zahl(2857, e.Zahlformat.Kommastellen);
  w.Bool(2858, e.Zahlformat.Frei);
  FitParameterFelder(w.Ab(2864), e.FitParameter);
  w.Bool(2880, e.Tangente);
  w.Zahl(2888, e.TangenteX);
  w.Bool(2896, e.Formel);
  w.Bool(2904, e.Kasten);
  w.Bool(2905, e.Chi);
  w.Zahl(2906, e.Zeichendicke);
  w.Zahl(2912, e.KastenX);
  w.Zahl(2920, e.KastenY);
  w.Zahl(2928, e.LogBasisX);
  w.Zahl(2936, e.LogBasisY);
  w.Bool(2944, e.Variation);
  w.Zahl(2945, e.Zusatz);
}

} // namespace

std::array<uint8_t, DiagrammGroesse> DiagrammBytes(const TDiagrammEinstellungen& e) {
  std::array<uint8_t, DiagrammGroesse> b{};
  Felder(TSatzSchreiber(b), e);
  return b;
}

TDiagrammEinstellungen DiagrammAusBytes(std::span<const uint8_t, DiagrammGroesse> b) {
  TDiagrammEinstellungen e;
  Felder(TSatzLeser(b), e);
  return e;
}

TDiagrammEinstellungen Residuendiagramm(const std::string& modellname, std::span<const double> x,
                                        std::span<const double> r) {
  TDiagrammEinstellungen e;
  e.Markierung = "Residuen: " + modellname;
  e.AchseX = "x";
  e.AchseY = "y - f(x)";
  e.KommastellenX = 1;
  e.KommastellenY = 2;
  e.LinienAnzahl = 1;
  e.Linien[0] = {Linienart::Horizontal, 0, "", false};
  if (x.empty() || r.empty()) return e;
  // The zero line is in the range however the residuals lie.
  e.YminAn = e.YmaxAn = true;
  e.Ymin = std::min(0.0, MinWert(r));
  e.Ymax = std::max(0.0, MaxWert(r));
  // No tracer cross: its place lies a whole x range left of the points, outside the picture.
  e.KastenX = MinWert(x) - (MaxWert(x) - MinWert(x)) - 1;
  e.KastenY = e.Ymin;
  return e;
}
