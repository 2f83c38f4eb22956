// The model lists of the windows: the 17 models in number order, so that a list position is
// the model number less one.
#pragma once

#include <cstdint>

class QComboBox;

void ModelleEintragen(QComboBox& liste);
// The chosen model; Modellnr::Keins when nothing is chosen.
uint8_t GewaehltesModell(const QComboBox& liste);
// Chooses the model; Modellnr::Keins clears the choice.
void ModellAnzeigen(QComboBox& liste, uint8_t modell);
