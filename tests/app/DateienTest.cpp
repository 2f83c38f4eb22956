#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit4.h"
#include "Unit8.h"

#include "TestHilfen.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString Fehlt(const TTestprogramm& p, const QString& name) { return QStringLiteral("Datei ") + p.Pfad(name) + QStringLiteral(" nicht gefunden"); }

// Drops the files onto a widget as the desktop would.
void Fallenlassen(QWidget* ziel, const QStringList& pfade) {
  QMimeData daten;
  QList<QUrl> urls;
  for (const QString& pfad : pfade) urls << QUrl::fromLocalFile(pfad);
  daten.setUrls(urls);
  // Qt delivers a drop only to the widget that accepted the drag's entry.
  QDragEnterEvent eintritt(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ziel, &eintritt);
  QDropEvent ereignis(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ziel, &ereignis);
}

} // namespace

void TFensterTest::SichernUndLaden() {
  TTestprogramm p({{QStringLiteral("1_Alt.txt"), "1,5\r\n2\r\n"}, {QStringLiteral("2_Alt.txt"), "\xEF\xBB\xBFx\ry\r"},
                   {QStringLiteral("3_Alt.txt"), "Gr\xF6\xDF" "e \x80\n"}, {QStringLiteral("4_Alt.txt"), "a\n\nb"},
                   {QStringLiteral("1_Nur.txt"), "5\n"}});
  TForm1& f = p.a().Form1();
  p.Daten(QStringLiteral("1,5\n-2"), QStringLiteral("Größe\n"));
  f.Edit3->setText(QStringLiteral("Messung"));
  f.Button14->click();
  const QByteArray dateien[] = {"1,5\n-2\n", "Gr\xC3\xB6\xC3\x9F" "e\n", "", ""};
  for (int k = 1; k <= 4; ++k) QCOMPARE(p.Lesen(QStringLiteral("%1_Messung.txt").arg(k)), dateien[k - 1]);
  for (int k = 1; k <= 4; ++k) f.Spalte(k)->setPlainText(QStringLiteral("weg"));
  f.Button15->click();
  QCOMPARE(Spalten(f), (QStringList{QStringLiteral("1,5\n-2"), QStringLiteral("Größe"), QString(), QString()}));
  QVERIFY(p.meldungen.Texte.isEmpty());
  // A trailing empty line survives the round trip.
  f.Memo4->setPlainText(QStringLiteral("a\n\n"));
  QCOMPARE(f.Memo4->Zeilenzahl(), 2);
  f.Button14->click();
  QCOMPARE(p.Lesen(QStringLiteral("4_Messung.txt")), QByteArray("a\n\n"));
  f.Memo4->clear();
  f.Button15->click();
  QCOMPARE(f.Memo4->Zeilenzahl(), 2);
  // Saving again replaces the files whole.
  f.Memo1->setPlainText(QStringLiteral("7"));
  f.Button14->click();
  QCOMPARE(p.Lesen(QStringLiteral("1_Messung.txt")), QByteArray("7\n"));
  // Files of other tools: any line end, a byte order mark, Windows-1252.
  f.Edit3->setText(QStringLiteral("Alt"));
  f.Button15->click();
  const QString groesse = QStringLiteral("Größe €"), ab = QStringLiteral("a\n\nb");
  QCOMPARE(Spalten(f), (QStringList{QStringLiteral("1,5\n2"), QStringLiteral("x\ny"), groesse, ab}));
  QCOMPARE(f.Memo4->Zeilenzahl(), 3);
  // Missing files are reported, and their columns kept.
  f.Memo2->setPlainText(QStringLiteral("bleibt"));
  f.Edit3->setText(QStringLiteral("Nur"));
  f.Button15->click();
  QCOMPARE(Spalten(f), (QStringList{QStringLiteral("5"), QStringLiteral("bleibt"), groesse, ab}));
  QCOMPARE(p.meldungen.Texte.size(), 3);
  QCOMPARE(p.meldungen.Texte[0], Fehlt(p, QStringLiteral("2_Nur.txt")));
  // "L." loads "letzte" and leaves the name field as it was.
  f.SpeedButton2->click();
  QCOMPARE(f.Edit3->text(), QStringLiteral("Nur"));
  QCOMPARE(p.meldungen.Texte.size(), 7);
}

