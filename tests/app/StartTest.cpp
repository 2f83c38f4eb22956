#include "AppTestHilfen.h"
#include "AppTests.h"

#include "Unit1.h"
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

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include "Spaltenfeld.h"
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <new>
#include <stdexcept>

void TStartTest::NachDemStartWieBeschrieben() {
  TTestprogramm p;
  TAnwendung& a = p.a();
  TForm1& f = a.Form1();
  QVERIFY(a.Bereit);
  QCOMPARE(f.windowTitle(), QStringLiteral("Quarn v1.21"));
  QCOMPARE(f.ComboBox1->count(), 31);
  QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Addieren"));
  QCOMPARE(f.ComboBox1->itemText(30), QStringLiteral("Zahlensystem"));
  QCOMPARE(f.CheckBox1->text(), QStringLiteral("Spalte 1 + Spalte 2"));
  QVERIFY(f.CheckBox1->isEnabled());
  QVERIFY(f.Edit1->isEnabled());
  QVERIFY(f.Edit1->text().isEmpty());
  QVERIFY(a.Form7().CheckBox1->isChecked());
  QVERIFY(a.Form7().CheckBox2->isChecked());
  QVERIFY(!a.Form7().CheckBox3->isChecked());
  for (int k = 1; k <= 4; ++k) QVERIFY(f.Spalte(k)->toPlainText().isEmpty());
  QVERIFY(f.Label9->isHidden());
  QVERIFY(!f.SpeedButton2->isHidden());
  QVERIFY(!f.SpeedButton3->isHidden());
  QVERIFY(!f.SpeedButton4->isHidden());
  QVERIFY(f.Button17->isHidden());
  QVERIFY(!a.Form4().Label18->isHidden());
  QCOMPARE(a.Form2().Label2->text(), QStringLiteral("Quarn v1.21"));
  QCOMPARE(a.Form3().windowTitle(), QStringLiteral("Erklärung zu den Operationen"));
  QCOMPARE(a.Form4().windowTitle(), QStringLiteral("Plot Spalte 2 gegen Spalte 1"));
  QCOMPARE(a.Form5().windowTitle(), QStringLiteral("Information"));
  QCOMPARE(a.Form6().windowTitle(), QStringLiteral("Funktion eingeben"));
  QCOMPARE(a.Form7().windowTitle(), QStringLiteral("Optionen"));
  QCOMPARE(a.Form8().windowTitle(), QStringLiteral("Dateien"));
  QCOMPARE(a.Form9().windowTitle(), QStringLiteral("Willkommen"));
  QVERIFY(QFileInfo(p.Datenordner()).isDir());
  QVERIFY(p.meldungen.Texte.isEmpty());
}

void TStartTest::ErsterStartZeigtWillkommen() {
  TTestprogramm p;
  p.a().Starten();
  QVERIFY(p.a().Form1().isVisible());
  QVERIFY(p.a().Form9().isVisible());
  QVERIFY(!p.a().Form4().isVisible());
  QVERIFY(p.Lesen(QStringLiteral("Quarn.ini")).contains("Erster Start=0"));
  p.a().Form9().BitBtn1->click();
  QVERIFY(!p.a().Form9().isVisible());
  p.Neustart();
  p.a().Starten();
  QVERIFY(!p.a().Form9().isVisible());
}

void TStartTest::NichtBeschreibbarerProgrammordner() {
  // "Quarn" already exists as a file: the folder cannot be made beside the program.
  QTemporaryDir programm;
  QFile blockiert(programm.path() + QStringLiteral("/Quarn"));
  QVERIFY(blockiert.open(QIODevice::WriteOnly));
  blockiert.close();
  TMeldungsprotokoll meldungen;
  TDialogskript dialoge;
  TAnwendung a(programm.path(), meldungen, dialoge);
  const QString ausweich =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Quarn");
  QCOMPARE(a.Datenordner(), ausweich);
  a.Form1().Memo1->setPlainText(QStringLiteral("4\n5"));
  a.Form1().Edit3->setText(QStringLiteral("Ausweich"));
  a.Form1().Button14->click();
  QVERIFY(meldungen.Texte.isEmpty());
  QFile gesichert(ausweich + QStringLiteral("/1_Ausweich.txt"));
  QVERIFY(gesichert.open(QIODevice::ReadOnly));
  QCOMPARE(gesichert.readAll(), QByteArray("4\n5\n"));
  QVERIFY(a.Form1().close());
  QVERIFY(QFileInfo::exists(ausweich + QStringLiteral("/1_letzte.txt")));
  QDir(ausweich).removeRecursively();
}

