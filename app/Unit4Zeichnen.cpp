// TForm4: the drawing cycle, the record of the controls, the display and export handlers.
#include "Unit4.h"

#include "Anwendung.h"
#include "Bildexport.h"
#include "Dialoge.h"
#include "QtLeinwand.h"
#include "Textdatei.h"
#include "Unit1.h"
#include "Unit5.h"
#include "Unit7.h"
#include "Waechter.h"

#include "core/Fehler.h"
#include "core/Zeittext.h"
#include "fit/Fit.h"
#include "fit/Formel.h"
#include "fit/Modelle.h"
#include "plot/Diagramm.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

#include <cmath>

namespace {

enum { LampeFehler = 0, LampeErfolg = 1, LampeBeschaeftigt = 2 };

std::string Std(const QLineEdit* feld) { return feld->text().toStdString(); }

// 0x00BBGGRR, as the records keep colours.
uint32_t Farbwert(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 | static_cast<uint32_t>(c.blue()) << 16;
}

} // namespace

void TForm4::Verbinden() {
  TMeldungen& m = anwendung_.Meldungen();
  // Every display box and field redraws on a change.
  for (QCheckBox* kasten : {CheckBox1, CheckBox14, CheckBox2, CheckBox10, CheckBox25, CheckBox26, CheckBox16,
                            CheckBox20, CheckBox24, CheckBox19, CheckBox17})
    Verbinde(m, kasten, &QCheckBox::toggled, this, &TForm4::Plotten);
  for (QLineEdit* feld : {Edit22, Edit20, Edit23, Edit24, Edit1, Edit2, Edit3, Edit4, Edit5, Edit17, Edit21, Edit11,
                          Edit12, Edit13, Edit14})
    Verbinde(m, feld, &QLineEdit::textChanged, this, &TForm4::Plotten);
  Verbinde(m, TrackBar1, &QSlider::valueChanged, this, &TForm4::Plotten);
  Verbinde(m, CheckBox23, &QCheckBox::toggled, this, &TForm4::CheckBox23Click);
  Verbinde(m, CheckBox21, &QCheckBox::toggled, this, &TForm4::CheckBox21Click);
  Verbinde(m, CheckBox4, &QCheckBox::toggled, this, &TForm4::CheckBox4Click);
  Verbinde(m, CheckBox5, &QCheckBox::toggled, this, &TForm4::CheckBox5Click);
  Verbinde(m, CheckBox6, &QCheckBox::toggled, this, &TForm4::CheckBox6Click);
  Verbinde(m, CheckBox7, &QCheckBox::toggled, this, &TForm4::CheckBox7Click);
  Verbinde(m, CheckBox8, &QCheckBox::toggled, this, &TForm4::CheckBox8Click);
  Verbinde(m, CheckBox9, &QCheckBox::toggled, this, &TForm4::CheckBox9Click);
  Verbinde(m, SpeedButton1, &QPushButton::clicked, this, &TForm4::SpeedButton1Click);
  Verbinde(m, SpeedButton3, &QPushButton::clicked, this, &TForm4::SpeedButton3Click);
  Verbinde(m, ExportKnopf, &QPushButton::clicked, this, &TForm4::ExportKnopfClick);
  Verbinde(m, SpeedButton4, &QPushButton::clicked, this, &TForm4::SpeedButton4Click);
  Verbinde(m, SpeedButton5, &QPushButton::clicked, this, &TForm4::SpeedButton5Click);
  Verbinde(m, SpeedButton6, &QPushButton::clicked, this, &TForm4::SpeedButton6Click);
  Verbinde(m, SpeedButton10, &QPushButton::clicked, this, &TForm4::SpeedButton10Click);
  Verbinde(m, SpeedButton11, &QPushButton::clicked, this, &TForm4::SpeedButton11Click);
}

