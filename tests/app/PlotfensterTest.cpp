#include "AppTestHilfen.h"
#include "AppTests.h"

#include "QtLeinwand.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Unit7.h"

#include "core/Zahltext.h"
#include "fit/Startwerte.h"
#include "plot/Diagramm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <functional>

namespace {

// A program with data in columns 1 and 2 and its plot window shown through the plot button.
struct TPlotprogramm : TTestprogramm {
  TForm4& plot() { return a().Form4(); }
  TForm1& haupt() { return a().Form1(); }
  void Daten(const QString& x, const QString& y) {
    haupt().Memo1->setPlainText(x);
    haupt().Memo2->setPlainText(y);
  }
  void Zeigen() {
    QTest::mouseClick(haupt().Button10, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&plot()));
  }
};

void Klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2)); }

void Tippen(QLineEdit* feld, const QString& text) {
  feld->selectAll();
  QTest::keyClicks(feld, text);
}

// A list position chosen with the keyboard, as a user would.
void Waehlen(QComboBox* liste, int position) {
  liste->setFocus();
  while (liste->currentIndex() < position) QTest::keyClick(liste, Qt::Key_Down);
  while (liste->currentIndex() > position) QTest::keyClick(liste, Qt::Key_Up);
}


QString Zelle(const TForm4& p, int zeile) { return p.StringGrid1->item(zeile, 1)->text(); }

} // namespace

void TPlotfensterTest::Anfangszustand_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("hinweis");
  QTest::addColumn<bool>("an");       // ticked, for check boxes
  QTest::addColumn<bool>("frei");     // enabled
  QTest::addColumn<bool>("sichtbar"); // not hidden
  const auto zeile = [](const char* name, const char* text, const char* hinweis = "", bool an = false,
                        bool frei = true, bool sichtbar = true) {
    QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(text) << QString::fromUtf8(hinweis) << an
                        << frei << sichtbar;
  };
  zeile("CheckBox1", "Verbinden");
  zeile("CheckBox14", "Aus", "Ob die Punkte ausgestellt werden sollen");
  zeile("CheckBox2", "Beschriftung", "Die Achsen anzeigen?", true);
  zeile("CheckBox10", "Skala", "Skalen anzeigen?", true);
  zeile("CheckBox25", "Gl.m.", "", true);
  zeile("CheckBox26", "Linie", "", true);
  zeile("Edit22", "4");
  zeile("Edit20", "3", "Kommastellen der X-Achse");
  zeile("Edit23", "3", "Kommastellen der Y-Achse");
  zeile("Edit24", "4", "Kommastellen beim Fit");
  zeile("CheckBox16", "Fehlerbalken");
  zeile("Edit1", "X");
  zeile("Edit2", "Y");
  zeile("Edit3", "x");
  zeile("Edit4", "y");
  zeile("Edit5", "z");
  zeile("Edit17", "", "Links unten im Bild erscheint eine Markierung");
  zeile("CheckBox20", "Formel", "Anzeige der Formel für den Fit", true);
  zeile("CheckBox23", "Kasten", "Anzeige des Fit im Kasten", true);
  zeile("CheckBox24", "Chi", "q² gibt den durchschnittlichen quadratischen Abstand eines Punktes zur Fit-Funktion an", true);
  zeile("SpeedButton5", "Farbe");
  zeile("SpeedButton1", "Optionen an/aus");
  zeile("SpeedButton6", "Funktionsinfo", "Mathematische Informationen anzeigen");
  zeile("SpeedButton10", "Grafik", "Grafische Optionen");
  zeile("SpeedButton11", "Mathematik", "Mathematische Optionen");
  zeile("CheckBox21", "Bild einfrieren");
  zeile("Label12", "28ms", "So schnell wurde das Bild erstellt");
  zeile("Image1", "", "Hat der Fit funktioniert?");
  zeile("SpeedButton4", "In die Zwischenablage kopieren");
  zeile("SpeedButton3", "Speichern", "Als Bitmap abspeichern");
  zeile("CheckBox15", "Jpeg");
  zeile("Label13", "X:0 Y:0", "", false, true, false);
  zeile("Label18", "Auswahl");
  zeile("CheckBox3", "Fit");
  zeile("Label11", "f(x) = a + b * x", "", false, true, false);
  zeile("Label4", "Schritte");
  zeile("SpeedButton2", "+", "Eine Iteration hinzufügen");
  zeile("SpeedButton8", "100");
  zeile("CheckBox13", "Ausreißerelimination", "", false, false);
  zeile("Edit15", "100", "", false, false);
  zeile("Label3", "%");
  zeile("SpeedButton7", "Init", "Setze passende Startwerte für die Koeffizienten");
  zeile("SpeedButton9", "Best", "Finde die beste Fit-Funktion durch die Punkte");
  zeile("SpeedButton12", "Get", "Hole dir die Koeffizienten des aktuellen Fit als Startwerte");
  zeile("Label8", "Fehler:");
  zeile("Label6", "dX");
  zeile("Label7", "dY");
  zeile("Edit18", "0,0");
  zeile("Edit19", "0,0");
  zeile("CheckBox11", "log x", "X-Werte logarithmieren");
  zeile("CheckBox22", "log y", "Y-Werte logarithmieren");
  zeile("CheckBox12", "Variation", "X- und Y-Werte mit Zehnerpotenzen multiplizieren");
  zeile("CheckBox19", "Tangente an", "Tangente an die Fitkurve legen", false, false);
  zeile("Edit21", "1,0", "Wo soll die Tangente angelegt werden");
  zeile("CheckBox8", "Vertikale");
  zeile("CheckBox9", "Horizontale");
  zeile("CheckBox17", "Schnitt mit Graph", "", false, false);
}

