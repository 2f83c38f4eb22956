// TForm1: the main window with the four columns and the operation group: its operations and buttons.
#include "Unit1.h"

#include "Anwendung.h"
#include "Meldungen.h"
#include "Textdatei.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Waechter.h"
#include "Wartecursor.h"

#include "core/Zahllesen.h"
#include "core/Zahltext.h"
#include "core/Zeilen.h"
#include "operations/Dispatcher.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QToolButton>

#include <cmath>
#include <numbers>

void TForm1::FormCreate() {
  Einrichten();
  Bewacht(anwendung_.Meldungen(), [&] { anwendung_.Datenordner(); });
}

TStringListe TForm1::Zeilen(int nummer) const { return Spalte(nummer)->Zeilen(); }

void TForm1::ZeilenSetzen(int nummer, const TStringListe& zeilen) { Spalte(nummer)->ZeilenSetzen(zeilen); }

void TForm1::ZeilenAnpassen(int nummer, const TStringListe& zeilen, const std::vector<std::size_t>& geaendert) {
  if (!geaendert.empty()) Spalte(nummer)->ZeilenAendern(zeilen, geaendert);
}

uint8_t TForm1::GewaehlteOperation() const {
  const int position = std::max(ComboBox1->currentIndex(), 0);
  return static_cast<uint8_t>(auswahl_[static_cast<std::size_t>(position)].Wert);
}

void TForm1::Einrichten() {
  auswahl_ = Auswahltabelle();
  ComboBox1->clear();
  for (const TGanzSatz& eintrag : auswahl_)
    ComboBox1->addItem(AusUtf8(Operationsnamen(static_cast<uint8_t>(eintrag.Wert))));
  ComboBox1->setCurrentIndex(0);
}

void TForm1::ComboBox1Change() { Angleichen(GewaehlteOperation()); }

void TForm1::Angleichen(uint8_t art) {
  const TOperationsEintrag& eintrag = Operationseintrag(art);
  Edit1->clear();
  Edit1->setEnabled(eintrag.Wertfeld);
  Label2->setEnabled(eintrag.Wertfeld);
  CheckBox1->setEnabled(eintrag.Kastentext != nullptr);
  if (eintrag.Kastentext)
    CheckBox1->setText(QString::fromUtf8(eintrag.Kastentext));
  else if (!eintrag.KastentextBleibt)
    CheckBox1->setText(QString::fromUtf8(KastentextGesperrt));
  switch (eintrag.Vorgabe) {
  case TWertvorgabe::Zwei:
    Edit1->setText(QStringLiteral("2"));
    break;
  case TWertvorgabe::Sechzehn:
    Edit1->setText(QStringLiteral("16"));
    break;
  case TWertvorgabe::HalbeZeilenzahl:
    Edit1->setText(QString::number(Memo1->Zeilenzahl() / 2));
    break;
  case TWertvorgabe::Leer:
    break;
  }
  const bool hilfen = anwendung_.Form7().HilfenAnzeigen();
  const QString beispiel = hilfen ? AusUtf8(Beispiele(art)) : QString();
  ComboBox1->setToolTip(beispiel);
  Label9->setText(beispiel);
  Label9->setVisible(hilfen);
}

void TForm1::Optionangleichen() {
  const bool fortgeschritten = anwendung_.Form7().Fortgeschritten();
  for (QToolButton* knopf : {SpeedButton2, SpeedButton3, SpeedButton4}) knopf->setVisible(fortgeschritten);
  // The click of "L." as a call, so that a load error ends the handler that asked for it.
  if (anwendung_.Form7().LetzteLaden()) SpeedButton2Click();
}

void TForm1::BeispielVerbergen() { Label9->hide(); }

void TForm1::BeispielEinfuellen() {
  for (int k = 1; k <= 4; ++k) Spalte(k)->clear();
  Memo1->setPlainText(QStringLiteral("7,3\n38\n-3\n25"));
  Memo2->setPlainText(QStringLiteral("2\n4\n1\n3"));
  ComboBox1->setCurrentIndex(0);
  CheckBox1->setChecked(true);
  for (int i = 0; i < ComboBox1->count(); ++i)
    if (ComboBox1->itemText(i).contains(QStringLiteral("Sort"))) {
      ComboBox1->setCurrentIndex(i);
      break;
    }
  // The operation group then shows the chosen operation as a pick by hand would; the ticked
  // box stays ticked.
  ComboBox1Change();
}

void TForm1::OperationAnwenden(const TOperation& op, TSpaltenModell modell) {
  std::exception_ptr fehler; // shown after the lines written so far are in the columns
  {
    const TWartecursor warten;
    try {
      OperationAusfuehren(modell, op);
    } catch (...) {
      fehler = std::current_exception();
    }
    for (int k = 1; k <= 4; ++k)
      if (modell.Geaendert[k - 1]) ZeilenSetzen(k, modell.Spalte(k));
  }
  for (const std::string& meldung : modell.Meldungen)
    anwendung_.Meldungen().Zeigen(AusUtf8(meldung));
  if (fehler) std::rethrow_exception(fehler);
}

