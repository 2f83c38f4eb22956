// The drawing surface of a diagram. Its pixel rules are those of the classic raster API the
// diagram's numbers were made for: a line from P to Q leaves Q unset, rectangles exclude their
// right and bottom edges, nothing is anti-aliased, and text is drawn opaque on the brush
// colour. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string>

enum class TStiftstil : uint8_t { Durchgezogen, Gestrichelt, Gepunktet };

struct TStift {
  uint32_t Farbe = 0;
  int Breite = 1;
  TStiftstil Stil = TStiftstil::Durchgezogen;
};

// The canvas keeps its pen, brush and font, so that drawing code can read what an earlier
// step left there; a canvas learns of each change through the protected hooks.
class TLeinwand {
public:
  virtual ~TLeinwand() = default;

  virtual int Breite() const = 0;
  virtual int Hoehe() const = 0;

  void Stift(uint32_t farbe, int breite, TStiftstil stil) {
    stift_ = {farbe, breite, stil};
    StiftGeaendert();
  }
  void Pinsel(uint32_t farbe) {
    pinsel_ = farbe;
    PinselGeaendert();
  }
  void Schrift(const std::string& name, int groesse) {
    schriftname_ = name;
    schriftgroesse_ = groesse;
    SchriftGeaendert();
  }
  const TStift& Stift() const { return stift_; }
  uint32_t Pinsel() const { return pinsel_; }
  const std::string& Schriftname() const { return schriftname_; }
  int Schriftgroesse() const { return schriftgroesse_; }

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

protected:
  virtual void StiftGeaendert() {}
  virtual void PinselGeaendert() {}
  virtual void SchriftGeaendert() {}

private:
  TStift stift_;
  uint32_t pinsel_ = 0x00FFFFFF;
  std::string schriftname_ = "Arial";
  int schriftgroesse_ = 8;
};
