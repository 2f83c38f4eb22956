// The labelling of a diagram: mark text, axis titles and axes; the scales with their ticks,
// labels and grid lines; the marker lines with the lines through their cuts with the curve.
#pragma once

#include "Abbildung.h"
#include "Diagrammeinstellungen.h"
#include "Leinwand.h"

void Titel(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r);
void Skalen(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r);
// fit: the drawing's fit, or nullptr without one (then no line is cut with the curve).
void Markierungslinien(TLeinwand& l, const TAbbildung& a, const TDiagrammEinstellungen& r,
                       const TFitErgebnis* fit);
