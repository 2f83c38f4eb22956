#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit2.h"
#include "Unit3.h"
#include "Unit5.h"

#include "fit/Modelle.h"
#include "plot/Diagramm.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString Text(const TForm5& info, int nummer) { return info.findChild<QLabel*>(QStringLiteral("Label%1").arg(nummer))->text(); }

const TDiagrammEinstellungen Vierstellig{.Zahlformat = {4, 4, false}};

// y = 2x, fitted.
const TFitErgebnis Gerade{.Modell = Modellnr::Gerade, .Koeffizienten = {.Werte = {2, 0}}};

const TVektor X5 = {1, 2, 3, 4, 5}, Y5 = {2, 4, 6, 8, 10};

} // namespace

// Every label as created, "Label<number> text", in one program.
void TFensterTest::Anfangstexte() {
  TTestprogramm p;
  TForm5& info = p.a().Form5();
  const std::pair<int, const char*> texte[] = {
      {1, "Datenpunkte: "}, {2, "0"}, {9, "Reichweite: "}, {7, "0 < x < 1"}, {8, "0 < y < 1"},
      {18, "Schrittweite: "}, {19, "0"}, {10, "Summe: "}, {13, "x = 0"}, {14, "y = 0"}, {15, "Mittelwerte:"},
      {26, "Arithmetisch:"}, {16, "X = 0"}, {17, "Y = 0"}, {27, "Geometrisch:"}, {28, "X = 0"}, {29, "Y = 0"},
      {20, "Varianz:"}, {21, "X = 0"}, {22, "Y = 0"}, {23, "Standardabweichung"}, {24, "X = 0"}, {25, "Y = 0"},
      {5, "Funktion: "}, {6, "f(x) = a + bx"}, {3, "Summe der quadratischen Abstände: "}, {4, "0"},
      {33, "Durchschnittlich:"}, {34, "0"}, {31, "Chi-Square:"}, {32, "0"}, {30, "Berechung abgebrochen"}};
  QStringList ist, soll;
  for (const auto& [nummer, text] : texte) {
    ist << QStringLiteral("Label%1 ").arg(nummer) + Text(info, nummer);
    soll << QStringLiteral("Label%1 ").arg(nummer) + QString::fromUtf8(text);
  }
  QCOMPARE(ist, soll);
  QVERIFY(info.Label30->isHidden() && !info.CheckBox1->isChecked());
  QCOMPARE(info.CheckBox1->text(), QStringLiteral("Inklusive Daten"));
}