void TFensterTest::AufDateiAnwenden() {
  TTestprogramm p({{QStringLiteral("1_Daten.txt"), "1\n4\n"}, {QStringLiteral("2_Daten.txt"), "2\n"}});
  TForm1& f = p.a().Form1();
  f.CheckBox2->click();
  QVERIFY(f.Edit2->isEnabled() && f.CheckBox3->isEnabled());
  Waehlen(f, QStringLiteral("Kehrwert"));
  f.BitBtn1->click();
  QCOMPARE(Spalten(f), (QStringList{"1\n4", "2", "1\n0,25", ""}));
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
  QCOMPARE(p.meldungen.Texte.last(), Fehlt(p, QStringLiteral("1_Fehlt.txt")));
  QCOMPARE(p.Lesen(QStringLiteral("3Fehlt")), QByteArray("<fehlt>"));
  // Without ".txt", and with column 2's file missing: its message, and the operation runs.
  p.meldungen.Texte.clear();
  p.Schreiben(QStringLiteral("1_Roh"), "5\n");
  f.Edit2->setText(QStringLiteral("Roh"));
  f.CheckBox3->setChecked(false);
  f.BitBtn1->click();
  QCOMPARE(p.meldungen.Texte, QStringList{Fehlt(p, QStringLiteral("2_Roh"))});
  QCOMPARE(p.Lesen(QStringLiteral("3Roh")), QByteArray("0,2\n"));
  f.CheckBox2->click();
  QVERIFY(!f.Edit2->isEnabled() && !f.CheckBox3->isEnabled());
}

void TFensterTest::FallenGelasseneUndUnbrauchbareDateien() {
  TTestprogramm p({{QStringLiteral("a.txt"), "1 2\n"}, {QStringLiteral("b.txt"), "3;4\n5 6\n"}, {QStringLiteral("leer.txt"), ""},
                   {QStringLiteral("binaer.dat"), QByteArray("\x01\x00\x02", 3)}});
  TForm1& f = p.a().Form1();
  Fallenlassen(&f, {p.Pfad(QStringLiteral("a.txt")), p.Pfad(QStringLiteral("b.txt"))});
  QCOMPARE(Spalten(f), (QStringList{QStringLiteral("3\n5"), QStringLiteral("4\n6"), QString(), QString()}));
  QVERIFY(p.meldungen.Texte.isEmpty());
  // Onto a column: loaded the same way, not pasted as a file name.
  Fallenlassen(f.Memo3->viewport(), {p.Pfad(QStringLiteral("a.txt"))});
  QCOMPARE(Spalten(f), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QString(), QString()}));
  // An empty file empties column 1, and there is nothing to split.
  Fallenlassen(&f, {p.Pfad(QStringLiteral("leer.txt"))});
  QVERIFY(f.Memo1->toPlainText().isEmpty());
  QCOMPARE(p.meldungen.Texte, QStringList{QStringLiteral("Keine Daten in der ersten Spalte vorhanden")});
  // A folder, a vanished file and a binary file are refused with a message; the column stays.
  p.meldungen.Texte.clear();
  f.Memo1->setPlainText(QStringLiteral("bleibt"));
  Fallenlassen(&f, {p.Datenordner()});
  Fallenlassen(&f, {p.Pfad(QStringLiteral("verschwunden.txt"))});
  Fallenlassen(&f, {p.Pfad(QStringLiteral("binaer.dat"))});
  QCOMPARE(p.meldungen.Texte, (QStringList{p.Datenordner() + QStringLiteral(" ist ein Ordner, keine Datei"),
                                           Fehlt(p, QStringLiteral("verschwunden.txt")),
                                           p.Pfad(QStringLiteral("binaer.dat")) + QStringLiteral(" ist keine Textdatei")}));
  QCOMPARE(Spalte(f, 1), QStringLiteral("bleibt"));
  QCOMPARE(TextDekodieren(QByteArray("\xEF\xBB\xBF")), QString());
  p.meldungen.Texte.clear();
  p.Schreiben(QStringLiteral("1_Bin.txt"), QByteArray("1\n\x00\x07", 4));
  f.Edit3->setText(QStringLiteral("Bin"));
  f.Button15->click();
  QCOMPARE(p.meldungen.Texte, QStringList{p.Pfad(QStringLiteral("1_Bin.txt")) + QStringLiteral(" ist keine Textdatei")});
  QCOMPARE(Spalte(f, 1), QStringLiteral("bleibt"));
  // Beyond the limits of lines and of bytes: the message of the refusal.
  const auto verweigert = [&](const char* name, qint64 bytes, qint64 zeilen) {
    return QString::fromStdString(Meldung([&] { TextLaden(p.Pfad(QString::fromLatin1(name)), bytes, zeilen); }));
  };
  p.Schreiben(QStringLiteral("zeilen.txt"), "1\n2\n3\n4\n");
  QVERIFY(verweigert("zeilen.txt", GroessteTextdatei, 3).endsWith(QStringLiteral("hat zu viele Zeilen zum Laden (höchstens 3)")));
  p.Schreiben(QStringLiteral("gross.txt"), QByteArray(3 * 1024 * 1024, '1'));
  QCOMPARE(verweigert("gross.txt", 2 * 1024 * 1024, MeisteZeilen),
           QStringLiteral("Datei ") + p.Pfad(QStringLiteral("gross.txt")) + QStringLiteral(" ist zu groß zum Laden (höchstens 2 MB)"));
}