void TPlotfensterTest::Anfangszustand() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QString, hinweis);
  QFETCH(bool, an);
  QFETCH(bool, frei);
  QFETCH(bool, sichtbar);
  TPlotprogramm p;
  TForm4& f = p.plot();
  QVERIFY(!f.isVisible());
  QCOMPARE(f.Zeichnungen(), 0);
  QCOMPARE(f.windowTitle(), QStringLiteral("Plot Spalte 2 gegen Spalte 1"));
  auto* w = f.findChild<QWidget*>(name);
  QVERIFY2(w, qPrintable(name));
  const QVariant t = w->property("text");
  if (!text.isEmpty() || t.isValid()) QCOMPARE(t.toString(), text);
  QCOMPARE(w->toolTip(), hinweis);
  if (auto* kasten = qobject_cast<QCheckBox*>(w)) QCOMPARE(kasten->isChecked(), an);
  QCOMPARE(w->isEnabled(), frei);
  QCOMPARE(!w->isHidden(), sichtbar);
}

void TPlotfensterTest::PlotknopfZeichnetWieDerRenderer() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2\n3\n4"), QStringLiteral("2\n3\n5\n4"));
  p.Zeigen();
  TForm4& f = p.plot();
  QCOMPARE(f.Lampenzustand(), 1);
  QVERIFY(QRegularExpression(QStringLiteral("^\\d+(,\\d)?(ms|s|m)$")).match(f.Label12->text()).hasMatch());
  // Showing the window put the box off the image.
  QVERIFY(!ImBild(f.Abbildung(), WeltZuPixel(f.Abbildung(), f.Einstellungen().KastenX, f.Einstellungen().KastenY)));
  // The record of the control defaults, written out by hand.
  TDiagrammEinstellungen r;
  r.Zahlformat = {4, 4, false};
  r.FitParameter = {10, 100, 1e-9};
  r.Fit.Prozent = 100;
  r.TangenteX = 1;
  r.Formel = true;
  r.Zeichendicke = 0;
  r.LogBasisX = r.LogBasisY = 0;
  r.KastenX = f.Einstellungen().KastenX; // moved off the image when the window was shown
  r.KastenY = f.Einstellungen().KastenY;
  QImage bild(697, 409, QImage::Format_RGB32);
  TQtLeinwand l(bild);
  DiagrammZeichnen(l, TVektor{1, 2, 3, 4}, TVektor{2, 3, 5, 4}, {}, {}, r);
  QCOMPARE(f.Bild(), bild);
  QVERIFY(p.meldungen.Texte.isEmpty());
  f.hide();
}

