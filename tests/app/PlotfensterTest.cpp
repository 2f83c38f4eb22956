#include "AppTestHilfen.h"
#include "AppTests.h"

#include "QtLeinwand.h"
#include "Unit4.h"
#include "Unit7.h"

#include "core/Zahltext.h"
#include "fit/Startwerte.h"
#include "plot/Diagramm.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>
#include <functional>
#include <tuple>

namespace {

QString Zelle(const TForm4& p, int zeile) { return p.StringGrid1->item(zeile, 1)->text(); }

using TAktion = std::function<void(TForm4&)>;
using TPruefung = std::function<bool(const TDiagrammEinstellungen&)>;

} // namespace

// Every control as created, in one program: its name, caption, hint and state ("an": ticked,
// "gesperrt": disabled, "verborgen": hidden).
void TFensterTest::Anfangszustand() {
  TTestprogramm p;
  TForm4& f = p.a().Form4();
  QVERIFY(!f.isVisible() && f.Zeichnungen() == 0);
  const char* const zeilen[][4] = {
      {"CheckBox1", "Verbinden"}, {"CheckBox14", "Aus", "Ob die Punkte ausgestellt werden sollen"}, {"Edit22", "4"},
      {"CheckBox2", "Beschriftung", "Die Achsen anzeigen?", "an"}, {"CheckBox10", "Skala", "Skalen anzeigen?", "an"},
      {"CheckBox25", "Gl.m.", "", "an"}, {"CheckBox26", "Linie", "", "an"}, {"Edit20", "3", "Kommastellen der X-Achse"},
      {"Edit23", "3", "Kommastellen der Y-Achse"}, {"Edit24", "4", "Kommastellen beim Fit"}, {"CheckBox16", "Fehlerbalken"},
      {"Edit1", "X"}, {"Edit2", "Y"}, {"Edit3", "x"}, {"Edit4", "y"}, {"Edit5", "z"},
      {"Edit17", "", "Links unten im Bild erscheint eine Markierung"}, {"CheckBox20", "Formel", "Anzeige der Formel für den Fit", "an"},
      {"CheckBox23", "Kasten", "Anzeige des Fit im Kasten", "an"},
      {"CheckBox24", "Chi", "q² gibt den durchschnittlichen quadratischen Abstand eines Punktes zur Fit-Funktion an", "an"},
      {"SpeedButton5", "Farbe"}, {"SpeedButton1", "Optionen an/aus"}, {"SpeedButton6", "Funktionsinfo", "Mathematische Informationen anzeigen"},
      {"SpeedButton10", "Grafik", "Grafische Optionen"}, {"SpeedButton11", "Mathematik", "Mathematische Optionen"},
      {"CheckBox21", "Bild einfrieren"}, {"Label12", "28ms", "So schnell wurde das Bild erstellt"},
      {"Image1", "", "Hat der Fit funktioniert?"}, {"SpeedButton4", "In die Zwischenablage kopieren"},
      {"SpeedButton3", "Speichern", "Als Bitmap abspeichern"}, {"CheckBox15", "Jpeg"}, {"Label13", "X:0 Y:0", "", "verborgen"},
      {"Label18", "Auswahl"}, {"CheckBox3", "Fit"}, {"Label11", "f(x) = a + b * x", "", "verborgen"}, {"Label4", "Schritte"},
      {"SpeedButton2", "+", "Eine Iteration hinzufügen"}, {"SpeedButton8", "100"}, {"Label3", "%"},
      {"CheckBox13", "Ausreißerelimination", "", "gesperrt"}, {"Edit15", "100", "", "gesperrt"},
      {"SpeedButton7", "Init", "Setze passende Startwerte für die Koeffizienten"},
      {"SpeedButton9", "Best", "Finde die beste Fit-Funktion durch die Punkte"},
      {"SpeedButton12", "Get", "Hole dir die Koeffizienten des aktuellen Fit als Startwerte"},
      {"Label8", "Fehler:"}, {"Label6", "dX"}, {"Label7", "dY"}, {"Edit18", "0,0"}, {"Edit19", "0,0"},
      {"CheckBox11", "log x", "X-Werte logarithmieren"}, {"CheckBox22", "log y", "Y-Werte logarithmieren"},
      {"CheckBox12", "Variation", "X- und Y-Werte mit Zehnerpotenzen multiplizieren"},
      {"CheckBox19", "Tangente an", "Tangente an die Fitkurve legen", "gesperrt"},
      {"Edit21", "1,0", "Wo soll die Tangente angelegt werden"}, {"CheckBox8", "Vertikale"}, {"CheckBox9", "Horizontale"},
      {"CheckBox17", "Schnitt mit Graph", "", "gesperrt"}};
  for (const auto& z : zeilen) {
    const QWidget* w = f.findChild<QWidget*>(QString::fromUtf8(z[0]));
    QVERIFY2(w, z[0]);
    const auto* kasten = qobject_cast<const QCheckBox*>(w);
    const QString zustand = QLatin1String(kasten && kasten->isChecked() ? "an" : "") +
                            QLatin1String(w->isEnabled() ? "" : "gesperrt") + QLatin1String(w->isHidden() ? "verborgen" : "");
    // One text per control, so that a failure names it.
    const QString ist = QStringList{z[0], w->property("text").toString(), w->toolTip(), zustand}.join(QStringLiteral(" | "));
    QCOMPARE(ist, QStringList({z[0], z[1], z[2], z[3]}).join(QStringLiteral(" | ")));
  }
}

