// The fit drawn over a diagram: the curve, a tangent, the box with the coefficients, and the
// inverse of a model for the cut points of horizontal marker lines.
#pragma once

#include "Abbildung.h"
#include "Leinwand.h"

#include "core/Zahlformat.h"
#include "fit/Fittypen.h"

// The straight line as one segment cut to the y range; every other model sampled at each pixel
// column of the plot area, interrupted where a sample leaves it. Uses the current pen.
void KurveZeichnen(TLeinwand& l, const TAbbildung& a, const TFitErgebnis& e);

// The straight line (model 1) that touches the curve of e at x0.
TFitErgebnis TangenteBilden(const TFitErgebnis& e, double x0);

// The framed box at pixel (x, y): the generic formula, one line per coefficient ("*" after a
// fixed one, "±" and the error when any error is not 0) and, with chi, "q² = " q.
void KastenZeichnen(TLeinwand& l, const TKoeffizienten& k, uint8_t modell, const TNamen& namen,
                    TZahlformat format, int x, int y, bool chi, double q);

// The x at which the model takes the value y; 0 for models without an inverse and for every
// floating-point fault. Periodic and two-sided models give their principal branch.
double Umkehrwert(const TFitErgebnis& e, double y);
