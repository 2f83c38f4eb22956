// TForm2: the info window with the usage text, the example data and the way to the options.
#include "Unit2.h"

#include "Anwendung.h"
#include "Waechter.h"
#include "Unit1.h"
#include "Unit3.h"
#include "Unit7.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include "Spaltenfeld.h"
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TForm2::TForm2(TAnwendung& anwendung) : anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Info"));
  Label1 = new QLabel(QStringLiteral(
      "Du kannst in die erste Spalte deinen Daten eintragen, eine Reihe von Zahlen, die "
      "untereinanderstehen. Danach wählst du deine Operation aus und gibst noch, falls du willst, "
      "oder falls es nötig ist, einen Wert ein. Danach kannst du auf \"OK\" klicken und die "
      "Operation wird ausgeführt. Die Ergebnisse landen meist in der 3. Spalte, falls benötigt, "
      "auch in der 4. Befinden sich deine Daten in einer Datei, so kannst du weiter unten den "
      "Dateinamen eingeben. Die Ausgabe erfolgt direkt in die Datei, zusätzlich wird alles aber "
      "auch nochmal in die Spalten geladen. Die Dateien werden mit einer Prefix-Nummer "
      "gespeichert, also wird Spalte 1 z.B. in Datei 1_Daten.txt gespeichert, usw. Genauso "
      "können auch Datensätze geladen und gespeichert werden. Du kannst auch Spalte 2 gegen "
      "Spalte 1 plotten. Einfach auf den zugehörigen Button klicken."),
      this);
  Label1->setWordWrap(true);
  Label2 = new QLabel(this);
  Button1 = new QPushButton(QStringLiteral("Beispiel in die Spalten laden dann nur noch auf OK klicken"), this);
  Button2 = new QPushButton(QStringLiteral("Erklärung zu den einzelnen Operationen"), this);
  SpeedButton1 = new QPushButton(QStringLiteral("Optionen anzeigen"), this);
  SpeedButton2 = new QPushButton(QStringLiteral("Autor"), this);
  Label3 = new QLabel(QStringLiteral("Quarn wird vom Quarn-Team entwickelt."), this);
  Label4 = new QLabel(this);
  Label5 = new QLabel(this);
  for (QLabel* kontakt : {Label3, Label4, Label5}) kontakt->hide();

  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Button1, Button2, SpeedButton1,
                                                   SpeedButton2, Label3, Label4, Label5})
    layout->addWidget(w);
  setMinimumWidth(420);

  Verbinde(anwendung_.Meldungen(), Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  Verbinde(anwendung_.Meldungen(), Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
  Verbinde(anwendung_.Meldungen(), SpeedButton1, &QPushButton::clicked, this, &TForm2::SpeedButton1Click);
  Verbinde(anwendung_.Meldungen(), SpeedButton2, &QPushButton::clicked, this, &TForm2::SpeedButton2Click);
}

void TForm2::FormCreate() { Label2->setText(anwendung_.Form1().windowTitle()); }

void TForm2::Button1Click() {
  anwendung_.Form1().BeispielEinfuellen();
  close();
}

void TForm2::Button2Click() { anwendung_.Form3().show(); }

void TForm2::SpeedButton1Click() { anwendung_.Form7().show(); }

void TForm2::SpeedButton2Click() {
  SpeedButton1->hide();
  SpeedButton2->hide();
  for (QLabel* kontakt : {Label3, Label4, Label5}) kontakt->show();
  // The window grows to the lines that appeared (the wrapped text needs its height at the
  // window's width).
  layout()->activate();
  resize(width(), std::max(height(), layout()->totalHeightForWidth(width())));
}

void TForm2::closeEvent(QCloseEvent* ereignis) {
  SpeedButton1->show();
  SpeedButton2->show();
  for (QLabel* kontakt : {Label3, Label4, Label5}) kontakt->hide();
  ereignis->accept();
}