void TPlotfensterTest::SpaltenWerdenNormalisiert() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1.5\n\n3"), QStringLiteral("2\n4\n"));
  p.haupt().Memo2->setPlainText(QStringLiteral("2\n4\n\n"));
  p.haupt().Memo3->setPlainText(QStringLiteral("0.5"));
  p.Zeigen();
  QCOMPARE(Spalte(p.haupt(), 1), QStringLiteral("1,5\n0\n3"));
  QCOMPARE(Spalte(p.haupt(), 2), QStringLiteral("2\n4\n0"));
  QCOMPARE(Spalte(p.haupt(), 3), QStringLiteral("0.5"));
  Waehlen(p.plot().ComboBox2, 3); // "XY-Individuell" reads columns 3 and 4 too
  QCOMPARE(Spalte(p.haupt(), 3), QStringLiteral("0,5"));
  p.plot().hide();
}

void TPlotfensterTest::EinfrierenSammeltAenderungen() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2\n3"), QStringLiteral("1\n4\n9"));
  p.Zeigen();
  TForm4& f = p.plot();
  f.SpeedButton10->click(); // the display options
  Klick(f.CheckBox21);
  const int vorher = f.Zeichnungen();
  const QImage bild = f.Bild();
  Klick(f.CheckBox1);
  Klick(f.CheckBox14);
  Tippen(f.Edit1, QStringLiteral("Zeit"));
  QCOMPARE(f.Zeichnungen(), vorher);
  QCOMPARE(f.Bild(), bild);
  Klick(f.CheckBox21);
  QCOMPARE(f.Zeichnungen(), vorher + 1);
  QVERIFY(f.Einstellungen().Verbinden && f.Einstellungen().PunkteAus);
  QCOMPARE(f.Einstellungen().AchseX, std::string("Zeit"));
  f.hide();
}

void TPlotfensterTest::FehlschlagZeigtLampeUndHilfen() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2\n3"), QStringLiteral("1\n2\n3"));
  p.Zeigen();
  TForm4& f = p.plot();
  Klick(f.CheckBox3);
  QCOMPARE(f.Fitergebnis().Modell, 1);
  p.haupt().Memo1->setPlainText(QStringLiteral("1\n1\n1"));
  f.Plotten(); // a line through three points with one x: the fit faults
  QCOMPARE(f.Lampenzustand(), 0);
  QCOMPARE(f.Fitergebnis().Modell, 0);
  QVERIFY(p.meldungen.Texte.isEmpty());
  QVERIFY(f.Label14->isVisible() && f.Label15->isVisible());
  QVERIFY(f.Label14->text().contains(QStringLiteral("Minimum gefunden wird,")));
  QTest::mouseClick(f.Label14, Qt::LeftButton);
  QVERIFY(f.Label14->isHidden() && f.Label15->isHidden());
  QTest::mouseClick(f.Image1, Qt::LeftButton);
  QVERIFY(f.Label14->isVisible() && f.Label15->isHidden());
  Klick(f.CheckBox3); // the next drawing, without the fit, succeeds
  QCOMPARE(f.Lampenzustand(), 1);
  QVERIFY(f.Label14->isHidden());
  Klick(f.CheckBox3);
  // Help texts off: the lamp alone.
  p.a().Form7().CheckBox2->setChecked(false);
  f.Plotten();
  QCOMPARE(f.Lampenzustand(), 0);
  QVERIFY(f.Label14->isHidden() && f.Label15->isHidden());
  f.hide();
}

void TPlotfensterTest::LeereSpalteZweiMitKasten() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2\n3"), QString());
  QTest::mouseClick(p.haupt().Button10, Qt::LeftButton); // refuses: no pairs
  TForm4& f = p.plot();
  f.show();
  Klick(f.CheckBox3);
  Waehlen(f.ComboBox1, 2); // Gauss
  QCOMPARE(f.Lampenzustand(), 0);
  QVERIFY(std::isfinite(f.Einstellungen().KastenX) && std::isfinite(f.Einstellungen().KastenY));
  f.hide();
}

