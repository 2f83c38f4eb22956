// Calculus on a function given as points: y over x.
//
// Integrieren accumulates trapezoids |x2 - x1|·(y1 + y2)/2 outwards from x = 0: the first
// point right of 0 gets the triangle x·y/2 and the sums run to the right from there; the point
// just before it (the nearest at or below 0 for rising x; the first x <= 0 for falling x) gets
// its own triangle and the sums run to the left. Differenzieren takes backward differences, the first point repeating the second.
// Both work over the common length of x and y; a negative count runs the other one.
#pragma once

#include "Operation.h"
#include "Spaltenmodell.h"

#include "core/Typen.h"

#include <cstdint>
#include <string>

struct TPunkt {
  double x;
  double y;
};

// (y2 - y1) / (x2 - x1), 0 for equal x.
double Steigung(TPunkt p1, TPunkt p2);
// |x2 - x1|·(y1 + y2)/2, 0 for equal x.
double Segmentflaeche(TPunkt p1, TPunkt p2);

// The first index i with (x[i] > schwelle) == positiv.
bool VorzeichenIndex(const TVektor& x, bool positiv, double schwelle, int32_t& index);
// -1 for v < 0, else +1.
int8_t Vorzeichen(double v);
// True when a and b are non-zero with different signs.
bool Vorzeichenwechsel(double a, double b);

void Integrieren(const TVektor& x, TVektor& y, int8_t anzahl);
void Differenzieren(const TVektor& x, TVektor& y, int8_t anzahl);

// "Funktion", "2 mal integrieren", "1. Ableitung".
std::string AbleitungsText(int8_t anzahl);

// The points (x[i-1], y[i-1]) where y changes between rising and falling, written to the
// front of x and y; flat stretches and the end points never count. With nurEine, only
// maxima (richtung +1) or minima (richtung -1) are kept. Returns how many.
int32_t ExtremaFinden(TVektor& x, TVektor& y, bool nurEine, double richtung);

// The operations "Integration" and "Differentation" (count from the value field) and
// "Fouriertransformation" (announced only).
void Integration(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
void Differentation(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
void Fouriertransformation(TSpaltenModell& m, const TOperation& op, const TVektor& x,
                           const TVektor& y);
