#include "AppTests.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarn"));
  // The per-user data folder of the tests is a test location, never the real one.
  QStandardPaths::setTestModeEnabled(true);
  TFensterTest test;
  return QTest::qExec(&test, argc, argv) == 0 ? 0 : 1;
}
