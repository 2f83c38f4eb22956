// The main window end to end: columns of 10^5 and 10^6 lines pasted, an operation run and
// the changed columns written back and shown; typing into a column of 10^6 lines.
#include "Anwendung.h"
#include "Dialoge.h"
#include "Meldungen.h"
#include "Unit1.h"
#include "Unit4.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include "Spaltenfeld.h"
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

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

// One redraw of the plot window on 10^5 points: columns read and normalised, record assembled,
// diagram drawn, raw columns fitted, information window filled. Range 1: the model (0: no fit;
// 3: Gauss, four coefficients, 100 steps).
void BM_PlotAnzeigen(benchmark::State& state) {
  QTemporaryDir ordner;
  TMeldungsprotokoll meldungen;
  TQtDialoge dialoge; // never asked: the benchmarks save nothing
  TAnwendung anwendung(ordner.path(), meldungen, dialoge);
  anwendung.Bereit = true;
  TForm1& f = anwendung.Form1();
  const int punkte = static_cast<int>(state.range(0));
  QStringList x, y;
  for (int i = 0; i < punkte; ++i) {
    const double t = 10.0 * i / punkte;
    x << QString::number(t, 'f', 6).replace(QLatin1Char('.'), QLatin1Char(','));
    y << QString::number(3 * std::exp(-(t - 5) * (t - 5) / 4) + 0.01 * (i % 7), 'f', 6).replace(QLatin1Char('.'), QLatin1Char(','));
  }
  f.Memo1->setPlainText(x.join(QLatin1Char('\n')));
  f.Memo2->setPlainText(y.join(QLatin1Char('\n')));
  TForm4& plot = anwendung.Form4();
  if (state.range(1) != 0) {
    plot.CheckBox3->setChecked(true);
    plot.ComboBox1->setCurrentIndex(static_cast<int>(state.range(1)) - 1);
    plot.ComboBox1Change();
  }
  for (auto _ : state) plot.Plotten();
  if (plot.Lampenzustand() != 1) state.SkipWithError("the drawing failed");
}
BENCHMARK(BM_PlotAnzeigen)->Args({100000, 0})->Args({100000, 3})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