void TPlotfensterTest::FelderImDatensatz_data() {
  using TAktion = std::function<void(TForm4&)>;
  using TPruefung = std::function<bool(const TDiagrammEinstellungen&)>;
  QTest::addColumn<TAktion>("aktion");
  QTest::addColumn<TPruefung>("pruefung");
  const auto zeile = [](const char* name, TAktion a, TPruefung pr) { QTest::newRow(name) << a << pr; };
  zeile("Verbinden", [](TForm4& f) { Klick(f.CheckBox1); }, [](auto& e) { return e.Verbinden; });
  zeile("Skala", [](TForm4& f) { Klick(f.CheckBox10); }, [](auto& e) { return e.OhneSkala; });
  zeile("Gl.m.", [](TForm4& f) { Klick(f.CheckBox25); }, [](auto& e) { return e.Zusatz == ZusatzGitter; });
  zeile("Chi", [](TForm4& f) { Klick(f.CheckBox24); }, [](auto& e) { return !e.Chi; });
  zeile("Stellen kein Ganzes", [](TForm4& f) { Tippen(f.Edit22, QStringLiteral("x")); },
        [](auto& e) { return e.Zahlformat.Stellen == 3; });
  zeile("Kommastellen x", [](TForm4& f) { Tippen(f.Edit20, QStringLiteral("5")); }, [](auto& e) { return e.KommastellenX == 5; });
  zeile("Mark", [](TForm4& f) { Tippen(f.Edit17, QStringLiteral("A")); }, [](auto& e) { return e.Markierung == "A"; });
  zeile("Name z", [](TForm4& f) { Tippen(f.Edit5, QStringLiteral("w")); }, [](auto& e) { return e.Namen.Z == "w"; });
  zeile("Zeichendicke", [](TForm4& f) { f.TrackBar1->setFocus(); QTest::keyClick(f.TrackBar1, Qt::Key_Right); },
        [](auto& e) { return e.Zeichendicke == 1; });
  zeile("dX mit Vorzeichen", [](TForm4& f) { Tippen(f.Edit18, QStringLiteral("-2")); },
        [](auto& e) { return e.Fit.DX == 2 && e.Fehlerbalken; });
  zeile("log x mit 10", [](TForm4& f) { Klick(f.CheckBox11); Waehlen(f.ComboBox3, 2); },
        [](auto& e) { return e.LogBasisX == 10 && e.LogBasisY == 0; });
  zeile("log y mit e", [](TForm4& f) { Klick(f.CheckBox22); }, [](auto& e) { return e.LogBasisY == std::exp(1.0); });
  zeile("Variation", [](TForm4& f) { Klick(f.CheckBox12); }, [](auto& e) { return e.Variation; });
  zeile("Vertikale", [](TForm4& f) { Klick(f.CheckBox8); Tippen(f.Edit12, QStringLiteral("2")); },
        [](auto& e) { return e.LinienAnzahl == 1 && e.Linien[0].Wert == 2 && e.Linien[0].Text == "x"; });
  zeile("Schritte", [](TForm4& f) { Tippen(f.Edit16, QStringLiteral("7")); },
        [](auto& e) { return e.FitParameter.MaxSchritte == 7; });
}

void TPlotfensterTest::FelderImDatensatz() {
  using TAktion = std::function<void(TForm4&)>;
  using TPruefung = std::function<bool(const TDiagrammEinstellungen&)>;
  QFETCH(TAktion, aktion);
  QFETCH(TPruefung, pruefung);
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2\n3"), QStringLiteral("1\n4\n9"));
  p.Zeigen();
  TForm4& f = p.plot();
  f.SpeedButton10->click();
  aktion(f);
  QVERIFY(pruefung(f.Einstellungen()));
  f.hide();
}

void TPlotfensterTest::FarbeUeberDenDialog() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2"), QStringLiteral("1\n4"));
  p.Zeigen();
  TForm4& f = p.plot();
  f.SpeedButton10->click();
  p.dialoge.Farben << QColor(0x12, 0x34, 0x56);
  QTest::mouseClick(f.SpeedButton5, Qt::LeftButton);
  QCOMPARE(f.Einstellungen().Farbe, 0x00563412u);
  QCOMPARE(p.dialoge.Farbfragen.value(0), QColor(Qt::red));
  const int zeichnungen = f.Zeichnungen();
  QTest::mouseClick(f.SpeedButton5, Qt::LeftButton); // cancelled
  QCOMPARE(f.Zeichnungen(), zeichnungen);
  QCOMPARE(f.Einstellungen().Farbe, 0x00563412u);
  f.hide();
}

