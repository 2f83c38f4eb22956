// The diagram canvas on a QImage: lines of width 1 and rectangle outlines are rasterised here
// pixel by pixel, so that end points, dash patterns and rectangle edges follow the raster rules
// of TLeinwand exactly; wider lines, fills and text go through QPainter.
#pragma once

#include "MalerLeinwand.h"

#include <QImage>

class TQtLeinwand : public TMalerLeinwand {
public:
  // The image must have a 32-bit RGB format; it is drawn on in place.
  explicit TQtLeinwand(QImage& bild);

  void Rechteck(int x1, int y1, int x2, int y2) override;
  void LinieZu(int x, int y) override;

private:
  void Punkt(int x, int y, uint32_t farbe);
  void DuenneLinie(int ax, int ay, int bx, int by);

  QImage& bild_;
  // The pixels, taken once: a pixel is written directly, without QImage's per-call checks.
  uchar* pixel_ = nullptr;
  qsizetype zeilenlaenge_ = 0;
};
