// TForm4: building the plot window: its groups, controls and defaults.
#include "Unit4.h"

#include "Anwendung.h"
#include "Steuerelemente.h"

#include "fit/Fit.h"
#include "fit/Modelle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int BildBreite = 697;
constexpr int BildHoehe = 409;

// The help texts over the image; a carriage return of the texts is a line break here.
const QString TextA = QStringLiteral(
    "Damit beim Fitten wirklich das globale Minimum gefunden wird, sollten die Startwerte bereits gut gewählt "
    "sein, von denen aus sich der Algorithmus der besten Lösung nähert. Dazu kannst du die Checkbox "
    "\"Startwerte\" markieren und dann eigene Startwerte definieren. Um zu sehen, wie nah die Funktion mit "
    "deinen Startwerten bereits an der Lösung liegt, kannst du die Anzahl der Schritte auf 0 setzen. Dann "
    "siehst du direkt die Funktion mit deinen eingegebenen Startwerten.\n\n"
    "Falls einer der Fit-Parameter nicht variiert wird (also einfach auf seinem Startwert \"hängenbleibt\"), "
    "kann das daran liegen, dass die Zahlen zu groß werden. Versuche Folgendes: Multipliziere deine x-Werte "
    "mit 1e-3=0.001, multipliziere deine y-Werte mit 1e3=1000 (oder genau umgekehrt, falls deine x-Werte zu "
    "klein sind).Du kannst dafür auch auf \"Variation\" klicken, dann rechnet Quarn das automatisch durch. Der "
    "Gedanke dabei ist, dass die eingesetzten x-Werte nicht zu groß aber auch nicht zu klein sind, und somit "
    "der Fit möglich wird.");
const QString TextB = QStringLiteral(
    "Der Fit-Algorithmus ist abgebrochen. Der Grund dafür sind interne Berechnungsprobleme. Um das zu "
    "vermeiden, kannst du versuchen, die Startwerte für den Fit selbst zu wählen.");

// The widgets of one grid row, from the left.
void Zeile(QGridLayout* raster, int zeile, std::initializer_list<QWidget*> widgets) {
  int spalte = 0;
  for (QWidget* w : widgets) raster->addWidget(w, zeile, spalte++);
}

QPixmap Lampenbild(const QColor& farbe) {
  QPixmap bild(16, 16);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setBrush(farbe);
  maler.setPen(farbe.darker(150));
  maler.drawEllipse(2, 2, 12, 12);
  return bild;
}


} // namespace

TForm4::TForm4(TAnwendung& anwendung)
    : anwendung_(anwendung), bild_(BildBreite, BildHoehe, QImage::Format_RGB32) {
  setWindowTitle(QStringLiteral("Plot Spalte 2 gegen Spalte 1"));
  bild_.fill(Qt::white);
  lampen_ = {Lampenbild(QColor(220, 40, 40)), Lampenbild(QColor(40, 180, 60)), Lampenbild(QColor(240, 200, 40))};
  Aufbauen();
  Benennen();
  // The initial record: the controls' defaults, with the kept fields of a fresh window.
  einstellungen_.Vordergrund = 0;
  einstellungen_.Hintergrund = 0x00FFFFFF;
  einstellungen_ = Diagrammaufnahme(Felder(), einstellungen_);
  Verbinden();
  FitVerbinden();
  MausVerbinden();
}