void TFensterTest::BerichtUndAbbruch() {
  TTestprogramm p({{QStringLiteral("alt.txt"), "alter Inhalt"}});
  TForm5& info = p.a().Form5();
  // Over an existing file, as the window starts.
  p.dialoge.Namen << p.Pfad(QStringLiteral("alt.txt"));
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.dialoge.Fragen.size(), 1);
  QCOMPARE((QStringList{p.dialoge.Fragen[0].filter, p.dialoge.Fragen[0].endung}), (QStringList{"Textdatei (*.txt)", "txt"}));
  QVERIFY(p.Lesen(QStringLiteral("alt.txt")).startsWith("Datenpunkte: 0\r\n") && p.meldungen.Texte.isEmpty());
  // A target that cannot be written: one message, nothing else changes. (A folder: the file
  // system refuses it even to the superuser.)
  p.dialoge.Namen << p.Datenordner();
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.meldungen.Fehlertexte,
           QStringList{QStringLiteral("Datei ") + p.Datenordner() + QStringLiteral(" kann nicht geschrieben werden")});
  // Cancelling the dialog writes nothing.
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  QCOMPARE(p.meldungen.Texte.size(), 1);
  // "Inklusive Daten": the pairs of the columns after the labels, as many as the shorter has.
  p.Daten(QStringLiteral("1.5\n2\n3\n4\n5"), QStringLiteral("2\n4\n6\n8\n10\n12\n14"));
  info.INfoeinfuellen(X5, Y5, Gerade, Vierstellig);
  QTest::mouseClick(info.CheckBox1, Qt::LeftButton);
  p.dialoge.Namen << p.Pfad(QStringLiteral("bericht.txt"));
  QTest::mouseClick(info.SpeedButton1, Qt::LeftButton);
  // Windows line ends after every line, no byte order mark, Windows-1252.
  const QByteArrayList erwartet = {
      "Datenpunkte: 5", "Reichweite: ", "1,0000 < X < 5,0000", "2,0000 < Y < 10,0000", "Summe: ",
      "X = 15,0000", "Y = 30,0000", "Mittelwerte:", "Arithmetisch:", "X = 3,0000", "Y = 6,0000",
      "Geometrisch:", "X = 2,6052", "Y = 5,2103", "Schrittweite: 1,0000", "Varianz:", "dX\xB2 = 2,0000",
      "dY\xB2 = 8,0000", "Standardabweichung", "dX = 1,4142", "dY = 2,8284", "Funktion: y = +2,0000x",
      "Summe der quadratischen Abst\xE4nde: 0,0000", "Durchschnittlich:0,0000", "Chi-Square:0,0000",
      "1.5 2", "2 4", "3 6", "4 8", "5 10"};
  QCOMPARE(p.Lesen(QStringLiteral("bericht.txt")), erwartet.join("\r\n") + "\r\n");
  // A fill that overflows at the step width, after the geometric means: the labels before it are
  // new, the later ones keep the last complete fill's texts, and the marker shows.
  QVERIFY(info.Label30->isHidden());
  QCOMPARE(info.Label19->text(), QStringLiteral("1,0000"));
  info.INfoeinfuellen(TVektor{1e308, -1e308}, TVektor{1, 2}, Gerade, Vierstellig);
  QCOMPARE((QStringList{Text(info, 2), Text(info, 16), Text(info, 28), Text(info, 19), Text(info, 24)}),
           (QStringList{"2", "X = 0,0000", "X = ?", "1,0000", "dX = 1,4142"}));
  QVERIFY(!info.Label30->isHidden());
  QCOMPARE(p.meldungen.Texte.size(), 1); // no message of its own
  // The next complete fill hides the marker again.
  info.INfoeinfuellen(X5, Y5, Gerade, Vierstellig);
  QVERIFY(info.Label30->isHidden());
}

void TFensterTest::ErklaerungenUndBeispielbilder() {
  TTestprogramm p;
  TForm3& erklaerung = p.a().Form3();
  TForm1& haupt = p.a().Form1();
  QCOMPARE(erklaerung.ListBox1->count(), haupt.ComboBox1->count());
  for (int i = 0; i < haupt.ComboBox1->count(); ++i)
    QCOMPARE(erklaerung.ListBox1->item(i)->text(), haupt.ComboBox1->itemText(i));
  QVERIFY(erklaerung.Label1->text().isEmpty());
  QComboBox* auswahl = erklaerung.ComboBox1;
  QCOMPARE(auswahl->count(), Modellanzahl);
  for (int m = 1; m <= Modellanzahl; ++m)
    QCOMPARE(auswahl->itemText(m - 1), QString::fromStdString(std::string(Modellnamen(static_cast<uint8_t>(m)))));
  QCOMPARE(auswahl->currentIndex(), 0);
  QCOMPARE(erklaerung.Beispielbild(), Beispielbild(1)); // drawn at creation
  QVERIFY(Gezeigt(erklaerung));
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
  // Down through every model, then up, to the first and to the last: each picture is its own.
  QList<Qt::Key> tasten(Modellanzahl - 1, Qt::Key_Down);
  tasten << Qt::Key_Up << Qt::Key_Home << Qt::Key_End;
  auswahl->setFocus();
  for (Qt::Key taste : tasten) {
    QTest::keyClick(auswahl, taste);
    QCOMPARE(erklaerung.Beispielbild(), Beispielbild(static_cast<uint8_t>(auswahl->currentIndex() + 1)));
  }
  QCOMPARE(auswahl->currentIndex(), Modellanzahl - 1);
}
