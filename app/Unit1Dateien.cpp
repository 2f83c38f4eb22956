// TForm1: data sets, applying operations to files, dropped files and closing.
#include "Unit1.h"

#include "Anwendung.h"
#include "Meldungen.h"
#include "Textdatei.h"
#include "Unit7.h"
#include "Waechter.h"
#include "Wartecursor.h"

#include "operations/Dispatcher.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>

QString TForm1::Dateiname(const QString& vorsatz, bool mitTxt) const {
  return anwendung_.Datei(vorsatz + Edit2->text() + (mitTxt ? QStringLiteral(".txt") : QString()));
}

bool TForm1::SpalteLaden(int nummer, const QString& pfad) {
  if (!QFileInfo::exists(pfad)) {
    anwendung_.Meldungen().Zeigen(Dateimeldung(pfad, QStringLiteral("nicht gefunden")));
    return false;
  }
  const QString text = TextLaden(pfad);
  const TWartecursor warten;
  Spalte(nummer)->setPlainText(text);
  return true;
}

QString TForm1::Datensatzdatei(int k, const QString& name) const {
  return anwendung_.Datei(QString::number(k) + QStringLiteral("_") + name + QStringLiteral(".txt"));
}

bool TForm1::DateienEinlesen() {
  const bool mitTxt = CheckBox3->isChecked();
  if (!SpalteLaden(1, Dateiname(QStringLiteral("1_"), mitTxt))) return false;
  SpalteLaden(2, Dateiname(QStringLiteral("2_"), mitTxt));
  return true;
}

void TForm1::DateienSchreiben() {
  TextSpeichern(Dateiname(QStringLiteral("3"), false), DateiText(Memo3->toPlainText()));
  TextSpeichern(Dateiname(QStringLiteral("4"), false), DateiText(Memo4->toPlainText()));
}

void TForm1::Sichern() {
  anwendung_.Datenordner();
  for (int k = 1; k <= 4; ++k)
    TextSpeichern(Datensatzdatei(k, Edit3->text()), DateiText(Spalte(k)->toPlainText()));
}

void TForm1::DatensatzLaden(const QString& name) {
  anwendung_.Datenordner();
  for (int k = 1; k <= 4; ++k) SpalteLaden(k, Datensatzdatei(k, name));
}

void TForm1::Laden() { DatensatzLaden(Edit3->text()); }

void TForm1::Button14Click() { Sichern(); }

void TForm1::Button15Click() { Laden(); }

void TForm1::SpeedButton2Click() { DatensatzLaden(QStringLiteral("letzte")); }

void TForm1::DateiFallenGelassen(const QStringList& pfade) {
  if (pfade.isEmpty()) return;
  letzteDatei_ = pfade.last();
  // The file replaces column 1 and goes straight into the split, so that a large file is
  // put into the column widgets once, not twice.
  TSpaltenModell modell;
  modell.Spalte(1) = SpaltenZeilen(TextLaden(letzteDatei_));
  modell.Geaendert[0] = true;
  TOperation op;
  OperationSetzen(Operationsart::DatenreiheTrennen, false, op, 0);
  OperationAnwenden(op, std::move(modell));
}

namespace {

QStringList LokaleDateien(const QMimeData* daten) {
  QStringList pfade;
  for (const QUrl& url : daten->urls())
    if (url.isLocalFile()) pfade << url.toLocalFile();
  return pfade;
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* ereignis) {
  if (!LokaleDateien(ereignis->mimeData()).isEmpty()) ereignis->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* ereignis) {
  ereignis->acceptProposedAction();
  Bewacht(anwendung_.Meldungen(), [&] { DateiFallenGelassen(LokaleDateien(ereignis->mimeData())); });
}

// Files dragged onto a column are loaded like files dropped on the window, instead of the
// column pasting their names; text dragged between columns stays the columns' own affair.
bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
  const auto typ = ereignis->type();
  if (typ != QEvent::DragEnter && typ != QEvent::DragMove && typ != QEvent::Drop)
    return QWidget::eventFilter(objekt, ereignis);
  auto* ziehen = static_cast<QDropEvent*>(ereignis);
  if (LokaleDateien(ziehen->mimeData()).isEmpty()) return QWidget::eventFilter(objekt, ereignis);
  ziehen->acceptProposedAction();
  if (typ == QEvent::Drop)
    Bewacht(anwendung_.Meldungen(), [&] { DateiFallenGelassen(LokaleDateien(ziehen->mimeData())); });
  return true;
}

bool TForm1::FormClose() {
  Edit3->setText(QStringLiteral("letzte"));
  try {
    Sichern();
    anwendung_.Form7().speichern();
    anwendung_.Form7().diagrammspeichern();
    return true;
  } catch (...) {
    // The window stays open so that the user can make room and try again; one who cannot
    // fix the folder must still be able to end the program.
    return anwendung_.Meldungen().Frage(Fehlertext(std::current_exception()) +
                                        QStringLiteral("\n\nQuarn trotzdem ohne Sichern beenden?"));
  }
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
  if (!FormClose()) {
    ereignis->ignore();
    return;
  }
  ereignis->accept();
  emit Geschlossen();
}
