#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Spaltenfeld.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A key pressed in the field, and the field's text after it.
QString Taste(TSpaltenfeld& feld, Qt::Key taste, Qt::KeyboardModifiers mit = {}) { QTest::keyClick(&feld, taste, mit); return feld.toPlainText(); }

// A line, the character double-clicked and the selection it makes.
struct TDoppelklick { QString zeile; int zeichen; QString auswahl; };

} // namespace

// Typing, deleting and selecting with the keys; new content starts afresh each time.
void TFensterTest::TippenLoeschenUndAuswahl() {
  TSpaltenfeld feld;
  QSignalSpy geaendert(&feld, &TSpaltenfeld::textChanged);
  QVERIFY(feld.Zeilenzahl() == 0 && feld.Zeilen().empty());
  QTest::keyClicks(&feld, QStringLiteral("12,5"));
  QTest::keyClick(&feld, Qt::Key_Return);
  QTest::keyClicks(&feld, QStringLiteral("-3"));
  QCOMPARE(feld.toPlainText(), QStringLiteral("12,5\n-3"));
  QCOMPARE(feld.Zeilenzahl(), 2);
  QCOMPARE(feld.Zeilen(), (TStringListe{"12,5", "-3"}));
  QCOMPARE(geaendert.count(), 7);
  QTest::keyClick(&feld, Qt::Key_Return);
  QCOMPARE(feld.Zeilenzahl(), 2); // a line break at the end starts no line
  QTest::keyClick(&feld, Qt::Key_Return);
  QCOMPARE(feld.Zeilenzahl(), 3);
  QCOMPARE(feld.Zeilen(), (TStringListe{"12,5", "-3", ""}));
  feld.ZeilenSetzen({});
  QCOMPARE(feld.toPlainText(), QString());
  feld.ZeilenSetzen({"ä", "b"});
  QCOMPARE(feld.toPlainText(), QStringLiteral("ä\nb"));
  // Backspace and Delete do nothing at the ends, and join lines between them.
  feld.setPlainText(QStringLiteral("abc\ndef"));
  QCOMPARE(Taste(feld, Qt::Key_Backspace), QStringLiteral("abc\ndef"));
  QTest::keyClick(&feld, Qt::Key_Down);
  QCOMPARE(Taste(feld, Qt::Key_Backspace), QStringLiteral("abcdef"));
  QCOMPARE(feld.Cursor(), QPoint(3, 0));
  QCOMPARE(Taste(feld, Qt::Key_Delete), QStringLiteral("abcef"));
  for (int i = 0; i < 2; ++i) QTest::keyClick(&feld, Qt::Key_Left, Qt::ShiftModifier);
  QCOMPARE(feld.Auswahl(), QStringLiteral("bc"));
  QTest::keyClicks(&feld, QStringLiteral("X"));
  QCOMPARE(feld.toPlainText(), QStringLiteral("aXef"));
  QTest::keyClick(&feld, Qt::Key_End, Qt::ControlModifier);
  QCOMPARE(Taste(feld, Qt::Key_Delete), QStringLiteral("aXef"));
  QTest::keyClick(&feld, Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(Taste(feld, Qt::Key_7), QStringLiteral("7"));
  // A character outside the basic plane (two UTF-16 units) moves and goes whole.
  const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
  feld.setPlainText(QStringLiteral("1") + emoji + QStringLiteral("2"));
  QTest::keyClick(&feld, Qt::Key_End);
  QTest::keyClick(&feld, Qt::Key_Left);
  QCOMPARE(Taste(feld, Qt::Key_Backspace), QStringLiteral("12"));
  feld.setPlainText(QStringLiteral("1") + emoji + QStringLiteral("2"));
  for (int i = 0; i < 2; ++i) QTest::keyClick(&feld, Qt::Key_Right);
  QCOMPARE(feld.Cursor(), QPoint(3, 0));
  QTest::keyClick(&feld, Qt::Key_Left);
  QCOMPARE(Taste(feld, Qt::Key_Delete), QStringLiteral("12"));
}

void TFensterTest::KopierenEinfuegenRueckgaengig() {
  TSpaltenfeld feld;
  feld.setPlainText(QStringLiteral("1\n2"));
  QApplication::clipboard()->setText(QStringLiteral("a\r\nb\rc"));
  QTest::keyClick(&feld, Qt::Key_End);
  QCOMPARE(Taste(feld, Qt::Key_V, Qt::ControlModifier), QStringLiteral("1a\nb\nc\n2"));
  QCOMPARE(feld.Cursor(), QPoint(1, 2));
  QTest::keyClick(&feld, Qt::Key_Up, Qt::ShiftModifier);
  QCOMPARE(feld.Auswahl(), QStringLiteral("\nc"));
  QCOMPARE(Taste(feld, Qt::Key_X, Qt::ControlModifier), QStringLiteral("1a\nb\n2"));
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\nc"));
  QCOMPARE(Taste(feld, Qt::Key_Z, Qt::ControlModifier), QStringLiteral("1a\nb\nc\n2"));
  QCOMPARE(Taste(feld, Qt::Key_Z, Qt::ControlModifier), QStringLiteral("1\n2"));
  QCOMPARE(Taste(feld, Qt::Key_Z, Qt::ControlModifier), QStringLiteral("1\n2")); // nothing more to undo
  for (int i = 0; i < 2; ++i) feld.Wiederholen();
  QCOMPARE(feld.toPlainText(), QStringLiteral("1a\nb\n2"));
  feld.setPlainText(QStringLiteral("neu")); // new content forgets the steps
  feld.Rueckgaengig();
  QCOMPARE(feld.toPlainText(), QStringLiteral("neu"));
  // A column of 200000 lines: typing at its end and its start.
  feld.ZeilenSetzen(TStringListe(200000, "1,5"));
  QCOMPARE(feld.Zeilenzahl(), 200000);
  QTest::keyClick(&feld, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&feld, QStringLiteral("7"));
  QCOMPARE(feld.Zeilen().back(), std::string("1,57"));
  QTest::keyClick(&feld, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(&feld, Qt::Key_Return);
  QCOMPARE(feld.Zeilenzahl(), 200001);
}

// The mouse places the cursor and selects; the horizontal scroll range follows the longest line.
void TFensterTest::MausUndBildlaufbreite() {
  TSpaltenfeld feld;
  feld.resize(200, 200);
  QVERIFY(Gezeigt(feld));
  feld.setPlainText(QStringLiteral("12345\nab"));
  const int hoehe = feld.fontMetrics().height(), breite = feld.fontMetrics().horizontalAdvance(QLatin1Char('0'));
  QTest::mouseClick(feld.viewport(), Qt::LeftButton, {}, QPoint(3 + 2 * breite + 1, hoehe / 2));
  QCOMPARE(feld.Cursor(), QPoint(2, 0));
  QTest::mouseClick(feld.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(190, hoehe + 2));
  QCOMPARE(feld.Auswahl(), QStringLiteral("345\nab"));
  QTest::mouseClick(feld.viewport(), Qt::LeftButton, {}, QPoint(5, 150)); // below the last line
  QCOMPARE(feld.Cursor(), QPoint(0, 1));
  feld.setPlainText(QStringLiteral("1\n2"));
  QCOMPARE(feld.horizontalScrollBar()->maximum(), 0);
  QTest::keyClicks(&feld, QString(80, QLatin1Char('7')));
  QVERIFY(feld.horizontalScrollBar()->maximum() > 0);
  // The long line shortened again, by selecting it and typing over it.
  QTest::keyClick(&feld, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClicks(&feld, QStringLiteral("5"));
  QCOMPARE(feld.Zeilen().front(), std::string("51"));
  QCOMPARE(feld.horizontalScrollBar()->maximum(), 0);
  QTest::keyClick(&feld, Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(feld.horizontalScrollBar()->maximum() > 0);
}

void TFensterTest::DoppelklickWaehltDieZahl_data() {
  QTest::addColumn<TDoppelklick>("fall");
  QTest::newRow("Exponent und Vorzeichen") << TDoppelklick{"-1,5E-3", 4, "-1,5E-3"};
  QTest::newRow("zweite von zwei") << TDoppelklick{"3 4,25", 3, "4,25"};
  QTest::newRow("hinter dem Ende") << TDoppelklick{"7,5", 9, "7,5"};
  QTest::newRow("Leerraum") << TDoppelklick{"1  2", 2, ""};
}

void TFensterTest::DoppelklickWaehltDieZahl() {
  QFETCH(TDoppelklick, fall);
  TSpaltenfeld feld;
  feld.resize(200, 200);
  feld.setPlainText(QStringLiteral("0\n") + fall.zeile);
  const int hoehe = feld.fontMetrics().height(), breite = feld.fontMetrics().horizontalAdvance(QLatin1Char('0'));
  QTest::mouseDClick(feld.viewport(), Qt::LeftButton, {}, QPoint(3 + fall.zeichen * breite + breite / 4, hoehe + hoehe / 2));
  QCOMPARE(feld.Auswahl(), fall.auswahl);
}