void TPlotfensterTest::SpeichernUndKopieren() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2"), QStringLiteral("1\n4"));
  p.Zeigen();
  TForm4& f = p.plot();
  Klick(f.CheckBox15);
  p.dialoge.Namen << p.Pfad(QStringLiteral("bild"));
  QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
  QCOMPARE(p.dialoge.Fragen.value(0).filter, QStringLiteral("JPEG (*.jpg)"));
  const QByteArray jpeg = p.Lesen(QStringLiteral("bild.jpg"));
  QVERIFY(jpeg.startsWith("\xFF\xD8\xFF"));
  QCOMPARE(QImage::fromData(jpeg).size(), QSize(697, 409));
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
  f.hide();
}

void TPlotfensterTest::Gruppenknoepfe() {
  TPlotprogramm p;
  TForm4& f = p.plot();
  const auto sichtbar = [&] {
    QString s;
    for (QGroupBox* g : {f.GroupBox1, f.GroupBox2, f.GroupBox3, f.GroupBox4, f.GroupBox5}) s += g->isHidden() ? '-' : '+';
    return s;
  };
  QCOMPARE(sichtbar(), QStringLiteral("+-+-+")); // fit and extras at first
  QTest::mouseClick(f.SpeedButton10, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("-+-++"));
  QTest::mouseClick(f.SpeedButton11, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("+-+-+"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("----+"));
  QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
  QCOMPARE(sichtbar(), QStringLiteral("-+-++"));
}

void TPlotfensterTest::Fitsteuerung() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("1\n2\n3\n4\n5"), QStringLiteral("1\n3\n6\n3\n1"));
  p.Zeigen();
  TForm4& f = p.plot();
  Klick(f.CheckBox3);
  Waehlen(f.ComboBox1, 2);
  QCOMPARE(f.CheckListBox1->count(), 4);
  for (int i = 0; i < 4; ++i) QCOMPARE(f.CheckListBox1->item(i)->text(), QString(QChar(u'a' + i)) + QStringLiteral(": Fix"));
  QCOMPARE(f.Label11->text(), QStringLiteral("y = d + a * exp(- (x - b)² / c)"));
  QVERIFY(f.Label11->isVisible());
  QCOMPARE(f.Einstellungen().Fit.Modell, 3);
  Klick(f.CheckBox3);
  QCOMPARE(f.Einstellungen().Fit.Modell, 0);
  QVERIFY(f.Label11->isHidden());
  QCOMPARE(f.CheckListBox1->count(), 0);
  f.hide();
}

