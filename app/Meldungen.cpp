#include "Meldungen.h"

#include <QApplication>
#include <QMessageBox>

void TMeldungsfenster::Zeigen(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}
