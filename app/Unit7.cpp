// TForm7: the options window.
#include "Unit7.h"

#include "Anwendung.h"
#include "IniDatei.h"
#include "Textdatei.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Waechter.h"

#include "core/Fehler.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
const QString Abschnitt = QStringLiteral("Optionen");
const QString SchluesselFortgeschritten = QStringLiteral("Fortgeschritten");
const QString SchluesselHilfen = QStringLiteral("Hilfen anzeigen");
const QString SchluesselLetzteDaten = QStringLiteral("Letzte Daten laden");
} // namespace

TForm7::TForm7(TAnwendung& anwendung) : anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Optionen"));
  CheckBox1 = new QCheckBox(QStringLiteral("Fortgeschrittenen-Modus"), this);
  CheckBox1->setChecked(true);
  CheckBox2 = new QCheckBox(QStringLiteral("Hilfen anzeigen"), this);
  CheckBox2->setChecked(true);
  CheckBox3 = new QCheckBox(QStringLiteral("Beim Start letzte Daten laden"), this);
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox1, CheckBox2, CheckBox3, BitBtn1})
    layout->addWidget(w);
  Verbinde(anwendung_.Meldungen(), BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
}

bool TForm7::Fortgeschritten() const { return CheckBox1->isChecked(); }
bool TForm7::HilfenAnzeigen() const { return CheckBox2->isChecked(); }
bool TForm7::LetzteLaden() const { return CheckBox3->isChecked(); }

QString TForm7::Einstellungsdatei() { return anwendung_.Datei(QStringLiteral("Quarn.ini")); }

void TForm7::FormCreate() {
  laden();
  TForm1& haupt = anwendung_.Form1();
  haupt.Optionangleichen();
  haupt.ComboBox1Change();
  haupt.BeispielVerbergen();
  anwendung_.Form4().HilfeZeigen(HilfenAnzeigen());
  // The stored diagram settings come back, when the file held a whole record.
  Bewacht(anwendung_.Meldungen(), [&] {
    TDiagrammEinstellungen einstellungen;
    bool ganz = false;
    if (diagrammladen(einstellungen, ganz) && ganz) anwendung_.Form4().diagrammabgeben(einstellungen);
  });
}

QString TForm7::Diagrammdatei() { return anwendung_.Datei(QStringLiteral("Diagramm")); }

bool TForm7::diagrammspeichern() {
  try {
    const auto bytes = DiagrammBytes(anwendung_.Form4().diagrammaufnehmen());
    DateiSchreiben(Diagrammdatei(), QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    return true;
  } catch (...) {
    return false; // the settings of one session are not worth a failed close
  }
}

bool TForm7::diagrammladen(TDiagrammEinstellungen& einstellungen, bool& ganz) {
  QString pfad;
  try {
    pfad = Diagrammdatei();
  } catch (const TEAFehler&) {
    return false; // no data folder anywhere: no file either
  }
  if (!QFileInfo::exists(pfad)) return false;
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly))
    Dateifehler(pfad, QStringLiteral("kann nicht gelesen werden"));
  const QByteArray bytes = datei.read(static_cast<qint64>(DiagrammGroesse));
  ganz = bytes.size() == static_cast<qsizetype>(DiagrammGroesse);
  einstellungen = ganz ? DiagrammAusBytes(std::span<const uint8_t, DiagrammGroesse>(
                             reinterpret_cast<const uint8_t*>(bytes.data()), DiagrammGroesse))
                       : TDiagrammEinstellungen{};
  return true;
}

void TForm7::laden() {
  QString pfad;
  try {
    pfad = Einstellungsdatei();
  } catch (const TEAFehler&) {
    // No data folder anywhere: the defaults, as for a missing file.
  }
  const TIniDatei ini(pfad);
  CheckBox1->setChecked(ini.LiesBool(Abschnitt, SchluesselFortgeschritten, true));
  CheckBox2->setChecked(ini.LiesBool(Abschnitt, SchluesselHilfen, true));
  CheckBox3->setChecked(ini.LiesBool(Abschnitt, SchluesselLetzteDaten, false));
}

void TForm7::speichern() {
  TIniDatei ini(Einstellungsdatei());
  ini.SetzeBool(Abschnitt, SchluesselFortgeschritten, CheckBox1->isChecked());
  ini.SetzeBool(Abschnitt, SchluesselHilfen, CheckBox2->isChecked());
  ini.SetzeBool(Abschnitt, SchluesselLetzteDaten, CheckBox3->isChecked());
  ini.Speichern();
}

void TForm7::BitBtn1Click() {
  speichern();
  anwendung_.Form1().Optionangleichen();
  close();
}

void TForm7::showEvent(QShowEvent* ereignis) {
  // Opening the window shows the stored options; a window restored from the task bar keeps
  // what the user ticked.
  if (!ereignis->spontaneous()) laden();
  QWidget::showEvent(ereignis);
}
