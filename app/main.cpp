// Quarn: columns of numbers, operations, plots and curve fitting.
#include "Anwendung.h"
#include "Dialoge.h"
#include "Meldungen.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarn"));
  TMeldungsfenster meldungen;
  TQtDialoge dialoge;
  TAnwendung anwendung(QApplication::applicationDirPath(), meldungen, dialoge);
  // The program ends with its main window, whatever other windows are open.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&anwendung.Form1(), &TForm1::Geschlossen, &app, &QApplication::quit);
  anwendung.Starten();
  return QApplication::exec();
}
