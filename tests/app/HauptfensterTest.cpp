#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit4.h"
#include "Unit7.h"

#include <QtTest>
#include <QtWidgets>

void TFensterTest::AngleichenUndWertfeld() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("1\n2\n3\n4\n5\n6\n7"));
  // The value field and the box's caption after choosing the operation.
  const auto felder = [&](const char* operation) {
    Waehlen(f, QString::fromUtf8(operation));
    return QStringList{f.Edit1->text(), f.CheckBox1->text()};
  };
  QCOMPARE(felder("Hinterer Teil"), (QStringList{"3", "Bis zum W. Wert"}));
  QCOMPARE(felder("Sortieren"), (QStringList{"", "Umkehren"}));
  QVERIFY(!f.Edit1->isEnabled() && !f.Label2->isEnabled());
  QCOMPARE(felder("Zahlensystem"), (QStringList{"16", "Umkehren"})); // its box keeps the caption
  QCOMPARE(felder("Kehrwert"), (QStringList{"", "%%%%%%%"}));
  QVERIFY(!f.CheckBox1->isEnabled());
  QCOMPARE(felder("Dividieren"), (QStringList{"2", "Spalte 1 div Spalte 2"}));
  // Help texts on: the example shows in the label and as the list's hint.
  QVERIFY(!f.Label9->isHidden());
  QCOMPARE((QStringList{f.Label9->text(), f.ComboBox1->toolTip()}), (QStringList{"X / W", "X / W"}));
  p.a().Form7().CheckBox2->setChecked(false);
  Waehlen(f, QStringLiteral("Reißverschluss"));
  QVERIFY(f.Label9->isHidden() && f.ComboBox1->toolTip().isEmpty());
  // Return in the value field runs the operation like OK; the point becomes a comma.
  f.Memo1->setPlainText(QStringLiteral("1\n2"));
  Waehlen(f, QStringLiteral("Addieren"));
  QTest::keyClicks(f.Edit1, QStringLiteral("1.5"));
  QTest::keyClick(f.Edit1, Qt::Key_Return);
  QCOMPARE(Spalte(f, 3), QStringLiteral("2,5\n3,5"));
  QCOMPARE(f.Edit1->text(), QStringLiteral("1,5"));
  f.Button12->click();
  QCOMPARE(f.Edit1->text(), QStringLiteral("3,14159265358979"));
  f.Button13->click();
  QCOMPARE(f.Edit1->text(), QStringLiteral("2,71828182845905"));
}

void TFensterTest::SpaltenknoepfePlotUndZufallsdaten() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  // "Leeren" counts the typed lines.
  for (const char* zeile : {"1", "2"}) {
    QTest::keyClicks(f.Memo2, QString::fromLatin1(zeile));
    QTest::keyClick(f.Memo2, Qt::Key_Return);
  }
  QTest::keyClicks(f.Memo2, QStringLiteral("3"));
  QCOMPARE(Spalte(f, 2), QStringLiteral("1\n2\n3"));
  QCOMPARE(f.Button3->text(), QStringLiteral("Leeren 3"));
  f.Button3->click();
  QCOMPARE(f.Button3->text(), QStringLiteral("Leeren 0"));
  QVERIFY(f.Memo2->toPlainText().isEmpty());
  f.Memo4->setPlainText(QStringLiteral("\n"));
  QCOMPARE(f.Button5->text(), QStringLiteral("Leeren 1"));
  // The plot button needs pairs; it unticks the fixed limits even when it refuses.
  TForm4& plot = p.a().Form4();
  plot.CheckBox6->click();
  QVERIFY(plot.Edit8->isEnabled());
  f.Memo1->setPlainText(QStringLiteral("1"));
  f.Button10->click();
  QCOMPARE(p.meldungen.Texte, QStringList{QStringLiteral("Es müssen Datenpaare in Spalte 1 und 2 vorhanden sein")});
  QVERIFY(!plot.CheckBox6->isChecked() && !plot.Edit8->isEnabled() && !plot.isVisible());
  f.Memo2->setPlainText(QStringLiteral("2"));
  f.Button10->click();
  QVERIFY(plot.isVisible());
  // Swapping 1 and 2, columns 3 and 4 back into 1 and 2, column 4 to the clipboard.
  for (int k = 1; k <= 4; ++k) f.Spalte(k)->setPlainText(QStringList{"a", "b\nc", "3", "4"}[k - 1]);
  f.SpeedButton4->click();
  QCOMPARE(Spalten(f), (QStringList{"b\nc", "a", "3", "4"}));
  f.Button1->click();
  f.Button16->click();
  QCOMPARE(Spalten(f), (QStringList{"3", "4", "3", "4"}));
  f.Button9->click();
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4"));
  // Random data: two columns of the same length.
  for (int i = 0; i < 20; ++i) {
    f.Button17Click();
    const int n = f.Memo1->Zeilenzahl();
    QVERIFY(n >= 10 && n < 110);
    QCOMPARE(f.Memo2->Zeilenzahl(), n);
  }
}

