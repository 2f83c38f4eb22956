// The mapping of world coordinates onto the pixels of a diagram, and its axis ticks.
//
// The plot area spans x from RandLinks to Breite - RandOben and y from RandOben to
// Hoehe - RandLinks (pixel y grows downwards); RandOben is 20, RandLinks 40, or with labelled
// axes half the smaller image side less 20, at most 120.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct TAbbildung {
  uint16_t Hoehe = 0;
  uint16_t Breite = 0;
  double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
  int32_t Feldbreite = 0;
  int32_t Feldhoehe = 0;
  uint16_t RandOben = 0;
  uint16_t RandLinks = 0;
};

struct TPixel {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const TPixel&) const = default;
};

struct TWeltpunkt {
  double x = 0;
  double y = 0;
};

enum class TAchse : uint8_t { X, Y };

// One axis of the mapping: its world range, the pixels of the plot area along it, and the pixel
// of its minimum with the direction in which the pixels of growing values run.
struct TAchsenmass {
  double Min = 0, Max = 0;
  int32_t Feld = 0;
  int32_t Anfang = 0;
  int32_t Richtung = 1;
  // The pixel `versatz` pixels from the minimum along the axis.
  int32_t Pixel(int32_t versatz) const { return Anfang + Richtung * versatz; }
};
TAchsenmass Achsenmass(const TAbbildung& a, TAchse achse);

// The image size and margins, with the limits still 0.
TAbbildung Raender(uint16_t breite, uint16_t hoehe, bool beschriftet);

// An override when its switch is on, else the data's minimum or maximum.
struct TGrenzen {
  bool XminAn = false, XmaxAn = false, YminAn = false, YmaxAn = false;
  double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
};
void Achsengrenzen(TAbbildung& a, std::span<const double> x, std::span<const double> y, const TGrenzen& g);

// Never fails: a coordinate whose pixel cannot be computed (non-finite, beyond 32 bits) lands
// on the edge of the plot area.
TPixel WeltZuPixel(const TAbbildung& a, double x, double y);
// The inverse mapping; a world value beyond the 64-bit range is the overflow fault.
TWeltpunkt PixelZuWelt(const TAbbildung& a, TPixel p);
bool ImZeichenfeld(const TAbbildung& a, TPixel p);
bool ImBild(const TAbbildung& a, TPixel p);

// A round step for the range d (1, 2 or 5 times a power of ten for d >= 1) and the number of
// whole steps in d, at least 5; {0, 0} for a range that is not positive and finite.
struct TSkalenschritt {
  double Schritt = 0;
  double Anzahl = 0;
};
TSkalenschritt Skalenschritt(double d);

struct TSkalenstrich {
  double Wert = 0;  // the world value the label shows: that of the rounded pixel position
  int32_t Pixel = 0;
};

// Eight ticks per axis from one end to the other, or (gleichmaessig) ticks at whole multiples
// of Skalenschritt, the y axis down to a tenth of its range below Ymin.
std::vector<TSkalenstrich> Striche(const TAbbildung& a, TAchse achse, bool gleichmaessig);
