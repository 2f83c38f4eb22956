// Splitting text lines into numbers and reading whole columns.
#pragma once

#include "Typen.h"

#include <array>
#include <string>
#include <string_view>

// Replaces every occurrence of alt by neu, in place.
void ZeichenErsetzen(std::string& text, char alt, char neu);

using TDreiZahlen = std::array<double, 3>;

// The first anzahl (1..3) numbers of a line. A number is a run of the characters
// "0123456789+-eE,."; every other character separates. Each run is read with ZahlAusText and
// default 0, so "1,5;2,7" gives 1,5 and 2,7 while "1,5,2,7" is one unreadable run giving 0.
// Missing numbers are 0.
TDreiZahlen ZahlenAusZeile(std::string_view zeile, int anzahl);

// ZahlenAusZeile for every line: entry i of erste, zweite and dritte receives the numbers of
// line i. Vectors shorter than the list are lengthened first.
void ZeilenZerlegen(const TStringListe& zeilen, int anzahl, TVektor& erste, TVektor& zweite,
                    TVektor& dritte);

// Reads a column: one value per line with ZahlAusText and default 0. An empty line is
// replaced by "0" in the column itself, so the user sees what was counted.
TVektor Spaltenwerte(TStringListe& zeilen);
