#include "Modelle.h"

#include "Modelltabelle.h"

#include "core/Gleitkomma.h"

std::string_view Modellnamen(uint8_t modell) { return Modellzeile(modell).Name; }

uint8_t Parameteranzahl(uint8_t modell) { return Modellzeile(modell).Anzahl; }

double ModellWert(const TFitErgebnis& ergebnis, double x) {
  if (ergebnis.Ordnung != 0 && ergebnis.Ordnung != -1) return 0;
  const TModellzeile& zeile = Modellzeile(ergebnis.Modell);
  try {
    const auto rechnen = ergebnis.Ordnung == 0 ? zeile.Wert : zeile.Steigung;
    return AlsDouble(Pruefe(rechnen(ergebnis.Koeffizienten, x)));
  } catch (const TQuarnFehler&) {
    return 0;
  }
}

std::pair<double, double> Nullstellen(const TFitErgebnis& ergebnis) {
  return Modellzeile(ergebnis.Modell).Nullstellen(ergebnis.Koeffizienten);
}
