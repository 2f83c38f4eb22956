// TForm4: the fit controls: model, steps, start values, fixed coefficients, error modes,
// logarithms, and "Init", "Best", "Get".
#include "Unit4.h"

#include "Anwendung.h"
#include "Koeffizientenraster.h"
#include "Modellliste.h"
#include "Modellvergleich.h"
#include "Steuerelemente.h"
#include "Textdatei.h"
#include "Unit1.h"
#include "Waechter.h"

#include "core/Ganzzahl.h"
#include "core/Zahllesen.h"
#include "core/Zahltext.h"
#include "fit/Fit.h"
#include "fit/Formel.h"
#include "fit/Modelle.h"
#include "fit/Bestes.h"
#include "fit/Startwerte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

QGroupBox* TForm4::FitAufbauen() {
  auto* g = new QGroupBox(QStringLiteral("Fit"), this);
  CheckBox3 = Kasten(QStringLiteral("Fit"), g);
  ComboBox1 = new QComboBox(g);
  ModelleEintragen(*ComboBox1);
  ComboBox1->setCurrentIndex(0);
  Label11 = new QLabel(QStringLiteral("f(x) = a + b * x"), g);
  Label11->hide();
  Label4 = new QLabel(QStringLiteral("Schritte"), g);
  Edit16 = Feld(QStringLiteral("100"), g,
                QStringLiteral("Der Algorithmus nähert sich iterativ dem besten Ergebnis. Je mehr Schritte gemacht "
                               "werden, desto besser ist der Fit. Wird die Schrittanzahl auf null gesetzt, so wird "
                               "die Funktion, die über die Startwerte angegeben ist, gezeichnet."));
  SpeedButton2 = Knopf(QStringLiteral("+"), g, QStringLiteral("Eine Iteration hinzufügen"));
  SpeedButton8 = Knopf(QStringLiteral("100"), g);
  CheckBox13 = Kasten(QStringLiteral("Ausreißerelimination"), g);
  CheckBox13->setEnabled(false);
  Edit15 = Feld(QStringLiteral("100"), g);
  Edit15->setEnabled(false);
  Label3 = new QLabel(QStringLiteral("%"), g);
  CheckBox18 = Kasten(QStringLiteral("Startwerte:"), g, false,
                      QStringLiteral("Wenn der Fit nicht das gewünschte Ergebnis liefert, können die Startwerte so "
                                     "eingesetzt werden, dass sich die Ausgangsfunktion bereits in der Nähe der "
                                     "gewünschten Fit-Funktion befindet. Der Algorithmus konvergiert dann besser."));
  StringGrid1 = Koeffizientenraster(g, 8);
  StringGrid1->setToolTip(QStringLiteral("Hier die Startwerte für die Koeffizienten eintragen"));
  CheckListBox1 = new QListWidget(g);
  CheckListBox1->setToolTip(QStringLiteral(
      "Hier kann festgelegt werden, welche Koeffizienten sich während des Fittens nicht ändern sollen."));
  CheckListBox1->setEnabled(false);
  CheckListBox1->setFixedHeight(StringGrid1->height());
  SpeedButton7 = Knopf(QStringLiteral("Init"), g, QStringLiteral("Setze passende Startwerte für die Koeffizienten"));
  SpeedButton9 = Knopf(QStringLiteral("Best"), g, QStringLiteral("Finde die beste Fit-Funktion durch die Punkte"));
  SpeedButton12 = Knopf(QStringLiteral("Get"), g, QStringLiteral("Hole dir die Koeffizienten des aktuellen Fit als Startwerte"));
  VergleichKnopf = Knopf(QStringLiteral("Vergleich"), g,
                         QStringLiteral("Alle Modelle vergleichen: AIC, BIC, Standardfehler und Residuen"));
  Label8 = new QLabel(QStringLiteral("Fehler:"), g);
  Label6 = new QLabel(QStringLiteral("dX"), g);
  Label7 = new QLabel(QStringLiteral("dY"), g);
  Edit18 = Feld(QStringLiteral("0,0"), g);
  Edit19 = Feld(QStringLiteral("0,0"), g);
  ComboBox2 = new QComboBox(g);
  for (uint8_t art = Fehlermodus::Absolut; art < Fehlermodusanzahl; ++art)
    ComboBox2->addItem(AusUtf8(Fehlerarten(art)));
  ComboBox2->setCurrentIndex(0);
  auto* r = new QGridLayout(g);
  r->addWidget(CheckBox3, 0, 0);
  r->addWidget(ComboBox1, 0, 1, 1, 3);
  r->addWidget(Label11, 1, 0, 1, 4);
  r->addWidget(Label4, 2, 0);
  r->addWidget(Edit16, 2, 1);
  r->addWidget(SpeedButton2, 2, 2);
  r->addWidget(SpeedButton8, 2, 3);
  r->addWidget(CheckBox13, 3, 0, 1, 2);
  r->addWidget(Edit15, 3, 2);
  r->addWidget(Label3, 3, 3);
  r->addWidget(CheckBox18, 4, 0, 1, 2);
  r->addWidget(SpeedButton7, 4, 2);
  r->addWidget(SpeedButton9, 4, 3);
  r->addWidget(StringGrid1, 5, 0, 1, 2);
  r->addWidget(CheckListBox1, 5, 2, 1, 2);
  r->addWidget(SpeedButton12, 6, 2);
  r->addWidget(VergleichKnopf, 6, 3);
  r->addWidget(Label8, 7, 0);
  r->addWidget(Label6, 7, 1);
  r->addWidget(Edit18, 7, 2);
  r->addWidget(Label7, 8, 1);
  r->addWidget(Edit19, 8, 2);
  r->addWidget(ComboBox2, 9, 0, 1, 4);
  return g;
}