void TStartTest::SchliessenSichertLetzteUndOptionen() {
  TTestprogramm p;
  TForm1& f = p.a().Form1();
  f.Memo1->setPlainText(QStringLiteral("1\n2"));
  f.Memo3->setPlainText(QStringLiteral("x"));
  f.Edit3->setText(QStringLiteral("Messung"));
  p.a().Form7().CheckBox2->setChecked(false);
  f.show();
  QVERIFY(f.close());
  QCOMPARE(f.Edit3->text(), QStringLiteral("letzte"));
  QCOMPARE(p.Lesen(QStringLiteral("1_letzte.txt")), QByteArray("1\n2\n"));
  QCOMPARE(p.Lesen(QStringLiteral("2_letzte.txt")), QByteArray(""));
  QCOMPARE(p.Lesen(QStringLiteral("3_letzte.txt")), QByteArray("x\n"));
  QCOMPARE(p.Lesen(QStringLiteral("4_letzte.txt")), QByteArray(""));
  const QByteArray ini = p.Lesen(QStringLiteral("Quarn.ini"));
  QVERIFY(ini.contains("[Optionen]"));
  QVERIFY(ini.contains("Fortgeschritten=1"));
  QVERIFY(ini.contains("Hilfen anzeigen=0"));
  QVERIFY(ini.contains("Letzte Daten laden=0"));
}

// Pictures of the windows for a look by eye (written next to the test program).
void TStartTest::BilderDerFensterImBuildOrdner() {
  TTestprogramm p;
  TAnwendung& a = p.a();
  a.Form1().Memo1->setPlainText(QStringLiteral("7,3\n38\n-3\n25"));
  a.Form1().ComboBox1->setCurrentIndex(a.Form1().ComboBox1->findText(QStringLiteral("Sortieren")));
  a.Form1().ComboBox1Change();
  const std::pair<QWidget*, const char*> fenster[] = {
      {&a.Form1(), "Hauptfenster.png"}, {&a.Form2(), "Info.png"}, {&a.Form7(), "Optionen.png"},
      {&a.Form9(), "Willkommen.png"}, {&a.Form3(), "Erklaerung.png"}, {&a.Form5(), "Information.png"}};
  for (const auto& [w, name] : fenster) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(w->grab().save(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name)));
    w->hide();
  }
}

void TStartTest::SchliessenMitFehlerBleibtOffen() {
  TTestprogramm p;
  QDir().mkpath(p.Pfad(QStringLiteral("1_letzte.txt"))); // a folder where the file goes
  TForm1& f = p.a().Form1();
  f.show();
  QVERIFY(!f.close());
  QVERIFY(f.isVisible());
  QCOMPARE(p.meldungen.Texte.size(), 1);
  QVERIFY(p.meldungen.Texte[0].contains(QStringLiteral("1_letzte.txt kann nicht geschrieben werden")));
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
}

namespace {

// A window whose handler throws what the test asks for.
struct TWerfer : QWidget {
  std::function<void()> werfen;
  int aufrufe = 0;
  void Klick() {
    ++aufrufe;
    werfen();
  }
};

} // namespace

void TStartTest::WaechterFaengtJedeAusnahme_data() {
  QTest::addColumn<std::function<void()>>("werfen");
  QTest::addColumn<QString>("meldung");
  QTest::newRow("Programmfehler") << std::function<void()>([] { throw TGleitkommaFehler(TGleitkommaArt::Ueberlauf); })
                                  << QStringLiteral("Gleitkommaüberlauf");
  QTest::newRow("fremde Ausnahme") << std::function<void()>([] { throw std::out_of_range("vector"); })
                                   << QStringLiteral("Interner Fehler: vector");
  QTest::newRow("Speicher") << std::function<void()>([] { throw std::bad_alloc(); })
                            << QStringLiteral("Nicht genügend Arbeitsspeicher für diese Aktion");
  QTest::newRow("keine Ausnahmeklasse") << std::function<void()>([] { throw 7; }) << QStringLiteral("Interner Fehler");
}

void TStartTest::WaechterFaengtJedeAusnahme() {
  QFETCH(std::function<void()>, werfen);
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
