#include "MalerLeinwand.h"

#include "Textdatei.h"

#include <QFontMetrics>
#include <QPen>

QRgb Farbwert(uint32_t farbe) { return qRgb(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF); }

TMalerLeinwand::TMalerLeinwand(QPaintDevice& geraet, int breite, int hoehe)
    : geraet_(geraet), maler_(&geraet), breite_(breite), hoehe_(hoehe) {
  SchriftGeaendert();
}

void TMalerLeinwand::SchriftGeaendert() {
  schrift_ = QFont(AusUtf8(Schriftname()));
  schrift_.setPointSize(Schriftgroesse() > 0 ? Schriftgroesse() : 8);
  schrift_.setStyleStrategy(QFont::NoAntialias);
}

void TMalerLeinwand::RechteckFuellen(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  maler_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor(Farbwert(Pinsel())));
}

void TMalerLeinwand::Rechteck(int x1, int y1, int x2, int y2) {
  RechteckFuellen(x1, y1, x2, y2);
  if (x2 <= x1 || y2 <= y1) return;
  const int b = Stift().Breite;
  // The outline lies inside the area: its centre line runs half a pen width inside the edge.
  maler_.setPen(QPen(QColor(Farbwert(Stift().Farbe)), b, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  maler_.setBrush(Qt::NoBrush);
  maler_.drawRect(QRectF(x1 + b / 2.0, y1 + b / 2.0, x2 - x1 - b, y2 - y1 - b));
}

void TMalerLeinwand::BewegeZu(int x, int y) {
  x_ = x;
  y_ = y;
}

void TMalerLeinwand::LinieZu(int x, int y) {
  QPen stift(QColor(Farbwert(Stift().Farbe)), Stift().Breite, Qt::SolidLine, Stift().Breite > 1 ? Qt::RoundCap : Qt::FlatCap);
  if (Stift().Stil == TStiftstil::Gestrichelt) stift.setStyle(Qt::DashLine);
  if (Stift().Stil == TStiftstil::Gepunktet) stift.setStyle(Qt::DotLine);
  maler_.setPen(stift);
  maler_.drawLine(x_, y_, x, y);
  BewegeZu(x, y);
}

void TMalerLeinwand::Text(int x, int y, const std::string& text, bool gedreht) {
  maler_.save();
  maler_.setFont(schrift_);
  maler_.translate(x, y);
  if (gedreht) maler_.rotate(-90);
  const QFontMetrics masse(schrift_, &geraet_);
  const QRect feld(0, 0, masse.horizontalAdvance(AusUtf8(text)), masse.height());
  maler_.fillRect(feld, QColor(Farbwert(Pinsel())));
  maler_.setPen(QColor(Qt::black));
  maler_.drawText(feld, Qt::AlignLeft | Qt::AlignTop, AusUtf8(text));
  maler_.restore();
}

void TMalerLeinwand::TextAus(int x, int y, const std::string& text) { Text(x, y, text, false); }
void TMalerLeinwand::TextAusGedreht(int x, int y, const std::string& text) { Text(x, y, text, true); }

int TMalerLeinwand::TextBreite(const std::string& text) {
  return QFontMetrics(schrift_, &geraet_).horizontalAdvance(AusUtf8(text));
}

int TMalerLeinwand::TextHoehe(const std::string&) { return QFontMetrics(schrift_, &geraet_).height(); }
