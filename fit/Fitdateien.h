// The stored byte layouts of the fit request (144 bytes) and the iteration parameters
// (16 bytes), as they stand inside the diagram settings file. Reserved bytes are written 0.
//
// TFitVorgabe: 0 Modell, 8 Ausreisser, 16 Prozent, 24 DX, 32 DY, 40 Fehlerart, 41 Fix (32
// bytes), 73 MitStartwerten, 80 Startwerte (8 doubles). TFitParameter: 0 Faktor, 4
// MaxSchritte (signed 32-bit), 8 Grenze.
#pragma once

#include "Fittypen.h"

#include <array>
#include <cstdint>
#include <span>

inline constexpr std::size_t FitVorgabeGroesse = 144;
inline constexpr std::size_t FitParameterGroesse = 16;

std::array<uint8_t, FitVorgabeGroesse> FitVorgabeBytes(const TFitVorgabe& vorgabe);
// Any byte other than 0 reads as a set Boolean.
TFitVorgabe FitVorgabeAusBytes(std::span<const uint8_t, FitVorgabeGroesse> bytes);

std::array<uint8_t, FitParameterGroesse> FitParameterBytes(const TFitParameter& parameter);
TFitParameter FitParameterAusBytes(std::span<const uint8_t, FitParameterGroesse> bytes);
