// Digit sums and the conversion of whole numbers between number systems.
//
// A number is converted through a digit record: its decimal text becomes digits
// (TextZuZiffern), their value (ZiffernZuZahl), the digits in the new base (Umrechnen) and
// the text of those (ZiffernZuText). Digits are "0".."9" and "A".."Z" for 0..35.
#pragma once

#include "Operation.h"
#include "Spaltenmodell.h"

#include "core/Typen.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Sum of the decimal digits of |n|, one level (287 gives 17).
int32_t Quersumme(int64_t n);

// basis^exponent in 64-bit arithmetic; 1 for exponent 0.
int64_t GanzzahlPotenz(int64_t basis, uint32_t exponent);

inline constexpr std::string_view Ziffernzeichen = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Digit value of a character that is not in Ziffernzeichen.
inline constexpr uint8_t KeineZiffer = 255;

inline constexpr const char* NurGanzeZahlen =
    "Nur ganze Zahlen von 0 bis 9223372036854775807 können umgerechnet werden";
inline constexpr const char* BasisAusserhalb = "Die Basis muss zwischen 2 und 36 liegen";

// Base and 256 digits, the least significant first; digits above the value are 0.
struct TZiffern {
  uint8_t Basis = 10;
  std::array<uint8_t, 256> Stellen{};
};

// The characters of the text as digits, the last character as the lowest digit; at most 256
// characters are taken. Letters count as 10..35 in every base; any other character gives
// KeineZiffer.
void TextZuZiffern(std::string_view text, uint8_t basis, TZiffern& ziffern);

// The value of the digits (letters count in every base, "1A" in base 10 is 20). A digit
// KeineZiffer or a value beyond 64 bits raises TQuarnFehler with NurGanzeZahlen.
int64_t ZiffernZuZahl(const TZiffern& ziffern);

// The largest k with basis^k <= wert; 0 for wert <= 0. A base below 2 has no such k: that is
// reported as the floating-point fault "Gleitkommadivision durch Null", as the logarithm
// log(wert) / log(basis) would give.
uint8_t HoechsteStelle(uint8_t basis, int64_t wert);

// The value of the digits written in the base neueBasis (2..36).
void Umrechnen(const TZiffern& ziffern, uint8_t neueBasis, TZiffern& ergebnis);

// The digits as text, most significant first; 0 gives "0". A digit beyond "Z" is written "?".
void ZiffernZuText(const TZiffern& ziffern, std::string& text);

// "Zahlensystem": every line of column 1 into column 3 and of column 2 into column 4, from
// decimal into the base W (rounded). A base above 36 is refused before any line, one below 2
// fails with "Gleitkommadivision durch Null" at the first line above 0;
// a line that is no whole number from 0 to 2^63-1 (or longer than 256 characters) ends the
// operation with NurGanzeZahlen.
void Zahlensystem(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y);
