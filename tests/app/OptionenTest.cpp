#include "AppTestHilfen.h"
#include "AppTests.h"

#include "IniDatei.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit7.h"

#include <QtTest>
#include <QtWidgets>

void TFensterTest::OptionenAusDerDatei() {
  TTestprogramm p({{QStringLiteral("Quarn.ini"),
                    "[Optionen]\nFortgeschritten=0\nHilfen anzeigen=0x0\nLetzte Daten laden=2\n"},
                   {QStringLiteral("1_letzte.txt"), "9\n"}});
  TAnwendung& a = p.a();
  TForm7& optionen = a.Form7();
  QVERIFY(!optionen.CheckBox1->isChecked() && !optionen.CheckBox2->isChecked() && optionen.CheckBox3->isChecked());
  for (QWidget* knopf : {a.Form1().SpeedButton2, a.Form1().SpeedButton3, a.Form1().SpeedButton4}) QVERIFY(knopf->isHidden());
  QVERIFY(a.Form4().Label18->isHidden());
  // "letzte" was loaded at start; its three missing columns were reported.
  QCOMPARE(Spalte(a.Form1(), 1), QStringLiteral("9"));
  QCOMPARE(p.meldungen.Texte.size(), 3);
  // Opening the window shows the stored options: a box ticked without "OK" is forgotten then.
  optionen.show();
  optionen.CheckBox2->setChecked(true);
  optionen.close();
  QVERIFY(optionen.CheckBox2->isChecked()); // no effect now, but written at exit ...
  optionen.show();
  QVERIFY(!optionen.CheckBox2->isChecked()); // ... unless the window is opened again
}

void TFensterTest::MuellInDerDateiGibtVorgaben() {
  const QByteArray muell[] = {
      "[Optionen]\nFortgeschritten=ja\nHilfen anzeigen=99999999999999999999\nLetzte Daten laden=abc\n",
      QByteArray("\x00\xFF\xFE[Opt\x01ionen\n=\n==1\n[", 17),
      "Fortgeschritten=0\n", "[optionen]\n fortgeschritten = 0 \n",
  };
  const bool fortgeschritten[] = {true, true, true, false};
  for (int i = 0; i < 4; ++i) {
    TTestprogramm p({{QStringLiteral("Quarn.ini"), muell[i]}});
    const TForm7& o = p.a().Form7();
    QCOMPARE(Haken({o.CheckBox1, o.CheckBox2, o.CheckBox3}), QString::fromLatin1(fortgeschritten[i] ? "++-" : "-+-"));
    // Writing keeps working on top of the junk.
    p.a().Form7().speichern();
    p.Neustart();
    QCOMPARE(p.a().Form7().CheckBox1->isChecked(), fortgeschritten[i]);
  }
}

void TFensterTest::OkSpeichertUndLaedtLetzte() {
  TTestprogramm p({{QStringLiteral("1_letzte.txt"), "1\n"}, {QStringLiteral("2_letzte.txt"), "2\n"},
                   {QStringLiteral("3_letzte.txt"), ""},   {QStringLiteral("4_letzte.txt"), ""}});
  TAnwendung& a = p.a();
  QVERIFY(a.Form1().Memo1->toPlainText().isEmpty());
  a.Form7().show();
  a.Form7().CheckBox3->setChecked(true);
  a.Form7().CheckBox1->setChecked(false);
  a.Form7().BitBtn1->click();
  QVERIFY(!a.Form7().isVisible());
  QCOMPARE(Spalte(a.Form1(), 1), QStringLiteral("1"));
  QVERIFY(a.Form1().SpeedButton4->isHidden());
  QVERIFY(p.Lesen(QStringLiteral("Quarn.ini")).contains("Letzte Daten laden=1"));
  p.Neustart();
  QVERIFY(p.a().Form7().CheckBox3->isChecked());
  QCOMPARE(Spalte(p.a().Form1(), 2), QStringLiteral("2"));
  // A settings file that cannot be written: the message, and the window stays open.
  QFile::remove(p.Pfad(QStringLiteral("Quarn.ini")));
  QDir().mkpath(p.Pfad(QStringLiteral("Quarn.ini")));
  p.a().Form7().show();
  p.a().Form7().BitBtn1->click();
  QCOMPARE(p.meldungen.Texte.last(),
           QStringLiteral("In ") + p.Pfad(QStringLiteral("Quarn.ini")) + QStringLiteral(" kann nicht geschrieben werden"));
  QVERIFY(p.a().Form7().isVisible());
}

void TFensterTest::InfofensterBeispielUndAutor() {
  TTestprogramm p;
  TForm2& info = p.a().Form2();
  TForm1& f = p.a().Form1();
  f.BitBtn2->click(); // the main window's help button opens it
  QVERIFY(info.isVisible());
  info.Button1->click();
  QVERIFY(!info.isVisible());
  QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Sortieren"));
  QVERIFY(f.CheckBox1->isChecked());
  f.BitBtn1->click();
  QCOMPARE(Spalten(f).mid(2), (QStringList{"-3\n7,3\n25\n38", "1\n2\n3\n4"}));
  info.show();
  QTest::mouseClick(info.SpeedButton2, Qt::LeftButton);
  QVERIFY(info.SpeedButton1->isHidden() && !info.Label3->isHidden());
  // Every line that appeared fits into the window.
  for (const QWidget* kind : info.findChildren<QWidget*>())
    if (kind->isVisible()) QVERIFY(kind->mapTo(&info, QPoint(0, kind->height())).y() <= info.height());
  info.close();
  QVERIFY(!info.SpeedButton1->isHidden() && info.Label3->isHidden());
  info.SpeedButton1->click();
  QVERIFY(p.a().Form7().isVisible());
}

void TFensterTest::IniGanzzahlen() {
  int w = 0;
  const std::pair<const char*, int> gut[] = {{"12", 12},  {" -7 ", -7},         {"0x1F", 31},
                                             {"$10", 16}, {"0xFFFFFFFF", -1}, {"-2147483648", INT_MIN}};
  for (const auto& [text, wert] : gut) QVERIFY2(IniGanzzahl(QString::fromLatin1(text), w) && w == wert, text);
  for (const QString& falsch :
       {QStringLiteral("2147483648"), QStringLiteral("1.5"), QStringLiteral(""), QStringLiteral("0x"),
        QStringLiteral("--1"), QString::fromUtf8("1\0junk", 6), QStringLiteral("0x0x10"), QStringLiteral("$0x1"),
        QStringLiteral("12a"), QStringLiteral("0xG"), QStringLiteral("１２"), QStringLiteral("1 2")})
    QVERIFY2(!IniGanzzahl(falsch, w), qPrintable(falsch));
}
