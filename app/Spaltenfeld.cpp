#include "Spaltenfeld.h"

#include "Textdatei.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int Rand = 3;
} // namespace

TSpaltenfeld::TSpaltenfeld(QWidget* eltern) : QAbstractScrollArea(eltern) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  BildlaufAnpassen();
}

int TSpaltenfeld::Zeilenhoehe() const { return fontMetrics().height(); }
int TSpaltenfeld::Zeichenbreite() const { return fontMetrics().horizontalAdvance(QLatin1Char('0')); }
int TSpaltenfeld::SichtbareZeilen() const { return std::max(1, viewport()->height() / Zeilenhoehe()); }

void TSpaltenfeld::setPlainText(const QString& text) { Uebernehmen(text.split(QLatin1Char('\n'))); }

void TSpaltenfeld::Uebernehmen(QStringList zeilen) {
  zeilen_ = std::move(zeilen);
  if (zeilen_.isEmpty()) zeilen_ << QString();
  LaengsteMessen();
  cursor_ = anker_ = TPos{};
  rueckgaengig_.clear();
  wiederholen_.clear();
  BildlaufAnpassen();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
  emit textChanged();
}

void TSpaltenfeld::LaengsteMessen() {
  laengste_ = 0;
  for (const QString& z : std::as_const(zeilen_)) laengste_ = std::max(laengste_, static_cast<int>(z.size()));
}

QString TSpaltenfeld::toPlainText() const { return zeilen_.join(QLatin1Char('\n')); }

int TSpaltenfeld::Zeilenzahl() const {
  return static_cast<int>(zeilen_.size()) - (zeilen_.last().isEmpty() ? 1 : 0);
}

TStringListe TSpaltenfeld::Zeilen() const {
  TStringListe zeilen(static_cast<std::size_t>(Zeilenzahl()));
  for (std::size_t i = 0; i < zeilen.size(); ++i) zeilen[i] = zeilen_[static_cast<qsizetype>(i)].toStdString();
  return zeilen;
}

void TSpaltenfeld::ZeilenSetzen(const TStringListe& zeilen) {
  QStringList neu;
  neu.reserve(static_cast<qsizetype>(std::max<std::size_t>(zeilen.size(), 1)));
  for (const std::string& z : zeilen) neu << AusUtf8(z);
  Uebernehmen(std::move(neu));
}

void TSpaltenfeld::ZeilenAendern(const TStringListe& zeilen, const std::vector<std::size_t>& indexe) {
  bool verschoben = false;
  for (const std::size_t i : indexe) {
    if (i >= zeilen.size() || i >= static_cast<std::size_t>(zeilen_.size())) continue;
    QString neu = AusUtf8(zeilen[i]);
    verschoben = verschoben || neu.size() != zeilen_[static_cast<qsizetype>(i)].size();
    zeilen_[static_cast<qsizetype>(i)] = std::move(neu);
    laengste_ = std::max(laengste_, static_cast<int>(zeilen_[static_cast<qsizetype>(i)].size()));
  }
  // A line that changed its length moves the positions the undo steps recorded: they would no
  // longer fit, so they go.
  if (verschoben) {
    rueckgaengig_.clear();
    wiederholen_.clear();
  }
  cursor_ = Begrenzt(cursor_);
  anker_ = Begrenzt(anker_);
  BildlaufAnpassen();
  viewport()->update();
  emit textChanged();
}

QString TSpaltenfeld::Text(TPos von, TPos bis) const {
  if (von.zeile == bis.zeile) return zeilen_[von.zeile].mid(von.spalte, bis.spalte - von.spalte);
  QString text = zeilen_[von.zeile].mid(von.spalte);
  for (int i = von.zeile + 1; i < bis.zeile; ++i) text += QLatin1Char('\n') + zeilen_[i];
  return text + QLatin1Char('\n') + zeilen_[bis.zeile].left(bis.spalte);
}

