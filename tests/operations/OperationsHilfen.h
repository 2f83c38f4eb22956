// Running an operation on a column model in one call.
#pragma once

#include "operations/Dispatcher.h"

#include "TestHilfen.h"

#include <string>

inline TSpaltenModell Modell(TStringListe spalte1, TStringListe spalte2 = {}) {
  TSpaltenModell m;
  m.Spalte(1) = std::move(spalte1);
  m.Spalte(2) = std::move(spalte2);
  return m;
}

// Runs the operation; returns the error message, or "" when it ended normally.
inline std::string Ausfuehren(TSpaltenModell& m, uint8_t art, double wert = 0,
                              bool option = false) {
  TOperation op;
  OperationSetzen(art, option, op, wert);
  return Meldung([&] { OperationAusfuehren(m, op); });
}
