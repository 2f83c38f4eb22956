// Quarn: columns of numbers, operations, plots and curve fitting.
#include "Anwendung.h"
#include "Meldungen.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarn"));
  TMeldungsfenster meldungen;
  TAnwendung anwendung(QApplication::applicationDirPath(), meldungen);
  anwendung.Starten();
  return QApplication::exec();
}