// The controls carry their names, so that tools and tests find them as the window names them.
void TForm4::Benennen() {
  const std::pair<const char*, QWidget*> namen[] = {
      {"Plot", Plot},
      {"Label13", Label13},
      {"Label14", Label14},
      {"Label15", Label15},
      {"Label18", Label18},
      {"Label12", Label12},
      {"Image1", Image1},
      {"GroupBox1", GroupBox1},
      {"GroupBox2", GroupBox2},
      {"GroupBox3", GroupBox3},
      {"GroupBox4", GroupBox4},
      {"GroupBox5", GroupBox5},
      {"SpeedButton1", SpeedButton1},
      {"ExportKnopf", ExportKnopf},
      {"VergleichKnopf", VergleichKnopf},
      {"SpeedButton3", SpeedButton3},
      {"SpeedButton4", SpeedButton4},
      {"SpeedButton6", SpeedButton6},
      {"SpeedButton10", SpeedButton10},
      {"SpeedButton11", SpeedButton11},
      {"CheckBox21", CheckBox21},
      {"CheckBox15", CheckBox15},
      {"CheckBox1", CheckBox1},
      {"CheckBox14", CheckBox14},
      {"CheckBox2", CheckBox2},
      {"CheckBox10", CheckBox10},
      {"CheckBox25", CheckBox25},
      {"CheckBox26", CheckBox26},
      {"CheckBox16", CheckBox16},
      {"CheckBox20", CheckBox20},
      {"CheckBox23", CheckBox23},
      {"CheckBox24", CheckBox24},
      {"Edit22", Edit22},
      {"Edit20", Edit20},
      {"Edit23", Edit23},
      {"Edit24", Edit24},
      {"Edit1", Edit1},
      {"Edit2", Edit2},
      {"Edit3", Edit3},
      {"Edit4", Edit4},
      {"Edit5", Edit5},
      {"Edit17", Edit17},
      {"TrackBar1", TrackBar1},
      {"SpeedButton5", SpeedButton5},
      {"CheckBox4", CheckBox4},
      {"CheckBox5", CheckBox5},
      {"CheckBox6", CheckBox6},
      {"CheckBox7", CheckBox7},
      {"Edit6", Edit6},
      {"Edit7", Edit7},
      {"Edit8", Edit8},
      {"Edit9", Edit9},
      {"CheckBox19", CheckBox19},
      {"CheckBox8", CheckBox8},
      {"CheckBox9", CheckBox9},
      {"CheckBox17", CheckBox17},
      {"CheckBox11", CheckBox11},
      {"CheckBox22", CheckBox22},
      {"CheckBox12", CheckBox12},
      {"Edit21", Edit21},
      {"Edit11", Edit11},
      {"Edit12", Edit12},
      {"Edit13", Edit13},
      {"Edit14", Edit14},
      {"ComboBox3", ComboBox3},
      {"CheckBox3", CheckBox3},
      {"CheckBox13", CheckBox13},
      {"CheckBox18", CheckBox18},
      {"ComboBox1", ComboBox1},
      {"ComboBox2", ComboBox2},
      {"Label11", Label11},
      {"Label4", Label4},
      {"Label3", Label3},
      {"Label8", Label8},
      {"Label6", Label6},
      {"Label7", Label7},
      {"Edit16", Edit16},
      {"Edit15", Edit15},
      {"Edit18", Edit18},
      {"Edit19", Edit19},
      {"SpeedButton2", SpeedButton2},
      {"SpeedButton8", SpeedButton8},
      {"SpeedButton7", SpeedButton7},
      {"SpeedButton9", SpeedButton9},
      {"SpeedButton12", SpeedButton12},
      {"StringGrid1", StringGrid1},
      {"CheckListBox1", CheckListBox1},
      {"TrackBar2", TrackBar2},
      {"Image2", Image2},
      {"UpDown1", UpDown1},
      {"Label1", Label1}};
  for (const auto& [name, w] : namen) w->setObjectName(QLatin1String(name));
}

