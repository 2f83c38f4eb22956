// Every display and fit option of a diagram as one record, and its stored form: 2952 bytes,
// little-endian, strings as a length byte and up to 255 Windows-1252 characters in 256 bytes.
// The offsets of the fields stand in the field list that writer and reader walk together;
// reserved bytes are written 0.
#pragma once

#include "fit/Fittypen.h"

#include "core/Zahlformat.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The kinds of marker line: vertical at x = Wert, horizontal at y = Wert; a stored record may
// hold other kinds, which are not drawn.
namespace Linienart {
enum : uint8_t { Vertikal, Horizontal };
} // namespace Linienart

// A marker line; Schnitt also marks where it cuts the fitted curve.
struct TLinie {
  uint8_t Art = Linienart::Vertikal;
  double Wert = 0;
  std::string Text;
  bool Schnitt = false;
  bool operator==(const TLinie&) const = default;
};

inline constexpr int ZusatzGleichmaessig = 1; // bit 0: ticks at round steps ("Gl.m.")
inline constexpr int ZusatzGitter = 2;        // bit 1: grid lines ("Linie")

// The built-in default record, as the member initialisers give it.
struct TDiagrammEinstellungen {
  std::string Markierung{};
  bool Verbinden = false;
  bool Beschriftung = true;
  bool OhneSkala = false;
  bool PunkteAus = false;
  bool Fehlerbalken = false;
  uint32_t Farbe = 0x000000FF; // 0x00BBGGRR: red
  uint32_t Vordergrund = 0;
  uint32_t Hintergrund = 0x00FFFFFF;
  int8_t Integrationen = 0;
  int32_t KommastellenX = 3;
  int32_t KommastellenY = 3;
  TFitVorgabe Fit{};
  std::string AchseX = "X";
  std::string AchseY = "Y";
  TNamen Namen{"x", "y", "z", ""};
  bool XminAn = false, XmaxAn = false, YminAn = false, YmaxAn = false;
  double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
  uint8_t LinienAnzahl = 0;
  std::array<TLinie, 3> Linien{};
  TZahlformat Zahlformat{4, 3, false};
  TFitParameter FitParameter{10, 1000, 1e-9};
  bool Tangente = false;
  double TangenteX = 0;
  bool Formel = false;
  bool Kasten = true;
  bool Chi = true;
  int8_t Zeichendicke = 1;
  double KastenX = 0, KastenY = 0;
  double LogBasisX = -1;
  double LogBasisY = -1;
  bool Variation = false;
  uint8_t Zusatz = ZusatzGleichmaessig | ZusatzGitter;
  bool operator==(const TDiagrammEinstellungen&) const = default;
};

// Whether a logarithm base of the record switches the logarithm on; off is stored as 0 or -1.
inline bool Logarithmisch(double basis) {
  return basis > 1e-18;
}

inline constexpr std::size_t DiagrammGroesse = 2952;

std::array<uint8_t, DiagrammGroesse> DiagrammBytes(const TDiagrammEinstellungen& e);
// Reads any 2952 bytes without failing: Booleans are bytes other than 0, strings take their
// length byte (texts are kept as UTF-8), numbers are taken as they stand.
TDiagrammEinstellungen DiagrammAusBytes(std::span<const uint8_t, DiagrammGroesse> bytes);

// The record of a plot of the residuals r against x: a zero line inside the y range, no fit,
// no tracer cross.
TDiagrammEinstellungen Residuendiagramm(const std::string& modellname, std::span<const double> x,
                                        std::span<const double> r);
