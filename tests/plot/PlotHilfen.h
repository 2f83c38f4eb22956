// The mapping of the plot window's 697 × 409 labelled image with given axis limits.
#pragma once

#include "plot/Abbildung.h"

inline TAbbildung Feld(double xmin, double xmax, double ymin, double ymax) {
  TAbbildung a = Raender(697, 409, true);
  a.Xmin = xmin;
  a.Xmax = xmax;
  a.Ymin = ymin;
  a.Ymax = ymax;
  return a;
}