TSpaltenfeld::TPos TSpaltenfeld::Ersetzen(TPos von, TPos bis, const QString& text, bool aufzeichnen) {
  const QString alt = aufzeichnen ? Text(von, bis) : QString();
  int ersetztLaengste = 0;
  for (int i = von.zeile; i <= bis.zeile; ++i) ersetztLaengste = std::max(ersetztLaengste, static_cast<int>(zeilen_[i].size()));
  const QStringList teile = text.split(QLatin1Char('\n'));
  const QString vorne = zeilen_[von.zeile].left(von.spalte);
  const QString hinten = zeilen_[bis.zeile].mid(bis.spalte);
  const auto neu = static_cast<int>(teile.size());
  const int differenz = neu - (bis.zeile - von.zeile + 1);
  if (differenz > 0) zeilen_.insert(von.zeile + 1, differenz, QString());
  if (differenz < 0) zeilen_.remove(von.zeile + 1, -differenz);
  int neuLaengste = 0;
  for (int i = 0; i < neu; ++i) {
    QString zeile = (i == 0 ? vorne : QString()) + teile[i] + (i == neu - 1 ? hinten : QString());
    neuLaengste = std::max(neuLaengste, static_cast<int>(zeile.size()));
    zeilen_[von.zeile + i] = std::move(zeile);
  }
  // When the longest line was replaced by shorter ones, the scroll width is measured anew.
  if (ersetztLaengste == laengste_ && neuLaengste < laengste_) LaengsteMessen();
  laengste_ = std::max(laengste_, neuLaengste);
  const TPos ende{von.zeile + neu - 1,
                  static_cast<int>(teile.last().size()) + (neu == 1 ? von.spalte : 0)};
  if (aufzeichnen) {
    rueckgaengig_.push_back({von, ende, alt, text});
    wiederholen_.clear();
  }
  BildlaufAnpassen();
  viewport()->update();
  emit textChanged();
  return ende;
}

std::pair<TSpaltenfeld::TPos, TSpaltenfeld::TPos> TSpaltenfeld::Bereich() const {
  return {std::min(anker_, cursor_), std::max(anker_, cursor_)};
}

QString TSpaltenfeld::Auswahl() const {
  const auto [von, bis] = Bereich();
  return Text(von, bis);
}

void TSpaltenfeld::AuswahlErsetzen(const QString& text) {
  const auto [von, bis] = Bereich();
  CursorSetzen(Ersetzen(von, bis, text), false);
}

TSpaltenfeld::TPos TSpaltenfeld::Begrenzt(TPos pos) const {
  pos.zeile = std::clamp(pos.zeile, 0, static_cast<int>(zeilen_.size()) - 1);
  const QString& zeile = zeilen_[pos.zeile];
  pos.spalte = std::clamp(pos.spalte, 0, static_cast<int>(zeile.size()));
  // Never between the two halves of a character outside the basic plane (an emoji).
  if (pos.spalte > 0 && pos.spalte < zeile.size() && zeile[pos.spalte].isLowSurrogate() &&
      zeile[pos.spalte - 1].isHighSurrogate())
    --pos.spalte;
  return pos;
}

void TSpaltenfeld::CursorSetzen(TPos pos, bool auswaehlen) {
  cursor_ = Begrenzt(pos);
  if (!auswaehlen) anker_ = cursor_;
  CursorSichtbar();
  viewport()->update();
}

void TSpaltenfeld::Rueckgaengig() {
  if (rueckgaengig_.empty()) return;
  TSchritt s = std::move(rueckgaengig_.back());
  rueckgaengig_.pop_back();
  CursorSetzen(Ersetzen(s.von, s.bisNeu, s.alt, false), false);
  s.bisNeu = cursor_; // now the end of the old text, where a redo starts replacing
  wiederholen_.push_back(std::move(s));
}

void TSpaltenfeld::Wiederholen() {
  if (wiederholen_.empty()) return;
  TSchritt s = std::move(wiederholen_.back());
  wiederholen_.pop_back();
  CursorSetzen(Ersetzen(s.von, s.bisNeu, s.neu, false), false);
  s.bisNeu = cursor_;
  rueckgaengig_.push_back(std::move(s));
}

void TSpaltenfeld::AllesAuswaehlen() {
  anker_ = TPos{};
  CursorSetzen(TPos{static_cast<int>(zeilen_.size()) - 1, static_cast<int>(zeilen_.last().size())}, true);
}

void TSpaltenfeld::Kopieren() const {
  if (HatAuswahl()) QApplication::clipboard()->setText(Auswahl());
}

void TSpaltenfeld::Ausschneiden() {
  if (!HatAuswahl()) return;
  Kopieren();
  AuswahlErsetzen(QString());
}

void TSpaltenfeld::Einfuegen() {
  QString text = QApplication::clipboard()->text();
  ZeilenendenVereinheitlichen(text);
  AuswahlErsetzen(text);
}

int TSpaltenfeld::Zeichenlaenge(TPos p) const {
  const QString& zeile = zeilen_[p.zeile];
  return p.spalte + 1 < zeile.size() && zeile[p.spalte].isHighSurrogate() && zeile[p.spalte + 1].isLowSurrogate() ? 2 : 1;
}

