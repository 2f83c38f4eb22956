// TSpaltenfeld: the editor of one column. It keeps the lines in a list and draws only the
// visible ones, so that setting, reading and typing in columns of a million lines stays fast
// (a general text document spends microseconds per line on its block structure).
//
// Editing: typing, Return, Backspace/Delete, arrows, Home/End, PageUp/PageDown, Ctrl+Home/End,
// Shift to select, Ctrl+A/C/X/V/Z/Y, the mouse to place the cursor and select, and a context
// menu. Every change goes through one replace primitive, which also records the undo steps.
#pragma once

#include "core/Typen.h"

#include <QAbstractScrollArea>
#include <QStringList>

#include <vector>

class TSpaltenfeld : public QAbstractScrollArea {
  Q_OBJECT

public:
  explicit TSpaltenfeld(QWidget* eltern = nullptr);

  void setPlainText(const QString& text);
  QString toPlainText() const;
  void clear() { setPlainText(QString()); }

  // The column's lines; an empty text or a line break at the very end adds no line.
  TStringListe Zeilen() const;
  void ZeilenSetzen(const TStringListe& zeilen);
  // Replaces the lines at the given indexes with those of zeilen, in place: cursor and
  // selection stay, and the undo history unless a line changed its length.
  void ZeilenAendern(const TStringListe& zeilen, const std::vector<std::size_t>& indexe);
  int Zeilenzahl() const;

  // The cursor as (line, column), and the selected text.
  QPoint Cursor() const { return QPoint(cursor_.spalte, cursor_.zeile); }
  QString Auswahl() const;

  void Rueckgaengig();
  void Wiederholen();
  void AllesAuswaehlen();
  void Kopieren() const;
  void Ausschneiden();
  void Einfuegen();

signals:
  void textChanged();

protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
  bool viewportEvent(QEvent* ereignis) override;
  void contextMenuEvent(QContextMenuEvent* ereignis) override;
  void focusInEvent(QFocusEvent* ereignis) override;
  void focusOutEvent(QFocusEvent* ereignis) override;
  void inputMethodEvent(QInputMethodEvent* ereignis) override;

private:
  struct TPos {
    int zeile = 0;
    int spalte = 0;
    auto operator<=>(const TPos&) const = default;
  };
  // One change: the text from von to bis (exclusive) was replaced by neu; alt is what stood
  // there before.
  struct TSchritt {
    TPos von;
    TPos bisNeu;
    QString alt;
    QString neu;
  };

  // New content: cursor at the start, no undo steps.
  void Uebernehmen(QStringList zeilen);
  // Replaces the text between von and bis by text; returns the end of the inserted text.
  TPos Ersetzen(TPos von, TPos bis, const QString& text, bool aufzeichnen = true);
  QString Text(TPos von, TPos bis) const;
  void AuswahlErsetzen(const QString& text);
  void CursorSetzen(TPos pos, bool auswaehlen);
  TPos Begrenzt(TPos pos) const;
  TPos PositionBei(const QPoint& punkt) const;
  bool HatAuswahl() const { return anker_ != cursor_; }
  std::pair<TPos, TPos> Bereich() const;
  void Bewegen(QKeyEvent* ereignis);
  // 2 where the character at p is a surrogate pair, else 1.
  int Zeichenlaenge(TPos p) const;
  void LaengsteMessen();
  void BildlaufAnpassen();
  void CursorSichtbar();
  int Zeilenhoehe() const;
  int Zeichenbreite() const;
  int SichtbareZeilen() const;

  QStringList zeilen_{QString()};
  TPos cursor_;
  TPos anker_;
  int laengste_ = 0; // longest line in characters, for the horizontal scroll bar
  std::vector<TSchritt> rueckgaengig_;
  std::vector<TSchritt> wiederholen_;
};
