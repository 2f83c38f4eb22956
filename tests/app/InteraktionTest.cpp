#include "AppTestHilfen.h"
#include "AppTests.h"

#include "QtLeinwand.h"
#include "Unit4.h"

#include "core/Zahlformat.h"
#include "fit/Modelle.h"
#include "plot/Diagramm.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>
#include <functional>

namespace {

void Rad(QWidget* w, QPoint wo, int delta) {
  QWheelEvent rad(wo, w->mapToGlobal(wo), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &rad);
}

using TMausaktion = std::function<void(TForm4&)>;

} // namespace

void TFensterTest::MausOhneZeichnung_data() {
  QTest::addColumn<TMausaktion>("aktion");
  QTest::newRow("bewegen") << TMausaktion([](TForm4& f) { QTest::mouseMove(f.Plot, {300, 200}); });
  QTest::newRow("links") << TMausaktion([](TForm4& f) { QTest::mouseClick(f.Plot, Qt::LeftButton, {}, {300, 200}); });
  QTest::newRow("rechts") << TMausaktion([](TForm4& f) { QTest::mouseClick(f.Plot, Qt::RightButton, {}, {5, 5}); });
  QTest::newRow("Rad vor") << TMausaktion([](TForm4& f) { Rad(&f, {300, 200}, 120); });
  QTest::newRow("Rad waagrecht") << TMausaktion([](TForm4& f) { Rad(&f, {300, 200}, 0); });
  QTest::newRow("Kasten") << TMausaktion([](TForm4& f) { f.SpeedButton10->click(); Klick(f.CheckBox23); Klick(f.CheckBox23); });
}

// Before any drawing, and after drawing empty columns, the mapping has no plot area.
void TFensterTest::MausOhneZeichnung() {
  QFETCH(TMausaktion, aktion);
  TTestprogramm p;
  TForm4& f = p.a().Form4();
  QVERIFY(Gezeigt(f));
  aktion(f);
  QVERIFY(std::isfinite(f.Einstellungen().KastenX) && std::isfinite(f.Einstellungen().KastenY));
  QVERIFY(f.Label13->isHidden() && p.meldungen.Texte.isEmpty());
}

// The box, the tracer and the read-out on a line fit; then the tangent of a Gauss fit.
void TFensterTest::KastenTracerUndTangente() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("0\n1\n2\n3\n4"), QStringLiteral("1\n3\n5\n7\n9"));
  Klick(f.CheckBox3); // a line fit
  const TAbbildung a = f.Abbildung();
  const auto kasten = [&] { return QPointF(f.Einstellungen().KastenX, f.Einstellungen().KastenY); };
  const auto welt = [&](TPixel px) { return QPointF(PixelZuWelt(a, px).x, PixelZuWelt(a, px).y); };
  QTest::mouseClick(f.Plot, Qt::LeftButton, {}, {300, 200});
  QCOMPARE(kasten(), welt({300, 200}));
  // One notch forward: one pixel column right, on the curve.
  Rad(&f, {300, 200}, 120);
  const double x = PixelZuWelt(a, {301, 200}).x;
  QCOMPARE(kasten(), QPointF(x, ModellWert(f.Fitergebnis(), x)));
  // A right click puts it off the image; "Kasten" off and on brings it back at (140, 50).
  QTest::mouseClick(f.Plot, Qt::RightButton, {}, {300, 200});
  QVERIFY(!ImBild(a, WeltZuPixel(a, f.Einstellungen().KastenX, f.Einstellungen().KastenY)));
  f.SpeedButton10->click();
  Klick(f.CheckBox23);
  Klick(f.CheckBox23);
  QCOMPARE(kasten(), welt({140, 50}));
  // The read-out follows the mouse.
  QTest::mouseMove(f.Plot, {200, 100});
  QVERIFY(f.Label13->isVisible());
  QCOMPARE(f.Label13->pos(), QPoint(225, 125));
  const QPointF m = welt({200, 100});
  const auto zahl = [&](double w) { return QString::fromStdString(ZahlFormatiert(w, f.Einstellungen().Zahlformat)); };
  QCOMPARE(f.Label13->text(), QStringLiteral("x = %1\ny = %2").arg(zahl(m.x()), zahl(m.y())));
  // A tangent at x = 2 to a Gauss fit of other points, drawn as the renderer draws it.
  const TVektor xs{0, 1, 2, 3, 4, 5}, ys{0.1, 1, 3, 2.9, 1.1, 0.2};
  p.Daten(QStringLiteral("0\n1\n2\n3\n4\n5"), QStringLiteral("0,1\n1\n3\n2,9\n1,1\n0,2"));
  QTest::mouseClick(f.SpeedButton11, Qt::LeftButton); // the fit and the extras again
  Waehlen(f.ComboBox1, 2); // Gauss
  Tippen(f.Edit21, QStringLiteral("2"));
  Klick(f.CheckBox19);
  QVERIFY(f.Einstellungen().Tangente && f.Einstellungen().TangenteX == 2.0 && f.Lampenzustand() == 1);
  QCOMPARE(f.Bild(), Gezeichnet(xs, ys, f.Einstellungen()));
}

void TFensterTest::ZoomGrenzenIntegrationenUndLinien() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("0\n10"), QStringLiteral("0\n5"));
  f.SpeedButton10->click();
  int zeichnungen = f.Zeichnungen();
  Taste(f.TrackBar2, Qt::Key_End);
  QCOMPARE(f.TrackBar2->value(), 10);
  QCOMPARE(f.Zeichnungen(), zeichnungen + 1);
  QCOMPARE(Haken({f.CheckBox4, f.CheckBox5, f.CheckBox6, f.CheckBox7, f.CheckBox21}), QStringLiteral("++++-"));
  QCOMPARE((QStringList{f.Edit8->text(), f.Edit9->text(), f.Edit6->text(), f.Edit7->text()}),
           (QStringList{"-17,1828182845905", "27,1828182845905", "-8,59140914229523", "13,5914091422952"}));
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
  // Thawed, with the mathematical options: up to nine integrations and derivatives, and the marker lines.
  Klick(f.CheckBox21);
  QTest::mouseClick(f.SpeedButton11, Qt::LeftButton);
  for (int i = 0; i < 2; ++i) QTest::mouseClick(f.UpDown1Rechts, Qt::LeftButton);
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
  const TDiagrammEinstellungen& e = f.Einstellungen();
  QCOMPARE((QList<int>{e.LinienAnzahl, e.Linien[0].Art, e.Linien[1].Art}), (QList<int>{2, 0, 1}));
}

void TFensterTest::ZoomJenseitsDesBereichs() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("-1e308\n1e308"), QStringLiteral("0\n1"));
  f.SpeedButton10->click();
  Taste(f.TrackBar2, Qt::Key_End);
  QCOMPARE(p.meldungen.Fehlertexte, QStringList{QStringLiteral("Gleitkommaüberlauf")});
  QCOMPARE(f.Edit8->text(), QStringLiteral("0"));
  QVERIFY(!f.CheckBox6->isChecked() && !f.CheckBox21->isChecked());
  const int zeichnungen = f.Zeichnungen();
  Klick(f.CheckBox1);
  QCOMPARE(f.Zeichnungen(), zeichnungen + 1);
}
