// The series types every computation works on.
#pragma once

#include <string>
#include <vector>

// One data column; index 0 is the first line. Routines that drop values return the new
// count and leave the length alone, so only the first count entries are valid then.
using TVektor = std::vector<double>;

// Lines of a column, tokens of a line, file names.
using TStringListe = std::vector<std::string>;

// A matrix as rows; element [i][j] is row i, column j.
using TLinearesSystem = std::vector<TVektor>;
