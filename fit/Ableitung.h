// Partial derivatives of the models with respect to their coefficients, for the normal
// equations of the fit.
#pragma once

#include "Fittypen.h"

#include <span>

// ∂f/∂(coefficient i) at x; 0 for a fixed coefficient, model 0 and numbers above 17.
// Markers stand in where the model is undefined (1e9, -1e9). A floating-point fault is
// raised to the caller, except in models 11 and 12, where it gives 0. Where a model takes
// the absolute value of an expression that contains the coefficient, the derivative carries
// the sign of that expression (models 8, 11, 12, 16 and 17).
double Ableitung(const TFitErgebnis& w, int i, double x);