// The data sets of a listing: four files each; then the file list window loads them without
// changing the name field.
void TFensterTest::Dateiliste() {
  const QStringList a = {"1_A.txt", "2_A.txt", "3_A.txt", "4_A.txt"};
  QCOMPARE(Datensaetze(QStringList{".", ".."} + a + QStringList{"1_B.txt", "2_B.txt", "3_B.txt", "Diagramm", "Quarn.ini"}),
           QStringList{"A"});
  QCOMPARE(Datensaetze(a + QStringList{"5_A.txt"}), QStringList());
  QCOMPARE(Datensaetze(QStringList{"1_a.txt", "2_a.txt", "3_a.txt", "4_a.txt"} + a), (QStringList{"a", "A"}));
  QCOMPARE(Datensaetze(QStringList{"1_x.y.txt", "2_x.y.txt", "3_x.y.csv", "4_x.y"}), QStringList());
  QCOMPARE(Datensaetze(QStringList{"1_x.y.txt", "2_x.y.txt", "3_x.y.csv", "4_x.y.dat"}), QStringList{"x.y"});
  QCOMPARE(Datensaetze({}), QStringList());
  TTestprogramm p({{QStringLiteral("1_M.txt"), "1\n"}, {QStringLiteral("2_M.txt"), "2\n"},
                   {QStringLiteral("3_M.txt"), ""}, {QStringLiteral("4_M.txt"), ""}});
  TForm1& f = p.a().Form1();
  TForm8& liste = p.a().Form8();
  liste.ListBox1Click(); // nothing selected: nothing happens
  f.SpeedButton3->click();
  QVERIFY(liste.isVisible());
  QCOMPARE(liste.ListBox1->count(), 1);
  // A mouse click on the item loads it.
  QListWidget* box = liste.ListBox1;
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(0)).center());
  QCOMPARE(f.Edit3->text(), QStringLiteral("Daten"));
  QCOMPARE(Spalten(f), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QString(), QString()}));
  QVERIFY(liste.Label1->isHidden() && p.meldungen.Texte.isEmpty());
  // Clicking the chosen set again loads it again, once.
  f.Memo1->clear();
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(0)).center());
  QCOMPARE(Spalte(f, 1), QStringLiteral("1"));
  QCOMPARE(f.Button2->text(), QStringLiteral("Leeren 1"));
  // "Sofort plotten" reloads at once and opens the plot window.
  f.Memo1->clear();
  liste.CheckBox1->click();
  QCOMPARE(Spalte(f, 1), QStringLiteral("1"));
  QVERIFY(p.a().Form4().isVisible());
  // Files gone after the scan: the messages, and the label hidden again.
  for (int k = 1; k <= 4; ++k) QFile::remove(p.Pfad(QString::number(k) + QStringLiteral("_M.txt")));
  liste.ListBox1Click();
  QVERIFY(p.meldungen.Texte.size() == 4 && liste.Label1->isHidden());
  // Folders count as entries of the listing, like files.
  for (const char* name : {"1_O.txt", "2_O.txt", "3_O.txt"}) QDir().mkpath(p.Pfad(QString::fromLatin1(name)));
  p.Schreiben(QStringLiteral("4_O.txt"), "");
  liste.laden();
  QCOMPARE(liste.ListBox1->count(), 1);
  QCOMPARE(liste.ListBox1->item(0)->text(), QStringLiteral("O"));
}

void TFensterTest::ByteOrderMarkInDerSpalteBleibt_data() {
  QTest::addColumn<QString>("text");
  const QString bom(QChar(0xFEFF));
  QTest::newRow("zweite Zeile") << QStringLiteral("1\n") + bom + QStringLiteral("2");
  QTest::newRow("erste Zeile") << bom + QStringLiteral("1\n2");
  QTest::newRow("nur das Zeichen") << bom;
  QTest::newRow("zwei am Anfang") << bom + bom + QStringLiteral("3");
}

// Only a file's own leading mark is dropped; a U+FEFF the user has in a column stays, through
// the column, a save and a load.
void TFensterTest::ByteOrderMarkInDerSpalteBleibt() {
  QFETCH(QString, text);
  QCOMPARE(SpaltenText(SpaltenZeilen(text)), text);
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.ZeilenSetzen(1, SpaltenZeilen(text));
  QCOMPARE(f.Memo1->toPlainText(), text);
  f.Edit3->setText(QStringLiteral("Bom"));
  f.Button14->click();
  f.Memo1->clear();
  f.Button15->click();
  QCOMPARE(Spalte(f, 1), text);
  QCOMPARE(TextDekodieren(QByteArray("\xEF\xBB\xBF") + text.toUtf8()), text);
}
