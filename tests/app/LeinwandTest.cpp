#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Bildexport.h"
#include "QtLeinwand.h"

#include "core/Typen.h"
#include "plot/Diagramm.h"

#include "TestHilfen.h"
#include "plot/PlotHilfen.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <jpeglib.h>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;
constexpr QRgb Schwarz = 0xFF000000;
constexpr QRgb Rot = 0xFFFF0000;

QImage Leer(int b, int h) {
  QImage bild(b, h, QImage::Format_RGB32);
  bild.fill(Weiss);
  return bild;
}

QString Reihe(const QImage& bild, int y, int von, int bis) {
  QString s;
  for (int x = von; x < bis; ++x) s += bild.pixel(x, y) == Weiss ? QLatin1Char('.') : QLatin1Char('#');
  return s;
}

void Linie(TQtLeinwand& l, int x1, int y1, int x2, int y2) { l.BewegeZu(x1, y1); l.LinieZu(x2, y2); }

// The colours of the pixels: '.' white, '#' black, 'r' red, 'g' yellow, '?' any other.
QString Farben(const QImage& bild, std::initializer_list<QPoint> punkte) {
  QString s;
  for (const QPoint& p : punkte) {
    const QRgb f = bild.pixel(p);
    s += f == Weiss ? '.' : f == Schwarz ? '#' : f == Rot ? 'r' : f == qRgb(255, 255, 0) ? 'g' : '?';
  }
  return s;
}

} // namespace

void TFensterTest::LinienLassenIhrEndeAus() {
  QImage bild = Leer(40, 10);
  TQtLeinwand l(bild);
  l.Stift(0, 1, TStiftstil::Durchgezogen);
  Linie(l, 0, 0, 5, 0);
  QCOMPARE(Reihe(bild, 0, 0, 7), QStringLiteral("#####.."));
  Linie(l, 0, 2, 3, 5);
  Linie(l, 10, 8, 10, 4);
  // Lines beyond the image are cut off, without harm, and far-away ends cost nothing.
  Linie(l, -100, -100, 1000, 1000);
  QCOMPARE(Farben(bild, {{2, 4}, {3, 5}, {10, 5}, {10, 4}, {7, 7}}), QStringLiteral("#.#.#"));
  Linie(l, 30, -2000000000, 30, 2000000000);
  for (int y = 0; y < 10; ++y) QCOMPARE(bild.pixel(30, y), Schwarz);
  Linie(l, -2000000000, 2000000000, -2000000000, -2000000000); // entirely outside
}

void TFensterTest::StricheUndPunkte() {
  QImage bild = Leer(40, 4);
  TQtLeinwand l(bild);
  l.Stift(0, 1, TStiftstil::Gestrichelt);
  Linie(l, 0, 0, 31, 0);
  QCOMPARE(Reihe(bild, 0, 0, 32), QStringLiteral("##################......#######."));
  l.Stift(0, 1, TStiftstil::Gepunktet);
  Linie(l, 0, 2, 12, 2);
  QCOMPARE(Reihe(bild, 2, 0, 13), QStringLiteral("###...###....").left(12) + QLatin1Char('.'));
}

void TFensterTest::RechteckeOhneRechteUntereKante() {
  QImage bild = Leer(8, 8);
  TQtLeinwand l(bild);
  l.Stift(0, 1, TStiftstil::Durchgezogen);
  l.Pinsel(0x0000FF);
  l.Rechteck(1, 1, 5, 5);
  l.Pinsel(0x000000);
  l.RechteckFuellen(6, 6, 8, 7);
  l.RechteckFuellen(3, 3, 3, 9); // empty
  QCOMPARE(Farben(bild, {{1, 1}, {4, 4}, {2, 2}, {5, 2}, {2, 5}, {7, 6}, {6, 7}, {3, 6}}), QStringLiteral("##r..#.."));
}

