// One column operation as the user chose it: number, value field and check box.
#pragma once

#include <cstdint>

// The 31 operations by number, in the order of the catalogue.
namespace Operationsart {
enum : uint8_t {
  Sortieren, Addieren, Multiplizieren, Kehrwert, Umkehren, Reissverschluss, Aufspalten, Summieren,
  JedenXtenWert, Logarithmus, Verstaerkung, EFunktion, Runden, Maximum, Gewichtung, Integration,
  Differentation, Fouriertransformation, Dezibel, ExtremaFinden, DeltaX, DatenreiheTrennen,
  Schrittweite, Potenzieren, GammaFunktion, Binomialkoeffizient, Fakultaet, Dividieren,
  HintererTeil, Quersumme, Zahlensystem
};
} // namespace Operationsart

struct TOperation {
  uint8_t Art = Operationsart::Sortieren;
  double Wert = 0; // the value field "Wert", 0 when empty
  bool Option = false; // the operation check box
};

inline void OperationSetzen(uint8_t art, bool option, TOperation& op, double wert) {
  op = TOperation{art, wert, option};
}

inline constexpr int Operationsanzahl = Operationsart::Zahlensystem + 1;
static_assert(Operationsanzahl == 31);
