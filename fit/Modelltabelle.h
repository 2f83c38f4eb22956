// The table of the 17 models: one row per model, read by everything that needs a model.
#pragma once

#include "Formelbau.h"
#include "Startdaten.h"

#include "core/Gleitkomma.h"
#include "core/Koeffizienten.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

struct TModellzeile {
  std::string_view Name;
  uint8_t Anzahl; // coefficients
  std::string_view Formel; // generic formula after "Y = "; {X} stands for the x name

  // The value and the first derivative in x at x, in extended precision; a floating-point
  // fault raises TGleitkommaFehler.
  Extended (*Wert)(const TKoeffizienten& k, double x);
  Extended (*Steigung)(const TKoeffizienten& k, double x);

  // The partial derivatives at x into d[0 .. Anzahl-1], each stored as a 64-bit value; 0 for
  // the coefficients in k.Fix, which are not computed. A fault raises at the first entry that
  // meets it, except in the models where a fault gives that entry 0.
  void (*Partielle)(const TKoeffizienten& k, double x, std::span<double> d);

  // Many points at once, as fast as the hardware allows: f[i] the value of x[i] as ModellWert
  // gives it and, when d is given, the partial derivative of coefficient j at d[j·abstand + i].
  // Results agree with Wert and Partielle to within round-off; where that cannot be vouched
  // for (a fault, a range the shorter format lacks), the point is computed by those.
  void (*Punkte)(const TKoeffizienten& k, std::span<const double> x, double* f, double* d, std::size_t abstand);

  // The formula with the values written in, after "Y = ".
  void (*Stuecke)(TFormel& formel, const TKoeffizienten& k);
  // The start values from the features of the data.
  void (*Start)(const TStartdaten& daten, TKoeffizienten& k);
  // The closed-form zeros Z0, Z1 (0 where there is none).
  std::pair<double, double> (*Nullstellen)(const TKoeffizienten& k);
};

// The row of model 1..17; the empty row 0 for 0 and every number above 17.
const TModellzeile& Modellzeile(uint8_t modell);
