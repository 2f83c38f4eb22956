// Where the windows send the messages they show the user, so that tests can read them.
#pragma once

#include <QString>
#include <QStringList>

class TMeldungen {
public:
  virtual ~TMeldungen() = default;
  // A notice such as a missing file.
  virtual void Zeigen(const QString& text) = 0;
  // A fault that ended what the user asked for.
  virtual void Fehler(const QString& text) = 0;
  // A fault with a yes/no question; "Nein" is the default answer.
  virtual bool Frage(const QString& text) = 0;
};

// The real program: message boxes, faults with the warning icon.
class TMeldungsfenster : public TMeldungen {
public:
  void Zeigen(const QString& text) override;
  void Fehler(const QString& text) override;
  bool Frage(const QString& text) override;
};

// Tests: remembers every message and question in order and answers with Antwort.
class TMeldungsprotokoll : public TMeldungen {
public:
  void Zeigen(const QString& text) override { Texte.append(text); }
  void Fehler(const QString& text) override {
    Texte.append(text);
    Fehlertexte.append(text);
  }
  bool Frage(const QString& text) override {
    Texte.append(text);
    Fehlertexte.append(text);
    return Antwort;
  }
  QStringList Texte;       // everything shown, in order
  QStringList Fehlertexte; // the faults among them (shown with the warning icon)
  bool Antwort = false;
};