void TForm4::Aufbauen() {
  Plot = new QLabel(this);
  Plot->setFixedSize(BildBreite, BildHoehe);
  Plot->setPixmap(QPixmap::fromImage(bild_));
  Label13 = new QLabel(QStringLiteral("X:0 Y:0"), this);
  Label13->setStyleSheet(QStringLiteral("background: #ffffe0; border: 1px solid gray"));
  Label13->hide();
  Label14 = new QLabel(TextA, Plot);
  Label15 = new QLabel(TextB, Plot);
  for (QLabel* hilfe : {Label14, Label15}) {
    hilfe->setWordWrap(true);
    hilfe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hilfe->hide();
    hilfe->installEventFilter(this);
  }
  Label14->setGeometry(140, 30, 420, 250);
  Label15->setGeometry(140, 290, 420, 80);
  Label18 = new QLabel(QStringLiteral("Auswahl"), this);
  Label18->setStyleSheet(QStringLiteral("color: red"));

  GroupBox5 = OptionenAufbauen();
  GroupBox2 = AnzeigeAufbauen();
  GroupBox4 = AusschnittAufbauen();
  GroupBox3 = ExtrasAufbauen();
  GroupBox1 = FitAufbauen();
  GroupBox2->hide();
  GroupBox4->hide();

  auto* rechts = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Label18, GroupBox5, GroupBox2, GroupBox4, GroupBox1, GroupBox3})
    rechts->addWidget(w);
  rechts->addStretch();
  auto* haupt = new QHBoxLayout(this);
  haupt->addWidget(Plot, 0, Qt::AlignTop);
  haupt->addLayout(rechts);
}

QGroupBox* TForm4::OptionenAufbauen() {
  auto* g = new QGroupBox(QStringLiteral("Optionen"), this);
  SpeedButton10 = Knopf(QStringLiteral("Grafik"), g, QStringLiteral("Grafische Optionen"));
  SpeedButton11 = Knopf(QStringLiteral("Mathematik"), g, QStringLiteral("Mathematische Optionen"));
  SpeedButton1 = Knopf(QStringLiteral("Optionen an/aus"), g);
  SpeedButton6 = Knopf(QStringLiteral("Funktionsinfo"), g, QStringLiteral("Mathematische Informationen anzeigen"));
  CheckBox21 = Kasten(QStringLiteral("Bild einfrieren"), g);
  Image1 = new QLabel(g);
  Image1->setFixedSize(16, 16);
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setToolTip(QStringLiteral("Hat der Fit funktioniert?"));
  Image1->installEventFilter(this);
  Label12 = new QLabel(QStringLiteral("28ms"), g);
  Label12->setToolTip(QStringLiteral("So schnell wurde das Bild erstellt"));
  SpeedButton4 = Knopf(QStringLiteral("In die Zwischenablage kopieren"), g);
  SpeedButton3 = Knopf(QStringLiteral("Speichern"), g, QStringLiteral("Als Bitmap abspeichern"));
  CheckBox15 = Kasten(QStringLiteral("Jpeg"), g);
  ExportKnopf = Knopf(QStringLiteral("Exportieren …"), g, QStringLiteral("Als PNG- oder SVG-Bild in wählbarer Größe speichern"));
  auto* r = new QGridLayout(g);
  r->addWidget(SpeedButton10, 0, 0);
  r->addWidget(SpeedButton11, 0, 1);
  r->addWidget(SpeedButton1, 0, 2);
  r->addWidget(SpeedButton6, 1, 0);
  r->addWidget(CheckBox21, 1, 1);
  auto* lampe = new QHBoxLayout;
  lampe->addWidget(Image1);
  lampe->addWidget(Label12);
  r->addLayout(lampe, 1, 2);
  r->addWidget(SpeedButton4, 2, 0, 1, 2);
  r->addWidget(SpeedButton3, 2, 2);
  r->addWidget(ExportKnopf, 3, 0, 1, 2);
  r->addWidget(CheckBox15, 3, 2);
  return g;
}

