// The stored fields of the fit request (144 bytes) and the iteration parameters (16 bytes), as
// they stand inside the diagram settings file (core/Datensatz.h walks them).
#pragma once

#include "Fittypen.h"

#include <cstddef>

template <class Weg, class Vorgabe> void FitVorgabeFelder(Weg w, Vorgabe& v) {
  w.Zahl(0, v.Modell);
  w.Bool(8, v.Ausreisser);
  w.Zahl(16, v.Prozent);
  w.Zahl(24, v.DX);
  w.Zahl(32, v.DY);
  w.Zahl(40, v.Fehlerart);
  w.Bytes(41, v.Fix.Bytes);
  w.Bool(73, v.MitStartwerten);
  for (std::size_t i = 0; i < v.Startwerte.size(); ++i) w.Zahl(80 + 8 * i, v.Startwerte[i]);
}

// MaxSchritte is stored signed and compared unsigned.
template <class Weg, class Parameter> void FitParameterFelder(Weg w, Parameter& p) {
  w.Zahl(0, p.Faktor);
  w.Zahl(4, p.MaxSchritte);
  w.Zahl(8, p.Grenze);
}
