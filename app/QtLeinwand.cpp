#include "QtLeinwand.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <cstdlib>

namespace {

// Dash patterns of cosmetic pens, in pixels: on, off.
bool Gesetzt(TStiftstil stil, int schritt) {
  switch (stil) {
  case TStiftstil::Gestrichelt: return schritt % 24 < 18;
  case TStiftstil::Gepunktet: return schritt % 6 < 3;
  default: return true;
  }
}

QString AlsQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

QRgb Farbwert(uint32_t farbe) { return qRgb(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF); }

TQtLeinwand::TQtLeinwand(QImage& bild) : bild_(bild) {
  // 96 dots per inch, so that font sizes in points come out as on the screens of old.
  bild_.setDotsPerMeterX(3780);
  bild_.setDotsPerMeterY(3780);
  SchriftGeaendert();
}

void TQtLeinwand::SchriftGeaendert() {
  schrift_ = QFont(AlsQString(Schriftname()));
  schrift_.setPointSize(Schriftgroesse() > 0 ? Schriftgroesse() : 8);
}

void TQtLeinwand::Punkt(int x, int y, uint32_t farbe) {
  if (x < 0 || y < 0 || x >= bild_.width() || y >= bild_.height()) return;
  reinterpret_cast<QRgb*>(bild_.scanLine(y))[x] = Farbwert(farbe);
}

void TQtLeinwand::RechteckFuellen(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter maler(&bild_);
  maler.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor(Farbwert(Pinsel())));
}

void TQtLeinwand::Rechteck(int x1, int y1, int x2, int y2) {
  RechteckFuellen(x1, y1, x2, y2);
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

void TQtLeinwand::BewegeZu(int x, int y) {
  x_ = x;
  y_ = y;
}

// Bresenham from (x1, y1) towards (x2, y2), the end point left out.
void TQtLeinwand::DuenneLinie(int x1, int y1, int x2, int y2) {
  const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int fehler = dx + dy;
  for (int schritt = 0; x1 != x2 || y1 != y2; ++schritt) {
    if (Gesetzt(Stift().Stil, schritt)) Punkt(x1, y1, Stift().Farbe);
    const int doppelt = 2 * fehler;
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
  if (Stift().Breite <= 1) {
    DuenneLinie(x_, y_, x, y);
  } else {
    QPainter maler(&bild_);
    QPen stift(QColor(Farbwert(Stift().Farbe)), Stift().Breite, Qt::SolidLine, Qt::RoundCap);
    if (Stift().Stil == TStiftstil::Gestrichelt) stift.setStyle(Qt::DashLine);
    if (Stift().Stil == TStiftstil::Gepunktet) stift.setStyle(Qt::DotLine);
    maler.setPen(stift);
    maler.drawLine(x_, y_, x, y);
  }
  BewegeZu(x, y);
}

void TQtLeinwand::Text(int x, int y, const std::string& text, bool gedreht) {
  QPainter maler(&bild_);
  maler.setFont(schrift_);
  maler.translate(x, y);
  if (gedreht) maler.rotate(-90);
  const QFontMetrics masse(schrift_, &bild_);
  const QRect feld(0, 0, masse.horizontalAdvance(AlsQString(text)), masse.height());
  maler.fillRect(feld, QColor(Farbwert(Pinsel())));
  maler.setPen(QColor(Qt::black));
  maler.drawText(feld, Qt::AlignLeft | Qt::AlignTop, AlsQString(text));
}

void TQtLeinwand::TextAus(int x, int y, const std::string& text) { Text(x, y, text, false); }
void TQtLeinwand::TextAusGedreht(int x, int y, const std::string& text) { Text(x, y, text, true); }

int TQtLeinwand::TextBreite(const std::string& text) {
  return QFontMetrics(schrift_, &bild_).horizontalAdvance(AlsQString(text));
}

int TQtLeinwand::TextHoehe(const std::string&) { return QFontMetrics(schrift_, &bild_).height(); }