QGroupBox* TForm4::AnzeigeAufbauen() {
  auto* g = new QGroupBox(QStringLiteral("Anzeige"), this);
  CheckBox1 = Kasten(QStringLiteral("Verbinden"), g);
  CheckBox14 = Kasten(QStringLiteral("Aus"), g, false, QStringLiteral("Ob die Punkte ausgestellt werden sollen"));
  CheckBox2 = Kasten(QStringLiteral("Beschriftung"), g, true, QStringLiteral("Die Achsen anzeigen?"));
  CheckBox10 = Kasten(QStringLiteral("Skala"), g, true, QStringLiteral("Skalen anzeigen?"));
  CheckBox25 = Kasten(QStringLiteral("Gl.m."), g, true);
  CheckBox26 = Kasten(QStringLiteral("Linie"), g, true);
  Edit22 = Feld(QStringLiteral("4"), g, {}, 2);
  Edit20 = Feld(QStringLiteral("3"), g, QStringLiteral("Kommastellen der X-Achse"), 2);
  Edit23 = Feld(QStringLiteral("3"), g, QStringLiteral("Kommastellen der Y-Achse"), 2);
  Edit24 = Feld(QStringLiteral("4"), g, QStringLiteral("Kommastellen beim Fit"), 2);
  CheckBox16 = Kasten(QStringLiteral("Fehlerbalken"), g);
  Edit1 = Feld(QStringLiteral("X"), g);
  Edit2 = Feld(QStringLiteral("Y"), g);
  Edit3 = Feld(QStringLiteral("x"), g);
  Edit4 = Feld(QStringLiteral("y"), g);
  Edit5 = Feld(QStringLiteral("z"), g);
  Edit17 = Feld(QString(), g, QStringLiteral("Links unten im Bild erscheint eine Markierung"));
  CheckBox20 = Kasten(QStringLiteral("Formel"), g, true, QStringLiteral("Anzeige der Formel für den Fit"));
  CheckBox23 = Kasten(QStringLiteral("Kasten"), g, true, QStringLiteral("Anzeige des Fit im Kasten"));
  CheckBox24 = Kasten(QStringLiteral("Chi"), g, true,
                      QStringLiteral("q² gibt den durchschnittlichen quadratischen Abstand eines Punktes zur "
                                     "Fit-Funktion an"));
  TrackBar1 = new QSlider(Qt::Horizontal, g);
  TrackBar1->setRange(-5, 5);
  TrackBar1->setValue(0);
  SpeedButton5 = Knopf(QStringLiteral("Farbe"), g);
  auto* r = new QGridLayout(g);
  Zeile(r, 0, {CheckBox1, CheckBox14, CheckBox2});
  Zeile(r, 1, {CheckBox10, CheckBox25, CheckBox26});
  Zeile(r, 2, {new QLabel(QStringLiteral("Sichtbare Stellen"), g), Edit22, CheckBox16});
  Zeile(r, 3, {Edit20, Edit23, Edit24});
  Zeile(r, 4, {new QLabel(QStringLiteral("Achsen"), g), Edit1, Edit2});
  Zeile(r, 5, {new QLabel(QStringLiteral("Formel"), g), Edit3, Edit4, Edit5});
  Zeile(r, 6, {new QLabel(QStringLiteral("Mark"), g), Edit17});
  Zeile(r, 7, {CheckBox20, CheckBox23, CheckBox24});
  Zeile(r, 8, {new QLabel(QStringLiteral("Zeichendicke"), g), TrackBar1, SpeedButton5});
  return g;
}

