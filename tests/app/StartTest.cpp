#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Waechter.h"

#include "core/Fehler.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <new>
#include <stdexcept>

void TFensterTest::NachDemStartWieBeschrieben() {
  TTestprogramm p;
  TAnwendung& a = p.a();
  TForm1& f = a.Form1();
  QVERIFY(a.Bereit);
  const std::pair<QWidget*, const char*> titel[] = {
      {&f, "Quarn v1.21"}, {&a.Form2(), "Info"}, {&a.Form3(), "Erklärung zu den Operationen"},
      {&a.Form4(), "Plot Spalte 2 gegen Spalte 1"}, {&a.Form5(), "Information"}, {&a.Form6(), "Funktion eingeben"},
      {&a.Form7(), "Optionen"}, {&a.Form8(), "Dateien"}, {&a.Form9(), "Willkommen"}};
  for (const auto& [fenster, text] : titel) QCOMPARE(fenster->windowTitle(), QString::fromUtf8(text));
  QCOMPARE(f.ComboBox1->count(), 31);
  QCOMPARE((QStringList{a.Form2().Label2->text(), f.ComboBox1->currentText(), f.ComboBox1->itemText(30), f.CheckBox1->text()}),
           (QStringList{"Quarn v1.21", "Addieren", "Zahlensystem", "Spalte 1 + Spalte 2"}));
  QVERIFY(f.CheckBox1->isEnabled() && f.Edit1->isEnabled() && f.Edit1->text().isEmpty());
  QVERIFY(a.Form7().CheckBox1->isChecked() && a.Form7().CheckBox2->isChecked() && !a.Form7().CheckBox3->isChecked());
  for (int k = 1; k <= 4; ++k) QVERIFY(f.Spalte(k)->toPlainText().isEmpty());
  for (QWidget* knopf : {f.SpeedButton2, f.SpeedButton3, f.SpeedButton4}) QVERIFY(!knopf->isHidden());
  QVERIFY(f.Label9->isHidden() && f.Button17->isHidden());
  QVERIFY(QFileInfo(p.Datenordner()).isDir() && p.meldungen.Texte.isEmpty());
  // The first start shows the welcome window beside the main window; later starts do not.
  a.Starten();
  QVERIFY(f.isVisible() && a.Form9().isVisible() && !a.Form4().isVisible());
  QVERIFY(p.Lesen(QStringLiteral("Quarn.ini")).contains("Erster Start=0"));
  a.Form9().BitBtn1->click();
  QVERIFY(!a.Form9().isVisible());
  p.Neustart();
  p.a().Starten();
  QVERIFY(!p.a().Form9().isVisible());
}

void TFensterTest::NichtBeschreibbarerProgrammordner() {
  // "Quarn" already exists as a file: the folder cannot be made beside the program.
  QTemporaryDir programm;
  QVERIFY(QFile(programm.path() + QStringLiteral("/Quarn")).open(QIODevice::WriteOnly));
  TMeldungsprotokoll meldungen;
  TDialogskript dialoge;
  TAnwendung a(programm.path(), meldungen, dialoge);
  const QString ausweich = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Quarn");
  QCOMPARE(a.Datenordner(), ausweich);
  a.Form1().Memo1->setPlainText(QStringLiteral("4\n5"));
  a.Form1().Edit3->setText(QStringLiteral("Ausweich"));
  a.Form1().Button14->click();
  QVERIFY(meldungen.Texte.isEmpty());
  QFile gesichert(ausweich + QStringLiteral("/1_Ausweich.txt"));
  QVERIFY(gesichert.open(QIODevice::ReadOnly) && gesichert.readAll() == "4\n5\n");
  QVERIFY(a.Form1().close());
  QVERIFY(QFileInfo::exists(ausweich + QStringLiteral("/1_letzte.txt")));
  QDir(ausweich).removeRecursively();
}

