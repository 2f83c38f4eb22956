#include "Modellliste.h"

#include "Textdatei.h"

#include "fit/Modelle.h"

#include <QComboBox>

void ModelleEintragen(QComboBox& liste) {
  for (uint8_t modell = Modellnr::Gerade; modell <= Modellanzahl; ++modell)
    liste.addItem(AusUtf8(Modellnamen(modell)));
}

uint8_t GewaehltesModell(const QComboBox& liste) {
  const int position = liste.currentIndex();
  return position >= 0 && position < Modellanzahl
             ? static_cast<uint8_t>(position + Modellnr::Gerade)
             : static_cast<uint8_t>(Modellnr::Keins);
}

void ModellAnzeigen(QComboBox& liste, uint8_t modell) {
  liste.setCurrentIndex(modell - Modellnr::Gerade);
}
