// The operations that reorder, interleave, split or cut columns, on the column lines.
#pragma once

#include "Operation.h"
#include "Spaltenmodell.h"

#include "core/Typen.h"

// "Sortieren": column 1 with its partners of column 2, by value rounded to four decimals,
// stable; ascending when ticked, else descending.
void Sortieren(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Umkehren": the lines of column 1 from last to first.
void Umkehren(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Reißverschluss": lines of columns 1 and 2 alternately, the longer column's rest after.
void Reissverschluss(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Aufspalten": even lines of column 1 to column 3, odd ones to column 4.
void Aufspalten(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Jeden x. Wert": every W-th line of column 1, starting with the first.
void JedenXtenWert(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
// "Datenreihe trennen": lines holding two numbers become columns 1 and 2.
void DatenreiheTrennen(TSpaltenModell& m, const TOperation& op, const TVektor& x,
                       const TVektor& y);