void TFensterTest::SchliessenSichertOderBleibtOffen() {
  TTestprogramm p;
  QDir().mkpath(p.Pfad(QStringLiteral("1_letzte.txt"))); // a folder where the file goes
  TForm1& f = p.a().Form1();
  QVERIFY(!p.Schliessen() && f.isVisible());
  QVERIFY(p.meldungen.Texte.size() == 1 && p.meldungen.Texte[0].contains(QStringLiteral("1_letzte.txt kann nicht geschrieben werden")));
  QCOMPARE(p.Lesen(QStringLiteral("Quarn.ini")), QByteArray("<fehlt>"));
  // The settings file cannot be written: "letzte" is saved, the window stays open.
  QDir(p.Pfad(QStringLiteral("1_letzte.txt"))).removeRecursively();
  QDir().mkpath(p.Pfad(QStringLiteral("Quarn.ini")));
  f.Memo1->setPlainText(QStringLiteral("5"));
  QVERIFY(!f.close());
  QCOMPARE(p.Lesen(QStringLiteral("1_letzte.txt")), QByteArray("5\n"));
  QVERIFY(p.meldungen.Texte.last().startsWith(QStringLiteral("In ") + p.Pfad(QStringLiteral("Quarn.ini")) +
                                               QStringLiteral(" kann nicht geschrieben werden")));
  // The error display also asks whether to end without saving; "Ja" ends the program.
  QVERIFY(p.meldungen.Texte.last().endsWith(QStringLiteral("Quarn trotzdem ohne Sichern beenden?")));
  QSignalSpy geschlossen(&f, &TForm1::Geschlossen);
  p.meldungen.Antwort = true;
  QVERIFY(f.close());
  QCOMPARE(geschlossen.size(), 1);
  // Once the folder is writable again, closing saves "letzte" and the options.
  QDir(p.Pfad(QStringLiteral("Quarn.ini"))).removeRecursively();
  f.Memo1->setPlainText(QStringLiteral("1\n2"));
  f.Memo3->setPlainText(QStringLiteral("x"));
  f.Edit3->setText(QStringLiteral("Messung"));
  p.a().Form7().CheckBox2->setChecked(false);
  QVERIFY(p.Schliessen());
  QCOMPARE(f.Edit3->text(), QStringLiteral("letzte"));
  const QByteArray letzte[] = {"1\n2\n", "", "x\n", ""};
  for (int k = 1; k <= 4; ++k) QCOMPARE(p.Lesen(QString::number(k) + QStringLiteral("_letzte.txt")), letzte[k - 1]);
  const QByteArray ini = p.Lesen(QStringLiteral("Quarn.ini"));
  for (const char* zeile : {"[Optionen]", "Fortgeschritten=1", "Hilfen anzeigen=0", "Letzte Daten laden=0"})
    QVERIFY2(ini.contains(zeile), zeile);
}

namespace {

// A window whose handler throws what the test asks for.
struct TWerfer : QWidget {
  std::function<void()> werfen;
  int aufrufe = 0;
  void Klick() { ++aufrufe; werfen(); }
};

using TWurf = std::function<void()>;

} // namespace

void TFensterTest::WaechterFaengtJedeAusnahme_data() {
  QTest::addColumn<TWurf>("werfen");
  QTest::addColumn<QString>("meldung");
  QTest::newRow("Programmfehler") << TWurf([] { throw TGleitkommaFehler(TGleitkommaArt::Ueberlauf); })
                                  << QStringLiteral("Gleitkommaüberlauf");
  QTest::newRow("fremde Ausnahme") << TWurf([] { throw std::out_of_range("vector"); }) << QStringLiteral("Interner Fehler: vector");
  QTest::newRow("Speicher") << TWurf([] { throw std::bad_alloc(); }) << QStringLiteral("Nicht genügend Arbeitsspeicher für diese Aktion");
  QTest::newRow("keine Ausnahmeklasse") << TWurf([] { throw 7; }) << QStringLiteral("Interner Fehler");
}

void TFensterTest::WaechterFaengtJedeAusnahme() {
  QFETCH(TWurf, werfen);
  QFETCH(QString, meldung);
  TMeldungsprotokoll meldungen;
  TWerfer fenster;
  fenster.werfen = werfen;
  auto* knopf = new QPushButton(QStringLiteral("los"), &fenster);
  Verbinde(meldungen, knopf, &QPushButton::clicked, &fenster, &TWerfer::Klick);
  QTest::mouseClick(knopf, Qt::LeftButton);
  QCOMPARE(meldungen.Fehlertexte, QStringList{meldung});
  // The window goes on working.
  QTest::mouseClick(knopf, Qt::LeftButton);
  QCOMPARE(fenster.aufrufe, 2);
}
