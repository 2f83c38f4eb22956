// The features of the data that the start-value rules of the models read.
#pragma once

#include "core/Gleitkomma.h"

#include <span>

struct TStartdaten {
  std::span<const double> x, y;
  double ymax, ymin;       // largest and smallest y
  double xBeiYmax, xBeiYmin; // their x values (0 where the x series is too short)
  int richtung;            // -1 when the data fall from left to right, else 1

  TStartdaten(std::span<const double> x, std::span<const double> y);

  double MittelX() const;
  double MittelY() const;
  double StreuungX() const; // standard deviations
  double StreuungY() const;
  Extended BereichX() const; // MaxWert - MinWert of x, unrounded
  // The frequency estimate: half the number of extrema per x range of the compacted copy.
  double Frequenz() const;
};

// Estimates are formed in extended precision and stored through AlsDouble: one beyond the
// 64-bit range is the overflow fault, so no estimate is ever infinite.
inline Extended Differenz(double a, double b) { return static_cast<Extended>(a) - b; }
