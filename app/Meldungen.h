// Where the windows send the messages they show the user, so that tests can read them.
#pragma once

#include <QString>
#include <QStringList>

class TMeldungen {
public:
  virtual ~TMeldungen() = default;
  virtual void Zeigen(const QString& text) = 0;
};

// The real program: a message box.
class TMeldungsfenster : public TMeldungen {
public:
  void Zeigen(const QString& text) override;
};

// Tests: remembers every message in order.
class TMeldungsprotokoll : public TMeldungen {
public:
  void Zeigen(const QString& text) override { Texte.append(text); }
  QStringList Texte;
};
