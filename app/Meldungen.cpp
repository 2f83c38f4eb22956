#include "Meldungen.h"

#include <QApplication>
#include <QMessageBox>

void TMeldungsfenster::Zeigen(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void TMeldungsfenster::Fehler(const QString& text) {
  QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text);
}

bool TMeldungsfenster::Frage(const QString& text) {
  return QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