void TFensterTest::PlotknopfEinfrierenUndNormalisieren() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("1\n2\n3\n4"), QStringLiteral("2\n3\n5\n4"));
  QCOMPARE(f.Lampenzustand(), 1);
  QVERIFY(QRegularExpression(QStringLiteral("^\\d+(,\\d)?(ms|s|m)$")).match(f.Label12->text()).hasMatch());
  // Showing the window put the box off the image.
  QVERIFY(!ImBild(f.Abbildung(), WeltZuPixel(f.Abbildung(), f.Einstellungen().KastenX, f.Einstellungen().KastenY)));
  // The record of the control defaults, written out by hand; the box where showing moved it.
  const TDiagrammEinstellungen r{.Fit = {.Prozent = 100}, .Zahlformat = {4, 4, false}, .FitParameter = {10, 100, 1e-9},
                                 .TangenteX = 1, .Formel = true, .Zeichendicke = 0, .KastenX = f.Einstellungen().KastenX,
                                 .KastenY = f.Einstellungen().KastenY, .LogBasisX = 0, .LogBasisY = 0};
  const QImage bild = Gezeichnet(TVektor{1, 2, 3, 4}, TVektor{2, 3, 5, 4}, r);
  QCOMPARE(f.Bild(), bild);
  QVERIFY(p.meldungen.Texte.isEmpty());
  // Frozen, the picture stays while changes gather; thawing draws them once.
  f.SpeedButton10->click(); // the display options
  Klick(f.CheckBox21);
  const int vorher = f.Zeichnungen();
  for (QCheckBox* kasten : {f.CheckBox1, f.CheckBox14}) Klick(kasten);
  Tippen(f.Edit1, QStringLiteral("Zeit"));
  QCOMPARE(f.Zeichnungen(), vorher);
  QCOMPARE(f.Bild(), bild);
  Klick(f.CheckBox21);
  QCOMPARE(f.Zeichnungen(), vorher + 1);
  QVERIFY(f.Einstellungen().Verbinden && f.Einstellungen().PunkteAus);
  QCOMPARE(f.Einstellungen().AchseX, std::string("Zeit"));
  // The plot button on new columns: they are normalised where the drawing reads them.
  p.a().Form1().Memo3->setPlainText(QStringLiteral("0.5"));
  p.Plotten(QStringLiteral("1.5\n\n3"), QStringLiteral("2\n4\n\n"));
  QCOMPARE(Spalten(p.a().Form1()).mid(0, 3), (QStringList{"1,5\n0\n3", "2\n4\n0", "0.5"}));
  QTest::mouseClick(f.SpeedButton11, Qt::LeftButton); // the fit group again
  Waehlen(f.ComboBox2, 3); // "XY-Individuell" reads columns 3 and 4 too
  QCOMPARE(Spalte(p.a().Form1(), 3), QStringLiteral("0,5"));
}

