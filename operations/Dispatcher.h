// Runs one column operation on the column model: reads columns 1 and 2, checks that the data
// it needs are there, clears columns 3 and 4 and writes the results.
#pragma once

#include "Operation.h"
#include "Spaltenmodell.h"

inline constexpr const char* KeineDatenErsteSpalte = "Keine Daten in der ersten Spalte vorhanden";
inline constexpr const char* KeineDatenBeideSpalten =
    "In der ersten und zweiten Spalte müssen Daten vorhanden sein";

// Missing data end the operation with a message in m.Meldungen and columns 3 and 4 unchanged.
// A fault (bad number text, floating-point fault) propagates as TQuarnFehler; the lines
// written before it stay, and m.Geaendert says which columns to write back either way.
void OperationAusfuehren(TSpaltenModell& m, TOperation op);
