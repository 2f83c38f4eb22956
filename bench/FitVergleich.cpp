// The fits of the scipy comparison: generates the data sets, writes them (with Quarn's own
// start values) into a folder for the Python side, and prints the time of one fit per set.
//   fit_vergleich <ordner>
// Output lines: modell punkte millisekunden a b c ...
#include "fit/Fit.h"
#include "fit/Modelle.h"
#include "fit/Startwerte.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

double Wahr(uint8_t modell, double x) {
  const auto glocke = [](double x, double b, double c) { return std::exp(-(x - b) * (x - b) / c); };
  switch (modell) {
  case 2: return 1 + 3 * std::exp(-0.5 * x);
  case 3: return 2 + 5 * glocke(x, 4, 2);
  default: return 1 + 4 * glocke(x, 3, 1.5) + 2.5 * glocke(x, 6.5, 0.8);
  }
}

double Millisekunden(const TVektor& x, const TVektor& y, const TFitVorgabe& v, TFitErgebnis& e) {
  std::vector<double> zeiten;
  const auto anfang = std::chrono::steady_clock::now();
  while (zeiten.size() < 3 || (std::chrono::steady_clock::now() - anfang < std::chrono::milliseconds(500) && zeiten.size() < 200)) {
    const auto t0 = std::chrono::steady_clock::now();
    e = Fit(x, y, v, TFitParameter{10, 100, 1e-9});
    zeiten.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::nth_element(zeiten.begin(), zeiten.begin() + zeiten.size() / 2, zeiten.end());
  return zeiten[zeiten.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: fit_vergleich <ordner>\n");
    return 2;
  }
  for (const uint8_t modell : {2, 3, 13}) {
    for (const std::size_t n : {1000u, 100000u}) {
      std::mt19937 zufall(modell * 1000003u + n);
      std::normal_distribution<double> rauschen(0, 0.05);
      TVektor x(n), y(n);
      for (std::size_t i = 0; i < n; ++i) {
        x[i] = 10.0 * i / n;
        y[i] = Wahr(modell, x[i]) + rauschen(zufall);
      }
      TFitVorgabe v;
      v.Modell = modell;
      const TKoeffizienten start = StartwerteSchaetzen(x, y, modell, {});
      std::ofstream datei(std::string(argv[1]) + "/m" + std::to_string(modell) + "_n" + std::to_string(n) + ".txt");
      datei.precision(17);
      for (int i = 0; i < Parameteranzahl(modell); ++i) datei << start.Werte[static_cast<std::size_t>(i)] << ' ';
      datei << '\n';
      for (std::size_t i = 0; i < n; ++i) datei << x[i] << ' ' << y[i] << '\n';
      TFitErgebnis e;
      const double ms = Millisekunden(x, y, v, e);
      std::printf("%d %zu %.4f", modell, n, ms);
      for (int i = 0; i < Parameteranzahl(modell); ++i) std::printf(" %.12g", e.Koeffizienten.Werte[static_cast<std::size_t>(i)]);
      std::printf("\n");
    }
  }
  return 0;
}
