#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include "Spaltenfeld.h"
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

void Waehlen(TForm1& f, const QString& name) {
  f.ComboBox1->setCurrentIndex(f.ComboBox1->findText(name));
  f.ComboBox1Change();
}

} // namespace

void THauptfensterTest::AngleichenSetztFelderJeOperation() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("1\n2\n3\n4\n5\n6\n7"));
  Waehlen(f, QStringLiteral("Hinterer Teil"));
  QCOMPARE(f.Edit1->text(), QStringLiteral("3"));
  QCOMPARE(f.CheckBox1->text(), QStringLiteral("Bis zum W. Wert"));
  Waehlen(f, QStringLiteral("Sortieren"));
  QVERIFY(f.Edit1->text().isEmpty());
  QVERIFY(!f.Edit1->isEnabled());
  QVERIFY(!f.Label2->isEnabled());
  Waehlen(f, QStringLiteral("Zahlensystem"));
  QCOMPARE(f.Edit1->text(), QStringLiteral("16"));
  QCOMPARE(f.CheckBox1->text(), QStringLiteral("Umkehren"));
  QVERIFY(!f.CheckBox1->isEnabled());
  Waehlen(f, QStringLiteral("Kehrwert"));
  QCOMPARE(f.CheckBox1->text(), QStringLiteral("%%%%%%%"));
  QVERIFY(!f.CheckBox1->isEnabled());
  Waehlen(f, QStringLiteral("Dividieren"));
  QCOMPARE(f.Edit1->text(), QStringLiteral("2"));
  QCOMPARE(f.CheckBox1->text(), QStringLiteral("Spalte 1 div Spalte 2"));
  // Help texts on: the example shows in the label and as the list's hint.
  QVERIFY(!f.Label9->isHidden());
  QCOMPARE(f.Label9->text(), QStringLiteral("X / W"));
  QCOMPARE(f.ComboBox1->toolTip(), QStringLiteral("X / W"));
  p.a().Form7().CheckBox2->setChecked(false);
  Waehlen(f, QStringLiteral("Reißverschluss"));
  QVERIFY(f.Label9->isHidden());
  QVERIFY(f.ComboBox1->toolTip().isEmpty());
}

void THauptfensterTest::LeerenZeigtZeilenzahl() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  for (const char* zeile : {"1", "2"}) {
    QTest::keyClicks(f.Memo2, QString::fromLatin1(zeile));
    QTest::keyClick(f.Memo2, Qt::Key_Return);
  }
  QTest::keyClicks(f.Memo2, QStringLiteral("3"));
  QCOMPARE(Spalte(f, 2), QStringLiteral("1\n2\n3"));
  QCOMPARE(f.Button3->text(), QStringLiteral("Leeren 3"));
  QTest::keyClick(f.Memo2, Qt::Key_Return);
  QCOMPARE(f.Button3->text(), QStringLiteral("Leeren 3"));
  f.Button3->click();
  QCOMPARE(f.Button3->text(), QStringLiteral("Leeren 0"));
  QVERIFY(f.Memo2->toPlainText().isEmpty());
  f.Memo4->setPlainText(QStringLiteral("\n"));
  QCOMPARE(f.Button5->text(), QStringLiteral("Leeren 1"));
}

void THauptfensterTest::OperationSchreibtZurueck() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("2\n\n3"));
  f.Memo2->setPlainText(QStringLiteral("20\n10\n30"));
  Waehlen(f, QStringLiteral("Sortieren"));
  f.CheckBox1->setChecked(true);
  f.BitBtn1->click();
  QCOMPARE(Spalte(f, 1), QStringLiteral("2\n0\n3"));
  QCOMPARE(Spalte(f, 3), QStringLiteral("0\n2\n3"));
  QCOMPARE(Spalte(f, 4), QStringLiteral("10\n20\n30"));
  QCOMPARE(f.Button4->text(), QStringLiteral("Leeren 3"));
  // Missing data: the message, and the output columns stay.
  f.Memo1->clear();
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Texte, QStringList{QStringLiteral("Keine Daten in der ersten Spalte vorhanden")});
  QVERIFY(p.meldungen.Fehlertexte.isEmpty()); // a notice, not a fault
  QCOMPARE(Spalte(f, 3), QStringLiteral("0\n2\n3"));
  Waehlen(f, QStringLiteral("Fouriertransformation"));
  f.Memo1->setPlainText(QStringLiteral("1"));
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Texte.last(), QStringLiteral("kommt noch"));
  QVERIFY(f.Memo3->toPlainText().isEmpty());
  // An empty line becomes "0" also when the operation then stops with a message.
  Waehlen(f, QStringLiteral("Integration"));
  f.Memo1->setPlainText(QStringLiteral("\n1"));
  f.Memo2->clear();
  f.BitBtn1->click();
  QCOMPARE(Spalte(f, 1), QStringLiteral("0\n1"));
  QCOMPARE(p.meldungen.Texte.last(), QStringLiteral("In der ersten und zweiten Spalte müssen Daten vorhanden sein"));
}

void THauptfensterTest::FehlerBehaeltGeschriebeneZeilen() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("4\nabc\n2"));
  f.Memo4->setPlainText(QStringLiteral("alt"));
  Waehlen(f, QStringLiteral("Kehrwert"));
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Fehlertexte, QStringList{QStringLiteral("'abc' ist kein gültiger Gleitkommawert")});
  QCOMPARE(Spalte(f, 3), QStringLiteral("0,25"));
  QVERIFY(f.Memo4->toPlainText().isEmpty());
}