void TSpaltenfeld::Bewegen(QKeyEvent* ereignis) {
  const bool strg = ereignis->modifiers() & Qt::ControlModifier;
  const int laenge = static_cast<int>(zeilen_[cursor_.zeile].size());
  TPos p = cursor_;
  switch (ereignis->key()) {
  case Qt::Key_Left:
    p = p.spalte > 0 ? TPos{p.zeile, p.spalte - 1} : TPos{p.zeile - 1, INT_MAX};
    if (p.zeile < 0) p = TPos{};
    break;
  case Qt::Key_Right:
    p = p.spalte < laenge ? TPos{p.zeile, p.spalte + Zeichenlaenge(p)} : TPos{p.zeile + 1, 0};
    if (p.zeile >= zeilen_.size()) p = cursor_;
    break;
  case Qt::Key_Up:
    --p.zeile;
    if (p.zeile < 0) p = TPos{};
    break;
  case Qt::Key_Down:
    ++p.zeile;
    if (p.zeile >= zeilen_.size()) p = TPos{p.zeile, INT_MAX};
    break;
  case Qt::Key_Home:
    p = strg ? TPos{} : TPos{p.zeile, 0};
    break;
  case Qt::Key_End:
    p = strg ? TPos{INT_MAX, INT_MAX} : TPos{p.zeile, INT_MAX};
    break;
  case Qt::Key_PageUp:
    p.zeile -= SichtbareZeilen();
    break;
  case Qt::Key_PageDown:
    p.zeile += SichtbareZeilen();
    break;
  default:
    ereignis->ignore();
    return;
  }
  CursorSetzen(p, ereignis->modifiers() & Qt::ShiftModifier);
}

void TSpaltenfeld::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis == QKeySequence::Undo) return Rueckgaengig();
  if (ereignis == QKeySequence::Redo) return Wiederholen();
  if (ereignis == QKeySequence::SelectAll) return AllesAuswaehlen();
  if (ereignis == QKeySequence::Copy) return Kopieren();
  if (ereignis == QKeySequence::Cut) return Ausschneiden();
  if (ereignis == QKeySequence::Paste) return Einfuegen();
  switch (ereignis->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return AuswahlErsetzen(QStringLiteral("\n"));
  case Qt::Key_Backspace:
  case Qt::Key_Delete:
    if (!HatAuswahl()) {
      const bool zurueck = ereignis->key() == Qt::Key_Backspace;
      QKeyEvent schritt(QEvent::KeyPress, zurueck ? Qt::Key_Left : Qt::Key_Right, Qt::ShiftModifier);
      Bewegen(&schritt);
      if (!HatAuswahl()) return; // at the very start or end: nothing to delete
    }
    return AuswahlErsetzen(QString());
  default:
    break;
  }
  const QString text = ereignis->text();
  if (!text.isEmpty() && text.at(0).isPrint() && !(ereignis->modifiers() & Qt::ControlModifier))
    return AuswahlErsetzen(text);
  Bewegen(ereignis);
}

void TSpaltenfeld::inputMethodEvent(QInputMethodEvent* ereignis) {
  if (!ereignis->commitString().isEmpty()) AuswahlErsetzen(ereignis->commitString());
  ereignis->accept();
}

TSpaltenfeld::TPos TSpaltenfeld::PositionBei(const QPoint& punkt) const {
  TPos p;
  p.zeile = verticalScrollBar()->value() + std::max(0, punkt.y()) / Zeilenhoehe();
  const int x = punkt.x() + horizontalScrollBar()->value() - Rand;
  p.spalte = (x + Zeichenbreite() / 2) / Zeichenbreite();
  return Begrenzt(p);
}

void TSpaltenfeld::mousePressEvent(QMouseEvent* ereignis) {
  if (ereignis->button() != Qt::LeftButton) return;
  CursorSetzen(PositionBei(ereignis->position().toPoint()), ereignis->modifiers() & Qt::ShiftModifier);
}

// A double click selects the number (or word) under the mouse.
void TSpaltenfeld::mouseDoubleClickEvent(QMouseEvent* ereignis) {
  if (ereignis->button() != Qt::LeftButton) return;
  const TPos p = PositionBei(ereignis->position().toPoint());
  const QString& zeile = zeilen_[p.zeile];
  const auto teil = [&](int i) {
    const QChar c = zeile[i];
    return c.isLetterOrNumber() || c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('+') ||
           c == QLatin1Char('-');
  };
  int anfang = p.spalte, ende = p.spalte;
  while (anfang > 0 && teil(anfang - 1)) --anfang;
  while (ende < zeile.size() && teil(ende)) ++ende;
  anker_ = TPos{p.zeile, anfang};
  CursorSetzen(TPos{p.zeile, ende}, true);
}

