// TForm5: the information window.
#include "Unit5.h"

#include "Anwendung.h"
#include "Dialoge.h"
#include "Textdatei.h"
#include "Unit1.h"
#include "Waechter.h"

#include "plot/Information.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TForm5::TForm5(TAnwendung& anwendung) : anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Information"));
  Label1 = Neu(1, QStringLiteral("Datenpunkte: "));
  Label2 = Neu(2, QStringLiteral("0"));
  Label9 = Neu(9, QStringLiteral("Reichweite: "));
  Label7 = Neu(7, QStringLiteral("0 < x < 1"));
  Label8 = Neu(8, QStringLiteral("0 < y < 1"));
  Label18 = Neu(18, QStringLiteral("Schrittweite: "));
  Label19 = Neu(19, QStringLiteral("0"));
  Label10 = Neu(10, QStringLiteral("Summe: "));
  Label11 = Neu(11, QStringLiteral("Σ"));
  Label12 = Neu(12, QStringLiteral("Σ"));
  Label13 = Neu(13, QStringLiteral("x = 0"));
  Label14 = Neu(14, QStringLiteral("y = 0"));
  Label15 = Neu(15, QStringLiteral("Mittelwerte:"));
  Label26 = Neu(26, QStringLiteral("Arithmetisch:"));
  Label16 = Neu(16, QStringLiteral("X = 0"));
  Label17 = Neu(17, QStringLiteral("Y = 0"));
  Label27 = Neu(27, QStringLiteral("Geometrisch:"));
  Label28 = Neu(28, QStringLiteral("X = 0"));
  Label29 = Neu(29, QStringLiteral("Y = 0"));
  Label20 = Neu(20, QStringLiteral("Varianz:"));
  Label21 = Neu(21, QStringLiteral("X = 0"));
  Label22 = Neu(22, QStringLiteral("Y = 0"));
  Label23 = Neu(23, QStringLiteral("Standardabweichung"));
  Label24 = Neu(24, QStringLiteral("X = 0"));
  Label25 = Neu(25, QStringLiteral("Y = 0"));
  Label5 = Neu(5, QStringLiteral("Funktion: "));
  Label6 = Neu(6, QStringLiteral("f(x) = a + bx"));
  Label3 = Neu(3, QStringLiteral("Summe der quadratischen Abstände: "));
  Label4 = Neu(4, QStringLiteral("0"));
  Label33 = Neu(33, QStringLiteral("Durchschnittlich:"));
  Label34 = Neu(34, QStringLiteral("0"));
  Label31 = Neu(31, QStringLiteral("Chi-Square:"));
  Label32 = Neu(32, QStringLiteral("0"));
  Label30 = Neu(30, QStringLiteral("Berechung abgebrochen"));
  Label30->setStyleSheet(QStringLiteral("color: red"));
  Label30->hide();
  CheckBox1 = new QCheckBox(QStringLiteral("Inklusive Daten"), this);
  SpeedButton1 = new QPushButton(QStringLiteral("Speichern"), this);

  // Rows as the report lists them: a caption on the left, its values beside it.
  const std::initializer_list<std::initializer_list<QWidget*>> zeilen = {
      {Label1, Label2},           {Label9, Label7},   {nullptr, Label8},  {Label18, Label19},
      {Label10, Label11, Label13}, {nullptr, Label12, Label14},           {Label15},
      {Label26, Label16, Label17}, {Label27, Label28, Label29},          {Label20, Label21, Label22},
      {Label23, Label24, Label25}, {Label5, Label6},  {Label3, Label4},   {Label33, Label34},
      {Label31, Label32},          {Label30},         {CheckBox1, SpeedButton1}};
  auto* raster = new QGridLayout(this);
  int zeile = 0;
  for (const auto& reihe : zeilen) {
    int spalte = 0;
    for (QWidget* w : reihe) {
      if (w) raster->addWidget(w, zeile, spalte);
      ++spalte;
    }
    ++zeile;
  }
  raster->setColumnStretch(3, 1);
  Verbinde(anwendung_.Meldungen(), SpeedButton1, &QPushButton::clicked, this, &TForm5::SpeedButton1Click);
}

QLabel* TForm5::Neu(int nummer, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QStringLiteral("Label%1").arg(nummer));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  labels_[static_cast<std::size_t>(nummer)] = label;
  return label;
}

void TForm5::INfoeinfuellen(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit,
                            const TDiagrammEinstellungen& einstellungen) {
  Label30->hide();
  const TInfofuellung fuellung = Infotexte(x, y, fit, einstellungen);
  for (const auto& [nummer, text] : fuellung.Texte)
    labels_[static_cast<std::size_t>(nummer)]->setText(AusUtf8(text));
  Label30->setVisible(fuellung.Abgebrochen);
}

void TForm5::SpeedButton1Click() {
  const QString pfad = anwendung_.Dialoge().Speichername(QStringLiteral("Speichern unter"),
                                                         QStringLiteral("Textdatei (*.txt)"), QStringLiteral("txt"));
  if (!pfad.isEmpty()) Abspeichern(pfad);
}

void TForm5::Abspeichern(const QString& pfad) {
  const auto verbunden = [](const QLabel* a, const QLabel* b) { return (a->text() + b->text()).toStdString(); };
  const auto allein = [](const QLabel* a) { return a->text().toStdString(); };
  std::vector<std::string> zeilen = {
      verbunden(Label1, Label2), allein(Label9),   allein(Label7),  allein(Label8),  allein(Label10),
      allein(Label13),           allein(Label14),  allein(Label15), allein(Label26), allein(Label16),
      allein(Label17),           allein(Label27),  allein(Label28), allein(Label29), verbunden(Label18, Label19),
      allein(Label20),           allein(Label21),  allein(Label22), allein(Label23), allein(Label24),
      allein(Label25),           verbunden(Label5, Label6),         verbunden(Label3, Label4),
      verbunden(Label33, Label34), verbunden(Label31, Label32)};
  if (CheckBox1->isChecked()) {
    // The data lines as they stand in the columns, not reformatted.
    const TForm1& haupt = anwendung_.Form1();
    const TStringListe spalte1 = haupt.Zeilen(1), spalte2 = haupt.Zeilen(2);
    for (std::size_t i = 0; i < std::min(spalte1.size(), spalte2.size()); ++i)
      zeilen.push_back(spalte1[i] + " " + spalte2[i]);
  }
  const std::string bytes = Infobericht(zeilen);
  DateiSchreiben(pfad, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
