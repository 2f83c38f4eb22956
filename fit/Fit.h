// The fit engine: least squares of a model through points (x_i, y_i).
//
// The straight line without fixed coefficients is solved in closed form. Everything else runs
// a damped Gauss-Newton iteration (Levenberg-Marquardt): the normal matrix of the partial
// derivatives with its diagonal scaled by (1 + lambda), lambda divided by Faktor after a step
// that does not raise the sum of squares and multiplied by it after one that does; the
// iteration stops on a relative change of the sum below 1e-9, when lambda·1e9 falls below
// Grenze, or after MaxSchritte accepted steps. An optional outlier pass removes points whose
// squared residual exceeds Prozent percent of the mean and fits again.
//
// A floating-point fault (in a derivative, the closed-form line with all x equal, the solver,
// lambda beyond the 64-bit range) ends Fit with TGleitkommaFehler and no result.
#pragma once

#include "Fittypen.h"

#include "core/Typen.h"

#include <functional>
#include <span>
#include <string_view>

using TPunkte = std::span<const double>;

// Names of the error modes 0..3.
std::string_view Fehlerarten(uint8_t art);
// The error of one point: 0 d; 1 y·d/100; 2 |sqrt|y|·d|; 3 y·d; other d.
double Punktfehler(uint8_t art, double d, double y);
// The mean point error: d for modes 0 and 3+, the mean of Punktfehler for 1 and 2; 0 without points.
double MittlererFehler(TPunkte y, uint8_t art, double d);

TFitErgebnis Fit(TPunkte x, TPunkte y, const TFitVorgabe& vorgabe, const TFitParameter& parameter);
TFitErgebnis Iteration(TPunkte x, TPunkte y, const TFitVorgabe& vorgabe, const TFitParameter& parameter);

// A fit continued from its coefficients until the sum of squares no longer decreases at all:
// Fit's stop leaves flat directions with fewer digits than the data carry. The same
// damped steps; lambda starts at 1 again. A fault raises as in Fit.
TFitErgebnis Nachpolieren(TPunkte x, TPunkte y, const TFitErgebnis& ergebnis);

// Σ (y_i - f(x_i))² over the common length, in extended precision.
long double Quadratsumme(TPunkte x, TPunkte y, const TFitErgebnis& ergebnis);
// Σ ((y_i - f(x_i))/σ_i)² with σ_i = Punktfehler(art, dY, y_i); a point with σ_i = 0 adds 0.
long double ChiQuadrat(TPunkte x, TPunkte y, double dX, double dY, const TFitErgebnis& ergebnis, uint8_t art);

// Moves the points whose squared residual exceeds Prozent % of the mean squared residual out:
// the kept points stay in order at the front; returns their count. With every residual 0
// there is no outlier.
int32_t Ausreisserentfernen(TVektor& x, TVektor& y, const TFitErgebnis& ergebnis, double prozent);
// The outlier pass: cuts x and y to the points Ausreisserentfernen keeps and returns `neu`
// fitted on them; without a kept point the points and the result stay as they are.
using TNeuerFit = std::function<TFitErgebnis(TPunkte x, TPunkte y)>;
TFitErgebnis Ausreisserpass(TVektor& x, TVektor& y, const TFitErgebnis& ergebnis, double prozent,
                            const TNeuerFit& neu);

// The normal matrix Σ ∂f/∂c_i · ∂f/∂c_j over the points, p × p.
TLinearesSystem Normalmatrix(const TFitErgebnis& w, TPunkte x, uint8_t p);
// The step of one iteration with damping lambda.
TKoeffizienten Schrittrichtung(TPunkte x, TPunkte y, const TFitErgebnis& w, double lambda);
// Alt + faktor·Richtung for the coefficients that are fixed in neither.
TKoeffizienten Schritt(const TKoeffizienten& alt, const TKoeffizienten& richtung, double faktor);
