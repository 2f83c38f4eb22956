#include "AppTestHilfen.h"
#include "AppTests.h"

#include "QtLeinwand.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit5.h"

#include "fit/Modelle.h"
#include "plot/Beispiel.h"
#include "plot/Diagramm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QString Text(const TForm5& info, int nummer) {
  return info.findChild<QLabel*>(QStringLiteral("Label%1").arg(nummer))->text();
}

TDiagrammEinstellungen Vierstellig() {
  TDiagrammEinstellungen e;
  e.Zahlformat = {4, 4, false};
  return e;
}

// y = 2x, fitted.
TFitErgebnis Gerade() {
  TFitErgebnis f;
  f.Modell = 1;
  f.Koeffizienten.Werte[0] = 2;
  f.Koeffizienten.Werte[1] = 0;
  return f;
}

const TVektor X5 = {1, 2, 3, 4, 5}, Y5 = {2, 4, 6, 8, 10};

} // namespace

void TInformationTest::Anfangstexte_data() {
  QTest::addColumn<int>("nummer");
  QTest::addColumn<QString>("text");
  const std::pair<int, const char*> texte[] = {
      {1, "Datenpunkte: "}, {2, "0"}, {9, "Reichweite: "}, {7, "0 < x < 1"}, {8, "0 < y < 1"},
      {18, "Schrittweite: "}, {19, "0"}, {10, "Summe: "}, {13, "x = 0"}, {14, "y = 0"}, {15, "Mittelwerte:"},
      {26, "Arithmetisch:"}, {16, "X = 0"}, {17, "Y = 0"}, {27, "Geometrisch:"}, {28, "X = 0"}, {29, "Y = 0"},
      {20, "Varianz:"}, {21, "X = 0"}, {22, "Y = 0"}, {23, "Standardabweichung"}, {24, "X = 0"}, {25, "Y = 0"},
      {5, "Funktion: "}, {6, "f(x) = a + bx"}, {3, "Summe der quadratischen Abstände: "}, {4, "0"},
      {33, "Durchschnittlich:"}, {34, "0"}, {31, "Chi-Square:"}, {32, "0"}, {30, "Berechung abgebrochen"}};
  for (const auto& [nummer, text] : texte) QTest::newRow(qPrintable(QString::number(nummer))) << nummer << QString::fromUtf8(text);
}

void TInformationTest::Anfangstexte() {
  QFETCH(int, nummer);
  QFETCH(QString, text);
  TTestprogramm p;
  TForm5& info = p.a().Form5();
  QCOMPARE(info.windowTitle(), QStringLiteral("Information"));
  QCOMPARE(Text(info, nummer), text);
  QVERIFY(info.Label30->isHidden());
  QVERIFY(!info.CheckBox1->isChecked());
  QCOMPARE(info.CheckBox1->text(), QStringLiteral("Inklusive Daten"));
}

void TInformationTest::AbbruchBehaeltSpaetereTexte() {
  TTestprogramm p;
  TForm5& info = p.a().Form5();
  info.INfoeinfuellen(X5, Y5, Gerade(), Vierstellig());
  QVERIFY(info.Label30->isHidden());
  QCOMPARE(info.Label19->text(), QStringLiteral("1,0000"));
  // The step width overflows after the geometric means: the labels before it are new, the
  // later ones keep the first fill's texts.
  info.INfoeinfuellen(TVektor{1e308, -1e308}, TVektor{1, 2}, Gerade(), Vierstellig());
  QCOMPARE(info.Label2->text(), QStringLiteral("2"));
  QCOMPARE(info.Label16->text(), QStringLiteral("X = 0,0000"));
  QCOMPARE(info.Label28->text(), QStringLiteral("X = ?"));
  QCOMPARE(info.Label19->text(), QStringLiteral("1,0000"));
  QCOMPARE(info.Label24->text(), QStringLiteral("dX = 1,4142"));
  QVERIFY(!info.Label30->isHidden());
  QVERIFY(p.meldungen.Texte.isEmpty());
  // The next complete fill hides the marker again.
  info.INfoeinfuellen(X5, Y5, Gerade(), Vierstellig());
  QVERIFY(info.Label30->isHidden());
}

void TInformationTest::BerichtMitDaten() {
  TTestprogramm p;
  TForm5& info = p.a().Form5();
  TForm1& haupt = p.a().Form1();
  haupt.Memo1->setPlainText(QStringLiteral("1.5\n2\n3\n4\n5"));
  haupt.Memo2->setPlainText(QStringLiteral("2\n4\n6\n8\n10\n12\n14"));
  info.INfoeinfuellen(X5, Y5, Gerade(), Vierstellig());
  QTest::mouseClick(info.CheckBox1, Qt::LeftButton);
  p.dialoge.Namen << p.Pfad(QStringLiteral("bericht.txt"));
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.dialoge.Fragen.size(), 1);
  QCOMPARE(p.dialoge.Fragen[0].filter, QStringLiteral("Textdatei (*.txt)"));
  QCOMPARE(p.dialoge.Fragen[0].endung, QStringLiteral("txt"));
  const QByteArray bytes = p.Lesen(QStringLiteral("bericht.txt"));
  QVERIFY(bytes.endsWith("\r\n"));
  const QList<QByteArray> zeilen = bytes.chopped(1).split('\n');
  QCOMPARE(zeilen.size(), 30);
  for (const QByteArray& zeile : zeilen) QVERIFY(zeile.endsWith('\r'));
  const QList<QByteArray> erwartet = {
      "Datenpunkte: 5", "Reichweite: ", "1,0000 < X < 5,0000", "2,0000 < Y < 10,0000", "Summe: ",
      "X = 15,0000", "Y = 30,0000", "Mittelwerte:", "Arithmetisch:", "X = 3,0000", "Y = 6,0000",
      "Geometrisch:", "X = 2,6052", "Y = 5,2103", "Schrittweite: 1,0000", "Varianz:", "dX\xB2 = 2,0000",
      "dY\xB2 = 8,0000", "Standardabweichung", "dX = 1,4142", "dY = 2,8284", "Funktion: y = +2,0000x",
      "Summe der quadratischen Abst\xE4nde: 0,0000", "Durchschnittlich:0,0000", "Chi-Square:0,0000",
      "1.5 2", "2 4", "3 6", "4 8", "5 10"};
  for (qsizetype i = 0; i < erwartet.size(); ++i) QCOMPARE(zeilen[i].chopped(1), erwartet[i]);
  QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
}