TPlotfelder TForm4::Felder() const {
  TPlotfelder f;
  f.Markierung = Std(Edit17);
  f.Verbinden = CheckBox1->isChecked();
  f.Beschriftung = CheckBox2->isChecked();
  f.Skala = CheckBox10->isChecked();
  f.PunkteAus = CheckBox14->isChecked();
  f.Fehlerbalken = CheckBox16->isChecked();
  f.Farbe = farbe_;
  f.KommastellenX = Std(Edit20);
  f.KommastellenY = Std(Edit23);
  f.Stellen = Std(Edit22);
  f.KommastellenFit = Std(Edit24);
  f.Ausreisser = CheckBox13->isChecked();
  f.Prozent = Std(Edit15);
  f.DX = Std(Edit18);
  f.DY = Std(Edit19);
  f.Fehlerart = ComboBox2->currentIndex();
  const TIndexmenge fix = holefixe();
  for (int i = 0; i < CheckListBox1->count() && i < MaxKoeffizienten; ++i) f.Fix.push_back(fix.Enthaelt(static_cast<uint8_t>(i)));
  f.MitStartwerten = CheckBox18->isChecked();
  for (int i = 0; i < MaxKoeffizienten; ++i) {
    const QTableWidgetItem* zelle = StringGrid1->item(i + 1, 1);
    f.Startwerte[static_cast<std::size_t>(i)] = zelle ? zelle->text().toStdString() : std::string();
  }
  f.AchseX = Std(Edit1);
  f.AchseY = Std(Edit2);
  f.NameX = Std(Edit3);
  f.NameY = Std(Edit4);
  f.NameZ = Std(Edit5);
  f.XminAn = CheckBox6->isChecked();
  f.XmaxAn = CheckBox7->isChecked();
  f.YminAn = CheckBox4->isChecked();
  f.YmaxAn = CheckBox5->isChecked();
  f.Xmin = Std(Edit8);
  f.Xmax = Std(Edit9);
  f.Ymin = Std(Edit6);
  f.Ymax = Std(Edit7);
  f.Vertikale = CheckBox8->isChecked();
  f.VertikaleText = Std(Edit11);
  f.VertikaleWert = Std(Edit12);
  f.Horizontale = CheckBox9->isChecked();
  f.HorizontaleText = Std(Edit13);
  f.HorizontaleWert = Std(Edit14);
  f.Schnitt = CheckBox17->isChecked();
  f.Schritte = Std(Edit16);
  f.Tangente = CheckBox19->isChecked();
  f.TangenteX = Std(Edit21);
  f.Formel = CheckBox20->isChecked();
  f.Kasten = CheckBox23->isChecked();
  f.Chi = CheckBox24->isChecked();
  f.Zeichendicke = TrackBar1->value();
  f.LogX = CheckBox11->isChecked();
  f.LogY = CheckBox22->isChecked();
  f.LogBasis = ComboBox3->currentIndex();
  f.Variation = CheckBox12->isChecked();
  f.Gleichmaessig = CheckBox25->isChecked();
  f.Linie = CheckBox26->isChecked();
  return f;
}

void TForm4::Plotten() {
  Label14->hide();
  Label15->hide();
  if (!anwendung_.Bereit || CheckBox21->isChecked()) return;
  zeichenauftrag_ = true;
  Lampe(LampeBeschaeftigt);
  uhr_.start();
  PlotLampe();
}

void TForm4::PlotLampe() {
  try {
    PlotAnzeigen();
    Lampe(LampeErfolg);
  } catch (...) {
    // A failed drawing keeps what it drew; no fit result outlives it.
    fit_ = TFitErgebnis{};
    gezeichneterFit_ = TFitErgebnis{};
    Lampe(LampeFehler);
    if (anwendung_.Form7().HilfenAnzeigen()) {
      Label14->show();
      Label15->show();
    }
  }
  Plot->setPixmap(QPixmap::fromImage(bild_));
}

void TForm4::Lampe(int bild) {
  lampe_ = bild;
  Image1->setPixmap(lampen_[static_cast<std::size_t>(bild)]);
  Image1->repaint();
}

TDiagrammEinstellungen TForm4::diagrammaufnehmen() {
  TPlotdaten daten;
  return Aufnehmen(daten);
}

