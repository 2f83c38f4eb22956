// Reading numbers from text.
//
// Grammar of a number text: spaces (only code 32), an optional sign, a mantissa of digits
// with an optional decimal comma and more digits (at least one character after the sign, so
// "," reads as 0 and a lone sign is invalid), an optional exponent "E"/"e" with optional sign
// and digits ("1E" reads as 1), trailing spaces. A value beyond the extended range is
// invalid; one below it underflows silently to 0.
#pragma once

#include "Gleitkomma.h"

#include <string>
#include <string_view>

// The strict reader: text to 64-bit float. Raises TKonvertierungsFehler ("'%s' ist kein
// gültiger Gleitkommawert") for a text that is not a number or lies beyond the extended range,
// and the overflow fault for a number beyond the 64-bit range. The decimal separator is the
// comma. Both readers take a value within half a unit of the 15th digit above the largest
// double as the largest double, so every written number reads back.
double ZahlStreng(std::string_view text);

// The tolerant reader: never fails. An unreadable text, or one whose value does not fit a
// 64-bit float, gives the default. When the first reading equals the default, the text is
// read once more with points and commas swapped, so "1.5" and "1,5" both give 1.5.
double ZahlAusText(std::string_view text, double vorgabe);
