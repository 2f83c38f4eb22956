#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit4.h"
#include "Unit6.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Count (or step), from and to.
QStringList Felder(const TForm6& f) { return {f.Edit5->text(), f.Edit6->text(), f.Edit7->text()}; }

// The option (0 count, 1 step, 2 column 1), the text in its field and the message it gives.
struct TAnzahl { int option; QString feld, meldung; };

} // namespace

void TFensterTest::NachDemStartUndSofortPlotten() {
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  QCOMPARE(f.ComboBox1->count(), 17);
  QCOMPARE((QStringList{f.ComboBox1->currentText(), f.StringGrid1->item(0, 0)->text(), f.StringGrid1->item(0, 1)->text(),
                        f.Label4->text(), f.Label5->text()}),
           (QStringList{"Lineare Regression", "Var.", "Init.", "f(x) = b + a * x", "f(x) = +1,000 +1,000x"}));
  for (int i = 1; i <= 8; ++i)
    QCOMPARE(f.StringGrid1->item(i, 0)->text() + f.StringGrid1->item(i, 1)->text(), QChar(u'a' + i - 1) + QStringLiteral("1,00"));
  QVERIFY(f.RadioButton1->isChecked());
  QCOMPARE(Felder(f), (QStringList{"10", "0", "1"}));
  // The main window's "f(x)" opens it; a coefficient typed changes the label with the key.
  QTest::mouseClick(p.a().Form1().SpeedButton1, Qt::LeftButton);
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  f.activateWindow();
  QTest::mouseDClick(f.StringGrid1->viewport(), Qt::LeftButton, {}, f.StringGrid1->visualItemRect(f.StringGrid1->item(1, 1)).center());
  QVERIFY(QApplication::focusWidget());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
  QCOMPARE(f.Label5->text(), QStringLiteral("f(x) = +1,000 +2,000x"));
  // "Hole Koeffizienten aus Fit" does nothing before a fit; "Sofort Plotten" plots y = 1 + 2x from 0 to 3.
  TForm4& plot = p.a().Form4();
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
  QCOMPARE(f.StringGrid1->item(1, 1)->text(), QStringLiteral("2"));
  Tippen(f.Edit7, QStringLiteral("3"));
  QTest::mouseClick(f.SpeedButton2, Qt::LeftButton);
  QVERIFY(plot.isVisible() && plot.Lampenzustand() == 1);
  Klick(plot.CheckBox3);
  f.StringGrid1->item(3, 1)->setText(QStringLiteral("7"));
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
  QCOMPARE((QStringList{f.StringGrid1->item(1, 1)->text(), f.StringGrid1->item(2, 1)->text(), f.StringGrid1->item(3, 1)->text()}),
           (QStringList{"2", "1", "7"}));
}

void TFensterTest::ErzeugenAusVorgabenUndSpalteEins() {
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  TForm1& h = p.a().Form1();
  h.Memo3->setPlainText(QStringLiteral("bleibt"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  const QStringList x = Spalte(h, 1).split(QLatin1Char('\n')), y = Spalte(h, 2).split(QLatin1Char('\n'));
  QCOMPARE(x.size(), 10);
  QCOMPARE((QStringList{x.value(0), x.value(1), x.value(9), y.value(1), y.value(9)}),
           (QStringList{"0", "0,111111111111111", "1", "1,11111111111111", "2"}));
  QCOMPARE(Spalte(h, 3), QStringLiteral("bleibt"));
  // "Diskretisierung" puts a tenth of the range into the field.
  QTest::mouseClick(f.RadioButton2, Qt::LeftButton);
  QCOMPARE(f.Edit5->text(), QStringLiteral("0,1"));
  Tippen(f.Edit5, QStringLiteral("0,3"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(Spalte(h, 1), QStringLiteral("0\n0,3\n0,6\n0,9"));
  // "Benutze Spalte 1": count and range from column 1; the pairs within the range in 3 and 4.
  h.Memo1->setPlainText(QStringLiteral("1\n2\n3\n5"));
  QTest::mouseClick(f.RadioButton3, Qt::LeftButton);
  QCOMPARE(Felder(f), (QStringList{"4", "1", "5"}));
  Tippen(f.Edit6, QStringLiteral("2"));
  Tippen(f.Edit7, QStringLiteral("4"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(Spalten(h), (QStringList{"1\n2\n3\n5", "2\n3\n4\n6", "2\n3", "3\n4"}));
}

void TFensterTest::UnbrauchbareAnzahlAendertNichts_data() {
  QTest::addColumn<TAnzahl>("fall");
  QTest::newRow("Spalte 1, kein Ganzes") << TAnzahl{2, "abc", "'abc' ist kein gültiger Integerwert"};
  const QString zuViele = QStringLiteral("Zu viele Werte: höchstens 8000000 können erzeugt werden");
  QTest::newRow("zu viele") << TAnzahl{0, "99999999", zuViele};
}

void TFensterTest::UnbrauchbareAnzahlAendertNichts() {
  QFETCH(TAnzahl, fall);
  TTestprogramm p;
  TForm6& f = p.a().Form6();
  TForm1& h = p.a().Form1();
  const QStringList vorher{"Spalte 1", "Spalte 2", "Spalte 3", "Spalte 4"};
  for (int k = 1; k <= 4; ++k) h.Spalte(k)->setPlainText(vorher[k - 1]);
  QTest::mouseClick(std::array<QRadioButton*, 3>{f.RadioButton1, f.RadioButton2, f.RadioButton3}[static_cast<std::size_t>(fall.option)], Qt::LeftButton);
  Tippen(f.Edit5, fall.feld);
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.meldungen.Fehlertexte, QStringList{fall.meldung});
  QCOMPARE(Spalten(h), vorher);
}
