// Stable sorting of records by key.
//
// The order is that of a rank sort: every record's target is the number of records with a
// smaller key (a larger one when descending), and records with equal keys keep their input
// order. It is computed by a stable merge sort in O(n log n). Keys that are NaN compare with
// nothing; they are put after all others, in input order.
#pragma once

#include "core/Typen.h"

#include <cstdint>
#include <span>

struct TGanzSatz {
  int64_t Wert;
  int64_t Schluessel;
};

struct TRealSatz {
  double Wert;
  double Schluessel;
};

void Rangsortierung(bool aufsteigend, std::span<TGanzSatz> saetze);
void RangsortierungPaare(bool aufsteigend, std::span<TRealSatz> saetze);

// Sorts the pairs (a[i], b[i]) by b over the common length of a and b.
void PaareSortieren(bool aufsteigend, TVektor& a, TVektor& b);
