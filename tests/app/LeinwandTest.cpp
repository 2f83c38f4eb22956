#include "AppTests.h"

#include "Bildexport.h"
#include "QtLeinwand.h"

#include "core/Typen.h"
#include "plot/Beispiel.h"
#include "plot/Diagramm.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

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

} // namespace

void TLeinwandTest::LinienLassenIhrEndeAus() {
  QImage bild = Leer(40, 10);
  TQtLeinwand l(bild);
  l.Stift(0, 1, TStiftstil::Durchgezogen);
  l.BewegeZu(0, 0);
  l.LinieZu(5, 0);
  QCOMPARE(Reihe(bild, 0, 0, 7), QStringLiteral("#####.."));
  l.BewegeZu(0, 2);
  l.LinieZu(3, 5);
  QCOMPARE(bild.pixel(2, 4), Schwarz);
  QCOMPARE(bild.pixel(3, 5), Weiss);
  l.BewegeZu(10, 8);
  l.LinieZu(10, 4);
  QCOMPARE(bild.pixel(10, 5), Schwarz);
  QCOMPARE(bild.pixel(10, 4), Weiss);
  // Lines beyond the image are cut off, without harm, and far-away ends cost nothing.
  l.BewegeZu(-100, -100);
  l.LinieZu(1000, 1000);
  QCOMPARE(bild.pixel(7, 7), Schwarz);
  l.BewegeZu(30, -2000000000);
  l.LinieZu(30, 2000000000);
  for (int y = 0; y < 10; ++y) QCOMPARE(bild.pixel(30, y), Schwarz);
  l.BewegeZu(-2000000000, 2000000000);
  l.LinieZu(-2000000000, -2000000000); // entirely outside
}

void TLeinwandTest::StricheUndPunkte() {
  QImage bild = Leer(40, 4);
  TQtLeinwand l(bild);
  l.Stift(0, 1, TStiftstil::Gestrichelt);
  l.BewegeZu(0, 0);
  l.LinieZu(31, 0);
  QCOMPARE(Reihe(bild, 0, 0, 32), QStringLiteral("##################......#######."));
  l.Stift(0, 1, TStiftstil::Gepunktet);
  l.BewegeZu(0, 2);
  l.LinieZu(12, 2);
  QCOMPARE(Reihe(bild, 2, 0, 13), QStringLiteral("###...###....").left(12) + QLatin1Char('.'));
}

void TLeinwandTest::RechteckeOhneRechteUntereKante() {
  QImage bild = Leer(8, 8);
  TQtLeinwand l(bild);
  l.Stift(0, 1, TStiftstil::Durchgezogen);
  l.Pinsel(0x0000FF);
  l.Rechteck(1, 1, 5, 5);
  QCOMPARE(bild.pixel(1, 1), Schwarz);
  QCOMPARE(bild.pixel(4, 4), Schwarz);
  QCOMPARE(bild.pixel(2, 2), Rot);
  QCOMPARE(bild.pixel(5, 2), Weiss);
  QCOMPARE(bild.pixel(2, 5), Weiss);
  l.Pinsel(0x000000);
  l.RechteckFuellen(6, 6, 8, 7);
  QCOMPARE(bild.pixel(7, 6), Schwarz);
  QCOMPARE(bild.pixel(6, 7), Weiss);
  l.RechteckFuellen(3, 3, 3, 9); // empty
  QCOMPARE(bild.pixel(3, 6), Weiss);
}

void TLeinwandTest::TextDeckendAufDemPinsel() {
  QImage bild = Leer(200, 120);
  TQtLeinwand l(bild);
  l.Schrift("Arial", 10);
  l.Pinsel(0x00FFFF); // yellow
  const int breite = l.TextBreite("Wert"), hoehe = l.TextHoehe("Wert");
  QVERIFY(breite > 10 && hoehe > 8);
  QVERIFY(l.TextBreite("Wert Wert") > breite);
  l.TextAus(10, 10, "Wert");
  QCOMPARE(bild.pixel(10, 10), qRgb(255, 255, 0));
  QCOMPARE(bild.pixel(10 + breite - 1, 10 + hoehe - 1), qRgb(255, 255, 0));
  QCOMPARE(bild.pixel(9, 10), Weiss);
  QCOMPARE(bild.pixel(10 + breite, 10), Weiss);
  // Turned: the cell runs upwards from (50, 110) and to the right.
  l.TextAusGedreht(50, 110, "Wert");
  QCOMPARE(bild.pixel(50, 109), qRgb(255, 255, 0));
  QCOMPARE(bild.pixel(50 + hoehe - 1, 110 - breite + 1), qRgb(255, 255, 0));
  QCOMPARE(bild.pixel(49, 100), Weiss);
  QCOMPARE(bild.pixel(50, 111), Weiss);
}

