#include "QtLeinwand.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Dash patterns of cosmetic pens, in pixels: on, off.
bool Gesetzt(TStiftstil stil, int64_t schritt) {
  switch (stil) {
  case TStiftstil::Gestrichelt: return schritt % 24 < 18;
  case TStiftstil::Gepunktet: return schritt % 6 < 3;
  default: return true;
  }
}

// Pixels are written as 32-bit values; 96 dots per inch, so that font sizes in points come
// out as on the screens of old.
QImage& Vorbereitet(QImage& bild) {
  if (bild.format() != QImage::Format_RGB32 && bild.format() != QImage::Format_ARGB32)
    bild = bild.convertToFormat(QImage::Format_RGB32);
  bild.setDotsPerMeterX(3780);
  bild.setDotsPerMeterY(3780);
  return bild;
}

} // namespace

TQtLeinwand::TQtLeinwand(QImage& bild) : TMalerLeinwand(Vorbereitet(bild), bild.width(), bild.height()), bild_(bild) {
  pixel_ = bild_.bits(); // detaches once; painters on the image keep its buffer
  zeilenlaenge_ = bild_.bytesPerLine();
}

void TQtLeinwand::Punkt(int x, int y, uint32_t farbe) {
  if (x < 0 || y < 0 || x >= Breite() || y >= Hoehe()) return;
  reinterpret_cast<QRgb*>(pixel_ + y * zeilenlaenge_)[x] = Farbwert(farbe);
}

void TQtLeinwand::Rechteck(int x1, int y1, int x2, int y2) {
  TMalerLeinwand::RechteckFuellen(x1, y1, x2, y2);
  if (x2 <= x1 || y2 <= y1) return;
  for (int k = 0; k < Stift().Breite && x1 + k < x2 - k && y1 + k < y2 - k; ++k) {
    for (int x = x1 + k; x < x2 - k; ++x) {
      Punkt(x, y1 + k, Stift().Farbe);
      Punkt(x, y2 - 1 - k, Stift().Farbe);
    }
    for (int y = y1 + k; y < y2 - k; ++y) {
      Punkt(x1 + k, y, Stift().Farbe);
      Punkt(x2 - 1 - k, y, Stift().Farbe);
    }
  }
}

// Bresenham from (x1, y1) towards (x2, y2), the end point left out. Ends far outside the image
// (a huge error bar, a strong zoom) are first cut to a margin around it, so that only pixels
// near the image are stepped through; the dash pattern keeps its phase, and an end that was
// cut off is no real end, so its pixel is drawn.
void TQtLeinwand::DuenneLinie(int ax, int ay, int bx, int by) {
  const double dxd = static_cast<double>(bx) - ax, dyd = static_cast<double>(by) - ay;
  double t0 = 0, t1 = 1;
  const auto begrenzen = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    return t0 <= t1;
  };
  const double rand = 2;
  const auto nah = [&](int x, int y) { return x >= -rand && y >= -rand && x <= bild_.width() + rand && y <= bild_.height() + rand; };
  if (!(nah(ax, ay) && nah(bx, by)) &&
      (!begrenzen(-dxd, ax + rand) || !begrenzen(dxd, bild_.width() + rand - ax) || !begrenzen(-dyd, ay + rand) ||
       !begrenzen(dyd, bild_.height() + rand - ay)))
    return;
  const auto punkt = [&](double t, double a, double d) { return static_cast<int64_t>(std::llround(a + t * d)); };
  int64_t x1 = punkt(t0, ax, dxd), y1 = punkt(t0, ay, dyd);
  int64_t x2 = punkt(t1, ax, dxd), y2 = punkt(t1, ay, dyd);
  const bool endeZeichnen = t1 < 1;
  const int64_t dx = std::llabs(x2 - x1), dy = -std::llabs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int64_t fehler = dx + dy;
  int64_t schritt = std::llround(t0 * std::max(std::fabs(dxd), std::fabs(dyd)));
  for (;; ++schritt) {
    const bool ende = x1 == x2 && y1 == y2;
    if (ende && !endeZeichnen) break;
    if (Gesetzt(Stift().Stil, schritt)) Punkt(static_cast<int>(x1), static_cast<int>(y1), Stift().Farbe);
    if (ende) break;
    const int64_t doppelt = 2 * fehler;
    if (doppelt >= dy) {
      fehler += dy;
      x1 += sx;
    }
    if (doppelt <= dx) {
      fehler += dx;
      y1 += sy;
    }
  }
}

void TQtLeinwand::LinieZu(int x, int y) {
  if (Stift().Breite > 1) return TMalerLeinwand::LinieZu(x, y);
  DuenneLinie(X(), Y(), x, y);
  BewegeZu(x, y);
}
