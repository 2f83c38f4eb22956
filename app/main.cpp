// Quarn: columns of numbers, operations, plots and curve fitting.
#include "Anwendung.h"
#include "Meldungen.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarn"));
  TMeldungsfenster meldungen;
  TAnwendung anwendung(QApplication::applicationDirPath(), meldungen);
  // The program ends with its main window, whatever other windows are open.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&anwendung.Form1(), &TForm1::Geschlossen, &app, &QApplication::quit);
  anwendung.Starten();
  return QApplication::exec();
}
