#include "Beispiel.h"

#include "fit/Modelle.h"

#include <initializer_list>
#include <utility>

namespace {

// Coefficients that show each model's shape; the others stay 1.
void Beispielwerte(uint8_t modell, std::array<double, MaxKoeffizienten>& w) {
  const auto setzen = [&](std::initializer_list<std::pair<int, double>> werte) {
    for (const auto& [i, v] : werte) w[static_cast<std::size_t>(i)] = v;
  };
  switch (modell) {
  case Modellnr::Hyperbel: setzen({{1, 0.5}}); break;
  case Modellnr::Polynom: setzen({{1, -0.5}, {2, 1.1}, {3, -0.065}, {4, -0.1}}); break;
  case Modellnr::Sinus: setzen({{2, 5}}); break;
  case Modellnr::Potenzfunktion: setzen({{1, 2}}); break;
  case Modellnr::EingehuellteSchwingung: setzen({{1, -1}, {2, 5}}); break;
  case Modellnr::Zerfallsueberlagerung: setzen({{1, -1}, {2, 0.3}, {3, 0.3}}); break;
  case Modellnr::Doppelgauss: setzen({{1, 0.5}, {2, 0.1}, {3, 0.8}, {4, 1.5}, {5, 0.1}}); break;
  case Modellnr::Brechzahl: setzen({{0, 1}, {1, 0.1}, {2, 0.1}}); break;
  default: break;
  }
}

} // namespace

TBeispiel ModellBeispiel(uint8_t modell) {
  TFitErgebnis e;
  e.Modell = modell;
  e.Koeffizienten.Werte.fill(1);
  Beispielwerte(modell, e.Koeffizienten.Werte);
  TBeispiel b;
  for (int i = 0; i < 40; ++i) {
    b.x.push_back(0.1 + 2.0 * i / 39);
    b.y.push_back(ModellWert(e, b.x.back()));
  }
  TDiagrammEinstellungen& r = b.einstellungen;
  r = TDiagrammEinstellungen{};
  r.Verbinden = true;
  r.Beschriftung = false;
  r.LogBasisX = r.LogBasisY = 0;
  r.AchseX = r.AchseY = "";
  r.Namen = TNamen{"", "", "", ""};
  r.Zeichendicke = 2;
  r.KastenX = -10; // the tracer cross falls outside the image
  r.Zusatz = ZusatzGleichmaessig;
  return b;
}