// Columns normalised in place where a line changes (columns 3 and 4 only for individual
// errors), then the record of the controls, which becomes the current one.
TDiagrammEinstellungen TForm4::Aufnehmen(TPlotdaten& d) {
  TForm1& haupt = anwendung_.Form1();
  const auto lesen = [&](int k) {
    TStringListe zeilen = haupt.Zeilen(k);
    TPlotspalte spalte = PlotspalteLesen(zeilen);
    haupt.ZeilenAnpassen(k, zeilen, spalte.Geaendert);
    return std::move(spalte.Werte);
  };
  d.x = lesen(1);
  d.y = lesen(2);
  if (ComboBox2->currentIndex() == Fehlermodus::Individuell) {
    d.dx = lesen(3);
    d.dy = lesen(4);
  }
  einstellungen_ = Diagrammaufnahme(Felder(), einstellungen_);
  return einstellungen_;
}

void TForm4::PlotAnzeigen() {
  ++zeichnungen_;
  zeichenauftrag_ = false;
  Label12->clear();
  Label12->repaint();
  TPlotdaten d;
  Aufnehmen(d);
  const TVektor &x = d.x, &y = d.y, &dx = d.dx, &dy = d.dy;
  Label11->setText(AusUtf8(Formeltext(einstellungen_.Fit.Modell, einstellungen_.Namen)));
  TQtLeinwand leinwand(bild_);
  std::optional<TGezeichneterFit> gezeichnet;
  abbildung_ = DiagrammZeichnen(leinwand, x, y, dx, dy, einstellungen_, &gezeichnet);
  gezeichneterFit_ = gezeichnet ? gezeichnet->Ergebnis : TFitErgebnis{};
  fit_ = gezeichnet && gezeichnet->Roh ? gezeichnet->Ergebnis : Fit(x, y, einstellungen_.Fit, einstellungen_.FitParameter);
  anwendung_.Form5().INfoeinfuellen(x, y, fit_, einstellungen_);
  const auto dauer = uhr_.elapsed();
  Label12->setText(AusUtf8(ZeitAlsText(static_cast<uint32_t>(std::max<qint64>(dauer, 0)))));
  Label12->repaint();
}

std::optional<TWeltpunkt> TForm4::Welt(TPixel p) const {
  if (abbildung_.Feldbreite <= 0 || abbildung_.Feldhoehe <= 0) return std::nullopt;
  try {
    const TWeltpunkt w = PixelZuWelt(abbildung_, p);
    if (std::isfinite(w.x) && std::isfinite(w.y)) return w;
  } catch (const TQuarnFehler&) {
  }
  return std::nullopt;
}

void TForm4::FindeKastenPosition() {
  if (CheckBox21->isChecked()) return;
  const TPixel p = WeltZuPixel(abbildung_, einstellungen_.KastenX, einstellungen_.KastenY);
  if (ImBild(abbildung_, p)) return;
  if (const auto w = Welt({140, 50})) {
    einstellungen_.KastenX = w->x;
    einstellungen_.KastenY = w->y;
  }
}

void TForm4::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  if (ereignis->spontaneous()) return;
  Bewacht(anwendung_.Meldungen(), [&] {
    Label13->hide();
    Plotten();
    // The box off the image, as a right click would put it.
    if (const auto w = Welt({-1000, -1000})) {
      einstellungen_.KastenX = w->x;
      einstellungen_.KastenY = w->y;
    }
    Plotten();
  });
}

bool TForm4::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == Plot) {
    TMeldungen& m = anwendung_.Meldungen();
    const auto punkt = [&] { return static_cast<QMouseEvent*>(ereignis)->position().toPoint(); };
    switch (ereignis->type()) {
    case QEvent::MouseMove:
      Bewacht(m, [&] { MausBewegung(punkt().x(), punkt().y()); });
      return true;
    case QEvent::MouseButtonPress:
      Bewacht(m, [&] { MausKlick(punkt().x(), punkt().y(), static_cast<QMouseEvent*>(ereignis)->button()); });
      return true;
    case QEvent::Leave:
      Label13->hide();
      return false;
    default:
      return QWidget::eventFilter(objekt, ereignis);
    }
  }
  if (ereignis->type() == QEvent::MouseButtonPress && objekt == Image2) {
    if (static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton) return true;
    Bewacht(anwendung_.Meldungen(), [&] { Image2Click(); });
    return true;
  }
  if (ereignis->type() == QEvent::MouseButtonPress) {
    if (objekt == Image1) {
      Label14->show();
      return true;
    }
    if (objekt == Label14 || objekt == Label15) {
      Label14->hide();
      Label15->hide();
      return true;
    }
  }
  return QWidget::eventFilter(objekt, ereignis);
}

