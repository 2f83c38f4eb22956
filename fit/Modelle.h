// The 17 model functions y = f(x; a, b, c, ...) with their names, coefficient counts, value
// and x-derivative and closed-form zeros (their formula texts: Formel.h).
//
// ModellWert never fails: a floating-point fault anywhere in an evaluation gives 0. Markers
// 1e9 and -1e9 stand for results a model detects as undefined (x = 0 in the hyperbola, the
// logarithm of u <= 0, ...); callers treat them as ordinary numbers.
#pragma once

#include "Fittypen.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// Name of model 1..17; "" for 0 and numbers above 17.
std::string_view Modellnamen(uint8_t modell);
// Coefficients of a model; 0 for model 0 and numbers above 17.
uint8_t Parameteranzahl(uint8_t modell);

// The value (Ordnung 0) or the first derivative in x (Ordnung -1) at x; 0 for every other
// Ordnung, for model 0 and numbers above 17.
double ModellWert(const TFitErgebnis& ergebnis, double x);

// The closed-form zeros Z0, Z1 of models 1, 4 and 5 (0 where there is none).
std::pair<double, double> Nullstellen(const TFitErgebnis& ergebnis);