void TFensterTest::OperationSchreibtZurueck() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  p.Daten(QStringLiteral("2\n\n3"), QStringLiteral("20\n10\n30"));
  Waehlen(f, QStringLiteral("Sortieren"));
  f.CheckBox1->setChecked(true);
  f.BitBtn1->click();
  QCOMPARE(Spalten(f), (QStringList{"2\n0\n3", "20\n10\n30", "0\n2\n3", "10\n20\n30"}));
  QCOMPARE(f.Button4->text(), QStringLiteral("Leeren 3"));
  // Missing data: the message, and the output columns stay.
  f.Memo1->clear();
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Texte, QStringList{QStringLiteral("Keine Daten in der ersten Spalte vorhanden")});
  QVERIFY(p.meldungen.Fehlertexte.isEmpty()); // a notice, not a fault
  QCOMPARE(Spalte(f, 3), QStringLiteral("0\n2\n3"));
  // An empty line becomes "0" also when the operation then stops with a message.
  Waehlen(f, QStringLiteral("Integration"));
  p.Daten(QStringLiteral("\n1"), QString());
  f.BitBtn1->click();
  QCOMPARE(Spalte(f, 1), QStringLiteral("0\n1"));
  QCOMPARE(p.meldungen.Texte.last(), QStringLiteral("In der ersten und zweiten Spalte müssen Daten vorhanden sein"));
  // A fault keeps the lines written before it, empties the other output column, and shows.
  f.CheckBox1->setChecked(false);
  Waehlen(f, QStringLiteral("Kehrwert"));
  f.Memo1->setPlainText(QStringLiteral("4\nabc\n2"));
  f.Memo4->setPlainText(QStringLiteral("alt"));
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Fehlertexte, QStringList{QStringLiteral("'abc' ist kein gültiger Gleitkommawert")});
  QCOMPARE(Spalten(f).mid(2), (QStringList{"0,25", ""}));
}

void TFensterTest::TabfolgeUndBeispielOhneVerrutschen() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  QVERIFY(Gezeigt(f));
  f.activateWindow();
  f.Memo1->setFocus();
  QList<QWidget*> folge{f.Memo1};
  for (int i = 0; i < 40 && !folge.contains(f.Edit3); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    folge << QApplication::focusWidget();
  }
  // Columns first, then the operation group, then the file row and the data set row.
  QVERIFY(folge.mid(0, 4) == (QList<QWidget*>{f.Memo1, f.Memo2, f.Memo3, f.Memo4}));
  const QList<QWidget*> reihe{f.Button16, f.ComboBox1, f.Edit1, f.BitBtn1, f.CheckBox2, f.Button10, f.Edit3};
  for (qsizetype i = 1; i < reihe.size(); ++i) QVERIFY(folge.indexOf(reihe[i - 1]) < folge.indexOf(reihe[i]));
  // The example label comes and goes without moving a control.
  const auto lagen = [&] {
    QList<QRect> r;
    for (QWidget* w : std::initializer_list<QWidget*>{f.Edit1, f.CheckBox1, f.BitBtn1, f.Button10})
      r << QRect(w->mapTo(&f, QPoint()), w->size());
    return r;
  };
  const QList<QRect> vorher = lagen();
  f.ComboBox1->setFocus();
  QTest::keyClick(f.ComboBox1, Qt::Key_Down); // the first pick shows the example
  QVERIFY(!f.Label9->isHidden());
  QCOMPARE(lagen(), vorher);
  p.a().Form7().CheckBox2->setChecked(false);
  QTest::keyClick(f.ComboBox1, Qt::Key_Down);
  QVERIFY(f.Label9->isHidden());
  QCOMPARE(lagen(), vorher);
}