void TForm4::HilfeZeigen(bool zeigen) { Label18->setVisible(zeigen); }

void TForm4::FesteGrenzenLoesen() {
  for (QCheckBox* grenze : {CheckBox4, CheckBox5, CheckBox6, CheckBox7}) grenze->setChecked(false);
}

void TForm4::CheckBox4Click() { Edit6->setEnabled(CheckBox4->isChecked()); Plotten(); }
void TForm4::CheckBox5Click() { Edit7->setEnabled(CheckBox5->isChecked()); Plotten(); }
void TForm4::CheckBox6Click() { Edit8->setEnabled(CheckBox6->isChecked()); Plotten(); }
void TForm4::CheckBox7Click() { Edit9->setEnabled(CheckBox7->isChecked()); Plotten(); }

// A marker line's box enables its fields; "Schnitt mit Graph" applies while a line is on and
// the fit is switched on.
void TForm4::CheckBox8Click() {
  for (QLineEdit* feld : {Edit11, Edit12}) feld->setEnabled(CheckBox8->isChecked());
  CheckBox17->setEnabled((CheckBox8->isChecked() || CheckBox9->isChecked()) && CheckBox3->isChecked());
  Plotten();
}

void TForm4::CheckBox9Click() {
  for (QLineEdit* feld : {Edit13, Edit14}) feld->setEnabled(CheckBox9->isChecked());
  CheckBox17->setEnabled((CheckBox8->isChecked() || CheckBox9->isChecked()) && CheckBox3->isChecked());
  Plotten();
}

void TForm4::CheckBox21Click() {
  if (!CheckBox21->isChecked()) Plotten();
}

void TForm4::CheckBox23Click() {
  FindeKastenPosition();
  Plotten();
}

void TForm4::Gruppen(bool anzeige) {
  GroupBox2->setVisible(anzeige);
  GroupBox4->setVisible(anzeige);
  GroupBox1->setVisible(!anzeige);
  GroupBox3->setVisible(!anzeige);
  adjustSize();
}

void TForm4::SpeedButton10Click() { Gruppen(true); }
void TForm4::SpeedButton11Click() { Gruppen(false); }

void TForm4::SpeedButton1Click() {
  optionenGezeigt_ = !optionenGezeigt_;
  if (optionenGezeigt_) {
    Gruppen(true);
    return;
  }
  for (QGroupBox* g : {GroupBox1, GroupBox2, GroupBox3, GroupBox4}) g->hide();
  adjustSize();
}

void TForm4::SpeedButton3Click() {
  const QString name =
      anwendung_.Dialoge().Speichername(QStringLiteral("Speichern unter"), QStringLiteral("JPEG (*.jpg)"), QString());
  if (name.isEmpty()) return;
  // The extension is appended whatever the name already ends in.
  if (CheckBox15->isChecked())
    JpegSpeichern(bild_, name + QStringLiteral(".jpg"));
  else
    BitmapSpeichern(bild_, name + QStringLiteral(".bmp"));
}

void TForm4::SpeedButton4Click() { QGuiApplication::clipboard()->setImage(bild_); }

void TForm4::SpeedButton5Click() {
  const auto farbe = anwendung_.Dialoge().Farbe(QColor(farbe_ & 0xFF, farbe_ >> 8 & 0xFF, farbe_ >> 16 & 0xFF));
  if (!farbe) return;
  farbe_ = Farbwert(*farbe);
  Plotten();
}

void TForm4::SpeedButton6Click() { anwendung_.Form5().show(); }