void TInformationTest::SpeichernUeberschreibtOderMeldetEinmal() {
  TTestprogramm p({{QStringLiteral("alt.txt"), "alter Inhalt"}});
  TForm5& info = p.a().Form5();
  p.dialoge.Namen << p.Pfad(QStringLiteral("alt.txt"));
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  QVERIFY(p.Lesen(QStringLiteral("alt.txt")).startsWith("Datenpunkte: 0\r\n"));
  QVERIFY(p.meldungen.Texte.isEmpty());
  // A target that cannot be written: one message, nothing else changes. (A folder: the file
  // system refuses it even to the superuser.)
  p.dialoge.Namen << p.Datenordner();
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.meldungen.Fehlertexte,
           QStringList{QStringLiteral("Datei ") + p.Datenordner() + QStringLiteral(" kann nicht geschrieben werden")});
  // Cancelling the dialog writes nothing.
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.meldungen.Texte.size(), 1);
}

void TInformationTest::ErklaerungenDerOperationen() {
  TTestprogramm p;
  TForm3& erklaerung = p.a().Form3();
  TForm1& haupt = p.a().Form1();
  QCOMPARE(erklaerung.windowTitle(), QStringLiteral("Erklärung zu den Operationen"));
  QCOMPARE(erklaerung.ListBox1->count(), haupt.ComboBox1->count());
  for (int i = 0; i < haupt.ComboBox1->count(); ++i)
    QCOMPARE(erklaerung.ListBox1->item(i)->text(), haupt.ComboBox1->itemText(i));
  QVERIFY(erklaerung.Label1->text().isEmpty());
  erklaerung.show();
  QVERIFY(QTest::qWaitForWindowExposed(&erklaerung));
  erklaerung.activateWindow();
  erklaerung.ListBox1->setFocus();
  QVERIFY(erklaerung.Label1->text().isEmpty()); // the focus alone chooses nothing
  QTest::keyClick(erklaerung.ListBox1, Qt::Key_Down);
  QVERIFY(!erklaerung.Label1->text().isEmpty()); // keys choose too
  QListWidget* liste = erklaerung.ListBox1;
  const QListWidgetItem* sortieren = liste->findItems(QStringLiteral("Sortieren"), Qt::MatchExactly).value(0);
  QVERIFY(sortieren);
  liste->scrollToItem(sortieren);
  QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(sortieren).center());
  QCOMPARE(erklaerung.Label1->text(),
           QStringLiteral("Die Zahlen in der ersten Spalte werden sortiert. Optional kannst du auch noch in die 2. "
                          "Spalte Zahlen schreiben. Jede dieser Zahlen gehört dann zu einer Zahl in der ersten Spalte "
                          "auf gleicher Höhe. Und so wird dann dieses Zahlenpärchen einsortiert."));
  // The info window's button leads here.
  erklaerung.hide();
  QTest::mouseClick(p.a().Form2().Button2, Qt::LeftButton);
  QVERIFY(erklaerung.isVisible());
  erklaerung.hide();
}

void TInformationTest::BeispielbilderDerModelle() {
  TTestprogramm p;
  TForm3& erklaerung = p.a().Form3();
  QCOMPARE(erklaerung.ComboBox1->count(), Modellanzahl);
  for (int m = 1; m <= Modellanzahl; ++m)
    QCOMPARE(erklaerung.ComboBox1->itemText(m - 1), QString::fromStdString(std::string(Modellnamen(static_cast<uint8_t>(m)))));
  QCOMPARE(erklaerung.ComboBox1->currentIndex(), 0);
  const auto referenz = [](int modell) {
    QImage bild(129, 121, QImage::Format_RGB32);
    bild.fill(Qt::white);
    TQtLeinwand l(bild);
    const TBeispiel b = ModellBeispiel(static_cast<uint8_t>(modell));
    BeispielZeichnen(l, b.x, b.y, b.einstellungen);
    return bild;
  };
  QCOMPARE(erklaerung.Beispielbild(), referenz(1)); // drawn at creation
  // Down through every model, then up again and down once more: each picture is its own.
  QComboBox* auswahl = erklaerung.ComboBox1;
  auswahl->setFocus();
  const auto pruefen = [&] {
    QCOMPARE(erklaerung.Beispielbild(), referenz(auswahl->currentIndex() + 1));
  };
  for (int i = 1; i < Modellanzahl; ++i) {
    QTest::keyClick(auswahl, Qt::Key_Down);
    pruefen();
  }
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(auswahl, Qt::Key_Up);
    pruefen();
  }
  QTest::keyClick(auswahl, Qt::Key_Down);
  pruefen();
  QCOMPARE(auswahl->currentIndex(), Modellanzahl - 5);
  // Jumps: the first model after the last, and back.
  QTest::keyClick(auswahl, Qt::Key_Home);
  pruefen();
  QTest::keyClick(auswahl, Qt::Key_End);
  pruefen();
  QCOMPARE(auswahl->currentIndex(), Modellanzahl - 1);
}
