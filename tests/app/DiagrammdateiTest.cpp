#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit1.h"
#include "Unit4.h"
#include "Unit7.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>

#include <cmath>
#include <random>

namespace {

QByteArray Bytes(const TDiagrammEinstellungen& e) {
  const auto b = DiagrammBytes(e);
  return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// The window's state is what a user can reach: every control within its range.
void ImBereich(TForm4& f) {
  QVERIFY(f.TrackBar1->value() >= -5 && f.TrackBar1->value() <= 5);
  for (QLineEdit* stellen : {f.Edit20, f.Edit22, f.Edit23, f.Edit24}) {
    bool zahl = false;
    const int wert = stellen->text().toInt(&zahl);
    QVERIFY2(zahl && wert >= 0 && wert <= 99, qPrintable(stellen->text()));
  }
  QVERIFY(f.ComboBox2->currentIndex() >= 0 && f.ComboBox2->currentIndex() <= 3);
  QVERIFY(f.Einstellungen().Integrationen >= -9 && f.Einstellungen().Integrationen <= 9);
  QVERIFY(std::isfinite(f.Einstellungen().KastenX) && std::isfinite(f.Einstellungen().KastenY));
  for (QLineEdit* feld : {f.Edit15, f.Edit18, f.Edit19, f.Edit21})
    QVERIFY2(!feld->text().contains(QStringLiteral("NAN")) && !feld->text().contains(QStringLiteral("INF")),
             qPrintable(feld->text()));
}

} // namespace

void TFensterTest::SchliessenSchreibtDenDatensatz() {
  TTestprogramm p;
  QVERIFY(p.Schliessen());
  const QByteArray datei = p.Lesen(QStringLiteral("Diagramm"));
  QCOMPARE(datei, Bytes(p.a().Form4().Einstellungen()));
}

void TFensterTest::SchliessenScheitertNieDaran() {
  TTestprogramm p;
  QDir().mkpath(p.Pfad(QStringLiteral("Diagramm/innen")));
  QVERIFY(p.Schliessen());
  QVERIFY(p.meldungen.Texte.isEmpty());
  QVERIFY(QDir(p.Pfad(QStringLiteral("Diagramm/innen"))).exists());
}

void TFensterTest::Laden() {
  TTestprogramm p;
  TForm7& o = p.a().Form7();
  TDiagrammEinstellungen e;
  bool ganz = true;
  QVERIFY(!o.diagrammladen(e, ganz));
  p.Schreiben(QStringLiteral("Diagramm"), QByteArray(100, '\x07'));
  e.AchseX = "anders";
  QVERIFY(o.diagrammladen(e, ganz) && !ganz);
  QCOMPARE(Bytes(e), Bytes(TDiagrammEinstellungen{}));
  const TDiagrammEinstellungen gespeichert{.AchseY = "Strom", .Zeichendicke = 4};
  p.Schreiben(QStringLiteral("Diagramm"), Bytes(gespeichert));
  QVERIFY(o.diagrammladen(e, ganz) && ganz);
  QCOMPARE(Bytes(e), Bytes(gespeichert));
}

void TFensterTest::NachDemNeustartWieder() {
  TTestprogramm p;
  {
    TForm4& f = p.a().Form4();
    for (QCheckBox* kasten : {f.CheckBox1, f.CheckBox3, f.CheckBox22, f.CheckBox12}) kasten->setChecked(true);
    f.Edit1->setText(QStringLiteral("Zeit"));
    f.TrackBar1->setValue(-3);
    f.ComboBox1->setCurrentIndex(2);
    f.ComboBox1Change();
    f.ComboBox3->setCurrentIndex(2);
    QVERIFY(p.Schliessen());
  }
  p.Neustart();
  TForm4& f = p.a().Form4();
  QCOMPARE(Haken({f.CheckBox1, f.CheckBox3, f.CheckBox22, f.CheckBox11, f.CheckBox12, f.CheckBox21}), QStringLiteral("+++-+-"));
  QCOMPARE((QStringList{f.Edit1->text(), f.ComboBox1->currentText(), f.ComboBox3->currentText(), f.Label11->text()}),
           (QStringList{"Zeit", "Gauss", "10", "y = d + a * exp(- (x - b)² / c)"}));
  QCOMPARE(f.TrackBar1->value(), -3);
  QCOMPARE(f.CheckListBox1->count(), 4);
}

void TFensterTest::BeschaedigteDateien() {
  // A record with every field out of range and every number not a number, then random bytes.
  TDiagrammEinstellungen kaputt{.Integrationen = 127, .KommastellenX = INT32_MIN, .Fit = {.Modell = 99, .Fehlerart = 77},
                                .Zahlformat = {250, 250, true}, .Zeichendicke = -128};
  const double nan = std::nan("");
  for (double* zahl : {&kaputt.Fit.Prozent, &kaputt.Fit.DX, &kaputt.Fit.DY, &kaputt.Xmin, &kaputt.TangenteX,
                       &kaputt.KastenX, &kaputt.KastenY, &kaputt.LogBasisX, &kaputt.LogBasisY})
    *zahl = nan;
  std::vector<QByteArray> dateien = {Bytes(kaputt)};
  std::mt19937 zufall(20261206);
  for (int i = 0; i < 40; ++i) {
    QByteArray b(2952, '\0');
    for (char& c : b) c = static_cast<char>(zufall() & 0xFF);
    dateien.push_back(b);
  }
  for (const QByteArray& datei : dateien) {
    TTestprogramm p({{QStringLiteral("Diagramm"), datei}});
    TForm4& f = p.a().Form4();
    ImBereich(f);
    p.Daten(QStringLiteral("1\n2\n3"), QStringLiteral("2\n1\n3"));
    f.Plotten();
    QVERIFY(f.Lampenzustand() >= 0); // a drawing ran (a damaged fit request may well fail it)
    QVERIFY(p.Schliessen());
    QCOMPARE(p.Lesen(QStringLiteral("Diagramm")).size(), 2952);
  }
}