void TFensterTest::FehlschlagZeigtLampeUndHilfen() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("1\n2\n3"), QStringLiteral("1\n2\n3"));
  Klick(f.CheckBox3);
  QCOMPARE(f.Fitergebnis().Modell, 1);
  p.a().Form1().Memo1->setPlainText(QStringLiteral("1\n1\n1"));
  f.Plotten(); // a line through three points with one x: the fit faults
  QVERIFY(f.Lampenzustand() == 0 && f.Fitergebnis().Modell == 0 && p.meldungen.Texte.isEmpty());
  QVERIFY(f.Label14->isVisible() && f.Label15->isVisible());
  QVERIFY(f.Label14->text().contains(QStringLiteral("Minimum gefunden wird,")));
  QTest::mouseClick(f.Label14, Qt::LeftButton);
  QVERIFY(f.Label14->isHidden() && f.Label15->isHidden());
  QTest::mouseClick(f.Image1, Qt::LeftButton);
  QVERIFY(f.Label14->isVisible() && f.Label15->isHidden());
  Klick(f.CheckBox3); // the next drawing, without the fit, succeeds
  QVERIFY(f.Lampenzustand() == 1 && f.Label14->isHidden());
  Klick(f.CheckBox3);
  // Help texts off: the lamp alone.
  p.a().Form7().CheckBox2->setChecked(false);
  f.Plotten();
  QVERIFY(f.Lampenzustand() == 0 && f.Label14->isHidden() && f.Label15->isHidden());
}

void TFensterTest::LeereSpalteZweiMitKasten() {
  TTestprogramm p;
  p.Daten(QStringLiteral("1\n2\n3"), QString());
  QTest::mouseClick(p.a().Form1().Button10, Qt::LeftButton); // refuses: no pairs
  TForm4& f = p.a().Form4();
  f.show();
  Klick(f.CheckBox3);
  Waehlen(f.ComboBox1, 2); // Gauss
  QCOMPARE(f.Lampenzustand(), 0);
  QVERIFY(std::isfinite(f.Einstellungen().KastenX) && std::isfinite(f.Einstellungen().KastenY));
}

void TFensterTest::FelderImDatensatz_data() {
  QTest::addColumn<TAktion>("aktion");
  QTest::addColumn<TPruefung>("pruefung");
  const auto zeile = [](const char* name, TAktion a, TPruefung pr) { QTest::newRow(name) << a << pr; };
  zeile("Skala", [](TForm4& f) { Klick(f.CheckBox10); }, [](auto& e) { return e.OhneSkala; });
  zeile("Gl.m.", [](TForm4& f) { Klick(f.CheckBox25); }, [](auto& e) { return e.Zusatz == ZusatzGitter; });
  zeile("Chi", [](TForm4& f) { Klick(f.CheckBox24); }, [](auto& e) { return !e.Chi; });
  zeile("Stellen kein Ganzes", [](TForm4& f) { Tippen(f.Edit22, QStringLiteral("x")); }, [](auto& e) { return e.Zahlformat.Stellen == 3; });
  zeile("Kommastellen x", [](TForm4& f) { Tippen(f.Edit20, QStringLiteral("5")); }, [](auto& e) { return e.KommastellenX == 5; });
  zeile("Mark", [](TForm4& f) { Tippen(f.Edit17, QStringLiteral("A")); }, [](auto& e) { return e.Markierung == "A"; });
  zeile("Name z", [](TForm4& f) { Tippen(f.Edit5, QStringLiteral("w")); }, [](auto& e) { return e.Namen.Z == "w"; });
  zeile("Zeichendicke", [](TForm4& f) { Taste(f.TrackBar1, Qt::Key_Right); }, [](auto& e) { return e.Zeichendicke == 1; });
  zeile("dX mit Vorzeichen", [](TForm4& f) { Tippen(f.Edit18, QStringLiteral("-2")); }, [](auto& e) { return e.Fit.DX == 2 && e.Fehlerbalken; });
  zeile("log x mit 10", [](TForm4& f) { Klick(f.CheckBox11); Waehlen(f.ComboBox3, 2); },
        [](auto& e) { return e.LogBasisX == 10 && e.LogBasisY == 0; });
  zeile("log y mit e", [](TForm4& f) { Klick(f.CheckBox22); }, [](auto& e) { return e.LogBasisY == std::exp(1.0); });
  zeile("Variation", [](TForm4& f) { Klick(f.CheckBox12); }, [](auto& e) { return e.Variation; });
  zeile("Vertikale", [](TForm4& f) { Klick(f.CheckBox8); Tippen(f.Edit12, QStringLiteral("2")); },
        [](auto& e) { return e.LinienAnzahl == 1 && e.Linien[0].Wert == 2 && e.Linien[0].Text == "x"; });
  zeile("Xmax", [](TForm4& f) { Klick(f.CheckBox7); Tippen(f.Edit9, QStringLiteral("2,5")); },
        [](auto& e) { return e.XmaxAn && e.Xmax == 2.5; });
  zeile("Schritte", [](TForm4& f) { Tippen(f.Edit16, QStringLiteral("7")); }, [](auto& e) { return e.FitParameter.MaxSchritte == 7; });
}

