// TForm6: the function input window.
#include "Unit6.h"

#include "Anwendung.h"
#include "Koeffizientenraster.h"
#include "Modellliste.h"
#include "Textdatei.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Waechter.h"

#include "core/Statistik.h"
#include "core/Zahllesen.h"
#include "core/Zahltext.h"
#include "fit/Funktionswerte.h"
#include "fit/Formel.h"
#include "fit/Modelle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <cmath>

// Generating stops where loading does.
static_assert(MeisteWerte == MeisteZeilen);

namespace {

const TNamen FunktionsNamen{"x", "f(x)", "", ""};

} // namespace

TForm6::TForm6(TAnwendung& anwendung) : anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Funktion eingeben"));
  ComboBox1 = new QComboBox(this);
  // Seven coefficient rows are in view; "h" lies below them (no model uses it).
  StringGrid1 = Koeffizientenraster(this, 7);
  Label1 = new QLabel(QStringLiteral("Koeffizienten"), this);
  Label4 = new QLabel(QStringLiteral("f(x) = b + ax"), this);
  Label5 = new QLabel(QStringLiteral("f(x) = x + 1"), this);
  RadioButton1 = new QRadioButton(QStringLiteral("Anzahl Werte"), this);
  RadioButton1->setChecked(true);
  RadioButton2 = new QRadioButton(QStringLiteral("Diskretisierung"), this);
  RadioButton3 = new QRadioButton(QStringLiteral("Benutze Spalte 1"), this);
  Edit5 = new QLineEdit(QStringLiteral("10"), this);
  Label2 = new QLabel(QStringLiteral("Von"), this);
  Edit6 = new QLineEdit(QStringLiteral("0"), this);
  Label3 = new QLabel(QStringLiteral("Bis"), this);
  Edit7 = new QLineEdit(QStringLiteral("1"), this);
  SpeedButton1 = new QPushButton(QStringLiteral("Erzeugen"), this);
  SpeedButton2 = new QPushButton(QStringLiteral("Sofort Plotten"), this);
  SpeedButton3 = new QPushButton(QStringLiteral("Hole Koeffizienten aus Fit"), this);
  auto* r = new QGridLayout(this);
  r->addWidget(ComboBox1, 0, 0, 1, 3);
  r->addWidget(Label1, 1, 0);
  r->addWidget(StringGrid1, 2, 0, 5, 1);
  r->addWidget(Label4, 1, 1, 1, 2);
  r->addWidget(Label5, 2, 1, 1, 2);
  r->addWidget(RadioButton1, 3, 1);
  r->addWidget(RadioButton2, 4, 1);
  r->addWidget(RadioButton3, 5, 1);
  r->addWidget(Edit5, 3, 2);
  r->addWidget(Label2, 6, 1);
  r->addWidget(Edit6, 6, 2);
  r->addWidget(Label3, 7, 1);
  r->addWidget(Edit7, 7, 2);
  r->addWidget(SpeedButton3, 7, 0);
  r->addWidget(SpeedButton1, 8, 1);
  r->addWidget(SpeedButton2, 8, 2);
  TMeldungen& m = anwendung_.Meldungen();
  Verbinde(m, ComboBox1, &QComboBox::activated, this, &TForm6::Anzeige);
  for (QLineEdit* feld : {Edit5, Edit6, Edit7}) Verbinde(m, feld, &QLineEdit::textChanged, this, &TForm6::Anzeige);
  Verbinde(m, StringGrid1, &QTableWidget::itemChanged, this, &TForm6::Anzeige);
  Verbinde(m, RadioButton1, &QRadioButton::clicked, this, &TForm6::RadioButton1Click);
  Verbinde(m, RadioButton2, &QRadioButton::clicked, this, &TForm6::RadioButton2Click);
  Verbinde(m, RadioButton3, &QRadioButton::clicked, this, &TForm6::RadioButton3Click);
  Verbinde(m, SpeedButton1, &QPushButton::clicked, this, &TForm6::SpeedButton1Click);
  Verbinde(m, SpeedButton2, &QPushButton::clicked, this, &TForm6::SpeedButton2Click);
  Verbinde(m, SpeedButton3, &QPushButton::clicked, this, &TForm6::SpeedButton3Click);
}