void TForm4::FitVerbinden() {
  TMeldungen& m = anwendung_.Meldungen();
  Verbinde(m, CheckBox3, &QCheckBox::toggled, this, &TForm4::CheckBox3Click);
  Verbinde(m, ComboBox1, &QComboBox::activated, this, &TForm4::ComboBox1Change);
  Verbinde(m, CheckBox13, &QCheckBox::toggled, this, &TForm4::CheckBox13Click);
  Verbinde(m, CheckBox18, &QCheckBox::toggled, this, &TForm4::CheckBox18Click);
  Verbinde(m, ComboBox2, &QComboBox::activated, this, &TForm4::ComboBox2Change);
  Verbinde(m, Edit16, &QLineEdit::textChanged, this, &TForm4::Plotten);
  Verbinde(m, Edit15, &QLineEdit::textChanged, this, &TForm4::Plotten);
  Verbinde(m, Edit18, &QLineEdit::textChanged, this, &TForm4::Edit18Change);
  Verbinde(m, Edit19, &QLineEdit::textChanged, this, &TForm4::Edit19Change);
  Verbinde(m, CheckListBox1, &QListWidget::itemChanged, this, &TForm4::Plotten);
  Verbinde(m, StringGrid1, &QTableWidget::itemChanged, this, &TForm4::Plotten);
  Verbinde(m, StringGrid1, &QTableWidget::cellClicked, this, &TForm4::StringGrid1Click);
  Verbinde(m, SpeedButton2, &QPushButton::clicked, this, &TForm4::SpeedButton2Click);
  Verbinde(m, SpeedButton8, &QPushButton::clicked, this, &TForm4::SpeedButton8Click);
  Verbinde(m, SpeedButton7, &QPushButton::clicked, this, &TForm4::SpeedButton7Click);
  Verbinde(m, SpeedButton9, &QPushButton::clicked, this, &TForm4::SpeedButton9Click);
  Verbinde(m, SpeedButton12, &QPushButton::clicked, this, &TForm4::SpeedButton12Click);
  Verbinde(m, VergleichKnopf, &QPushButton::clicked, this, &TForm4::VergleichKnopfClick);
  Verbinde(m, CheckBox11, &QCheckBox::toggled, this, &TForm4::CheckBox11Click);
  Verbinde(m, CheckBox22, &QCheckBox::toggled, this, &TForm4::CheckBox22Click);
  Verbinde(m, ComboBox3, &QComboBox::activated, this, &TForm4::ComboBox3Change);
  Verbinde(m, CheckBox12, &QCheckBox::toggled, this, &TForm4::CheckBox12Click);
}

void TForm4::CheckBox3Click() {
  FindeKastenPosition();
  const bool fit = CheckBox3->isChecked();
  Label11->setVisible(fit);
  CheckBox19->setEnabled(fit);
  CheckBox13->setEnabled(fit);
  Edit15->setEnabled(CheckBox13->isChecked() && fit);
  Plotten(); // the tangent field's change handler
  ComboBox1Change();
  Plotten(); // the two marker-line value fields' change handlers
  Plotten();
}

