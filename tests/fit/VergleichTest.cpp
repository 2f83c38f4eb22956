#include "fit/Fit.h"
#include "fit/Vergleich.h"

#include "core/Zeilen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <random>
#include <string>

namespace {

struct TDaten {
  TVektor x, y;
};

TDaten Laden(const std::string& name) {
  std::ifstream datei(std::string(QUARN_TESTDATEN) + "/" + name + ".txt");
  TDaten d;
  for (std::string zeile; std::getline(datei, zeile);) {
    const TDreiZahlen z = ZahlenAusZeile(zeile, 2);
    d.x.push_back(z[0]);
    d.y.push_back(z[1]);
  }
  return d;
}

double Stellen(double wert, double genau) {
  return wert == genau ? 15 : -std::log10(std::fabs(wert - genau) / std::fabs(genau));
}

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
    TFitVorgabe v;
    v.Modell = b.Modell;
    EXPECT_LE(b.Summe, Quadratsumme(d.x, d.y, Fit(d.x, d.y, v, parameter))) << int(b.Modell);
  }
  ASSERT_NE(beste, nullptr);
  EXPECT_EQ(beste->Modell, 1);
  EXPECT_GE(kleinereSummen, 2);
}

// The criteria from n, p and S, by hand: AIC = n·ln(S/n) + 2p, AICc = AIC + 2p(p+1)/(n-p-1),
// BIC = n·ln(S/n) + p·ln n; defined only for n > p + 1.
TEST(Modellvergleich, KriterienVonHand) {
  struct TFall {
    std::size_t n;
    int p;
    long double s;
    bool vergleichbar;
    double aic, aicc, bic;
  };
  const double minusUnendlich = -std::numeric_limits<double>::infinity();
  const TFall faelle[] = {
      {10, 2, 10, true, 4, 4 + 12.0 / 7, 2 * std::log(10.0)},
      {4, 2, 2, true, 4 * std::log(0.5) + 4, 4 * std::log(0.5) + 4 + 12, 4 * std::log(0.5) + 2 * std::log(4.0)},
      {3, 2, 2, false, 0, 0, 0},
      {2, 2, 1, false, 0, 0, 0},
      {5, 1, 0, true, minusUnendlich, minusUnendlich, minusUnendlich},
  };
  for (const TFall& f : faelle) {
    TBewertung b;
    b.Anzahl = f.p;
    b.Summe = f.s;
    Kriterien(b, f.n);
    EXPECT_EQ(b.Vergleichbar, f.vergleichbar) << f.n << " " << f.p;
    if (!f.vergleichbar) continue;
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
  TBewertung gerade;
  gerade.Modell = 1;
  gerade.Anzahl = 2;
  gerade.Summe = 0.5;
  gerade.Ergebnis.Koeffizienten.Werte = {2, 1};
  gerade.Standardfehler[0] = 0.25;
  Kriterien(gerade, 3);
  TBewertung gescheitert;
  gescheitert.Modell = 14;
  gescheitert.Anzahl = 4;
  gescheitert.Fehler = "Gleitkommadivision durch Null";
  const std::string text = Vergleichstabelle({gerade, gescheitert});
  const std::string kopf = "Modell;Ergebnis;p;S;S/(n-p);AIC;AICc;BIC;ΔAIC;a;Standardfehler a;b;Standardfehler b;c;"
                           "Standardfehler c;d;Standardfehler d;e;Standardfehler e;f;Standardfehler f;g;Standardfehler g\r\n";
  EXPECT_EQ(text, kopf + "Lineare Regression;nicht vergleichbar;2;0,5;;;;;;2;0,25;1;;;;;;;;;;;\r\n"
                         "Brechzahl;Gleitkommadivision durch Null;4;;;;;;;;;;;;;;;;;;;;\r\n");
  TFitErgebnis fit;
  fit.Modell = 1;
  fit.Koeffizienten.Werte = {2, 1};
  EXPECT_EQ(Residuen(TVektor{0, 1, 2}, TVektor{1, 4, 5, 9}, fit), (std::vector<double>{0, 1, 0}));
}

TEST(Modellvergleich, StandardfehlerDerGeradeInGeschlossenerForm) {
  const TDaten d = Gerade(50);
  TFitVorgabe v;
  v.Modell = 1;
  const TFitErgebnis fit = Fit(d.x, d.y, v, TFitParameter{});
  const auto fehler = Standardfehler(d.x, d.y, fit);
  ASSERT_TRUE(fehler);
  long double mx = 0, sxx = 0;
  for (double x : d.x) mx += x;
  mx /= d.x.size();
  for (double x : d.x) sxx += (x - mx) * (x - mx);
  const long double s2 = Quadratsumme(d.x, d.y, fit) / (d.x.size() - 2);
  EXPECT_GE(Stellen(*(*fehler)[0], static_cast<double>(std::sqrt(s2 / sxx))), 12);
  EXPECT_GE(Stellen(*(*fehler)[1], static_cast<double>(std::sqrt(s2 * (1.0L / d.x.size() + mx * mx / sxx)))), 12);
  EXPECT_FALSE((*fehler)[2]);
}

// NIST's certified standard deviations of the estimates, in Quarn's coefficients.
struct TNist {
  const char* daten;
  uint8_t modell;
  std::vector<int> fest;
  std::array<double, 8> start;
  std::vector<std::pair<int, double>> werte, fehler;
};

const TNist NistFaelle[] = {
    {"Norris", 1, {}, {}, {{0, 1.00211681802045}, {1, -0.262323073774029}},
     {{0, 0.429796848199937E-03}, {1, 0.232818234301152}}},
    {"Pontius", 5, {3, 4}, {0, 0, 0, 0, 0, 0, 0, 0},
     {{0, 0.673565789473684E-03}, {1, 0.732059160401003E-06}, {2, -0.316081871345029E-14}},
     {{0, 0.107938612033077E-03}, {1, 0.157817399981659E-09}, {2, 0.486652849992036E-16}}},
    {"DanWood", 17, {0, 3}, {0, 0.7, 4, 0, 0, 0, 0, 0}, {{1, 7.6886226176E-01}, {2, 3.8604055871E+00}},
     {{1, 1.8281973860E-02}, {2, 5.1726610913E-02}}},
    {"Eckerle4", 3, {3}, {0.3, 450, 50, 0, 0, 0, 0, 0},
     {{0, 0.380153220068989}, {1, 451.54121844}, {2, 33.4370971171726}}, {}},
};

TEST(Modellvergleich, PoliertAufAlleStellenUndFehlerWieZertifiziert) {
  for (const TNist& f : NistFaelle) {
    const TDaten d = Laden(f.daten);
    TFitVorgabe v;
    v.Modell = f.modell;
    for (int i : f.fest) v.Fix.Setze(static_cast<uint8_t>(i), true);
    v.MitStartwerten = true;
    v.Startwerte = f.start;
    const TFitErgebnis fit = Nachpolieren(d.x, d.y, Fit(d.x, d.y, v, TFitParameter{10, 1000, 1e-9}));
    for (const auto& [i, wert] : f.werte)
      EXPECT_GE(Stellen(fit.Koeffizienten.Werte[static_cast<std::size_t>(i)], wert), 9) << f.daten << " " << i;
    const auto fehler = Standardfehler(d.x, d.y, fit);
    ASSERT_TRUE(fehler) << f.daten;
    for (const auto& [i, wert] : f.fehler)
      EXPECT_GE(Stellen(*(*fehler)[static_cast<std::size_t>(i)], wert), 4) << f.daten << " " << i;
    for (int i : f.fest) EXPECT_FALSE((*fehler)[static_cast<std::size_t>(i)]) << f.daten;
  }
}

TEST(Modellvergleich, ZuWenigePunkteSingulaerUndAbbruch) {
  const TVektor x = {1, 2, 3}, y = {2, 4, 7};
  for (const TBewertung& b : Modellvergleich(x, y, TFitParameter{})) EXPECT_FALSE(b.Vergleichbar) << int(b.Modell);
  // All x equal: the line's normal matrix is singular.
  TFitErgebnis gerade;
  gerade.Modell = 1;
  gerade.Koeffizienten.Werte = {1, 2};
  const TVektor gleich = {2, 2, 2, 2};
  EXPECT_FALSE(Standardfehler(gleich, TVektor{1, 2, 3, 4}, gerade));
  std::atomic<bool> abbrechen{false};
  int gemeldet = 0;
  const TDaten d = Gerade(20);
  const auto teil = Modellvergleich(d.x, d.y, TFitParameter{}, [&](const TBewertung& b) {
    ++gemeldet;
    if (b.Modell == 3) abbrechen = true;
  }, &abbrechen);
  EXPECT_EQ(teil.size(), 3u);
  EXPECT_EQ(gemeldet, 3);
}

} // namespace
