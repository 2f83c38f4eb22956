// The settings file: sections in brackets and key=value lines. Keys may contain spaces
// ("Hilfen anzeigen"); sections and keys compare without regard to case, values are trimmed.
#pragma once

#include <QString>
#include <QStringList>

class TIniDatei {
public:
  // Reads the file when it exists; a missing or unreadable file counts as empty.
  explicit TIniDatei(QString pfad);

  // The value as an integer (decimal, or hexadecimal with "0x" or "$"), non-zero meaning
  // true; a missing key or a value that is no 32-bit integer gives the default.
  bool LiesBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

  // Sets the key to "1" or "0", adding section and key when missing.
  void SetzeBool(const QString& abschnitt, const QString& schluessel, bool wert);

  // Writes the file atomically. Raises TIniFehler ("In %s kann nicht geschrieben werden")
  // when it cannot be written; the old file then stays as it was.
  void Speichern() const;

private:
  qsizetype AbschnittAnfang(const QString& abschnitt) const;
  qsizetype SchluesselZeile(qsizetype anfang, const QString& schluessel) const;

  QString pfad_;
  QStringList zeilen_;
};

// A whole 32-bit integer text: optional sign, decimal digits or "0x"/"$" and hex digits.
bool IniGanzzahl(const QString& text, int& wert);
