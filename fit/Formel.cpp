#include "Formel.h"

#include "Modelltabelle.h"

std::string Formeltext(uint8_t modell, const TNamen& namen) {
  std::string text = namen.Y + " = ";
  const std::string_view vorlage = Modellzeile(modell).Formel;
  for (std::size_t i = 0; i < vorlage.size();) {
    if (vorlage.compare(i, 3, "{X}") == 0) {
      text += namen.X;
      i += 3;
    } else {
      text += vorlage[i++];
    }
  }
  return text;
}

std::string FormelMitWerten(const TKoeffizienten& koeffizienten, uint8_t modell, const TNamen& namen,
                            TZahlformat format) {
  TFormel formel(namen, format);
  Modellzeile(modell).Stuecke(formel, koeffizienten);
  return formel.Text();
}
