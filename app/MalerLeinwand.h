// The diagram canvas on any Qt paint device (an SVG generator, a printer): every call goes
// through one QPainter that is active for the canvas's lifetime (an SVG document is one
// painting), without anti-aliasing, following the pixel rules of TLeinwand as far as the
// device has pixels. TQtLeinwand refines it for images.
#pragma once

#include "plot/Leinwand.h"

#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>

class TMalerLeinwand : public TLeinwand {
public:
  TMalerLeinwand(QPaintDevice& geraet, int breite, int hoehe);

  int Breite() const override { return breite_; }
  int Hoehe() const override { return hoehe_; }

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
  int X() const { return x_; }
  int Y() const { return y_; }

private:
  void Text(int x, int y, const std::string& text, bool gedreht);

  QPaintDevice& geraet_;
  QPainter maler_;
  int breite_, hoehe_;
  QFont schrift_;
  int x_ = 0;
  int y_ = 0;
};

// 0x00BBGGRR as a Qt colour value.
QRgb Farbwert(uint32_t farbe);