void TFensterTest::FelderImDatensatz() {
  QFETCH(TAktion, aktion);
  QFETCH(TPruefung, pruefung);
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("1\n2\n3"), QStringLiteral("1\n4\n9"));
  f.SpeedButton10->click();
  aktion(f);
  QVERIFY(pruefung(f.Einstellungen()));
}

void TFensterTest::FarbeSpeichernUndKopieren() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("1\n2"), QStringLiteral("1\n4"));
  f.SpeedButton10->click();
  p.dialoge.Farben << QColor(0x12, 0x34, 0x56);
  QTest::mouseClick(f.SpeedButton5, Qt::LeftButton);
  QCOMPARE(f.Einstellungen().Farbe, 0x00563412u);
  QCOMPARE(p.dialoge.Farbfragen.value(0), QColor(Qt::red));
  const int zeichnungen = f.Zeichnungen();
  QTest::mouseClick(f.SpeedButton5, Qt::LeftButton); // cancelled
  QCOMPARE(f.Zeichnungen(), zeichnungen);
  QCOMPARE(f.Einstellungen().Farbe, 0x00563412u);
  // Saving: the extension is appended whatever the name ends in; a folder in the way faults.
  Klick(f.CheckBox15);
  p.dialoge.Namen << p.Pfad(QStringLiteral("bild"));
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
  QCOMPARE(p.dialoge.Fragen.value(0).filter, QStringLiteral("JPEG (*.jpg)"));
  QVERIFY(p.Lesen(QStringLiteral("bild.jpg")).startsWith("\xFF\xD8\xFF"));
  Klick(f.CheckBox15);
  p.dialoge.Namen << p.Pfad(QStringLiteral("bild.jpg"));
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
  QVERIFY(p.Lesen(QStringLiteral("bild.jpg.bmp")).startsWith("BM"));
  QDir().mkpath(p.Pfad(QStringLiteral("ordner.bmp")));
  p.dialoge.Namen << p.Pfad(QStringLiteral("ordner"));
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
  QCOMPARE(p.meldungen.Fehlertexte.size(), 1);
  QTest::mouseClick(f.SpeedButton4, Qt::LeftButton);
  QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), f.Bild());
}

// The group buttons, and the handlers that need a drawing when nothing could be drawn yet.
void TFensterTest::GruppenknoepfeOhneZeichnung() {
  TTestprogramm p;
  TForm4& f = p.a().Form4();
  const auto sichtbar = [&] {
    QString s;
    for (QGroupBox* g : {f.GroupBox1, f.GroupBox2, f.GroupBox3, f.GroupBox4, f.GroupBox5}) s += g->isHidden() ? '-' : '+';
    return s;
  };
  QCOMPARE(sichtbar(), QStringLiteral("+-+-+")); // fit and extras at first
  QVERIFY(Gezeigt(f));
  QTest::mouseClick(f.SpeedButton10, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("-+-++"));
  Klick(f.CheckBox23);
  QTest::mouseClick(f.SpeedButton11, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("+-+-+"));
  Klick(f.CheckBox3);
  Klick(f.CheckBox11);
  QVERIFY(std::isfinite(f.Einstellungen().KastenX) && std::isfinite(f.Einstellungen().KastenY) && p.meldungen.Texte.isEmpty());
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("----+"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("-+-++"));
}

