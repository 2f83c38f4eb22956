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

void TDiagrammdateiTest::SchliessenSchreibtDenDatensatz() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.show();
  QVERIFY(f.close());
  const QByteArray datei = p.Lesen(QStringLiteral("Diagramm"));
  QCOMPARE(datei.size(), 2952);
  QCOMPARE(datei, Bytes(p.a().Form4().Einstellungen()));
  QCOMPARE(datei.mid(432, 3), QByteArray("\x01X\x00", 3));
}

void TDiagrammdateiTest::SchliessenScheitertNieDaran() {
  TTestprogramm p;
  QDir().mkpath(p.Pfad(QStringLiteral("Diagramm/innen")));
  TForm1& f = p.a().Form1();
  f.show();
  QVERIFY(f.close());
  QVERIFY(p.meldungen.Texte.isEmpty());
  QVERIFY(QDir(p.Pfad(QStringLiteral("Diagramm/innen"))).exists());
}

void TDiagrammdateiTest::Laden() {
  TTestprogramm p;
  TForm7& o = p.a().Form7();
  TDiagrammEinstellungen e;
  bool ganz = true;
  QVERIFY(!o.diagrammladen(e, ganz));
  p.Schreiben(QStringLiteral("Diagramm"), QByteArray(100, '\x07'));
  e.AchseX = "anders";
  QVERIFY(o.diagrammladen(e, ganz));
  QVERIFY(!ganz);
  QCOMPARE(Bytes(e), Bytes(TDiagrammEinstellungen{}));
  TDiagrammEinstellungen gespeichert;
  gespeichert.AchseY = "Strom";
  gespeichert.Zeichendicke = 4;
  p.Schreiben(QStringLiteral("Diagramm"), Bytes(gespeichert));
  QVERIFY(o.diagrammladen(e, ganz));
  QVERIFY(ganz);
  QCOMPARE(Bytes(e), Bytes(gespeichert));
}

void TDiagrammdateiTest::NachDemNeustartWieder() {
  TTestprogramm p;
  {
    TForm4& f = p.a().Form4();
    f.CheckBox1->setChecked(true);
    f.Edit1->setText(QStringLiteral("Zeit"));
    f.TrackBar1->setValue(-3);
    f.CheckBox3->setChecked(true);
    f.ComboBox1->setCurrentIndex(2);
    f.ComboBox1Change();
    f.ComboBox3->setCurrentIndex(0);
    f.CheckBox22->setChecked(true);
    f.CheckBox12->setChecked(true);
    p.a().Form1().show();
    QVERIFY(p.a().Form1().close());
  }
  p.Neustart();
  TForm4& f = p.a().Form4();
  QVERIFY(f.CheckBox1->isChecked());
  QCOMPARE(f.Edit1->text(), QStringLiteral("Zeit"));
  QCOMPARE(f.TrackBar1->value(), -3);
  QVERIFY(f.CheckBox3->isChecked());
  QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Gauss"));
  QVERIFY(f.CheckBox22->isChecked() && !f.CheckBox11->isChecked());
  QCOMPARE(f.ComboBox3->currentText(), QStringLiteral("2"));
  QVERIFY(f.CheckBox12->isChecked());
  QCOMPARE(f.Label11->text(), QStringLiteral("y = d + a * exp(- (x - b)² / c)"));
  QCOMPARE(f.CheckListBox1->count(), 4);
  QVERIFY(!f.CheckBox21->isChecked());
}

void TDiagrammdateiTest::BeschaedigteDateien() {
  // A record with every field out of range and every number not a number, then random bytes.
  TDiagrammEinstellungen kaputt;
  const double nan = std::nan("");
  kaputt.Fit.Modell = 99;
  kaputt.Fit.Fehlerart = 77;
  kaputt.Integrationen = 127;
  kaputt.Zeichendicke = -128;
  kaputt.KommastellenX = INT32_MIN;
  kaputt.Zahlformat = {250, 250, true};
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
    p.a().Form1().Memo1->setPlainText(QStringLiteral("1\n2\n3"));
    p.a().Form1().Memo2->setPlainText(QStringLiteral("2\n1\n3"));
    f.Plotten();
    QVERIFY(f.Lampenzustand() >= 0); // a drawing ran (a damaged fit request may well fail it)
    p.a().Form1().show();
    QVERIFY(p.a().Form1().close());
    QCOMPARE(p.Lesen(QStringLiteral("Diagramm")).size(), 2952);
  }
}
