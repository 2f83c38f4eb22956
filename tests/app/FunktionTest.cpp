#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit1.h"
#include "Unit4.h"
#include "Unit6.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

void Tippen(QLineEdit* feld, const QString& text) {
  feld->selectAll();
  QTest::keyClicks(feld, text);
}

} // namespace

void TFunktionTest::NachDemStart() {
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  QCOMPARE(f.windowTitle(), QStringLiteral("Funktion eingeben"));
  QCOMPARE(f.ComboBox1->count(), 17);
  QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Lineare Regression"));
  QCOMPARE(f.StringGrid1->item(0, 0)->text(), QStringLiteral("Var."));
  QCOMPARE(f.StringGrid1->item(0, 1)->text(), QStringLiteral("Init."));
  for (int i = 1; i <= 8; ++i) {
    QCOMPARE(f.StringGrid1->item(i, 0)->text(), QString(QChar(u'a' + i - 1)));
    QCOMPARE(f.StringGrid1->item(i, 1)->text(), QStringLiteral("1,00"));
  }
  QVERIFY(f.RadioButton1->isChecked());
  QCOMPARE(f.Edit5->text(), QStringLiteral("10"));
  QCOMPARE(f.Edit6->text(), QStringLiteral("0"));
  QCOMPARE(f.Edit7->text(), QStringLiteral("1"));
  QCOMPARE(f.Label4->text(), QStringLiteral("f(x) = b + a * x"));
  QCOMPARE(f.Label5->text(), QStringLiteral("f(x) = +1,000 +1,000x"));
  // The main window's "f(x)" opens it; a coefficient typed changes the label with the key.
  QTest::mouseClick(p.a().Form1().SpeedButton1, Qt::LeftButton);
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  f.activateWindow();
  const QRect a = f.StringGrid1->visualItemRect(f.StringGrid1->item(1, 1));
  QTest::mouseDClick(f.StringGrid1->viewport(), Qt::LeftButton, {}, a.center());
  QVERIFY(QApplication::focusWidget());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
  QCOMPARE(f.Label5->text(), QStringLiteral("f(x) = +1,000 +2,000x"));
  f.hide();
}

void TFunktionTest::ErzeugenMitDenVorgaben() {
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  TForm1& h = p.a().Form1();
  h.Memo3->setPlainText(QStringLiteral("bleibt"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  const QStringList x = Spalte(h, 1).split(QLatin1Char('\n')), y = Spalte(h, 2).split(QLatin1Char('\n'));
  QCOMPARE(x.size(), 10);
  QCOMPARE(x[0], QStringLiteral("0"));
  QCOMPARE(x[1], QStringLiteral("0,111111111111111"));
  QCOMPARE(x[9], QStringLiteral("1"));
  QCOMPARE(y[1], QStringLiteral("1,11111111111111"));
  QCOMPARE(y[9], QStringLiteral("2"));
  QCOMPARE(Spalte(h, 3), QStringLiteral("bleibt"));
  // "Diskretisierung" puts a tenth of the range into the field.
  QTest::mouseClick(f.RadioButton2, Qt::LeftButton);
  QCOMPARE(f.Edit5->text(), QStringLiteral("0,1"));
  Tippen(f.Edit5, QStringLiteral("0,3"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(Spalte(h, 1), QStringLiteral("0\n0,3\n0,6\n0,9"));
}

void TFunktionTest::AusSpalteEins() {
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  TForm1& h = p.a().Form1();
  h.Memo1->setPlainText(QStringLiteral("1\n2\n3\n5"));
  QTest::mouseClick(f.RadioButton3, Qt::LeftButton);
  QCOMPARE(f.Edit5->text(), QStringLiteral("4"));
  QCOMPARE(f.Edit6->text(), QStringLiteral("1"));
  QCOMPARE(f.Edit7->text(), QStringLiteral("5"));
  Tippen(f.Edit6, QStringLiteral("2"));
  Tippen(f.Edit7, QStringLiteral("4"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(Spalte(h, 1), QStringLiteral("1\n2\n3\n5"));
  QCOMPARE(Spalte(h, 2), QStringLiteral("2\n3\n4\n6"));
  QCOMPARE(Spalte(h, 3), QStringLiteral("2\n3"));
  QCOMPARE(Spalte(h, 4), QStringLiteral("3\n4"));
}

void TFunktionTest::UnbrauchbareAnzahlAendertNichts_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<QString>("feld");
  QTest::addColumn<QString>("meldung");
  QTest::newRow("Spalte 1, kein Ganzes") << 2 << QStringLiteral("abc") << QStringLiteral("'abc' ist kein gültiger Integerwert");
  const QString zuViele = QStringLiteral("Zu viele Werte: höchstens 8000000 können erzeugt werden");
  QTest::newRow("zu viele") << 0 << QStringLiteral("99999999") << zuViele;
  QTest::newRow("winziger Schritt") << 1 << QStringLiteral("1e-300") << zuViele;
}

void TFunktionTest::UnbrauchbareAnzahlAendertNichts() {
  QFETCH(int, option);
  QFETCH(QString, feld);
  QFETCH(QString, meldung);
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  TForm1& h = p.a().Form1();
  for (int k = 1; k <= 4; ++k) h.Spalte(k)->setPlainText(QStringLiteral("Spalte %1").arg(k));
  QTest::mouseClick(std::array<QRadioButton*, 3>{f.RadioButton1, f.RadioButton2, f.RadioButton3}[static_cast<std::size_t>(option)], Qt::LeftButton);
  Tippen(f.Edit5, feld);
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.meldungen.Fehlertexte, QStringList{meldung});
  for (int k = 1; k <= 4; ++k) QCOMPARE(Spalte(h, k), QStringLiteral("Spalte %1").arg(k));
}

void TFunktionTest::KoeffizientenAusDemFitUndSofortPlotten() {
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  TForm4& plot = p.a().Form4();
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton); // no fit yet: nothing changes
  QCOMPARE(f.StringGrid1->item(1, 1)->text(), QStringLiteral("1,00"));
  f.Edit7->setText(QStringLiteral("3"));
  f.StringGrid1->item(1, 1)->setText(QStringLiteral("2"));
  QTest::mouseClick(f.SpeedButton2, Qt::LeftButton); // y = 1 + 2x from 0 to 3, plotted
  QVERIFY(plot.isVisible());
  QCOMPARE(plot.Lampenzustand(), 1);
  QTest::mouseClick(plot.CheckBox3, Qt::LeftButton, {}, QPoint(4, plot.CheckBox3->height() / 2));
  f.StringGrid1->item(3, 1)->setText(QStringLiteral("7"));
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
  QCOMPARE(f.StringGrid1->item(1, 1)->text(), QStringLiteral("2"));
  QCOMPARE(f.StringGrid1->item(2, 1)->text(), QStringLiteral("1"));
  QCOMPARE(f.StringGrid1->item(3, 1)->text(), QStringLiteral("7"));
  plot.hide();
}
