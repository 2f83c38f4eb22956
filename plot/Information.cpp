#include "Information.h"

#include "core/Cp1252.h"
#include "core/Fehler.h"
#include "core/Gleitkomma.h"
#include "core/Statistik.h"
#include "core/Zahlformat.h"
#include "fit/Fit.h"
#include "fit/Formel.h"
#include "fit/Modelle.h"

#include <algorithm>

namespace {

class TFuellung {
public:
  TFuellung(const TDiagrammEinstellungen& e, TInfofuellung& f) : e_(e), f_(f) {}
  void Setzen(int label, std::string text) { f_.Texte.emplace_back(label, std::move(text)); }
  std::string Zahl(Extended v) const { return ZahlFormatiert(AlsDouble(v), e_.Zahlformat); }
  // "name = value" for x and y, the value of each series by the same rule.
  template <class F> void Paar(int labelX, std::span<const double> x, std::span<const double> y, const std::string& vor,
                               const std::string& nach, F wert) {
    Setzen(labelX, vor + e_.AchseX + nach + wert(x));
    Setzen(labelX + 1, vor + e_.AchseY + nach + wert(y));
  }

private:
  const TDiagrammEinstellungen& e_;
  TInfofuellung& f_;
};

void Fuellen(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit,
             const TDiagrammEinstellungen& e, TFuellung& f) {
  const std::size_t paare = std::min(x.size(), y.size());
  const std::span<const double> xp = x.first(paare), yp = y.first(paare);
  f.Setzen(2, std::to_string(paare));
  f.Setzen(6, FormelMitWerten(fit.Koeffizienten, fit.Modell, e.Namen, e.Zahlformat));
  const Extended s = Quadratsumme(xp, yp, fit);
  f.Setzen(4, f.Zahl(s));
  f.Setzen(34, f.Zahl(Teile(s, static_cast<Extended>(paare))));
  f.Setzen(7, f.Zahl(MinWert(x)) + " < " + e.AchseX + " < " + f.Zahl(MaxWert(x)));
  f.Setzen(8, f.Zahl(MinWert(y)) + " < " + e.AchseY + " < " + f.Zahl(MaxWert(y)));
  f.Paar(13, x, y, "", " = ", [&](auto r) { return f.Zahl(Summe(r)); });
  f.Paar(16, x, y, "", " = ", [&](auto r) { return f.Zahl(Mittelwert(r)); });
  f.Paar(28, x, y, "", " = ", [&](auto r) -> std::string {
    try {
      return f.Zahl(MittelwertArt(r, Mittelwertart::Geometrisch));
    } catch (const TQuarnFehler&) {
      return "?";
    }
  });
  f.Setzen(19, f.Zahl(MittlereSchrittweite(x)));
  f.Paar(21, x, y, "d", "² = ", [&](auto r) {
    const Extended sigma = Standardabweichung(r);
    return f.Zahl(sigma * sigma);
  });
  f.Paar(24, x, y, "d", " = ", [&](auto r) { return f.Zahl(Standardabweichung(r)); });
  f.Setzen(32, f.Zahl(ChiQuadrat(xp, yp, e.Fit.DX, e.Fit.DY, fit, e.Fit.Fehlerart)));
}

} // namespace

TInfofuellung Infotexte(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit,
                        const TDiagrammEinstellungen& einstellungen) {
  TInfofuellung ergebnis;
  TFuellung f(einstellungen, ergebnis);
  try {
    Fuellen(x, y, fit, einstellungen, f);
  } catch (const TGleitkommaFehler&) {
    ergebnis.Abgebrochen = true;
  }
  return ergebnis;
}

std::string Infobericht(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const std::string& zeile : zeilen) text += zeile + "\r\n";
  return Utf8AlsCp1252(text);
}