void TSpaltenfeld::mouseMoveEvent(QMouseEvent* ereignis) {
  if (ereignis->buttons() & Qt::LeftButton) CursorSetzen(PositionBei(ereignis->position().toPoint()), true);
}

void TSpaltenfeld::contextMenuEvent(QContextMenuEvent* ereignis) {
  QMenu menue(this);
  menue.addAction(QStringLiteral("Rückgängig"), this, &TSpaltenfeld::Rueckgaengig)->setEnabled(!rueckgaengig_.empty());
  menue.addAction(QStringLiteral("Wiederholen"), this, &TSpaltenfeld::Wiederholen)->setEnabled(!wiederholen_.empty());
  menue.addSeparator();
  menue.addAction(QStringLiteral("Ausschneiden"), this, &TSpaltenfeld::Ausschneiden)->setEnabled(HatAuswahl());
  menue.addAction(QStringLiteral("Kopieren"), this, &TSpaltenfeld::Kopieren)->setEnabled(HatAuswahl());
  menue.addAction(QStringLiteral("Einfügen"), this, &TSpaltenfeld::Einfuegen);
  menue.addSeparator();
  menue.addAction(QStringLiteral("Alles auswählen"), this, &TSpaltenfeld::AllesAuswaehlen);
  menue.exec(ereignis->globalPos());
}

void TSpaltenfeld::focusInEvent(QFocusEvent* ereignis) {
  viewport()->update();
  QAbstractScrollArea::focusInEvent(ereignis);
}

void TSpaltenfeld::focusOutEvent(QFocusEvent* ereignis) {
  viewport()->update();
  QAbstractScrollArea::focusOutEvent(ereignis);
}

bool TSpaltenfeld::viewportEvent(QEvent* ereignis) {
  // The scroll ranges depend on the viewport's size, which the scroll bars themselves change.
  if (ereignis->type() == QEvent::Resize) BildlaufAnpassen();
  return QAbstractScrollArea::viewportEvent(ereignis);
}

void TSpaltenfeld::BildlaufAnpassen() {
  const int sichtbar = SichtbareZeilen();
  verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(zeilen_.size()) - sichtbar));
  verticalScrollBar()->setPageStep(sichtbar);
  const int breite = laengste_ * Zeichenbreite() + 2 * Rand;
  horizontalScrollBar()->setRange(0, std::max(0, breite - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(Zeichenbreite());
}

void TSpaltenfeld::CursorSichtbar() {
  QScrollBar* senkrecht = verticalScrollBar();
  if (cursor_.zeile < senkrecht->value()) senkrecht->setValue(cursor_.zeile);
  if (cursor_.zeile >= senkrecht->value() + SichtbareZeilen()) senkrecht->setValue(cursor_.zeile - SichtbareZeilen() + 1);
  QScrollBar* waagrecht = horizontalScrollBar();
  const int x = cursor_.spalte * Zeichenbreite() + Rand;
  if (x < waagrecht->value()) waagrecht->setValue(x - Rand);
  if (x > waagrecht->value() + viewport()->width() - Rand) waagrecht->setValue(x - viewport()->width() + 2 * Rand);
}

void TSpaltenfeld::paintEvent(QPaintEvent*) {
  QPainter maler(viewport());
  const int hoehe = Zeilenhoehe();
  const int breite = Zeichenbreite();
  const int links = Rand - horizontalScrollBar()->value();
  const int erste = verticalScrollBar()->value();
  const int letzte = std::min(static_cast<int>(zeilen_.size()), erste + SichtbareZeilen() + 1);
  const auto [von, bis] = Bereich();
  const QPalette& farben = palette();
  for (int i = erste; i < letzte; ++i) {
    const int oben = (i - erste) * hoehe;
    const QString& zeile = zeilen_[i];
    if (HatAuswahl() && i >= von.zeile && i <= bis.zeile) {
      const int a = i == von.zeile ? von.spalte : 0;
      const int e = i == bis.zeile ? bis.spalte : static_cast<int>(zeile.size()) + 1;
      maler.fillRect(links + a * breite, oben, (e - a) * breite, hoehe, farben.highlight());
    }
    // Tabs are drawn one character wide, as the cursor positions count them.
    QString sichtbar = zeile;
    sichtbar.replace(QLatin1Char('\t'), QLatin1Char(' '));
    maler.setPen(farben.color(QPalette::Text));
    maler.drawText(links, oben + fontMetrics().ascent(), sichtbar);
  }
  if (hasFocus() && cursor_.zeile >= erste && cursor_.zeile < letzte) {
    const int x = links + cursor_.spalte * breite;
    const int y = (cursor_.zeile - erste) * hoehe;
    maler.fillRect(x, y, 1, hoehe, farben.color(QPalette::Text));
  }
}