void TFensterTest::TextDeckendAufDemPinsel() {
  QImage bild = Leer(200, 120);
  TQtLeinwand l(bild);
  l.Schrift("Arial", 10);
  l.Pinsel(0x00FFFF); // yellow
  const int breite = l.TextBreite("Wert"), hoehe = l.TextHoehe("Wert");
  QVERIFY(breite > 10 && hoehe > 8 && l.TextBreite("Wert Wert") > breite);
  l.TextAus(10, 10, "Wert");
  QCOMPARE(Farben(bild, {{10, 10}, {10 + breite - 1, 10 + hoehe - 1}, {9, 10}, {10 + breite, 10}}), QStringLiteral("gg.."));
  // Turned: the cell runs upwards from (50, 110) and to the right.
  l.TextAusGedreht(50, 110, "Wert");
  QCOMPARE(Farben(bild, {{50, 109}, {50 + hoehe - 1, 110 - breite + 1}, {49, 100}, {50, 111}}), QStringLiteral("gg.."));
}

void TFensterTest::BreiteLinien() {
  QImage bild = Leer(20, 20);
  TQtLeinwand l(bild);
  l.Stift(0x0000FF, 2, TStiftstil::Durchgezogen);
  Linie(l, 2, 10, 17, 10);
  QVERIFY(Farben(bild, {{10, 9}, {10, 10}, {10, 11}}).contains(QStringLiteral("rr")));
}

void TFensterTest::BitmapUndJpeg() {
  QImage bild = Leer(697, 409);
  TQtLeinwand l(bild);
  l.Pinsel(0x0000FF);
  l.RechteckFuellen(0, 0, 697, 409);
  QTemporaryDir ordner;
  const QString bmp = ordner.path() + QStringLiteral("/bild.bmp");
  BitmapSpeichern(bild, bmp);
  QFile datei(bmp);
  QVERIFY(datei.open(QIODevice::ReadOnly) && datei.read(2) == "BM");
  const QImage gelesen(bmp);
  QCOMPARE(gelesen.size(), QSize(697, 409));
  QCOMPARE(gelesen.pixel(100, 100), Rot);
  // The JPEG is read back by libjpeg itself.
  const QByteArray jpeg = JpegKodieren(bild);
  jpeg_decompress_struct info{};
  jpeg_error_mgr fehler{};
  info.err = jpeg_std_error(&fehler);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
  QCOMPARE(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
  QCOMPARE((QList<int>{int(info.image_width), int(info.image_height), info.num_components, info.progressive_mode}),
           (QList<int>{697, 409, 3, false}));
  jpeg_destroy_decompress(&info);
  const QString jpg = ordner.path() + QStringLiteral("/bild.jpg");
  JpegSpeichern(bild, jpg);
  const QImage jpegBild(jpg);
  QCOMPARE(jpegBild.size(), QSize(697, 409));
  QVERIFY(qRed(jpegBild.pixel(300, 200)) > 250 && qGreen(jpegBild.pixel(300, 200)) < 5);
  // A path in a folder that does not exist: the message, no file.
  const std::string meldung = Meldung([&] { JpegSpeichern(bild, ordner.path() + QStringLiteral("/fehlt/bild.jpg")); });
  QVERIFY(QString::fromStdString(meldung).endsWith(QStringLiteral("kann nicht geschrieben werden")));
}

// Every model's example and one diagram that uses every feature at once, next to the test
// program for a look by eye. The examples have no text, so their pixels do not depend on the
// installed fonts: four of them are golden.
void TFensterTest::BeispielbilderGoldenUndImBuildOrdner() {
  const QString ordner = QCoreApplication::applicationDirPath() + QStringLiteral("/bilder");
  QDir().mkpath(ordner);
  for (uint8_t m = 1; m <= 17; ++m) {
    const QImage bild = Beispielbild(m);
    QVERIFY(bild.save(ordner + QStringLiteral("/modell_%1.png").arg(m)));
    if (m != 1 && m != 3 && m != 6 && m != 9) continue;
    const QString pfad = QStringLiteral(QUARN_GOLDEN "/modell_%1.png").arg(m);
    if (qEnvironmentVariableIsSet("QUARN_GOLDEN_NEU")) QVERIFY(bild.save(pfad));
    const QImage golden = QImage(pfad).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(golden.size(), bild.size());
    QVERIFY2(golden == bild, qPrintable(QStringLiteral("model %1 differs from %2").arg(m).arg(pfad)));
  }
  const TAllesDiagramm d = AllesDiagramm();
  QVERIFY(Gezeichnet(d.x, d.y, d.r).save(ordner + QStringLiteral("/alles.png")));
}
