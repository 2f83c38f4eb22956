// The example diagram of a model, as the explanations show it: 40 joined points of the model
// with example coefficients over x from 0,1 to 2,1, without labels.
#pragma once

#include "Diagrammeinstellungen.h"

#include "core/Typen.h"

struct TBeispiel {
  TVektor x, y;
  TDiagrammEinstellungen einstellungen;
};

TBeispiel ModellBeispiel(uint8_t modell);
