// Small makers of controls with their caption, default and hint, shared by the windows.
#pragma once

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

inline QCheckBox* Kasten(const QString& text, QWidget* eltern, bool an = false, const QString& hinweis = {}) {
  auto* kasten = new QCheckBox(text, eltern);
  kasten->setChecked(an);
  kasten->setToolTip(hinweis);
  return kasten;
}

// zeichen > 0: a short field for that many characters.
inline QLineEdit* Feld(const QString& text, QWidget* eltern, const QString& hinweis = {}, int zeichen = 0) {
  auto* feld = new QLineEdit(text, eltern);
  feld->setToolTip(hinweis);
  if (zeichen > 0) {
    feld->setMaxLength(zeichen);
    feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (zeichen + 2) + 8);
  }
  return feld;
}

inline QPushButton* Knopf(const QString& text, QWidget* eltern, const QString& hinweis = {}) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setToolTip(hinweis);
  return knopf;
}

// A grid cell editor that hands every typed character to the grid at once, so that the grid's
// item-changed handler sees the cell as it reads after the key, not one key behind.
class TSofortDelegat : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(eltern, option, index);
    if (auto* feld = qobject_cast<QLineEdit*>(editor)) {
      auto* delegat = const_cast<TSofortDelegat*>(this);
      QObject::connect(feld, &QLineEdit::textEdited, delegat, [delegat, feld] { emit delegat->commitData(feld); });
    }
    return editor;
  }
};