void THauptfensterTest::WertMitPunktWirdKomma() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("1"));
  Waehlen(f, QStringLiteral("Addieren"));
  f.Edit1->setText(QStringLiteral("2.5"));
  f.BitBtn1->click();
  QCOMPARE(f.Edit1->text(), QStringLiteral("2,5"));
  QCOMPARE(Spalte(f, 3), QStringLiteral("3,5"));
}

void THauptfensterTest::SpaltenVerschiebenUndTauschen() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("a"));
  f.Memo2->setPlainText(QStringLiteral("b\nc"));
  f.Memo3->setPlainText(QStringLiteral("3"));
  f.Memo4->setPlainText(QStringLiteral("4"));
  f.SpeedButton4->click();
  QCOMPARE(Spalte(f, 1), QStringLiteral("b\nc"));
  QCOMPARE(Spalte(f, 2), QStringLiteral("a"));
  f.Button1->click();
  f.Button16->click();
  QCOMPARE(Spalte(f, 1), QStringLiteral("3"));
  QCOMPARE(Spalte(f, 2), QStringLiteral("4"));
  f.Button9->click();
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("4"));
}

void THauptfensterTest::KnoepfeOeffnenIhreFenster() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.BitBtn2->click();
  QVERIFY(p.a().Form2().isVisible());
  f.SpeedButton1->click();
  QVERIFY(p.a().Form6().isVisible());
  for (QWidget* w : {static_cast<QWidget*>(&p.a().Form2()), static_cast<QWidget*>(&p.a().Form6())}) w->close();
}

void THauptfensterTest::PiUndE() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Button12->click();
  QCOMPARE(f.Edit1->text(), QStringLiteral("3,14159265358979"));
  f.Button13->click();
  QCOMPARE(f.Edit1->text(), QStringLiteral("2,71828182845905"));
}

void THauptfensterTest::PlottenBrauchtDatenpaare() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  TForm4& plot = p.a().Form4();
  plot.CheckBox6->click();
  QVERIFY(plot.Edit8->isEnabled());
  f.Memo1->setPlainText(QStringLiteral("1"));
  f.Button10->click();
  QCOMPARE(p.meldungen.Texte,
           QStringList{QStringLiteral("Es müssen Datenpaare in Spalte 1 und 2 vorhanden sein")});
  QVERIFY(!plot.CheckBox6->isChecked());
  QVERIFY(!plot.Edit8->isEnabled());
  QVERIFY(!plot.isVisible());
  f.Memo2->setPlainText(QStringLiteral("2"));
  f.Button10->click();
  QVERIFY(plot.isVisible());
  plot.close();
}

void THauptfensterTest::ZufallsdatenHabenGleichLangeSpalten() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  for (int i = 0; i < 20; ++i) {
    f.Button17Click();
    const int n = f.Memo1->Zeilenzahl();
    QVERIFY(n >= 10 && n < 110);
    QCOMPARE(f.Memo2->Zeilenzahl(), n);
  }
}

void THauptfensterTest::NichtsVerrutschtBeimBeispiel() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  const auto lagen = [&] {
    QList<QRect> r;
    for (QWidget* w : {static_cast<QWidget*>(f.Edit1), static_cast<QWidget*>(f.CheckBox1),
                       static_cast<QWidget*>(f.BitBtn1), static_cast<QWidget*>(f.Button10)})
      r << QRect(w->mapTo(&f, QPoint()), w->size());
    return r;
  };
  const QList<QRect> vorher = lagen();
  // The first pick shows the example; switching the help texts off hides it again.
  f.ComboBox1->setFocus();
  QTest::keyClick(f.ComboBox1, Qt::Key_Down);
  QVERIFY(!f.Label9->isHidden());
  QCOMPARE(lagen(), vorher);
  p.a().Form7().CheckBox2->setChecked(false);
  QTest::keyClick(f.ComboBox1, Qt::Key_Down);
  QVERIFY(f.Label9->isHidden());
  QCOMPARE(lagen(), vorher);
  f.hide();
}

void THauptfensterTest::ReturnImWertfeldFuehrtAus() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("1\n2"));
  Waehlen(f, QStringLiteral("Addieren"));
  QTest::keyClicks(f.Edit1, QStringLiteral("1.5"));
  QTest::keyClick(f.Edit1, Qt::Key_Return);
  QCOMPARE(Spalte(f, 3), QStringLiteral("2,5\n3,5"));
  QCOMPARE(f.Edit1->text(), QStringLiteral("1,5"));
}

void THauptfensterTest::TabFolgtDemAufbau() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  f.activateWindow();
  f.Memo1->setFocus();
  QList<QWidget*> folge{f.Memo1};
  for (int i = 0; i < 40 && !folge.contains(f.Edit3); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    folge << QApplication::focusWidget();
  }
  // Columns first, then the operation group, then the file row and the data set row.
  const auto stelle = [&](QWidget* w) { return folge.indexOf(w); };
  QCOMPARE(stelle(f.Memo2), 1);
  QCOMPARE(stelle(f.Memo4), 3);
  QVERIFY(stelle(f.Button16) < stelle(f.ComboBox1));
  QVERIFY(stelle(f.ComboBox1) < stelle(f.Edit1));
  QVERIFY(stelle(f.BitBtn1) < stelle(f.CheckBox2));
  QVERIFY(stelle(f.CheckBox2) < stelle(f.Button10));
  QVERIFY(stelle(f.Button10) < stelle(f.Edit3));
  f.hide();
}