QGroupBox* TForm4::AusschnittAufbauen() {
  auto* g = new QGroupBox(QStringLiteral("Bildausschnitt"), this);
  auto* r = new QGridLayout(g);
  const auto grenze = [&](const QString& text, QLineEdit*& feld, int zeile) {
    auto* kasten = Kasten(text, g);
    feld = Feld(QStringLiteral("0"), g);
    feld->setEnabled(false);
    r->addWidget(kasten, zeile, 0);
    r->addWidget(feld, zeile, 1);
    return kasten;
  };
  CheckBox6 = grenze(QStringLiteral("Xmin"), Edit8, 0);
  CheckBox7 = grenze(QStringLiteral("Xmax"), Edit9, 1);
  CheckBox4 = grenze(QStringLiteral("Ymin"), Edit6, 2);
  CheckBox5 = grenze(QStringLiteral("Ymax"), Edit7, 3);
  TrackBar2 = new QSlider(Qt::Horizontal, g);
  TrackBar2->setRange(0, 10);
  TrackBar2->setValue(0);
  TrackBar2->setToolTip(QStringLiteral("Herauszoomen"));
  Image2 = new QLabel(g);
  Image2->setPixmap(Lampenbild(QColor(90, 120, 200)));
  Image2->setCursor(Qt::PointingHandCursor);
  Image2->setToolTip(QStringLiteral("Alle vier Grenzen umschalten"));
  r->addWidget(TrackBar2, 4, 0);
  r->addWidget(Image2, 4, 1);
  return g;
}

QGroupBox* TForm4::ExtrasAufbauen() {
  auto* g = new QGroupBox(QStringLiteral("Mathematische Extras"), this);
  CheckBox19 = Kasten(QStringLiteral("Tangente an"), g, false, QStringLiteral("Tangente an die Fitkurve legen"));
  CheckBox19->setEnabled(false);
  Edit21 = Feld(QStringLiteral("1,0"), g, QStringLiteral("Wo soll die Tangente angelegt werden"));
  CheckBox8 = Kasten(QStringLiteral("Vertikale"), g);
  Edit11 = Feld(QStringLiteral("x"), g);
  Edit12 = Feld(QStringLiteral("0"), g);
  CheckBox9 = Kasten(QStringLiteral("Horizontale"), g);
  Edit13 = Feld(QStringLiteral("y"), g);
  Edit14 = Feld(QStringLiteral("0"), g);
  for (QLineEdit* feld : {Edit11, Edit12, Edit13, Edit14}) feld->setEnabled(false);
  CheckBox17 = Kasten(QStringLiteral("Schnitt mit Graph"), g);
  CheckBox17->setEnabled(false);
  CheckBox11 = Kasten(QStringLiteral("log x"), g, false, QStringLiteral("X-Werte logarithmieren"));
  CheckBox22 = Kasten(QStringLiteral("log y"), g, false, QStringLiteral("Y-Werte logarithmieren"));
  ComboBox3 = new QComboBox(g);
  ComboBox3->addItems({QStringLiteral("2"), QStringLiteral("e"), QStringLiteral("10")});
  ComboBox3->setCurrentIndex(1);
  ComboBox3->setEnabled(false);
  CheckBox12 = Kasten(QStringLiteral("Variation"), g, false,
                      QStringLiteral("X- und Y-Werte mit Zehnerpotenzen multiplizieren"));
  UpDown1 = new QWidget(g);
  UpDown1->setToolTip(QStringLiteral("Hier können die Datenpunkte integriert bzw differentiert werden"));
  UpDown1Links = new QToolButton(UpDown1);
  UpDown1Links->setArrowType(Qt::LeftArrow);
  UpDown1Rechts = new QToolButton(UpDown1);
  UpDown1Rechts->setArrowType(Qt::RightArrow);
  auto* pfeile = new QHBoxLayout(UpDown1);
  pfeile->setContentsMargins(0, 0, 0, 0);
  pfeile->addWidget(UpDown1Links);
  pfeile->addWidget(UpDown1Rechts);
  Label1 = new QLabel(QStringLiteral("Funktion"), g);
  auto* r = new QGridLayout(g);
  Zeile(r, 6, {UpDown1, Label1});
  Zeile(r, 0, {CheckBox19, Edit21});
  Zeile(r, 1, {CheckBox8, Edit11, Edit12});
  Zeile(r, 2, {CheckBox9, Edit13, Edit14});
  Zeile(r, 3, {CheckBox17});
  Zeile(r, 4, {CheckBox11, CheckBox22, ComboBox3});
  Zeile(r, 5, {CheckBox12});
  return g;
}
