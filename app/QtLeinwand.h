// The diagram canvas on a QImage: lines of width 1 are rasterised here pixel by pixel, so that
// end points, dash patterns and rectangle edges follow the raster rules of TLeinwand exactly;
// wider lines and text go through QPainter without anti-aliasing.
#pragma once

#include "plot/Leinwand.h"

#include <QFont>
#include <QImage>

class TQtLeinwand : public TLeinwand {
public:
  // The image must have a 32-bit RGB format; it is drawn on in place.
  explicit TQtLeinwand(QImage& bild);

  int Breite() const override { return bild_.width(); }
  int Hoehe() const override { return bild_.height(); }


  void RechteckFuellen(int x1, int y1, int x2, int y2) override;
  void Rechteck(int x1, int y1, int x2, int y2) override;
  void BewegeZu(int x, int y) override;
  void LinieZu(int x, int y) override;
  void TextAus(int x, int y, const std::string& text) override;
  void TextAusGedreht(int x, int y, const std::string& text) override;
  int TextBreite(const std::string& text) override;
  int TextHoehe(const std::string& text) override;

protected:
  void SchriftGeaendert() override;

private:
  void Punkt(int x, int y, uint32_t farbe);
  void DuenneLinie(int ax, int ay, int bx, int by);
  void Text(int x, int y, const std::string& text, bool gedreht);

  QImage& bild_;
  // The pixels, taken once: a pixel is written directly, without QImage's per-call checks.
  uchar* pixel_ = nullptr;
  qsizetype zeilenlaenge_ = 0;
  QFont schrift_;
  int x_ = 0;
  int y_ = 0;
};

// 0x00BBGGRR as a Qt colour value.
QRgb Farbwert(uint32_t farbe);
