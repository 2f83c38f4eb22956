// A complete program in a temporary program folder, with its messages recorded.
#pragma once

#include "Anwendung.h"
#include "Dialoge.h"
#include "Meldungen.h"
#include "Textdatei.h"
#include "Unit1.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <utility>

// A column's lines, joined by LF: the same whether or not its text ends with a line break.
inline QString Spalte(const TForm1& f, int nummer) { return SpaltenText(f.Zeilen(nummer)); }

// The dialogs answered from a script: the answers queued in order ("" or no colour once the
// queue is empty, as a cancel), and every question recorded.
class TDialogskript : public TDialoge {
public:
  struct TFrage {
    QString titel, filter, endung;
  };
  QString Speichername(const QString& titel, const QString& filter, const QString& endung) override {
    Fragen.append({titel, filter, endung});
    return Namen.isEmpty() ? QString() : Namen.takeFirst();
  }
  std::optional<QColor> Farbe(const QColor& anfang) override {
    Farbfragen.append(anfang);
    if (Farben.isEmpty()) return std::nullopt;
    return Farben.takeFirst();
  }
  std::optional<QSize> Bildgroesse(const QSize& anfang) override {
    Groessenfragen.append(anfang);
    if (Groessen.isEmpty()) return std::nullopt;
    return Groessen.takeFirst();
  }
  QStringList Namen;
  QList<QColor> Farben;
  QList<QSize> Groessen, Groessenfragen;
  QList<TFrage> Fragen;
  QList<QColor> Farbfragen;
};

struct TTestprogramm {
  QTemporaryDir ordner;
  TMeldungsprotokoll meldungen;
  TDialogskript dialoge;
  std::unique_ptr<TAnwendung> anwendung;

  // Files placed in the data folder before the program starts: (name, content).
  explicit TTestprogramm(std::initializer_list<std::pair<QString, QByteArray>> dateien = {}) {
    for (const auto& [name, inhalt] : dateien) Schreiben(name, inhalt);
    Neustart();
  }

  QString Datenordner() const { return ordner.path() + QStringLiteral("/Quarn"); }
  QString Pfad(const QString& name) const { return Datenordner() + QLatin1Char('/') + name; }

  void Schreiben(const QString& name, const QByteArray& inhalt) const {
    QDir().mkpath(Datenordner());
    QFile datei(Pfad(name));
    if (datei.open(QIODevice::WriteOnly)) datei.write(inhalt);
  }

  QByteArray Lesen(const QString& name) const {
    QFile datei(Pfad(name));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
  }

  // A new program on the same folder, as after a restart.
  void Neustart() {
    anwendung.reset();
    anwendung = std::make_unique<TAnwendung>(ordner.path(), meldungen, dialoge);
  }

  TAnwendung& a() { return *anwendung; }
};
