// TForm4: the plot window.
#include "Unit4.h"

#include "Anwendung.h"
#include "Waechter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QCheckBox* Grenze(const QString& text, QLineEdit*& feld, QGroupBox* gruppe, QGridLayout* raster, int zeile) {
  auto* kasten = new QCheckBox(text, gruppe);
  feld = new QLineEdit(QStringLiteral("0"), gruppe);
  feld->setEnabled(false);
  raster->addWidget(kasten, zeile, 0);
  raster->addWidget(feld, zeile, 1);
  return kasten;
}

} // namespace

TForm4::TForm4(TAnwendung& anwendung) : anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Plot Spalte 2 gegen Spalte 1"));
  Label18 = new QLabel(QStringLiteral("Auswahl"), this);
  Label18->setStyleSheet(QStringLiteral("color: red"));
  GroupBox4 = new QGroupBox(QStringLiteral("Bildausschnitt"), this);
  auto* raster = new QGridLayout(GroupBox4);
  CheckBox6 = Grenze(QStringLiteral("Xmin"), Edit8, GroupBox4, raster, 0);
  CheckBox7 = Grenze(QStringLiteral("Xmax"), Edit9, GroupBox4, raster, 1);
  CheckBox4 = Grenze(QStringLiteral("Ymin"), Edit6, GroupBox4, raster, 2);
  CheckBox5 = Grenze(QStringLiteral("Ymax"), Edit7, GroupBox4, raster, 3);
  GroupBox4->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label18);
  layout->addWidget(GroupBox4);
  layout->addStretch();
  resize(720, 480);
  Verbinde(anwendung_.Meldungen(), CheckBox4, &QCheckBox::clicked, this, &TForm4::CheckBox4Click);
  Verbinde(anwendung_.Meldungen(), CheckBox5, &QCheckBox::clicked, this, &TForm4::CheckBox5Click);
  Verbinde(anwendung_.Meldungen(), CheckBox6, &QCheckBox::clicked, this, &TForm4::CheckBox6Click);
  Verbinde(anwendung_.Meldungen(), CheckBox7, &QCheckBox::clicked, this, &TForm4::CheckBox7Click);
}

void TForm4::HilfeZeigen(bool zeigen) { Label18->setVisible(zeigen); }

void TForm4::FesteGrenzenLoesen() {
  for (QCheckBox* grenze : {CheckBox4, CheckBox5, CheckBox6, CheckBox7})
    if (grenze->isChecked()) grenze->click();
}

void TForm4::CheckBox4Click() { Edit6->setEnabled(CheckBox4->isChecked()); }
void TForm4::CheckBox5Click() { Edit7->setEnabled(CheckBox5->isChecked()); }
void TForm4::CheckBox6Click() { Edit8->setEnabled(CheckBox6->isChecked()); }
void TForm4::CheckBox7Click() { Edit9->setEnabled(CheckBox7->isChecked()); }
