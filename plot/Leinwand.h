// The drawing surface of a diagram. Its pixel rules are those of the classic raster API the
// diagram's numbers were made for: a line from P to Q leaves Q unset, rectangles exclude their
// right and bottom edges, nothing is anti-aliased, and text is drawn opaque on the brush
// colour. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string>

enum class TStiftstil : uint8_t { Durchgezogen, Gestrichelt, Gepunktet };

class TLeinwand {
public:
  virtual ~TLeinwand() = default;

  virtual int Breite() const = 0;
  virtual int Hoehe() const = 0;

  virtual void Stift(uint32_t farbe, int breite, TStiftstil stil) = 0;
  virtual void Pinsel(uint32_t farbe) = 0;
  virtual void Schrift(const std::string& name, int groesse) = 0;

  // [x1, x2) × [y1, y2) in the brush colour.
  virtual void RechteckFuellen(int x1, int y1, int x2, int y2) = 0;
  // The same area in the brush colour with an outline in the pen along its inner edge.
  virtual void Rechteck(int x1, int y1, int x2, int y2) = 0;
  virtual void BewegeZu(int x, int y) = 0;
  // A line from the current position to (x, y), which becomes the current position and
  // stays unset.
  virtual void LinieZu(int x, int y) = 0;
  // The text with its top left corner at (x, y).
  virtual void TextAus(int x, int y, const std::string& text) = 0;
  // The text turned by 90° counter-clockwise about (x, y): it runs upwards from there.
  virtual void TextAusGedreht(int x, int y, const std::string& text) = 0;
  virtual int TextBreite(const std::string& text) = 0;
  virtual int TextHoehe(const std::string& text) = 0;
};
