#include "fit/Fit.h"
#include "fit/Vergleich.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <random>

namespace {

struct TDaten { TVektor x, y; };

TDaten Gerade(int n) {
  std::mt19937 zufall(3);
  std::normal_distribution<double> rauschen(0, 0.05);
  TDaten d;
  for (int i = 0; i < n; ++i) {
    d.x.push_back(0.2 * i);
    d.y.push_back(2 * d.x.back() + 1 + rauschen(zufall));
  }
  return d;
}

TEST(Modellvergleich, GeradeGewinntNachAICcUndPolierenVerbessertNur) {
  const TDaten d = Gerade(50);
  const TFitParameter parameter{10, 1000, 1e-9};
  const auto liste = Modellvergleich(d.x, d.y, parameter);
  ASSERT_EQ(liste.size(), 17u);
  const TBewertung* beste = nullptr;
  int kleinereSummen = 0;
  for (const TBewertung& b : liste) {
    if (b.Vergleichbar && (!beste || b.AICc < beste->AICc)) beste = &b;
    if (b.Fehler.empty() && b.Summe < liste[0].Summe) ++kleinereSummen;
    if (!b.Fehler.empty()) continue;
    EXPECT_LE(b.Summe, Quadratsumme(d.x, d.y, Fit(d.x, d.y, {.Modell = b.Modell}, parameter))) << int(b.Modell);
  }
  ASSERT_NE(beste, nullptr);
  EXPECT_EQ(beste->Modell, 1);
  EXPECT_GE(kleinereSummen, 2);
}

// S/(n - p) and the criteria from n, p and S, by hand: AIC = n·ln(S/n) + 2p, AICc = AIC + 2p(p+1)/(n-p-1),
// BIC = n·ln(S/n) + p·ln n; defined only for n > p + 1.
TEST(Modellvergleich, KriterienVonHand) {
  struct TFall { std::size_t n; int p; long double s; bool vergleichbar; double streuung, aic, aicc, bic; };
  const double minusUnendlich = -std::numeric_limits<double>::infinity();
  const TFall faelle[] = {
      {10, 2, 10, true, 1.25, 4, 4 + 12.0 / 7, 2 * std::log(10.0)},
      {4, 2, 2, true, 1, 4 * std::log(0.5) + 4, 4 * std::log(0.5) + 4 + 12, 4 * std::log(0.5) + 2 * std::log(4.0)},
      {3, 2, 2, false, 0, 0, 0, 0},
      {5, 1, 0, true, 0, minusUnendlich, minusUnendlich, minusUnendlich},
  };
  for (const TFall& f : faelle) {
    TBewertung b{.Fehler = {}, .Ergebnis = {}, .Anzahl = f.p, .Summe = f.s};
    Kriterien(b, f.n);
    EXPECT_EQ(b.Vergleichbar, f.vergleichbar) << f.n << " " << f.p;
    if (!f.vergleichbar) continue;
    EXPECT_DOUBLE_EQ(b.Streuung, f.streuung) << f.n;
    EXPECT_DOUBLE_EQ(b.AIC, f.aic) << f.n;
    EXPECT_DOUBLE_EQ(b.AICc, f.aicc) << f.n;
    EXPECT_DOUBLE_EQ(b.BIC, f.bic) << f.n;
  }
  // An exact fit has AIC -∞: its ΔAIC is 0, not ∞ - ∞.
  std::vector<TBewertung> liste(2);
  liste[0].Vergleichbar = liste[1].Vergleichbar = true;
  liste[0].AIC = minusUnendlich;
  liste[1].AIC = 3;
  DeltaAICSetzen(liste);
  EXPECT_EQ(liste[0].DeltaAIC, 0);
  EXPECT_EQ(liste[1].DeltaAIC, std::numeric_limits<double>::infinity());
}

TEST(Modellvergleich, TabelleUndResiduen) {
  const TFitErgebnis fit{.Modell = Modellnr::Gerade, .Koeffizienten = {.Werte = {2, 1}}};
  TBewertung gerade{.Modell = Modellnr::Gerade, .Fehler = {}, .Ergebnis = fit, .Anzahl = 2, .Summe = 0.5};
  gerade.Standardfehler[0] = 0.25;
  Kriterien(gerade, 3);
  const TBewertung gescheitert{.Modell = Modellnr::Brechzahl, .Fehler = "Gleitkommadivision durch Null", .Ergebnis = {}, .Anzahl = 4};
  const std::string text = Vergleichstabelle({gerade, gescheitert});
  const std::string kopf = "Modell;Ergebnis;p;S;S/(n-p);AIC;AICc;BIC;ΔAIC;a;Standardfehler a;b;Standardfehler b;c;"
                           "Standardfehler c;d;Standardfehler d;e;Standardfehler e;f;Standardfehler f;g;Standardfehler g\r\n";
  EXPECT_EQ(text, kopf + "Lineare Regression;nicht vergleichbar;2;0,5;;;;;;2;0,25;1;;;;;;;;;;;\r\n"
                         "Brechzahl;Gleitkommadivision durch Null;4;;;;;;;;;;;;;;;;;;;;\r\n");
  EXPECT_EQ(Residuen(TVektor{0, 1, 2}, TVektor{1, 4, 5, 9}, fit), (std::vector<double>{0, 1, 0}));
}

TEST(Modellvergleich, StandardfehlerDerGeradeInGeschlossenerForm) {
  const TDaten d = Gerade(50);
  const TFitErgebnis fit = Fit(d.x, d.y, {.Modell = Modellnr::Gerade}, TFitParameter{});
  const auto fehler = Standardfehler(d.x, d.y, fit);
  ASSERT_TRUE(fehler);
  const long double mx = std::accumulate(d.x.begin(), d.x.end(), 0.0L) / d.x.size();
  long double sxx = 0;
  for (double x : d.x) sxx += (x - mx) * (x - mx);
  const long double s2 = Quadratsumme(d.x, d.y, fit) / (d.x.size() - 2);
  const double a = static_cast<double>(std::sqrt(s2 / sxx));
  const double b = static_cast<double>(std::sqrt(s2 * (1.0L / d.x.size() + mx * mx / sxx)));
  EXPECT_NEAR(*(*fehler)[0], a, 1e-12 * a);
  EXPECT_NEAR(*(*fehler)[1], b, 1e-12 * b);
  EXPECT_FALSE((*fehler)[2]);
}

TEST(Modellvergleich, SingulaerUndAbbruch) {
  // All x equal: the line's normal matrix is singular.
  const TFitErgebnis gerade{.Modell = Modellnr::Gerade, .Koeffizienten = {.Werte = {1, 2}}};
  EXPECT_FALSE(Standardfehler(TVektor{2, 2, 2, 2}, TVektor{1, 2, 3, 4}, gerade));
  std::atomic<bool> abbrechen{false};
  int gemeldet = 0;
  const TDaten d = Gerade(20);
  const auto teil = Modellvergleich(d.x, d.y, TFitParameter{}, [&](const TBewertung& b) {
    ++gemeldet;
    if (b.Modell == Modellnr::Gauss) abbrechen = true;
  }, &abbrechen);
  EXPECT_EQ(std::pair(teil.size(), gemeldet), std::pair(std::size_t{3}, 3));
}

} // namespace
