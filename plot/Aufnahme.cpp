#include "Aufnahme.h"

#include "core/Ganzzahl.h"
#include "core/Zahllesen.h"
#include "core/Zeilen.h"
#include "fit/Modelle.h"

#include <algorithm>
#include <cmath>

namespace {

double Zahl(const std::string& text, double vorgabe) { return ZahlAusText(text, vorgabe); }

// A digits field of the number format is a byte: anything but 0..99 counts as no whole number.
uint8_t Stellenfeld(const std::string& text) {
  const int32_t wert = GanzzahlAusText(text, 3);
  return static_cast<uint8_t>(wert >= 0 && wert <= 99 ? wert : 3);
}

void Linie(TDiagrammEinstellungen& e, uint8_t art, const std::string& wert, const std::string& text, bool schnitt) {
  e.Linien[e.LinienAnzahl++] = TLinie{art, Zahl(wert, 0), text, schnitt};
}

TFitVorgabe Fitvorgabe(const TPlotfelder& f, uint8_t modell) {
  TFitVorgabe v;
  v.Modell = modell;
  v.Ausreisser = f.Ausreisser;
  v.Prozent = Zahl(f.Prozent, 10000);
  v.DX = std::fabs(Zahl(f.DX, 0));
  v.DY = std::fabs(Zahl(f.DY, 0));
  v.Fehlerart = static_cast<uint8_t>(f.Fehlerart);
  v.MitStartwerten = f.MitStartwerten;
  // Coefficients beyond the model's count, and list entries that do not exist, stay free and 0.
  for (int i = 0; i < Parameteranzahl(modell) && i < MaxKoeffizienten; ++i) {
    const auto k = static_cast<std::size_t>(i);
    v.Fix.Setze(static_cast<uint8_t>(i), k < f.Fix.size() && f.Fix[k]);
    v.Startwerte[k] = Zahl(f.Startwerte[k], 0);
  }
  return v;
}

} // namespace

double LogBasisAusPosition(int position) {
  switch (position) {
  case 0: return 2;
  case 1: return std::exp(1.0);
  case 2: return 10;
  default: return 0;
  }
}

TDiagrammEinstellungen Diagrammaufnahme(const TPlotfelder& f, const TDiagrammEinstellungen& aktuell) {
  TDiagrammEinstellungen e;
  e.Markierung = f.Markierung;
  e.Verbinden = f.Verbinden;
  e.Beschriftung = f.Beschriftung;
  e.OhneSkala = !f.Skala;
  e.PunkteAus = f.PunkteAus;
  e.Fehlerbalken = f.Fehlerbalken;
  e.Farbe = f.Farbe;
  e.Vordergrund = aktuell.Vordergrund;
  e.Hintergrund = aktuell.Hintergrund;
  e.Integrationen = aktuell.Integrationen;
  e.KommastellenX = GanzzahlAusText(f.KommastellenX, 3);
  e.KommastellenY = GanzzahlAusText(f.KommastellenY, 3);
  e.Fit = Fitvorgabe(f, aktuell.Fit.Modell);
  e.AchseX = f.AchseX;
  e.AchseY = f.AchseY;
  e.Namen = TNamen{f.NameX, f.NameY, f.NameZ, ""};
  e.XminAn = f.XminAn;
  e.XmaxAn = f.XmaxAn;
  e.YminAn = f.YminAn;
  e.YmaxAn = f.YmaxAn;
  e.Xmin = Zahl(f.Xmin, 0);
  e.Xmax = Zahl(f.Xmax, 0);
  e.Ymin = Zahl(f.Ymin, 0);
  e.Ymax = Zahl(f.Ymax, 0);
  e.LinienAnzahl = 0;
  if (f.Vertikale) Linie(e, Linienart::Vertikal, f.VertikaleWert, f.VertikaleText, f.Schnitt);
  if (f.Horizontale)
    Linie(e, Linienart::Horizontal, f.HorizontaleWert, f.HorizontaleText, f.Schnitt);
  e.Zahlformat = TZahlformat{Stellenfeld(f.Stellen), Stellenfeld(f.KommastellenFit), false};
  e.FitParameter = TFitParameter{10, GanzzahlAusText(f.Schritte, 100), 1e-9};
  e.Tangente = f.Tangente;
  e.TangenteX = Zahl(f.TangenteX, 0);
  e.Formel = f.Formel;
  e.Kasten = f.Kasten;
  e.Chi = f.Chi;
  e.Zeichendicke = static_cast<int8_t>(f.Zeichendicke);
  e.KastenX = aktuell.KastenX;
  e.KastenY = aktuell.KastenY;
  e.LogBasisX = f.LogX ? LogBasisAusPosition(f.LogBasis) : 0;
  e.LogBasisY = f.LogY ? LogBasisAusPosition(f.LogBasis) : 0;
  e.Variation = f.Variation;
  e.Zusatz = static_cast<uint8_t>((f.Gleichmaessig ? ZusatzGleichmaessig : 0) | (f.Linie ? ZusatzGitter : 0));
  return e;
}

TDiagrammEinstellungen DiagrammBereinigt(TDiagrammEinstellungen e) {
  const auto endlich = [](double& wert, double vorgabe) {
    if (!std::isfinite(wert)) wert = vorgabe;
  };
  if (e.Fit.Modell > Modellanzahl) e.Fit.Modell = Modellnr::Keins;
  if (e.Fit.Fehlerart >= Fehlermodusanzahl) e.Fit.Fehlerart = Fehlermodus::Absolut;
  e.Integrationen = static_cast<int8_t>(std::clamp<int>(e.Integrationen, -9, 9));
  e.Zeichendicke = static_cast<int8_t>(std::clamp<int>(e.Zeichendicke, -5, 5));
  e.KommastellenX = std::clamp(e.KommastellenX, 0, 99);
  e.KommastellenY = std::clamp(e.KommastellenY, 0, 99);
  e.Zahlformat.Stellen = std::min<uint8_t>(e.Zahlformat.Stellen, 99);
  e.Zahlformat.Kommastellen = std::min<uint8_t>(e.Zahlformat.Kommastellen, 99);
  endlich(e.Fit.Prozent, 100);
  endlich(e.Fit.DX, 0);
  endlich(e.Fit.DY, 0);
  endlich(e.TangenteX, 1);
  endlich(e.KastenX, 0);
  endlich(e.KastenY, 0);
  endlich(e.LogBasisX, 0);
  endlich(e.LogBasisY, 0);
  return e;
}

TPlotspalte PlotspalteLesen(TStringListe& zeilen) {
  TPlotspalte s;
  s.Werte.resize(zeilen.size());
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    std::string& zeile = zeilen[i];
    if (zeile.empty() || zeile.find('.') != std::string::npos) {
      if (zeile.empty()) zeile = "0";
      ZeichenErsetzen(zeile, '.', ',');
      s.Geaendert.push_back(i);
    }
    s.Werte[i] = ZahlAusText(zeile, 0);
  }
  return s;
}