void TPlotfensterTest::StartwerteGetInitUndSchritte() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("0\n1\n2\n3"), QStringLiteral("1\n3\n5\n7"));
  p.Zeigen();
  TForm4& f = p.plot();
  Klick(f.CheckBox3); // a line fit: y = 1 + 2x
  const int zeichnungen = f.Zeichnungen();
  QTest::mouseClick(f.SpeedButton12, Qt::LeftButton); // "Get"
  QCOMPARE(f.Zeichnungen(), zeichnungen);
  QCOMPARE(Zelle(f, 1), QStringLiteral("2"));
  QCOMPARE(Zelle(f, 2), QStringLiteral("1"));
  QCOMPARE(Zelle(f, 3), QStringLiteral("1,00"));
  // Typing into a cell redraws with each key, the cell's new text already in the record.
  const QRect a = f.StringGrid1->visualItemRect(f.StringGrid1->item(1, 1));
  QTest::mouseDClick(f.StringGrid1->viewport(), Qt::LeftButton, {}, a.center());
  QVERIFY(QApplication::focusWidget());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
  QCOMPARE(f.Einstellungen().Fit.Startwerte[0], 5.0);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
  QCOMPARE(f.Einstellungen().Fit.Startwerte[0], 57.0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  // "Init": eight rows of the estimate, "Startwerte:" stays unticked.
  Waehlen(f.ComboBox1, 2);
  QTest::mouseClick(f.SpeedButton7, Qt::LeftButton);
  const TKoeffizienten k = StartwerteSchaetzen(TVektor{0, 1, 2, 3}, TVektor{1, 3, 5, 7}, 3, {});
  for (int i = 0; i < 8; ++i) QCOMPARE(Zelle(f, i + 1), QString::fromStdString(ZahlAlsText(k.Werte[static_cast<std::size_t>(i)])));
  QVERIFY(!f.CheckBox18->isChecked());
  // Steps 0 with typed start values: the result is the grid's values.
  Tippen(f.Edit16, QStringLiteral("0"));
  const QRect zelle = f.StringGrid1->visualItemRect(f.StringGrid1->item(1, 1));
  QTest::mouseClick(f.StringGrid1->viewport(), Qt::LeftButton, {}, zelle.center());
  QVERIFY(f.CheckBox18->isChecked());
  QCOMPARE(f.Fitergebnis().Koeffizienten.Werte[0], k.Werte[0]);
  QCOMPARE(f.Fitergebnis().Koeffizienten.Werte[2], k.Werte[2]);
  // "+" and "100".
  Tippen(f.Edit16, QStringLiteral("100"));
  QTest::mouseClick(f.SpeedButton2, Qt::LeftButton);
  QCOMPARE(f.Edit16->text(), QStringLiteral("101"));
  Tippen(f.Edit16, QStringLiteral("100"));
  QTest::mouseClick(f.SpeedButton8, Qt::LeftButton);
  QCOMPARE(f.Edit16->text(), QStringLiteral("200"));
  Tippen(f.Edit16, QStringLiteral("abc"));
  QTest::mouseClick(f.SpeedButton2, Qt::LeftButton);
  QCOMPARE(f.Edit16->text(), QStringLiteral("1"));
  Tippen(f.Edit16, QStringLiteral("2147483647"));
  QTest::mouseClick(f.SpeedButton2, Qt::LeftButton);
  QCOMPARE(f.Edit16->text(), QStringLiteral("2147483648"));
  QCOMPARE(f.Einstellungen().FitParameter.MaxSchritte, 100);
  f.hide();
}

void TPlotfensterTest::BestUndFehlerarten() {
  TPlotprogramm p;
  p.Daten(QStringLiteral("0\n1\n2\n3\n4"), QStringLiteral("1\n3\n5\n7\n9"));
  p.Zeigen();
  TForm4& f = p.plot();
  Klick(f.CheckBox18);
  QTest::mouseClick(f.SpeedButton9, Qt::LeftButton);
  QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Lineare Regression"));
  QVERIFY(f.CheckBox3->isChecked());
  QVERIFY(!f.CheckBox18->isChecked());
  // Ticking "Fit" brought the box (off the image since the window was shown) back into it.
  const TAbbildung a = f.Abbildung();
  QVERIFY(ImBild(a, WeltZuPixel(a, f.Einstellungen().KastenX, f.Einstellungen().KastenY)));
  // Every model faults on values at the edge of the range: no entry, no message.
  p.Daten(QStringLiteral("1e308\n1e308"), QStringLiteral("1e308\n-1e308"));
  QTest::mouseClick(f.SpeedButton9, Qt::LeftButton);
  QCOMPARE(f.ComboBox1->currentIndex(), -1);
  QVERIFY(f.CheckBox3->isChecked());
  QVERIFY(p.meldungen.Texte.isEmpty());
  // "Wurzel" sets the errors and ticks the error bars; typing back to "0,0" ticks them too.
  Waehlen(f.ComboBox2, 2);
  QCOMPARE(f.Edit18->text(), QStringLiteral("0"));
  QCOMPARE(f.Edit19->text(), QStringLiteral("+1"));
  QVERIFY(f.CheckBox16->isChecked());
  f.CheckBox16->setChecked(false);
  Tippen(f.Edit18, QStringLiteral("0,0"));
  QVERIFY(f.CheckBox16->isChecked());
  f.hide();
}

void TPlotfensterTest::OhneZeichnungKeinAbsturz() {
  TPlotprogramm p;
  TForm4& f = p.plot();
  f.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  f.SpeedButton10->click();
  Klick(f.CheckBox23);
  f.SpeedButton11->click();
  Klick(f.CheckBox3);
  Klick(f.CheckBox11);
  QVERIFY(std::isfinite(f.Einstellungen().KastenX) && std::isfinite(f.Einstellungen().KastenY));
  QVERIFY(p.meldungen.Texte.isEmpty());
  f.hide();
}
