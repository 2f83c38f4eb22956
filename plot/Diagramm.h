// A complete diagram of y against x on a canvas.
//
// In this order: background; the data transformed (integrated or differentiated, logarithms,
// "Variation" rescaling); the chosen model fitted, optionally without its outliers; axis
// limits; mark text, axis titles, axes, ticks with labels and grid lines, marker lines (with
// the points where they cut the curve); the points sorted by x with connecting lines and error
// bars; the fitted curve, the tangent, the formula or the box; else the tracer cross.
// A floating-point fault of the transformations or the fit ends the drawing and reaches the
// caller; what is drawn stays.
#pragma once

#include "Abbildung.h"
#include "Diagrammeinstellungen.h"
#include "Leinwand.h"

#include <optional>
#include <span>

// The fit a drawing made, as its curve shows it. Roh: it is Fit(x, y, r.Fit, r.FitParameter)
// of the untransformed points (no integration, logarithm, "Variation" or outlier pass), so a
// caller that needs that result does not fit the same points twice.
struct TGezeichneterFit {
  TFitErgebnis Ergebnis;
  bool Roh = false;
};

// dx, dy: the individual errors of error mode 3; may be empty otherwise. fit, when given,
// receives the drawing's fit, or nothing when it made none.
TAbbildung DiagrammZeichnen(TLeinwand& l, std::span<const double> x, std::span<const double> y,
                            std::span<const double> dx, std::span<const double> dy, TDiagrammEinstellungen r,
                            std::optional<TGezeichneterFit>* fit = nullptr);

// The diagram without individual errors, as the explanations show a model.
TAbbildung BeispielZeichnen(TLeinwand& l, std::span<const double> x, std::span<const double> y,
                            const TDiagrammEinstellungen& r);