void TForm4::ComboBox1Change() {
  einstellungen_.Fit.Modell =
      CheckBox3->isChecked() ? GewaehltesModell(*ComboBox1) : static_cast<uint8_t>(Modellnr::Keins);
  Label11->setText(AusUtf8(Formeltext(einstellungen_.Fit.Modell, einstellungen_.Namen)));
  {
    const QSignalBlocker still(CheckListBox1);
    CheckListBox1->clear();
    for (int i = 0; i < Parameteranzahl(einstellungen_.Fit.Modell); ++i) {
      auto* eintrag = new QListWidgetItem(QString(QChar(u'a' + i)) + QStringLiteral(": Fix"), CheckListBox1);
      eintrag->setFlags(eintrag->flags() | Qt::ItemIsUserCheckable);
      eintrag->setCheckState(Qt::Unchecked);
    }
  }
  Plotten();
}

void TForm4::CheckBox13Click() {
  Edit15->setEnabled(CheckBox13->isChecked());
  Plotten();
}

void TForm4::CheckBox18Click() {
  CheckListBox1->setEnabled(CheckBox18->isChecked());
  Plotten();
}

void TForm4::StringGrid1Click() { CheckBox18->setChecked(true); }

void TForm4::ComboBox2Change() {
  switch (ComboBox2->currentIndex()) {
  case Fehlermodus::Wurzel:
    Edit18->setText(QStringLiteral("0"));
    Edit19->setText(QStringLiteral("+1"));
    break;
  case Fehlermodus::Individuell:
    Edit18->setText(QStringLiteral("+1"));
    Edit19->setText(QStringLiteral("+1"));
    break;
  default:
    break;
  }
  Plotten();
}

void TForm4::Edit18Change() {
  CheckBox16->setChecked(true);
  Plotten();
}

void TForm4::Edit19Change() {
  CheckBox16->setChecked(true);
  Plotten();
}

namespace {

// The steps field plus a number, in 64 bits so that "2147483647" + 1 does not wrap.
QString Schrittzahl(const QLineEdit* feld, int64_t plus) {
  return QString::number(static_cast<int64_t>(GanzzahlAusText(feld->text().toStdString(), 0)) + plus);
}

} // namespace

void TForm4::SpeedButton2Click() {
  Edit16->setText(Schrittzahl(Edit16, 1));
  Plotten();
}

void TForm4::SpeedButton8Click() { Edit16->setText(Schrittzahl(Edit16, 100)); }

std::pair<TVektor, TVektor> TForm4::Datenpaare() const {
  const TForm1& haupt = anwendung_.Form1();
  const TStringListe spalte1 = haupt.Zeilen(1), spalte2 = haupt.Zeilen(2);
  const std::size_t n = std::min(spalte1.size(), spalte2.size());
  TVektor x(n), y(n);
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = ZahlAusText(spalte1[i], 0);
    y[i] = ZahlAusText(spalte2[i], 0);
  }
  return {x, y};
}

void TForm4::startwerteeinfuellen(const TKoeffizienten& k) {
  KoeffizientenEintragen(StringGrid1, k.Werte, MaxKoeffizienten);
}

void TForm4::SpeedButton7Click() {
  const auto [x, y] = Datenpaare();
  if (x.empty()) return;
  startwerteeinfuellen(StartwerteSchaetzen(x, y, GewaehltesModell(*ComboBox1), {}));
  Plotten();
}

void TForm4::SpeedButton12Click() {
  KoeffizientenEintragen(StringGrid1, fit_.Koeffizienten.Werte, Parameteranzahl(fit_.Modell));
}

void TForm4::SpeedButton9Click() {
  const auto [x, y] = Datenpaare();
  if (x.empty()) return;
  ModellWaehlen(Bestes(x, y, einstellungen_.FitParameter));
}

void TForm4::ModellWaehlen(uint8_t modell) {
  ModellAnzeigen(*ComboBox1, modell);
  CheckBox3->setChecked(true);
  CheckBox18->setChecked(false);
  ComboBox1Change();
}

void TForm4::VergleichKnopfClick() { anwendung_.Modellvergleich().Oeffnen(); }

TIndexmenge TForm4::holefixe() const {
  TIndexmenge fix;
  for (int i = 0; i < CheckListBox1->count() && i < MaxKoeffizienten; ++i)
    fix.Setze(static_cast<uint8_t>(i), CheckListBox1->item(i)->checkState() == Qt::Checked);
  return fix;
}

void TForm4::CheckBox11Click() {
  FindeKastenPosition();
  ComboBox3->setEnabled(CheckBox11->isChecked() || CheckBox22->isChecked());
  Plotten();
}

void TForm4::CheckBox22Click() { CheckBox11Click(); }

void TForm4::ComboBox3Change() {
  FindeKastenPosition();
  Plotten();
}

void TForm4::CheckBox12Click() { ComboBox3Change(); }
