// A complete program in a temporary program folder, with its messages recorded, and the ways
// the window tests drive it as a user would.
#pragma once

#include "Anwendung.h"
#include "Dialoge.h"
#include "Meldungen.h"
#include "QtLeinwand.h"
#include "Textdatei.h"
#include "Unit1.h"
#include "Unit4.h"

#include "plot/Beispiel.h"
#include "plot/Diagramm.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

// A column's lines, joined by LF: the same whether or not its text ends with a line break.
inline QString Spalte(const TForm1& f, int nummer) { return SpaltenText(f.Zeilen(nummer)); }
inline QStringList Spalten(const TForm1& f) { return {Spalte(f, 1), Spalte(f, 2), Spalte(f, 3), Spalte(f, 4)}; }

// An operation chosen in the main window's list.
inline void Waehlen(TForm1& f, const QString& name) { f.ComboBox1->setCurrentIndex(f.ComboBox1->findText(name)); f.ComboBox1Change(); }

// A click at the left end of a control, where a check box has its box.
inline void Klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2)); }

// Text typed over all of a field's content.
inline void Tippen(QLineEdit* feld, const QString& text) { feld->selectAll(); QTest::keyClicks(feld, text); }

// A diagram as the renderer draws it on an image of the plot window's size.
inline QImage Gezeichnet(const TVektor& x, const TVektor& y, const TDiagrammEinstellungen& e) {
  QImage bild(697, 409, QImage::Format_RGB32);
  TQtLeinwand l(bild);
  DiagrammZeichnen(l, x, y, {}, {}, e);
  return bild;
}

// A key pressed on a control that has the focus, as after a click or Tab.
inline void Taste(QWidget* w, Qt::Key taste) { w->setFocus(); QTest::keyClick(w, taste); }

// A window shown and exposed.
inline bool Gezeigt(QWidget& w) { w.show(); return QTest::qWaitForWindowExposed(&w); }

// The boxes' ticks: '+' ticked, '-' not.
inline QString Haken(std::initializer_list<const QAbstractButton*> kaesten) {
  QString s;
  for (const QAbstractButton* k : kaesten) s += k->isChecked() ? '+' : '-';
  return s;
}

// A list position chosen with the keyboard, as a user would.
inline void Waehlen(QComboBox* liste, int position) {
  liste->setFocus();
  while (liste->currentIndex() < position) QTest::keyClick(liste, Qt::Key_Down);
  while (liste->currentIndex() > position) QTest::keyClick(liste, Qt::Key_Up);
}

// A model's example on a white 129 × 121 image, as the explanation window draws it.
inline QImage Beispielbild(uint8_t modell) {
  const TBeispiel b = ModellBeispiel(modell);
  QImage bild(129, 121, QImage::Format_RGB32);
  bild.fill(Qt::white);
  TQtLeinwand l(bild);
  BeispielZeichnen(l, b.x, b.y, b.einstellungen);
  return bild;
}

// The dialogs answered from a script: the answers queued in order ("" or no colour once the
// queue is empty, as a cancel), and every question recorded.
class TDialogskript : public TDialoge {
public:
  struct TFrage { QString titel, filter, endung; };
  QString Speichername(const QString& titel, const QString& filter, const QString& endung) override {
    Fragen.append({titel, filter, endung});
    return Namen.isEmpty() ? QString() : Namen.takeFirst();
  }
  std::optional<QColor> Farbe(const QColor& anfang) override { Farbfragen.append(anfang); return Naechste(Farben); }
  std::optional<QSize> Bildgroesse(const QSize& anfang) override { Groessenfragen.append(anfang); return Naechste(Groessen); }
  QStringList Namen;
  QList<QColor> Farben, Farbfragen;
  QList<QSize> Groessen, Groessenfragen;
  QList<TFrage> Fragen;

private:
  template <class T> static std::optional<T> Naechste(QList<T>& antworten) {
    return antworten.isEmpty() ? std::nullopt : std::optional<T>(antworten.takeFirst());
  }
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

  // Columns 1 and 2 of the main window.
  void Daten(const QString& x, const QString& y) { a().Form1().Memo1->setPlainText(x); a().Form1().Memo2->setPlainText(y); }

  // The main window shown and closed, as the user ends the program: whether it closed.
  bool Schliessen() { a().Form1().show(); return a().Form1().close(); }

  // Columns 1 and 2 filled, the plot button clicked: the plot window, shown.
  TForm4& Plotten(const QString& x, const QString& y) {
    Daten(x, y);
    QTest::mouseClick(a().Form1().Button10, Qt::LeftButton);
    [this] { QVERIFY(QTest::qWaitForWindowExposed(&a().Form4())); }();
    return a().Form4();
  }
};
