// One column operation as the user chose it: number, value field and check box.
#pragma once

#include <cstdint>

struct TOperation {
  uint8_t Art = 0; // operation number 0..30
  double Wert = 0; // the value field "Wert", 0 when empty
  bool Option = false; // the operation check box
};

inline void OperationSetzen(uint8_t art, bool option, TOperation& op, double wert) {
  op = TOperation{art, wert, option};
}

inline constexpr int Operationsanzahl = 31;
