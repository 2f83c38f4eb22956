// Value tables of a model with given coefficients: x values by count, by step or from column 1,
// and the model's values at them, as column texts.
#pragma once

#include "Fittypen.h"

#include "core/Typen.h"

#include <array>
#include <cstdint>
#include <string>

enum class TWerteart : uint8_t { Anzahl, Schritt, Spalte1 };

struct TWerteauftrag {
  uint8_t Modell = Modellnr::Gerade;
  std::array<double, MaxKoeffizienten> Koeffizienten{};
  TWerteart Art = TWerteart::Anzahl;
  std::string Feld; // the count, or the step width
  double Von = 0, Bis = 1;
};

// The columns a generation replaces: 1 and 2 for count and step, 2, 3 and 4 from column 1.
struct TWertetabelle {
  std::array<bool, 4> Ersetzt{};
  std::array<TStringListe, 4> Spalten;
};

// Tables longer than this are refused, like files beyond the load limit.
inline constexpr int64_t MeisteWerte = 8000000;

// Raises before anything is generated: TGanzzahlFehler for a count from column 1 that is no
// whole number, TQuarnFehler ("Zu viele Werte ...") for a table beyond MeisteWerte, a
// floating-point fault for a step count beyond every range. spalte1: the lines of column 1.
TWertetabelle Wertetabelle(const TWerteauftrag& auftrag, const TStringListe& spalte1);
