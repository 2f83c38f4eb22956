// TForm9: the welcome window.
#include "Unit9.h"

#include "Anwendung.h"
#include "Waechter.h"
#include "IniDatei.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm9::TForm9(TAnwendung& anwendung) : anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Willkommen"));
  Label1 = new QLabel(QStringLiteral("Hallo, ich freue mich, dass du Quarn verwendest!"), this);
  Label2 = new QLabel(QStringLiteral("Tipp: Klicke auf \"Hilfe\" und dann auf \"Optionen\" um in den "
                                     "Fortgeschrittenen-Modus zu wechseln."),
                      this);
  Label3 = new QLabel(QStringLiteral("Viel Spaß bei der Arbeit!"), this);
  Label4 = new QLabel(QStringLiteral("Das Quarn-Team"), this);
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, Label4, BitBtn1})
    layout->addWidget(w);
  Verbinde(anwendung_.Meldungen(), BitBtn1, &QPushButton::clicked, this, &TForm9::BitBtn1Click);
}

void TForm9::FormCreate() { anwendung_.Bereit = true; }

bool TForm9::firstrun() {
  TIniDatei ini(anwendung_.Datei(QStringLiteral("Quarn.ini")));
  const bool erster = ini.LiesBool(QStringLiteral("Quarn"), QStringLiteral("Erster Start"), true);
  ini.SetzeBool(QStringLiteral("Quarn"), QStringLiteral("Erster Start"), false);
  ini.Speichern();
  return erster;
}

void TForm9::BitBtn1Click() { close(); }