void TLeinwandTest::BreiteLinien() {
  QImage bild = Leer(20, 20);
  TQtLeinwand l(bild);
  l.Stift(0x0000FF, 2, TStiftstil::Durchgezogen);
  l.BewegeZu(2, 10);
  l.LinieZu(17, 10);
  QCOMPARE(bild.pixel(10, 10), Rot);
  QVERIFY(bild.pixel(10, 9) == Rot || bild.pixel(10, 11) == Rot);
}

void TLeinwandTest::BitmapUndJpeg() {
  QImage bild = Leer(697, 409);
  TQtLeinwand l(bild);
  l.Pinsel(0x0000FF);
  l.RechteckFuellen(0, 0, 697, 409);
  QTemporaryDir ordner;
  const QString bmp = ordner.path() + QStringLiteral("/bild.bmp");
  BitmapSpeichern(bild, bmp);
  QFile datei(bmp);
  QVERIFY(datei.open(QIODevice::ReadOnly));
  QCOMPARE(datei.read(2), QByteArray("BM"));
  datei.close();
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
  QCOMPARE(static_cast<int>(info.image_width), 697);
  QCOMPARE(static_cast<int>(info.image_height), 409);
  QCOMPARE(info.num_components, 3);
  QVERIFY(!info.progressive_mode);
  jpeg_destroy_decompress(&info);
  const QString jpg = ordner.path() + QStringLiteral("/bild.jpg");
  JpegSpeichern(bild, jpg);
  const QImage jpegBild(jpg);
  QCOMPARE(jpegBild.size(), QSize(697, 409));
  QVERIFY(qRed(jpegBild.pixel(300, 200)) > 250 && qGreen(jpegBild.pixel(300, 200)) < 5);
  // A path in a folder that does not exist: the message, no file.
  try {
    JpegSpeichern(bild, ordner.path() + QStringLiteral("/fehlt/bild.jpg"));
    QFAIL("saving into a missing folder succeeded");
  } catch (const std::exception& e) {
    QVERIFY(QString::fromUtf8(e.what()).endsWith(QStringLiteral("kann nicht geschrieben werden")));
  }
}

namespace {

QImage Beispielbild(uint8_t modell) {
  const TBeispiel b = ModellBeispiel(modell);
  QImage bild = Leer(129, 121);
  TQtLeinwand l(bild);
  BeispielZeichnen(l, b.x, b.y, b.einstellungen);
  return bild;
}

} // namespace

// Pictures for a look by eye, next to the test program: every model's example and one diagram
// that uses every feature at once.
void TLeinwandTest::BeispielbilderImBuildOrdner() {
  const QString ordner = QCoreApplication::applicationDirPath() + QStringLiteral("/bilder");
  QDir().mkpath(ordner);
  for (uint8_t m = 1; m <= 17; ++m)
    QVERIFY(Beispielbild(m).save(ordner + QStringLiteral("/modell_%1.png").arg(m)));
  TDiagrammEinstellungen r;
  r.Markierung = "Messung 1";
  r.AchseX = "Zeit in s";
  r.AchseY = "Weg in m";
  r.Verbinden = true;
  r.Fehlerbalken = true;
  r.Fit.Modell = 5;
  r.Fit.DX = 0.1;
  r.Fit.DY = 0.8;
  r.Fit.Fix.Setze(4, true);
  r.Tangente = true;
  r.TangenteX = 2;
  r.Formel = true;
  r.KastenX = 0.2;
  r.KastenY = 16;
  r.LinienAnzahl = 2;
  r.Linien[0] = {0, 2.5, "Mitte", true};
  r.Linien[1] = {1, 4, "Grenze", false};
  const TVektor x = {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4}, y = {1, 1.4, 2.2, 3.1, 4.8, 7.2, 10.1, 13.2, 17};
  QImage bild = Leer(697, 409);
  TQtLeinwand l(bild);
  const TAbbildung a = DiagrammZeichnen(l, x, y, {}, {}, r);
  QCOMPARE(a.RandLinks, uint16_t(120));
  QVERIFY(bild.save(ordner + QStringLiteral("/alles.png")));
}

// The examples have no text, so their pixels do not depend on the installed fonts.
void TLeinwandTest::GoldeneBeispielbilder() {
  for (uint8_t m : {1, 3, 6, 9}) {
    const QImage bild = Beispielbild(m).convertToFormat(QImage::Format_RGB32);
    const QString pfad = QStringLiteral(QUARN_GOLDEN "/modell_%1.png").arg(m);
    if (qEnvironmentVariableIsSet("QUARN_GOLDEN_NEU")) QVERIFY(bild.save(pfad));
    const QImage golden = QImage(pfad).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(golden.size(), bild.size());
    QVERIFY2(golden == bild, qPrintable(QStringLiteral("model %1 differs from %2").arg(m).arg(pfad)));
  }
}
