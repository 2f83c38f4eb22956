// TForm8: the list of the data sets saved in the data folder.
#include "Unit8.h"

#include "Anwendung.h"
#include "Waechter.h"

#include "core/Fehler.h"
#include "Unit1.h"
#include "Unit4.h"

#include <QCheckBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

QString Reduziert(const QString& name) {
  QString rest = name.size() >= 2 ? name.mid(2) : QString();
  const qsizetype punkt = rest.lastIndexOf(QLatin1Char('.'));
  if (punkt >= 0 && punkt > rest.lastIndexOf(QLatin1Char('/'))) rest.truncate(punkt);
  return rest;
}

} // namespace

QStringList Datensaetze(const QStringList& eintraege) {
  QStringList reduziert;
  QHash<QString, int> anzahl;
  for (const QString& eintrag : eintraege) {
    reduziert << Reduziert(eintrag);
    ++anzahl[reduziert.last()];
  }
  QStringList saetze;
  for (const QString& name : reduziert)
    if (anzahl.value(name) == 4 && !saetze.contains(name)) saetze << name;
  return saetze;
}

TForm8::TForm8(TAnwendung& anwendung) : anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Dateien"));
  ListBox1 = new QListWidget(this);
  CheckBox1 = new QCheckBox(QStringLiteral("Sofort plotten"), this);
  Label1 = new QLabel(QStringLiteral("Lädt."), this);
  Label1->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBox1);
  layout->addWidget(CheckBox1);
  layout->addWidget(Label1);
  // Keys move the current row; a mouse click counts once the item is selected, which is
  // after the current row has changed.
  Verbinde(anwendung_.Meldungen(), ListBox1, &QListWidget::currentRowChanged, this, &TForm8::ListBox1Click);
  Verbinde(anwendung_.Meldungen(), ListBox1, &QListWidget::itemClicked, this, &TForm8::ListBox1Click);
  Verbinde(anwendung_.Meldungen(), CheckBox1, &QCheckBox::clicked, this, &TForm8::CheckBox1Click);
}

void TForm8::laden() {
  ListBox1->clear();
  QStringList eintraege;
  try {
    const QDir ordner(anwendung_.Datenordner());
    eintraege = ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Unsorted);
  } catch (const TEAFehler&) {
    // No data folder: an empty list.
  }
  ListBox1->addItems(Datensaetze(eintraege));
}

void TForm8::ListBox1Click() {
  const QListWidgetItem* eintrag = ListBox1->currentItem();
  if (!eintrag || !eintrag->isSelected()) return;
  Label1->show();
  Label1->repaint();
  const auto verbergen = qScopeGuard([this] { Label1->hide(); });
  TForm1& haupt = anwendung_.Form1();
  haupt.DatensatzLaden(eintrag->text());
  if (CheckBox1->isChecked()) {
    if (!anwendung_.Form4().isVisible()) anwendung_.Form4().show();
    haupt.Button10Click(); // "Sofort plotten" is a click on the main window's plot button
  }
}

void TForm8::CheckBox1Click() { ListBox1Click(); }
