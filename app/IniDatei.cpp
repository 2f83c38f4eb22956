#include "IniDatei.h"

#include "Textdatei.h"

#include "core/Fehler.h"
#include "core/Ganzzahl.h"

#include <QFile>

namespace {

// A settings file is small; anything beyond this is not one and is read no further.
constexpr qint64 Hoechstgroesse = 1024 * 1024;

bool IstAbschnitt(const QString& zeile) {
  const QString z = zeile.trimmed();
  return z.startsWith(QLatin1Char('[')) && z.endsWith(QLatin1Char(']'));
}

QString Abschnittsname(const QString& zeile) {
  const QString z = zeile.trimmed();
  return z.mid(1, z.size() - 2).trimmed();
}

} // namespace

bool IniGanzzahl(const QString& text, int& wert) {
  int32_t gelesen = 0;
  if (!GanzzahlLesen(text.trimmed().toStdString(), gelesen, true)) return false;
  wert = gelesen;
  return true;
}

TIniDatei::TIniDatei(QString pfad) : pfad_(std::move(pfad)) {
  QFile datei(pfad_);
  if (!datei.open(QIODevice::ReadOnly)) return;
  zeilen_ = TextDekodieren(datei.read(Hoechstgroesse)).split(QLatin1Char('\n'));
  if (!zeilen_.isEmpty() && zeilen_.last().isEmpty()) zeilen_.removeLast();
}

qsizetype TIniDatei::AbschnittAnfang(const QString& abschnitt) const {
  for (qsizetype i = 0; i < zeilen_.size(); ++i)
    if (IstAbschnitt(zeilen_[i]) &&
        Abschnittsname(zeilen_[i]).compare(abschnitt, Qt::CaseInsensitive) == 0)
      return i + 1;
  return -1;
}

qsizetype TIniDatei::SchluesselZeile(qsizetype anfang, const QString& schluessel) const {
  for (qsizetype i = anfang; i < zeilen_.size() && !IstAbschnitt(zeilen_[i]); ++i) {
    const qsizetype gleich = zeilen_[i].indexOf(QLatin1Char('='));
    if (gleich > 0 &&
        zeilen_[i].left(gleich).trimmed().compare(schluessel, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

bool TIniDatei::LiesBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const {
  const qsizetype anfang = AbschnittAnfang(abschnitt);
  if (anfang < 0) return vorgabe;
  const qsizetype zeile = SchluesselZeile(anfang, schluessel);
  if (zeile < 0) return vorgabe;
  int wert = 0;
  if (!IniGanzzahl(zeilen_[zeile].mid(zeilen_[zeile].indexOf(QLatin1Char('=')) + 1), wert))
    return vorgabe;
  return wert != 0;
}

void TIniDatei::SetzeBool(const QString& abschnitt, const QString& schluessel, bool wert) {
  const QString eintrag = schluessel + QLatin1Char('=') + (wert ? QLatin1Char('1') : QLatin1Char('0'));
  qsizetype anfang = AbschnittAnfang(abschnitt);
  if (anfang < 0) {
    zeilen_.append(QLatin1Char('[') + abschnitt + QLatin1Char(']'));
    anfang = zeilen_.size();
  }
  const qsizetype zeile = SchluesselZeile(anfang, schluessel);
  if (zeile >= 0) {
    zeilen_[zeile] = eintrag;
  } else {
    qsizetype ende = anfang;
    while (ende < zeilen_.size() && !IstAbschnitt(zeilen_[ende])) ++ende;
    zeilen_.insert(ende, eintrag);
  }
}

void TIniDatei::Speichern() const {
  try {
    TextSpeichern(pfad_, zeilen_.join(QLatin1Char('\n')) + QLatin1Char('\n'));
  } catch (const TEAFehler&) {
    throw TIniFehler(pfad_.toStdString());
  }
}
