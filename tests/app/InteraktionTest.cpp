#include "AppTestHilfen.h"
#include "AppTests.h"

#include "QtLeinwand.h"
#include "Unit1.h"
#include "Unit4.h"

#include "core/Zahlformat.h"
#include "fit/Modelle.h"
#include "plot/Diagramm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <functional>

namespace {

struct TPlot : TTestprogramm {
  TForm4& f() { return a().Form4(); }
  void Zeigen(const QString& x, const QString& y) {
    a().Form1().Memo1->setPlainText(x);
    a().Form1().Memo2->setPlainText(y);
    f().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f()));
  }
  bool KastenEndlich() { return std::isfinite(f().Einstellungen().KastenX) && std::isfinite(f().Einstellungen().KastenY); }
};

void Rad(QWidget* w, QPoint wo, int delta) {
  QWheelEvent rad(wo, w->mapToGlobal(wo), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &rad);
}

void Klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2)); }

using TMausaktion = std::function<void(TForm4&)>;

} // namespace

void TInteraktionTest::MausOhneZeichnung_data() {
  QTest::addColumn<TMausaktion>("aktion");
  QTest::newRow("bewegen") << TMausaktion([](TForm4& f) { QTest::mouseMove(f.Plot, {300, 200}); });
  QTest::newRow("links") << TMausaktion([](TForm4& f) { QTest::mouseClick(f.Plot, Qt::LeftButton, {}, {300, 200}); });
  QTest::newRow("rechts") << TMausaktion([](TForm4& f) { QTest::mouseClick(f.Plot, Qt::RightButton, {}, {5, 5}); });
  QTest::newRow("Rad vor") << TMausaktion([](TForm4& f) { Rad(&f, {300, 200}, 120); });
  QTest::newRow("Rad zurück") << TMausaktion([](TForm4& f) { Rad(&f, {300, 200}, -360); });
  QTest::newRow("Rad waagrecht") << TMausaktion([](TForm4& f) { Rad(&f, {300, 200}, 0); });
  QTest::newRow("Kasten") << TMausaktion([](TForm4& f) { f.SpeedButton10->click(); Klick(f.CheckBox23); Klick(f.CheckBox23); });
}

// Before any drawing, and after drawing empty columns, the mapping has no plot area.
void TInteraktionTest::MausOhneZeichnung() {
  QFETCH(TMausaktion, aktion);
  TPlot p;
  p.Zeigen(QString(), QString());
  aktion(p.f());
  QVERIFY(p.KastenEndlich());
  QVERIFY(p.f().Label13->isHidden());
  QVERIFY(p.meldungen.Texte.isEmpty());
  p.f().hide();
}

void TInteraktionTest::KastenUndTracer() {
  TPlot p;
  p.Zeigen(QStringLiteral("0\n1\n2\n3\n4"), QStringLiteral("1\n3\n5\n7\n9"));
  TForm4& f = p.f();
  Klick(f.CheckBox3); // a line fit
  const TAbbildung a = f.Abbildung();
  QTest::mouseClick(f.Plot, Qt::LeftButton, {}, {300, 200});
  const TWeltpunkt w = PixelZuWelt(a, {300, 200});
  QCOMPARE(f.Einstellungen().KastenX, w.x);
  QCOMPARE(f.Einstellungen().KastenY, w.y);
  // One notch forward: one pixel column right, on the curve.
  Rad(&f, {300, 200}, 120);
  const double x = PixelZuWelt(a, {301, 200}).x;
  QCOMPARE(f.Einstellungen().KastenX, x);
  QCOMPARE(f.Einstellungen().KastenY, ModellWert(f.Fitergebnis(), x));
  // A right click puts it off the image; "Kasten" off and on brings it back at (140, 50).
  QTest::mouseClick(f.Plot, Qt::RightButton, {}, {300, 200});
  QVERIFY(!ImBild(a, WeltZuPixel(a, f.Einstellungen().KastenX, f.Einstellungen().KastenY)));
  f.SpeedButton10->click();
  Klick(f.CheckBox23);
  Klick(f.CheckBox23);
  QCOMPARE(f.Einstellungen().KastenX, PixelZuWelt(a, {140, 50}).x);
  QCOMPARE(f.Einstellungen().KastenY, PixelZuWelt(a, {140, 50}).y);
  // The read-out follows the mouse.
  QTest::mouseMove(f.Plot, {200, 100});
  QVERIFY(f.Label13->isVisible());
  QCOMPARE(f.Label13->pos(), QPoint(225, 125));
  const TWeltpunkt m = PixelZuWelt(a, {200, 100});
  QCOMPARE(f.Label13->text(), QStringLiteral("x = %1\ny = %2")
                                  .arg(QString::fromStdString(ZahlFormatiert(m.x, f.Einstellungen().Zahlformat)),
                                       QString::fromStdString(ZahlFormatiert(m.y, f.Einstellungen().Zahlformat))));
  f.hide();
}

