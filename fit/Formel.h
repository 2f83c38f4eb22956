// The formula texts of the models: generic, and with the coefficient values written in.
#pragma once

#include "Fittypen.h"

#include "core/Zahlformat.h"

#include <string>

// "Y = " and the model's generic formula in the x name.
std::string Formeltext(uint8_t modell, const TNamen& namen);
// "Y = " and the formula with the coefficients written by ZahlFormatiert; terms with a zero
// coefficient are left out.
std::string FormelMitWerten(const TKoeffizienten& koeffizienten, uint8_t modell, const TNamen& namen,
                            TZahlformat format);
