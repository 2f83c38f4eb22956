#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Textdatei.h"
#include "Unit1.h"
#include "Unit8.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

void TDateienTest::SichernUndLadenGenau() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("1,5\n-2"));
  f.Memo2->setPlainText(QStringLiteral("Größe\n"));
  f.Edit3->setText(QStringLiteral("Messung"));
  f.Button14->click();
  QCOMPARE(p.Lesen(QStringLiteral("1_Messung.txt")), QByteArray("1,5\n-2\n"));
  QCOMPARE(p.Lesen(QStringLiteral("2_Messung.txt")), QByteArray("Gr\xC3\xB6\xC3\x9F" "e\n"));
  QCOMPARE(p.Lesen(QStringLiteral("3_Messung.txt")), QByteArray(""));
  QCOMPARE(p.Lesen(QStringLiteral("4_Messung.txt")), QByteArray(""));
  for (int k = 1; k <= 4; ++k) f.Spalte(k)->setPlainText(QStringLiteral("weg"));
  f.Button15->click();
  QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("1,5\n-2"));
  QCOMPARE(f.Memo2->toPlainText(), QStringLiteral("Größe"));
  QVERIFY(f.Memo3->toPlainText().isEmpty());
  QVERIFY(p.meldungen.Texte.isEmpty());
  // Saving again replaces the files whole.
  f.Memo1->setPlainText(QStringLiteral("7"));
  f.Button14->click();
  QCOMPARE(p.Lesen(QStringLiteral("1_Messung.txt")), QByteArray("7\n"));
}

void TDateienTest::LadenMeldetFehlendeDateien() {
  TTestprogramm p({{QStringLiteral("1_Nur.txt"), "5\n"}});
  TForm1& f = p.a().Form1();
  f.Memo2->setPlainText(QStringLiteral("bleibt"));
  f.Edit3->setText(QStringLiteral("Nur"));
  f.Button15->click();
  QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("5"));
  QCOMPARE(f.Memo2->toPlainText(), QStringLiteral("bleibt"));
  QCOMPARE(p.meldungen.Texte.size(), 3);
  QCOMPARE(p.meldungen.Texte[0], QStringLiteral("Datei ") + p.Pfad(QStringLiteral("2_Nur.txt")) +
                                     QStringLiteral(" nicht gefunden"));
  // "L." loads "letzte" and leaves the name field as it was.
  f.SpeedButton2->click();
  QCOMPARE(f.Edit3->text(), QStringLiteral("Nur"));
  QCOMPARE(p.meldungen.Texte.size(), 7);
}

void TDateienTest::LadenVerstehtFremdeDateien() {
  TTestprogramm p({{QStringLiteral("1_Alt.txt"), "1,5\r\n2\r\n"},
                   {QStringLiteral("2_Alt.txt"), "\xEF\xBB\xBFx\ry\r"},
                   {QStringLiteral("3_Alt.txt"), "Gr\xF6\xDF" "e \x80\n"},
                   {QStringLiteral("4_Alt.txt"), "a\n\nb"}});
  TForm1& f = p.a().Form1();
  f.Edit3->setText(QStringLiteral("Alt"));
  f.Button15->click();
  QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("1,5\n2"));
  QCOMPARE(f.Memo2->toPlainText(), QStringLiteral("x\ny"));
  QCOMPARE(f.Memo3->toPlainText(), QStringLiteral("Größe €"));
  QCOMPARE(f.Memo4->toPlainText(), QStringLiteral("a\n\nb"));
  QCOMPARE(TForm1::Zeilenzahl(f.Memo4), 3);
}

void TDateienTest::AufDateiAnwenden() {
  TTestprogramm p({{QStringLiteral("1_Daten.txt"), "1\n4\n"}, {QStringLiteral("2_Daten.txt"), "2\n"}});
  TForm1& f = p.a().Form1();
  f.CheckBox2->click();
  QVERIFY(f.Edit2->isEnabled());
  QVERIFY(f.CheckBox3->isEnabled());
  f.ComboBox1->setCurrentIndex(f.ComboBox1->findText(QStringLiteral("Kehrwert")));
  f.ComboBox1Change();
  f.BitBtn1->click();
  QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("1\n4"));
  QCOMPARE(f.Memo2->toPlainText(), QStringLiteral("2"));
  QCOMPARE(p.Lesen(QStringLiteral("3Daten")), QByteArray("1\n0,25\n"));
  QCOMPARE(p.Lesen(QStringLiteral("4Daten")), QByteArray(""));
  // An error still writes the output files, then shows the error.
  p.Schreiben(QStringLiteral("1_Daten.txt"), "8\nx\n");
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Texte, QStringList{QStringLiteral("'x' ist kein gültiger Gleitkommawert")});
  QCOMPARE(p.Lesen(QStringLiteral("3Daten")), QByteArray("0,125\n"));
  // Without column 1's file nothing happens but the message.
  f.Edit2->setText(QStringLiteral("Fehlt"));
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Texte.last(),
           QStringLiteral("Datei ") + p.Pfad(QStringLiteral("1_Fehlt.txt")) + QStringLiteral(" nicht gefunden"));
  QCOMPARE(p.Lesen(QStringLiteral("3Fehlt")), QByteArray("<fehlt>"));
}