void TInteraktionTest::ZoomUndGrenzenumschalter() {
  TPlot p;
  p.Zeigen(QStringLiteral("0\n10"), QStringLiteral("0\n5"));
  TForm4& f = p.f();
  f.SpeedButton10->click();
  int zeichnungen = f.Zeichnungen();
  f.TrackBar2->setFocus();
  QTest::keyClick(f.TrackBar2, Qt::Key_End);
  QCOMPARE(f.TrackBar2->value(), 10);
  QCOMPARE(f.Zeichnungen(), zeichnungen + 1);
  QVERIFY(f.CheckBox4->isChecked() && f.CheckBox5->isChecked() && f.CheckBox6->isChecked() && f.CheckBox7->isChecked());
  QCOMPARE(f.Edit8->text(), QStringLiteral("-17,1828182845905"));
  QCOMPARE(f.Edit9->text(), QStringLiteral("27,1828182845905"));
  QCOMPARE(f.Edit6->text(), QStringLiteral("-8,59140914229523"));
  QCOMPARE(f.Edit7->text(), QStringLiteral("13,5914091422952"));
  QVERIFY(!f.CheckBox21->isChecked());
  // The toggle: all four turned, one redraw each time; twice restores them.
  f.CheckBox5->setChecked(false);
  zeichnungen = f.Zeichnungen();
  QTest::mouseClick(f.Image2, Qt::LeftButton);
  QVERIFY(!f.CheckBox4->isChecked() && f.CheckBox5->isChecked());
  QTest::mouseClick(f.Image2, Qt::LeftButton);
  QVERIFY(f.CheckBox4->isChecked() && !f.CheckBox5->isChecked());
  QCOMPARE(f.Zeichnungen(), zeichnungen + 2);
  // Frozen by the user: it stays frozen and nothing is drawn.
  Klick(f.CheckBox21);
  QTest::mouseClick(f.Image2, Qt::LeftButton);
  QVERIFY(f.CheckBox21->isChecked());
  QCOMPARE(f.Zeichnungen(), zeichnungen + 2);
  f.hide();
}

void TInteraktionTest::ZoomJenseitsDesBereichs() {
  TPlot p;
  p.Zeigen(QStringLiteral("-1e308\n1e308"), QStringLiteral("0\n1"));
  TForm4& f = p.f();
  f.SpeedButton10->click();
  f.TrackBar2->setFocus();
  QTest::keyClick(f.TrackBar2, Qt::Key_End);
  QCOMPARE(p.meldungen.Fehlertexte, QStringList{QStringLiteral("Gleitkommaüberlauf")});
  QCOMPARE(f.Edit8->text(), QStringLiteral("0"));
  QVERIFY(!f.CheckBox6->isChecked());
  QVERIFY(!f.CheckBox21->isChecked());
  const int zeichnungen = f.Zeichnungen();
  Klick(f.CheckBox1);
  QCOMPARE(f.Zeichnungen(), zeichnungen + 1);
  f.hide();
}

void TInteraktionTest::IntegrationenUndLinien() {
  TPlot p;
  p.Zeigen(QStringLiteral("0\n1\n2\n3"), QStringLiteral("1\n2\n3\n4"));
  TForm4& f = p.f();
  QTest::mouseClick(f.UpDown1Rechts, Qt::LeftButton);
  QTest::mouseClick(f.UpDown1Rechts, Qt::LeftButton);
  QCOMPARE(f.Label1->text(), QStringLiteral("2 mal integrieren"));
  QCOMPARE(f.Einstellungen().Integrationen, 2);
  for (int i = 0; i < 12; ++i) QTest::mouseClick(f.UpDown1Rechts, Qt::LeftButton);
  QCOMPARE(f.Einstellungen().Integrationen, 9);
  for (int i = 0; i < 20; ++i) QTest::mouseClick(f.UpDown1Links, Qt::LeftButton);
  QCOMPARE(f.Einstellungen().Integrationen, -9);
  QCOMPARE(f.Label1->text(), QStringLiteral("9. Ableitung"));
  // "Schnitt mit Graph" follows the line boxes, not the fit switch.
  Klick(f.CheckBox8);
  QVERIFY(!f.CheckBox17->isEnabled());
  Klick(f.CheckBox8);
  Klick(f.CheckBox3);
  Klick(f.CheckBox8);
  QVERIFY(f.CheckBox17->isEnabled());
  Klick(f.CheckBox3);
  QVERIFY(f.CheckBox17->isEnabled());
  Klick(f.CheckBox9);
  QCOMPARE(f.Einstellungen().LinienAnzahl, 2);
  QCOMPARE(f.Einstellungen().Linien[0].Art, 0);
  QCOMPARE(f.Einstellungen().Linien[1].Art, 1);
  f.hide();
}

void TInteraktionTest::TangenteWieGezeichnet() {
  TPlot p;
  p.Zeigen(QStringLiteral("0\n1\n2\n3\n4\n5"), QStringLiteral("0,1\n1\n3\n2,9\n1,1\n0,2"));
  TForm4& f = p.f();
  Klick(f.CheckBox3);
  f.ComboBox1->setFocus();
  QTest::keyClick(f.ComboBox1, Qt::Key_Down);
  QTest::keyClick(f.ComboBox1, Qt::Key_Down); // Gauss
  f.Edit21->selectAll();
  QTest::keyClicks(f.Edit21, QStringLiteral("2"));
  Klick(f.CheckBox19);
  QVERIFY(f.Einstellungen().Tangente);
  QCOMPARE(f.Einstellungen().TangenteX, 2.0);
  QCOMPARE(f.Lampenzustand(), 1);
  QImage bild(697, 409, QImage::Format_RGB32);
  TQtLeinwand l(bild);
  DiagrammZeichnen(l, TVektor{0, 1, 2, 3, 4, 5}, TVektor{0.1, 1, 3, 2.9, 1.1, 0.2}, {}, {}, f.Einstellungen());
  QCOMPARE(f.Bild(), bild);
  f.hide();
}
