// The value-by-value operations that run on the column lines, in extended precision, with
// results in the general number format.
#pragma once

#include "Operation.h"
#include "Spaltenmodell.h"

#include "core/Typen.h"

// "Addieren": v + W; ticked, column 3 gets x + y and column 4 x - y.
void Addieren(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Kehrwert": 1 / v, with 0 for 0.
void Kehrwert(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Summieren": one line, the sum.
void Summieren(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Logarithmus": ln v (v <= 0 taken as 1E-8), to base W when W > 1; column 2 into column 4.
void Logarithmus(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Verstärkung": column 1 / column 2, line by line.
void Verstaerkung(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "e-Funktion e^X".
void EFunktion(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Runden" to the number of decimals in the low byte of W; 10 or more leave v unchanged.
void Runden(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Maximum" (ticked: minimum): one line.
void Maximum(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Gewichtung": column 1 × column 2, line by line.
void Gewichtung(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
