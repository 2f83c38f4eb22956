// The four columns of the main window as plain lines, for the operations to work on.
#pragma once

#include "core/Typen.h"

#include <array>
#include <string>

struct TSpaltenModell {
  // Columns 1..4 at indexes 0..3: 1 and 2 are the input, 3 and 4 the output.
  std::array<TStringListe, 4> Spalten;
  // Which columns an operation has touched, so that only those are written back.
  std::array<bool, 4> Geaendert{};
  // Messages to show the user, in order.
  TStringListe Meldungen;

  TStringListe& Spalte(int nummer) { return Spalten[nummer - 1]; }
  const TStringListe& Spalte(int nummer) const { return Spalten[nummer - 1]; }

  // The column, marked as changed: for every write.
  TStringListe& Schreiben(int nummer) {
    Geaendert[nummer - 1] = true;
    return Spalten[nummer - 1];
  }
};