void TForm6::FormCreate() {
  ModelleEintragen(*ComboBox1);
  ComboBox1->setCurrentIndex(0);
  Anzeige();
}

std::array<double, MaxKoeffizienten> TForm6::Koeffizienten() const {
  std::array<double, MaxKoeffizienten> k{};
  for (int i = 0; i < MaxKoeffizienten; ++i) {
    const QTableWidgetItem* z = StringGrid1->item(i + 1, 1);
    k[static_cast<std::size_t>(i)] = z ? ZahlAusText(z->text().toStdString(), 0) : 0;
  }
  return k;
}

void TForm6::Anzeige() {
  const uint8_t modell = GewaehltesModell(*ComboBox1);
  TKoeffizienten k;
  k.Werte = Koeffizienten();
  Label5->setText(AusUtf8(FormelMitWerten(k, modell, FunktionsNamen, TZahlformat{4, 3, false})));
  Label4->setText(AusUtf8(Formeltext(modell, FunktionsNamen)));
}

void TForm6::VonBisVorgeben() {
  if (Edit6->text().isEmpty()) Edit6->setText(QStringLiteral("0"));
  if (Edit7->text().isEmpty()) Edit7->setText(QStringLiteral("1"));
}

void TForm6::RadioButton1Click() {
  VonBisVorgeben();
  Edit5->setText(QStringLiteral("10"));
  Anzeige();
}

void TForm6::RadioButton2Click() {
  VonBisVorgeben();
  const double bis = ZahlAusText(Edit7->text().toStdString(), 1), von = ZahlAusText(Edit6->text().toStdString(), 0);
  Edit5->setText(AusUtf8(ZahlAlsText(std::fabs(static_cast<Extended>(bis) - von) / 10)));
  Anzeige();
}

void TForm6::RadioButton3Click() {
  Edit5->setText(QString::number(anwendung_.Form1().Zeilen(1).size()));
  Edit6->setText(AusUtf8(ZahlAlsText(Rand(false))));
  Edit7->setText(AusUtf8(ZahlAlsText(Rand(true))));
}

double TForm6::Rand(bool oben) const {
  const TStringListe zeilen = anwendung_.Form1().Zeilen(1);
  if (zeilen.empty()) return oben ? 1 : 0;
  TVektor werte(zeilen.size());
  for (std::size_t i = 0; i < zeilen.size(); ++i) werte[i] = ZahlAusText(zeilen[i], 0);
  return oben ? MaxWert(werte) : MinWert(werte);
}

// The table is made whole before a column changes: a bad count leaves every column as it was.
void TForm6::SpeedButton1Click() {
  TWerteauftrag a;
  a.Modell = GewaehltesModell(*ComboBox1);
  a.Koeffizienten = Koeffizienten();
  a.Art = RadioButton1->isChecked() ? TWerteart::Anzahl : RadioButton2->isChecked() ? TWerteart::Schritt : TWerteart::Spalte1;
  a.Feld = Edit5->text().toStdString();
  a.Von = ZahlAusText(Edit6->text().toStdString(), 0);
  a.Bis = ZahlAusText(Edit7->text().toStdString(), 1);
  TForm1& haupt = anwendung_.Form1();
  const TWertetabelle tabelle = Wertetabelle(a, haupt.Zeilen(1));
  for (int k = 1; k <= 4; ++k)
    if (tabelle.Ersetzt[static_cast<std::size_t>(k - 1)]) haupt.ZeilenSetzen(k, tabelle.Spalten[static_cast<std::size_t>(k - 1)]);
}

void TForm6::SpeedButton2Click() {
  SpeedButton1Click();
  TForm4& plot = anwendung_.Form4();
  if (!plot.isVisible()) plot.show();
  plot.Plotten();
}

void TForm6::SpeedButton3Click() {
  const TFitErgebnis& fit = anwendung_.Form4().Fitergebnis();
  // The labels follow at the next change.
  KoeffizientenEintragen(StringGrid1, fit.Koeffizienten.Werte, Parameteranzahl(fit.Modell));
}
