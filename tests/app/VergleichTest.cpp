#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Modellvergleich.h"
#include "Unit1.h"
#include "Unit4.h"

#include "core/Zahltext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTest>

#include <random>

namespace {

// n points of y = 2x + 1 with a little noise, plotted.
TForm4& Gerade(TTestprogramm& p, int n) {
  std::mt19937 zufall(1);
  std::normal_distribution<double> rauschen(0, 0.05);
  QStringList x, y;
  for (int i = 0; i < n; ++i) {
    const double xi = 0.2 * i;
    x << QString::fromStdString(ZahlAlsText(xi));
    y << QString::fromStdString(ZahlAlsText(2 * xi + 1 + rauschen(zufall)));
  }
  return p.Plotten(x.join('\n'), y.join('\n'));
}

} // namespace

void TFensterTest::ExportPngUndSvg_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QSize>("groesse");
  QTest::newRow("PNG wie das Fenster") << "bild.png" << QSize(697, 409);
  QTest::newRow("SVG groß") << "gross.svg" << QSize(2000, 1200);
  QTest::newRow("zu groß wird begrenzt") << "riesig.png" << QSize(9000, 10);
}

void TFensterTest::ExportPngUndSvg() {
  QFETCH(QString, name);
  QFETCH(QSize, groesse);
  TTestprogramm p;
  TForm4& plot = Gerade(p, 20);
  p.dialoge.Namen << p.Pfad(name);
  p.dialoge.Groessen << groesse;
  QCOMPARE(plot.ExportKnopf->text(), QStringLiteral("Exportieren …"));
  QCOMPARE(plot.VergleichKnopf->text(), QStringLiteral("Vergleich"));
  Klick(plot.ExportKnopf);
  QVERIFY(p.meldungen.Fehlertexte.isEmpty());
  QCOMPARE(p.dialoge.Groessenfragen.value(0), QSize(697, 409));
  const QSize erwartet = groesse.boundedTo(QSize(4000, 4000));
  if (name.endsWith(QStringLiteral(".svg"))) {
    QSvgRenderer svg(p.Pfad(name));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.defaultSize(), erwartet);
    return;
  }
  const QImage bild(p.Pfad(name));
  QCOMPARE(bild.size(), erwartet);
  if (erwartet == plot.Bild().size())
    QCOMPARE(bild.convertToFormat(QImage::Format_RGB32), plot.Bild().convertToFormat(QImage::Format_RGB32));
}

void TFensterTest::ExportInUnbeschreibbarenOrdner() {
  TTestprogramm p;
  TForm4& plot = Gerade(p, 20);
  const QString pfad = p.Pfad(QStringLiteral("fehlt/bild.png"));
  p.dialoge.Namen << pfad;
  p.dialoge.Groessen << QSize(697, 409);
  Klick(plot.ExportKnopf);
  QCOMPARE(p.meldungen.Fehlertexte.size(), 1);
  QVERIFY(!QFile::exists(pfad));
  Klick(plot.ExportKnopf); // cancelled dialogs write nothing and say nothing
  QCOMPARE(p.meldungen.Fehlertexte.size(), 1);
}

void TFensterTest::VergleichWaehltUebernimmtUndSpeichert() {
  TTestprogramm p;
  TForm4& plot = Gerade(p, 50);
  Klick(plot.VergleichKnopf);
  TModellvergleich& v = p.a().Modellvergleich();
  QVERIFY(QTest::qWaitForWindowExposed(&v));
  QTRY_VERIFY_WITH_TIMEOUT(!v.Rechnet(), 60000);
  QCOMPARE(v.Tabelle->rowCount(), 17);
  QCOMPARE(v.Tabelle->item(0, 0)->text(), QStringLiteral("Lineare Regression")); // smallest AICc
  QVERIFY(v.Fehlertext->toPlainText().contains(QStringLiteral(" ± ")));
  const QRect zelle = v.Tabelle->visualItemRect(v.Tabelle->findItems(QStringLiteral("Gauss"), Qt::MatchExactly).value(0));
  QTest::mouseClick(v.Tabelle->viewport(), Qt::LeftButton, {}, zelle.center());
  QVERIFY(v.Fehlertext->toPlainText().startsWith(QStringLiteral("Gauss")));
  const int vorher = plot.Zeichnungen();
  Klick(v.UebernehmenKnopf);
  QCOMPARE(plot.ComboBox1->currentIndex(), 2);
  QVERIFY(plot.CheckBox3->isChecked() && plot.Zeichnungen() > vorher);
  QCOMPARE(plot.Einstellungen().Fit.Modell, 3);
  p.dialoge.Namen << p.Pfad(QStringLiteral("vergleich.csv"));
  Klick(v.SpeichernKnopf);
  const QStringList zeilen = QString::fromUtf8(p.Lesen(QStringLiteral("vergleich.csv"))).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  QCOMPARE(zeilen.size(), 18);
  QVERIFY(zeilen[0].startsWith(QStringLiteral("Modell;Ergebnis;p;S;")));
  QVERIFY(zeilen[1].startsWith(QStringLiteral("Lineare Regression;angepasst;2;")));
}

void TFensterTest::VielePunkteBleibenBedienbarUndLassenSichAbbrechen() {
  TTestprogramm p;
  TForm4& plot = Gerade(p, 100000);
  Klick(plot.VergleichKnopf);
  TModellvergleich& v = p.a().Modellvergleich();
  QVERIFY(v.Rechnet());
  Klick(v.StartKnopf); // a new comparison while one runs: the old one is let go, nothing waits
  QVERIFY(v.Rechnet());
  Klick(v.AbbrechenKnopf);
  QVERIFY(!v.Rechnet()); // at once, whatever the worker is doing
  QVERIFY(v.Tabelle->rowCount() < 17 && v.Kopf->text().endsWith(QStringLiteral("(abgebrochen)")));
  Klick(v.StartKnopf);
  v.close(); // closing lets it go as well; the program ends with a worker still running
  QVERIFY(!v.Rechnet());
}

void TFensterTest::WenigePunkteSindNichtVergleichbar() {
  TTestprogramm p;
  TForm4& plot = Gerade(p, 3);
  Klick(plot.VergleichKnopf);
  TModellvergleich& v = p.a().Modellvergleich();
  QTRY_VERIFY_WITH_TIMEOUT(!v.Rechnet(), 60000);
  QCOMPARE(v.Tabelle->rowCount(), 17);
  for (int zeile = 0; zeile < v.Tabelle->rowCount(); ++zeile) {
    const QString ausgang = v.Tabelle->item(zeile, 1)->text();
    QVERIFY2(ausgang.startsWith(QStringLiteral("nicht vergleichbar")) || ausgang.contains(QStringLiteral("Gleitkomma")),
             qPrintable(ausgang));
    QCOMPARE(v.Tabelle->item(zeile, 6)->text(), QStringLiteral("–"));
  }
  QVERIFY(!v.Fehlertext->toPlainText().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
}
