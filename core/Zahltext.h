// Writing numbers as text, with the decimal comma.
#pragma once

#include "Gleitkomma.h"

#include <string>

// General format with 15 significant digits, trailing zeros dropped. Magnitudes from 0,0001
// up to below 10^15 are written in fixed notation, all others as mantissa and exponent
// ("1E15", "1,5E-5"). NaN gives "NAN", infinities "INF" and "-INF".
std::string ZahlAlsText(Extended wert);

// Fixed notation with at most four decimals (rounded to nearest, ties to even), never an
// exponent: "0,3333", "2,5", "-7". A value whose scaled magnitude does not fit a signed
// 64-bit integer (beyond about 9,2E14), NaN and infinities are written with ZahlAlsText, so
// the text still reads back as the value.
std::string VierStellenText(double wert);
