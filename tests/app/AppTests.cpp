#include "AppTests.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarn"));
  // The per-user data folder of the tests is a test location, never the real one.
  QStandardPaths::setTestModeEnabled(true);
  int fehler = 0;
  TLeinwandTest leinwand;
  fehler += QTest::qExec(&leinwand, argc, argv);
  TSpaltenfeldTest spaltenfeld;
  fehler += QTest::qExec(&spaltenfeld, argc, argv);
  TStartTest start;
  fehler += QTest::qExec(&start, argc, argv);
  THauptfensterTest haupt;
  fehler += QTest::qExec(&haupt, argc, argv);
  TDateienTest dateien;
  fehler += QTest::qExec(&dateien, argc, argv);
  TOptionenTest optionen;
  fehler += QTest::qExec(&optionen, argc, argv);
  return fehler == 0 ? 0 : 1;
}
