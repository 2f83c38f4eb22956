// The texts of the information window: statistics of the plotted points and the quality of
// the fit, and the report the window saves.
#pragma once

#include "Diagrammeinstellungen.h"

#include "fit/Fittypen.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

// The label texts of one fill, by label number in the order they are filled. The first
// arithmetic fault ends the fill: the labels before it are in the list, the later ones are
// not, and Abgebrochen is set. A fault in a geometric mean shows "?" and does not end it.
struct TInfofuellung {
  std::vector<std::pair<int, std::string>> Texte;
  bool Abgebrochen = false;
};

// x, y: the plotted points; the values of pairs (sum of squares, its mean, chi-square) run
// over the min(nX, nY) pairs. Names, number format and the error settings of chi-square come
// from the settings record.
TInfofuellung Infotexte(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit,
                        const TDiagrammEinstellungen& einstellungen);

// The saved report: every line ended by CR LF, in Windows-1252 (no byte order mark).
std::string Infobericht(const std::vector<std::string>& zeilen);
