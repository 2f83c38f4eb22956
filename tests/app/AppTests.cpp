#include "AppTests.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarn"));
  // The per-user data folder of the tests is a test location, never the real one.
  QStandardPaths::setTestModeEnabled(true);
  TLeinwandTest leinwand;
  TSpaltenfeldTest spaltenfeld;
  TStartTest start;
  THauptfensterTest haupt;
  TDateienTest dateien;
  TOptionenTest optionen;
  TInformationTest information;
  TPlotfensterTest plotfenster;
  TInteraktionTest interaktion;
  TFunktionTest funktion;
  TDiagrammdateiTest diagrammdatei;
  TVergleichTest vergleich;
  int fehler = 0;
  for (QObject* test : std::initializer_list<QObject*>{&leinwand, &spaltenfeld, &start, &haupt, &dateien, &optionen, &information, &plotfenster, &interaktion, &funktion, &diagrammdatei, &vergleich})
    fehler += QTest::qExec(test, argc, argv);
  return fehler == 0 ? 0 : 1;
}