void TForm1::BitBtn1Click() {
  if (CheckBox2->isChecked() && !DateienEinlesen()) return;
  double wert = 0;
  if (!Edit1->text().isEmpty()) {
    std::string text = Edit1->text().toStdString();
    ZeichenErsetzen(text, '.', ',');
    Edit1->setText(AusUtf8(text));
    wert = ZahlAusText(text, 0);
  }
  TOperation op;
  OperationSetzen(GewaehlteOperation(), CheckBox1->isChecked(), op, wert);
  TSpaltenModell modell;
  modell.Spalte(1) = Zeilen(1);
  modell.Spalte(2) = Zeilen(2);
  std::exception_ptr fehler; // the files get what was written before the fault
  try {
    OperationAnwenden(op, std::move(modell));
  } catch (...) {
    fehler = std::current_exception();
  }
  if (CheckBox2->isChecked()) DateienSchreiben();
  if (fehler) std::rethrow_exception(fehler);
}

// The help button leads to the info window, and from there to the explanations and the
// options (as the welcome window's tip says).
void TForm1::BitBtn2Click() { anwendung_.Form2().show(); }

void TForm1::CheckBox2Click() {
  Edit2->setEnabled(CheckBox2->isChecked());
  CheckBox3->setEnabled(CheckBox2->isChecked());
}

void TForm1::Button1Click() { Memo1->setPlainText(Memo3->toPlainText()); }
void TForm1::Button16Click() { Memo2->setPlainText(Memo4->toPlainText()); }

void TForm1::SpalteLeeren(int nummer) {
  leeren_[nummer - 1]->setText(QStringLiteral("Leeren "));
  Spalte(nummer)->clear();
}

void TForm1::Button2Click() { SpalteLeeren(1); }
void TForm1::Button3Click() { SpalteLeeren(2); }
void TForm1::Button4Click() { SpalteLeeren(3); }
void TForm1::Button5Click() { SpalteLeeren(4); }

void TForm1::SpalteKopieren(int nummer) {
  QGuiApplication::clipboard()->setText(Spalte(nummer)->toPlainText());
}

void TForm1::Button6Click() { SpalteKopieren(1); }
void TForm1::Button7Click() { SpalteKopieren(2); }
void TForm1::Button8Click() { SpalteKopieren(3); }
void TForm1::Button9Click() { SpalteKopieren(4); }

void TForm1::SpalteGeaendert(int nummer) {
  leeren_[nummer - 1]->setText(QStringLiteral("Leeren ") + QString::number(Spalte(nummer)->Zeilenzahl()));
}

void TForm1::Memo1Change() { SpalteGeaendert(1); }
void TForm1::Memo2Change() { SpalteGeaendert(2); }
void TForm1::Memo3Change() { SpalteGeaendert(3); }
void TForm1::Memo4Change() { SpalteGeaendert(4); }

void TForm1::Button10Click() {
  TForm4& plot = anwendung_.Form4();
  plot.FesteGrenzenLoesen();
  if (Memo1->Zeilenzahl() < 1 || Memo2->Zeilenzahl() < 1) {
    anwendung_.Meldungen().Zeigen(QStringLiteral("Es müssen Datenpaare in Spalte 1 und 2 vorhanden sein"));
    return;
  }
  if (!plot.isVisible()) plot.show();
  plot.Plotten();
}

void TForm1::Button12Click() { Edit1->setText(AusUtf8(ZahlAlsText(std::numbers::pi))); }
void TForm1::Button13Click() { Edit1->setText(AusUtf8(ZahlAlsText(std::exp(1.0L)))); }

void TForm1::Button17Click() {
  QRandomGenerator zufall(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
  // A range that came out empty or negative draws 0.
  const auto r = [&](int k) { return k > 0 ? static_cast<int>(zufall.bounded(k)) : 0; };
  Memo1->clear();
  Memo2->clear();
  const int n = r(100) + 10;
  const int a1 = r(100) - 50;
  const int w1 = r(100) + a1 + 10;
  const int a2 = r(100) - 50;
  const int w2 = r(100) + a2 + 10;
  QStringList spalte1, spalte2;
  for (int i = 0; i < n; ++i) {
    spalte1 << AusUtf8(ZahlAlsText(r(w1) + a1 + zufall.generateDouble()));
    spalte2 << AusUtf8(ZahlAlsText(r(w2) + a2 + zufall.generateDouble()));
  }
  Memo1->setPlainText(spalte1.join(QLatin1Char('\n')));
  Memo2->setPlainText(spalte2.join(QLatin1Char('\n')));
}

void TForm1::SpeedButton1Click() { anwendung_.Form6().show(); }

void TForm1::SpeedButton3Click() {
  anwendung_.Form8().laden();
  anwendung_.Form8().show();
}

void TForm1::SpeedButton4Click() {
  Memo5->setPlainText(Memo1->toPlainText());
  Memo1->setPlainText(Memo2->toPlainText());
  Memo2->setPlainText(Memo5->toPlainText());
}
