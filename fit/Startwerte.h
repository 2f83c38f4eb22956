// Start values of the iteration from simple features of the data.
#pragma once

#include "Fittypen.h"

#include <span>

// Werte per model from ymin, ymax, the x positions of both, the means, the standard
// deviations, the x range and the number of extrema; all ones for empty series. Fehler 0,
// Fix as given.
TKoeffizienten StartwerteSchaetzen(std::span<const double> x, std::span<const double> y, uint8_t modell,
                                   const TIndexmenge& fix);
