// Start values of the iteration from simple features of the data, and the search for the
// model that fits best.
#pragma once

#include "Fittypen.h"

#include <span>

// Werte per model from ymin, ymax, the x positions of both, the means, the standard
// deviations, the x range and the number of extrema; all ones for empty series. Fehler 0,
// Fix as given.
TKoeffizienten StartwerteSchaetzen(std::span<const double> x, std::span<const double> y, uint8_t modell,
                                   const TIndexmenge& fix);

// The model 1..17 with the smallest sum of squares (the lower number on a tie), fitted without
// fixed coefficients or start values; a model whose fit fails does not count. 0 when every
// model fails.
uint8_t Bestes(std::span<const double> x, std::span<const double> y, const TFitParameter& parameter);
