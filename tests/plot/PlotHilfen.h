// The mapping of the plot window's 697 × 409 labelled image with given axis limits.
#pragma once

#include "plot/Abbildung.h"
#include "plot/Diagrammeinstellungen.h"

#include "core/Typen.h"

inline TAbbildung Feld(double xmin, double xmax, double ymin, double ymax) {
  TAbbildung a = Raender(697, 409, true);
  a.Xmin = xmin;
  a.Xmax = xmax;
  a.Ymin = ymin;
  a.Ymax = ymax;
  return a;
}

// A diagram that uses every feature at once: mark, titles, connected points with error bars in
// x and y, a fit with a fixed coefficient, a vertical marker line cut with the curve and a
// horizontal one, the tangent and the box.
struct TAllesDiagramm {
  TVektor x, y;
  TDiagrammEinstellungen r;
};

inline TAllesDiagramm AllesDiagramm() {
  TAllesDiagramm d{{0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4}, {1, 1.4, 2.2, 3.1, 4.8, 7.2, 10.1, 13.2, 17},
                   {.Markierung = "Messung 1", .Verbinden = true, .Fehlerbalken = true,
                    .Fit = {.Modell = Modellnr::Polynom, .DX = 0.1, .DY = 0.8}, .AchseX = "Zeit in s",
                    .AchseY = "Weg in m", .LinienAnzahl = 2,
                    .Linien = {TLinie{Linienart::Vertikal, 2.5, "Mitte", true}, TLinie{Linienart::Horizontal, 4, "Grenze", false}},
                    .Tangente = true, .TangenteX = 2, .Formel = true, .KastenX = 0.2, .KastenY = 16}};
  d.r.Fit.Fix.Setze(4, true);
  return d;
}
