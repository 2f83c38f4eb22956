// Column operations on value arrays, in place, for the dispatcher. Logarithmieren and
// Skalieren serve the diagram renderer directly.
//
// A vector keeps its length; the returned count says how many leading entries are results.
#pragma once

#include "Operation.h"

#include "core/Typen.h"

#include <cstdint>

// Multiplizieren, Logarithmus, Dezibel, DeltaX, Schrittweite, Potenzieren, GammaFunktion,
// Fakultaet, Dividieren, HintererTeil and Quersumme on one column.
int32_t SpaltenOperation(TVektor& v, const TOperation& op);

struct TPaarAnzahl {
  int32_t X; // results in x
  int32_t Y; // results in y
};

// Addieren (ticked), the operations on one column and ExtremaFinden and Binomialkoeffizient
// on two columns. The pair forms (Addieren, Multiplizieren and Dividieren ticked,
// ExtremaFinden, Binomialkoeffizient) combine x[i] with y[i] and run over the common length of
// both; the others treat each vector on its own.
TPaarAnzahl PaarOperation(TVektor& x, TVektor& y, const TOperation& op);

// The logarithm to the base (the step of "Logarithmus") and the product with the factor (the
// step of "Multiplizieren"), as the diagram transforms its points.
int32_t Logarithmieren(TVektor& v, double basis);
int32_t Skalieren(TVektor& v, double faktor);