void TDateienTest::FallenGelasseneDateien() {
  TTestprogramm p({{QStringLiteral("a.txt"), "1 2\n"}, {QStringLiteral("b.txt"), "3;4\n5 6\n"}});
  TForm1& f = p.a().Form1();
  f.DateiFallenGelassen({p.Pfad(QStringLiteral("a.txt")), p.Pfad(QStringLiteral("b.txt"))});
  QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("3\n5"));
  QCOMPARE(f.Memo2->toPlainText(), QStringLiteral("4\n6"));
  QVERIFY(p.meldungen.Texte.isEmpty());
}

void TDateienTest::UnbrauchbareDateien() {
  TTestprogramm p({{QStringLiteral("binaer.dat"), QByteArray("\x01\x00\x02", 3)}});
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("bleibt"));
  f.DateiFallenGelassen({p.Datenordner()});
  f.DateiFallenGelassen({p.Pfad(QStringLiteral("verschwunden.txt"))});
  f.DateiFallenGelassen({p.Pfad(QStringLiteral("binaer.dat"))});
  QCOMPARE(p.meldungen.Texte,
           (QStringList{p.Datenordner() + QStringLiteral(" ist ein Ordner, keine Datei"),
                        QStringLiteral("Datei ") + p.Pfad(QStringLiteral("verschwunden.txt")) +
                            QStringLiteral(" nicht gefunden"),
                        p.Pfad(QStringLiteral("binaer.dat")) + QStringLiteral(" ist keine Textdatei")}));
  QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("bleibt"));
  QCOMPARE(TextDekodieren(QByteArray("\xEF\xBB\xBF")), QString());
  p.Schreiben(QStringLiteral("gross.txt"), QByteArray(3 * 1024 * 1024, '1'));
  try {
    TextLaden(p.Pfad(QStringLiteral("gross.txt")), 2 * 1024 * 1024);
    QFAIL("a file beyond the limit loaded");
  } catch (const std::exception& e) {
    QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Datei ") + p.Pfad(QStringLiteral("gross.txt")) +
                                              QStringLiteral(" ist zu groß zum Laden (höchstens 2 MB)"));
  }
}

void TDateienTest::DateilisteZaehltVierDateien() {
  const QStringList a = {"1_A.txt", "2_A.txt", "3_A.txt", "4_A.txt"};
  QCOMPARE(Datensaetze(QStringList{".", ".."} + a + QStringList{"1_B.txt", "2_B.txt", "3_B.txt",
                                                                 "Diagramm", "Quarn.ini"}),
           QStringList{"A"});
  QCOMPARE(Datensaetze(a + QStringList{"5_A.txt"}), QStringList());
  QCOMPARE(Datensaetze(QStringList{"1_a.txt", "2_a.txt", "3_a.txt", "4_a.txt"} + a),
           (QStringList{"a", "A"}));
  QCOMPARE(Datensaetze(QStringList{"1_x.y.txt", "2_x.y.txt", "3_x.y.csv", "4_x.y"}), QStringList());
  QCOMPARE(Datensaetze(QStringList{"1_x.y.txt", "2_x.y.txt", "3_x.y.csv", "4_x.y.dat"}), QStringList{"x.y"});
  QCOMPARE(Datensaetze({}), QStringList());
}

void TDateienTest::DateilisteLaedtOhneNamenZuAendern() {
  TTestprogramm p({{QStringLiteral("1_M.txt"), "1\n"},
                   {QStringLiteral("2_M.txt"), "2\n"},
                   {QStringLiteral("3_M.txt"), ""},
                   {QStringLiteral("4_M.txt"), ""}});
  TForm1& f = p.a().Form1();
  TForm8& liste = p.a().Form8();
  liste.ListBox1Click(); // nothing selected: nothing happens
  f.SpeedButton3->click();
  QVERIFY(liste.isVisible());
  QCOMPARE(liste.ListBox1->count(), 1);
  liste.ListBox1->setCurrentRow(0);
  liste.ListBox1Click();
  QCOMPARE(f.Edit3->text(), QStringLiteral("Daten"));
  QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("1"));
  QCOMPARE(f.Memo2->toPlainText(), QStringLiteral("2"));
  QVERIFY(liste.Label1->isHidden());
  QVERIFY(p.meldungen.Texte.isEmpty());
  liste.close();
}
