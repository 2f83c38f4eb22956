#include "AppTests.h"

#include "Spaltenfeld.h"

#include <QApplication>
#include <QScrollBar>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

namespace {

void Tippen(TSpaltenfeld& feld, const QString& text) {
  const QStringList zeilen = text.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < zeilen.size(); ++i) {
    if (i > 0) QTest::keyClick(&feld, Qt::Key_Return);
    QTest::keyClicks(&feld, zeilen[i]);
  }
}

} // namespace

void TSpaltenfeldTest::TippenUndZeilen() {
  TSpaltenfeld feld;
  QSignalSpy geaendert(&feld, &TSpaltenfeld::textChanged);
  QCOMPARE(feld.Zeilenzahl(), 0);
  QVERIFY(feld.Zeilen().empty());
  Tippen(feld, QStringLiteral("12,5\n-3"));
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
}

void TSpaltenfeldTest::LoeschenUndAuswahl() {
  TSpaltenfeld feld;
  feld.setPlainText(QStringLiteral("abc\ndef"));
  QTest::keyClick(&feld, Qt::Key_Backspace); // at the start: nothing
  QCOMPARE(feld.toPlainText(), QStringLiteral("abc\ndef"));
  QTest::keyClick(&feld, Qt::Key_Down);
  QTest::keyClick(&feld, Qt::Key_Backspace); // joins the lines
  QCOMPARE(feld.toPlainText(), QStringLiteral("abcdef"));
  QCOMPARE(feld.Cursor(), QPoint(3, 0));
  QTest::keyClick(&feld, Qt::Key_Delete);
  QCOMPARE(feld.toPlainText(), QStringLiteral("abcef"));
  QTest::keyClick(&feld, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(&feld, Qt::Key_Left, Qt::ShiftModifier);
  QCOMPARE(feld.Auswahl(), QStringLiteral("bc"));
  QTest::keyClicks(&feld, QStringLiteral("X"));
  QCOMPARE(feld.toPlainText(), QStringLiteral("aXef"));
  QTest::keyClick(&feld, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(&feld, Qt::Key_Delete); // at the end: nothing
  QCOMPARE(feld.toPlainText(), QStringLiteral("aXef"));
  QTest::keyClick(&feld, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&feld, QStringLiteral("7"));
  QCOMPARE(feld.toPlainText(), QStringLiteral("7"));
}

void TSpaltenfeldTest::KopierenEinfuegenRueckgaengig() {
  TSpaltenfeld feld;
  feld.setPlainText(QStringLiteral("1\n2"));
  QApplication::clipboard()->setText(QStringLiteral("a\r\nb\rc"));
  QTest::keyClick(&feld, Qt::Key_End);
  QTest::keyClick(&feld, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(feld.toPlainText(), QStringLiteral("1a\nb\nc\n2"));
  QCOMPARE(feld.Cursor(), QPoint(1, 2));
  QTest::keyClick(&feld, Qt::Key_Up, Qt::ShiftModifier);
  QCOMPARE(feld.Auswahl(), QStringLiteral("\nc"));
  QTest::keyClick(&feld, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\nc"));
  QCOMPARE(feld.toPlainText(), QStringLiteral("1a\nb\n2"));
  QTest::keyClick(&feld, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(feld.toPlainText(), QStringLiteral("1a\nb\nc\n2"));
  QTest::keyClick(&feld, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(feld.toPlainText(), QStringLiteral("1\n2"));
  QTest::keyClick(&feld, Qt::Key_Z, Qt::ControlModifier); // nothing more to undo
  QCOMPARE(feld.toPlainText(), QStringLiteral("1\n2"));
  feld.Wiederholen();
  feld.Wiederholen();
  QCOMPARE(feld.toPlainText(), QStringLiteral("1a\nb\n2"));
  feld.setPlainText(QStringLiteral("neu")); // new content forgets the steps
  feld.Rueckgaengig();
  QCOMPARE(feld.toPlainText(), QStringLiteral("neu"));
}

void TSpaltenfeldTest::MausSetztCursor() {
  TSpaltenfeld feld;
  feld.resize(200, 200);
  feld.setPlainText(QStringLiteral("12345\nab"));
  const int hoehe = feld.fontMetrics().height();
  const int breite = feld.fontMetrics().horizontalAdvance(QLatin1Char('0'));
  QTest::mouseClick(feld.viewport(), Qt::LeftButton, {}, QPoint(3 + 2 * breite + 1, hoehe / 2));
  QCOMPARE(feld.Cursor(), QPoint(2, 0));
  QTest::mouseClick(feld.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(190, hoehe + 2));
  QCOMPARE(feld.Auswahl(), QStringLiteral("345\nab"));
  QTest::mouseClick(feld.viewport(), Qt::LeftButton, {}, QPoint(5, 150)); // below the last line
  QCOMPARE(feld.Cursor(), QPoint(0, 1));
}

void TSpaltenfeldTest::GrosseSpalten() {
  TSpaltenfeld feld;
  TStringListe zeilen(200000, "1,5");
  feld.ZeilenSetzen(zeilen);
  QCOMPARE(feld.Zeilenzahl(), 200000);
  QTest::keyClick(&feld, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&feld, QStringLiteral("7"));
  QCOMPARE(feld.Zeilen().back(), std::string("1,57"));
  QTest::keyClick(&feld, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(&feld, Qt::Key_Return);
  QCOMPARE(feld.Zeilenzahl(), 200001);
}

void TSpaltenfeldTest::BildlaufbreiteFolgtDerLaengstenZeile() {
  TSpaltenfeld feld;
  feld.resize(160, 200);
  feld.show();
  QVERIFY(QTest::qWaitForWindowExposed(&feld));
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

void TSpaltenfeldTest::ZeichenAusserhalbDerGrundebene() {
  TSpaltenfeld feld;
  const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
  feld.setPlainText(QStringLiteral("1") + emoji + QStringLiteral("2"));
  QTest::keyClick(&feld, Qt::Key_End);
  QTest::keyClick(&feld, Qt::Key_Left);
  QTest::keyClick(&feld, Qt::Key_Backspace);
  QCOMPARE(feld.toPlainText(), QStringLiteral("12"));
  feld.setPlainText(QStringLiteral("1") + emoji + QStringLiteral("2"));
  QTest::keyClick(&feld, Qt::Key_Right);
  QTest::keyClick(&feld, Qt::Key_Right);
  QCOMPARE(feld.Cursor(), QPoint(3, 0));
  QTest::keyClick(&feld, Qt::Key_Left);
  QTest::keyClick(&feld, Qt::Key_Delete);
  QCOMPARE(feld.toPlainText(), QStringLiteral("12"));
}

void TSpaltenfeldTest::DoppelklickWaehltDieZahl_data() {
  QTest::addColumn<QString>("zeile");
  QTest::addColumn<int>("zeichen");
  QTest::addColumn<QString>("auswahl");
  QTest::newRow("Zahl mit Komma") << QStringLiteral("12,5") << 1 << QStringLiteral("12,5");
  QTest::newRow("Exponent und Vorzeichen") << QStringLiteral("-1,5E-3") << 4 << QStringLiteral("-1,5E-3");
  QTest::newRow("zweite von zwei") << QStringLiteral("3 4,25") << 3 << QStringLiteral("4,25");
  QTest::newRow("Semikolon trennt") << QStringLiteral("1;22") << 3 << QStringLiteral("22");
  QTest::newRow("hinter dem Ende") << QStringLiteral("7,5") << 9 << QStringLiteral("7,5");
  QTest::newRow("Leerraum") << QStringLiteral("1  2") << 2 << QString();
}

void TSpaltenfeldTest::DoppelklickWaehltDieZahl() {
  QFETCH(QString, zeile);
  QFETCH(int, zeichen);
  QFETCH(QString, auswahl);
  TSpaltenfeld feld;
  feld.resize(200, 200);
  feld.setPlainText(QStringLiteral("0\n") + zeile);
  const int hoehe = feld.fontMetrics().height();
  const int breite = feld.fontMetrics().horizontalAdvance(QLatin1Char('0'));
  QTest::mouseDClick(feld.viewport(), Qt::LeftButton, {}, QPoint(3 + zeichen * breite + breite / 4, hoehe + hoehe / 2));
  QCOMPARE(feld.Auswahl(), auswahl);
}
