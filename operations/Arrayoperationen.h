// Column operations on value arrays, in place. The statistics, the diagram renderer and the
// fit call them as well as the dispatcher.
//
// A vector keeps its length; the returned count says how many leading entries are results.
#pragma once

#include "Operation.h"

#include "core/Typen.h"

#include <cstdint>

// Operations 2, 9, 18, 20, 22, 23, 24, 26, 27, 28 and 29 on one column.
int32_t SpaltenOperation(TVektor& v, const TOperation& op);

struct TPaarAnzahl {
  int32_t X; // results in x
  int32_t Y; // results in y
};

// Operations 1 (ticked), 2, 18 to 20 and 22 to 29 on two columns. The pair forms (1, 2 and
// 27 ticked, 19, 25) combine x[i] with y[i] and run over the common length of both; the
// others treat each vector on its own.
TPaarAnzahl PaarOperation(TVektor& x, TVektor& y, const TOperation& op);