void TFensterTest::FitsteuerungUndStartwerte() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("0\n1\n2\n3"), QStringLiteral("1\n3\n5\n7"));
  Klick(f.CheckBox3); // a line fit: y = 1 + 2x
  const int zeichnungen = f.Zeichnungen();
  QTest::mouseClick(f.SpeedButton12, Qt::LeftButton); // "Get"
  QCOMPARE(f.Zeichnungen(), zeichnungen);
  QCOMPARE((QStringList{Zelle(f, 1), Zelle(f, 2), Zelle(f, 3)}), (QStringList{"2", "1", "1,00"}));
  // Typing into a cell redraws with each key, the cell's new text already in the record.
  const QPoint zelle = f.StringGrid1->visualItemRect(f.StringGrid1->item(1, 1)).center();
  QTest::mouseDClick(f.StringGrid1->viewport(), Qt::LeftButton, {}, zelle);
  QVERIFY(QApplication::focusWidget());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
  QCOMPARE(f.Einstellungen().Fit.Startwerte[0], 5.0);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
  QCOMPARE(f.Einstellungen().Fit.Startwerte[0], 57.0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  // Gauss: its four coefficients in the fixed list, its formula shown.
  Waehlen(f.ComboBox1, 2);
  QCOMPARE(f.CheckListBox1->count(), 4);
  for (int i = 0; i < 4; ++i) QCOMPARE(f.CheckListBox1->item(i)->text(), QString(QChar(u'a' + i)) + QStringLiteral(": Fix"));
  QCOMPARE(f.Label11->text(), QStringLiteral("y = d + a * exp(- (x - b)² / c)"));
  QVERIFY(f.Label11->isVisible());
  QCOMPARE(f.Einstellungen().Fit.Modell, 3);
  // "Init": eight rows of the estimate, "Startwerte:" stays unticked.
  QTest::mouseClick(f.SpeedButton7, Qt::LeftButton);
  const TKoeffizienten k = StartwerteSchaetzen(TVektor{0, 1, 2, 3}, TVektor{1, 3, 5, 7}, 3, {});
  for (int i = 0; i < 8; ++i) QCOMPARE(Zelle(f, i + 1), QString::fromStdString(ZahlAlsText(k.Werte[static_cast<std::size_t>(i)])));
  QVERIFY(!f.CheckBox18->isChecked());
  // Steps 0 with typed start values: the result is the grid's values.
  Tippen(f.Edit16, QStringLiteral("0"));
  QTest::mouseClick(f.StringGrid1->viewport(), Qt::LeftButton, {}, zelle);
  QVERIFY(f.CheckBox18->isChecked());
  const auto& werte = f.Fitergebnis().Koeffizienten.Werte;
  QCOMPARE((std::pair{werte[0], werte[2]}), (std::pair{k.Werte[0], k.Werte[2]}));
  // "+" and "100": the steps typed, the button, the steps then.
  const std::tuple<const char*, QPushButton*, const char*> schritte[] = {
      {"100", f.SpeedButton2, "101"}, {"100", f.SpeedButton8, "200"}, {"abc", f.SpeedButton2, "1"},
      {"2147483647", f.SpeedButton2, "2147483648"}};
  for (const auto& [vorher, knopf, nachher] : schritte) {
    Tippen(f.Edit16, QString::fromLatin1(vorher));
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(f.Edit16->text(), QString::fromLatin1(nachher));
  }
  QCOMPARE(f.Einstellungen().FitParameter.MaxSchritte, 100);
  // Fit off: no model, no formula, no fixed list.
  Klick(f.CheckBox3);
  QCOMPARE(f.Einstellungen().Fit.Modell, 0);
  QVERIFY(f.Label11->isHidden() && f.CheckListBox1->count() == 0);
}

void TFensterTest::BestUndFehlerarten() {
  TTestprogramm p;
  TForm4& f = p.Plotten(QStringLiteral("0\n1\n2\n3\n4"), QStringLiteral("1\n3\n5\n7\n9"));
  Klick(f.CheckBox18);
  QTest::mouseClick(f.SpeedButton9, Qt::LeftButton);
  QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Lineare Regression"));
  QVERIFY(f.CheckBox3->isChecked() && !f.CheckBox18->isChecked());
  // Ticking "Fit" brought the box (off the image since the window was shown) back into it.
  const TAbbildung a = f.Abbildung();
  QVERIFY(ImBild(a, WeltZuPixel(a, f.Einstellungen().KastenX, f.Einstellungen().KastenY)));
  // Every model faults on values at the edge of the range: no entry, no message.
  p.Daten(QStringLiteral("1e308\n1e308"), QStringLiteral("1e308\n-1e308"));
  QTest::mouseClick(f.SpeedButton9, Qt::LeftButton);
  QCOMPARE(f.ComboBox1->currentIndex(), -1);
  QVERIFY(f.CheckBox3->isChecked() && p.meldungen.Texte.isEmpty());
  // "Wurzel" sets the errors and ticks the error bars.
  Waehlen(f.ComboBox2, 2);
  QCOMPARE((QStringList{f.Edit18->text(), f.Edit19->text()}), (QStringList{"0", "+1"}));
  QVERIFY(f.CheckBox16->isChecked());
}
