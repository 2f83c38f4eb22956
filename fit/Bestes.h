// The search for the model that fits best.
#pragma once

#include "Fittypen.h"

#include <span>

// The model 1..17 with the smallest sum of squares (the lower number on a tie), fitted without
// fixed coefficients or start values; a model whose fit fails does not count. 0 when every
// model fails.
uint8_t Bestes(std::span<const double> x, std::span<const double> y, const TFitParameter& parameter);
