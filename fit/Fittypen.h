// The records of a fit: what to fit, how to iterate, and the result.
#pragma once

#include "core/Koeffizienten.h"

#include <array>
#include <cstdint>
#include <string>

// The models by number, in the order of the model list; 0 is no model.
namespace Modellnr {
enum : uint8_t {
  Keins, Gerade, Exponentiell, Gauss, Hyperbel, Polynom, Sinus, Logarithmus, Potenzfunktion,
  EingehuellteSchwingung, Zerfallsueberlagerung, Wurzel, Poisson, Doppelgauss, Brechzahl,
  Intensitaet, Basispotenz, BeemBellKaiser
};
} // namespace Modellnr

inline constexpr int Modellanzahl = Modellnr::BeemBellKaiser;

// The error modes of a fit: how the error of a point follows from d and its y.
namespace Fehlermodus {
enum : uint8_t { Absolut, Relativ, Wurzel, Individuell };
} // namespace Fehlermodus

inline constexpr int Fehlermodusanzahl = Fehlermodus::Individuell + 1;

// A fitted (or typed) model: number 0..17 (0: none), Ordnung 0 for the value and -1 for the
// first derivative in x, the coefficients, and the iteration's bookkeeping sum.
struct TFitErgebnis {
  uint8_t Modell = Modellnr::Keins;
  int8_t Ordnung = 0;
  TKoeffizienten Koeffizienten{};
  long double Restsumme = 0;
};

// What the user asked to fit; stored in the diagram settings (144 bytes, see Fitdateien.h).
struct TFitVorgabe {
  uint8_t Modell = Modellnr::Keins;
  bool Ausreisser = false;   // run the outlier pass
  double Prozent = 0;        // outlier threshold in percent
  double DX = 0;             // x error
  double DY = 0;             // y error
  uint8_t Fehlerart = Fehlermodus::Absolut;
  TIndexmenge Fix{};         // coefficients held fixed
  bool MitStartwerten = false; // use Startwerte instead of the estimate
  std::array<double, MaxKoeffizienten> Startwerte{};
  bool operator==(const TFitVorgabe&) const = default;
};

// Iteration parameters: damping factor, accepted steps (compared unsigned), damping bound.
struct TFitParameter {
  int32_t Faktor = 10;
  int32_t MaxSchritte = 1000;
  double Grenze = 1e-9;
  bool operator==(const TFitParameter&) const = default;
};

// The names of the variables in formulas: x, y, a third and a fourth name.
struct TNamen {
  std::string X = "x";
  std::string Y = "y";
  std::string Z;
  std::string Vierter;
  bool operator==(const TNamen&) const = default;
};
