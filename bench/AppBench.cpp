// The main window end to end: columns of 10^5 and 10^6 lines pasted, an operation run and
// the changed columns written back and shown; typing into a column of 10^6 lines.
#include "Anwendung.h"
#include "Dialoge.h"
#include "Meldungen.h"
#include "Unit1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include "Spaltenfeld.h"
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Spaltentext(int zeilen, int faktor) {
  QStringList z;
  z.reserve(zeilen);
  for (int i = 0; i < zeilen; ++i) z << QString::number((i * faktor) % 1000 + 1) + QStringLiteral(",25");
  return z.join(QLatin1Char('\n'));
}

void BM_Operation(benchmark::State& state, const char* name) {
  QTemporaryDir ordner;
  TMeldungsprotokoll meldungen;
  TQtDialoge dialoge; // never asked: the benchmarks save nothing
  TAnwendung anwendung(ordner.path(), meldungen, dialoge);
  TForm1& f = anwendung.Form1();
  const int zeilen = static_cast<int>(state.range(0));
  const QString eins = Spaltentext(zeilen, 7), zwei = Spaltentext(zeilen, 13);
  f.ComboBox1->setCurrentIndex(f.ComboBox1->findText(QString::fromUtf8(name)));
  f.ComboBox1Change();
  for (auto _ : state) {
    f.Memo1->setPlainText(eins);
    f.Memo2->setPlainText(zwei);
    f.BitBtn1->click();
    QApplication::processEvents();
  }
  if (!meldungen.Texte.isEmpty()) state.SkipWithError("the operation reported a message");
}
BENCHMARK_CAPTURE(BM_Operation, Sortieren, "Sortieren")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Operation, Logarithmus, "Logarithmus")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_TippenInLangerSpalte(benchmark::State& state) {
  QTemporaryDir ordner;
  TMeldungsprotokoll meldungen;
  TQtDialoge dialoge; // never asked: the benchmarks save nothing
  TAnwendung anwendung(ordner.path(), meldungen, dialoge);
  TForm1& f = anwendung.Form1();
  f.show();
  f.Memo1->setPlainText(Spaltentext(1000000, 7));
  QTest::keyClick(f.Memo1, Qt::Key_End, Qt::ControlModifier);
  for (auto _ : state) {
    QTest::keyClick(f.Memo1, Qt::Key_5);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_TippenInLangerSpalte)->Unit(benchmark::kMicrosecond);

// A measurement file of 50 MB dropped onto the window: read, split into columns 1 and 2.
void BM_DateiFallenlassen50MB(benchmark::State& state) {
  QTemporaryDir ordner;
  const QString pfad = ordner.path() + QStringLiteral("/gross.txt");
  {
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    QByteArray block;
    for (int i = 0; i < 100000; ++i) block += QByteArray::number(i) + "\t" + QByteArray::number(i % 997) + ",5\r\n";
    while (datei.size() < 50 * 1024 * 1024) datei.write(block);
  }
  TMeldungsprotokoll meldungen;
  TQtDialoge dialoge; // never asked: the benchmarks save nothing
  TAnwendung anwendung(ordner.path(), meldungen, dialoge);
  for (auto _ : state) anwendung.Form1().DateiFallenGelassen({pfad});
  state.counters["Zeilen"] = anwendung.Form1().Memo2->Zeilenzahl();
}
BENCHMARK(BM_DateiFallenlassen50MB)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
