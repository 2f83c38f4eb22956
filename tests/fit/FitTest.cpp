#include "fit/Fit.h"
#include "fit/Bestes.h"
#include "fit/Startwerte.h"

#include "core/Fehler.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

namespace {

const TFitParameter Standard{10, 1000, 1e-9};
const TVektor X3 = {0, 1, 2}, Y3 = {1, 3, 5};

TFitVorgabe Vorgabe(uint8_t modell) { return {.Modell = modell}; }

// Typed start values instead of the estimate.
TFitVorgabe Gestartet(uint8_t modell, std::array<double, MaxKoeffizienten> start) {
  return {.Modell = modell, .MitStartwerten = true, .Startwerte = start};
}

// 21 points x = i/4 (i = 0..20) on y(i).
template <class F> std::pair<TVektor, TVektor> Punkte21(F y) {
  TVektor xs, ys;
  for (int i = 0; i <= 20; ++i) xs.push_back(i * 0.25);
  for (int i = 0; i <= 20; ++i) ys.push_back(y(i));
  return {xs, ys};
}

// The outcome of a fit as text: its message, or its coefficients.
std::string Ausgang(const TVektor& x, const TVektor& y, const TFitVorgabe& v, const TFitParameter& p = Standard) {
  std::string text;
  const std::string meldung = Meldung([&] {
    for (const double w : Fit(x, y, v, p).Koeffizienten.Werte) text += std::to_string(w) + " ";
  });
  return meldung + text;
}

TEST(Fit, BekannteKoeffizienten) {
  const auto [x, y] = Punkte21([](int i) { return 1.5 + 4 * std::exp(-0.7 * i * 0.25); });
  const double nan = std::numeric_limits<double>::quiet_NaN(), a = (4.0 / 3) / (1839.6875 / 3);
  const std::vector<double> start = {4, 5, 6, 7, 8, 9, 10, 11};
  const TFitVorgabe gestartet = Gestartet(Modellnr::Exponentiell, {4, 5, 6, 7, 8, 9, 10, 11});
  const TFitVorgabe ausreisser{.Modell = Modellnr::Gerade, .Ausreisser = true, .Prozent = 100};
  const auto schaetzung = StartwerteSchaetzen(X3, Y3, Modellnr::Exponentiell, {}).Werte;
  const auto fest = [](uint8_t i) { TFitVorgabe v = Vorgabe(Modellnr::Gerade); v.Fix.Setze(i, true); return v; };
  // Name, points, request, parameters, the first coefficients and their tolerance (none for a
  // fixed coefficient: it keeps its start value exactly).
  const std::tuple<const char*, TVektor, TVektor, TFitVorgabe, TFitParameter, std::vector<double>, double> faelle[] = {
      {"Gerade", X3, Y3, Vorgabe(Modellnr::Gerade), Standard, {2, 1}, 4e-15},
      // Only three pairs, but the means take every value of each series.
      {"x länger als y", {0, 1, 2, 100}, Y3, Vorgabe(Modellnr::Gerade), Standard, {a, 3 - a * 25.75}, 1e-13},
      // With a fixed the intercept still moves: 2 is the mean of y - x.
      {"b fest", X3, Y3, fest(1), Standard, {2, 1}, 1e-9},
      {"a fest", X3, Y3, fest(0), Standard, {1, 2}, 1e-9},
      {"ohne Schritte geschätzt", X3, Y3, Vorgabe(Modellnr::Exponentiell), {10, 0, 1e-9}, {schaetzung.begin(), schaetzung.end()}, 0},
      {"ohne Schritte gestartet", X3, Y3, gestartet, {10, 0, 1e-9}, start, 0},
      // A sum that is not a number stops with the last accepted coefficients.
      {"NaN in y", X3, {1, nan, 5}, gestartet, Standard, start, 0},
      {"exakte Startwerte", X3, Y3, Gestartet(Modellnr::Polynom, {1, 2}), Standard, {1, 2}, 0},
      {"Exponentiell", x, y, Vorgabe(Modellnr::Exponentiell), Standard, {4, -0.7, 1.5}, 1e-6},
      // "Schritte" -1 is 4294967295 as an unsigned count: the loop ends by convergence.
      {"Schritte -1", x, y, Vorgabe(Modellnr::Exponentiell), {10, -1, 1e-9}, {4, -0.7, 1.5}, 1e-6},
      {"mit Ausreisser", {0, 1, 2, 3}, {0, 1, 2, 10}, Vorgabe(Modellnr::Gerade), Standard, {3.1, -1.4}, 1e-12},
      {"Ausreisser entfernt", {0, 1, 2, 3}, {0, 1, 2, 10}, ausreisser, Standard, {1, 0}, 1e-12},
      {"exakt ohne Ausreisser", X3, Y3, ausreisser, Standard, {2}, 4e-15},
  };
  for (const auto& [name, xs, ys, v, p, erwartet, toleranz] : faelle) {
    const TFitErgebnis r = Fit(xs, ys, v, p);
    EXPECT_EQ(r.Modell, v.Modell) << name;
    EXPECT_EQ(r.Koeffizienten.Fix, v.Fix) << name;
    for (std::size_t i = 0; i < erwartet.size(); ++i)
      EXPECT_NEAR(r.Koeffizienten.Werte[i], erwartet[i], v.Fix.Enthaelt(static_cast<uint8_t>(i)) ? 0 : toleranz)
          << name << " Koeffizient " << i;
  }
  EXPECT_LT(Quadratsumme(x, y, Fit(x, y, Vorgabe(Modellnr::Exponentiell), Standard)), 1e-12L);
  EXPECT_EQ(Fit(X3, Y3, Gestartet(Modellnr::Polynom, {1, 2}), Standard).Restsumme, 0);
  const TFitErgebnis gerade = Fit(X3, Y3, Vorgabe(Modellnr::Gerade), Standard);
  EXPECT_TRUE(gerade.Restsumme == 0 && gerade.Koeffizienten.Fehler[0] == 0);
  const auto fehler = Fit(X3, Y3, {.Modell = Modellnr::Gerade, .DY = 0.3}, Standard).Koeffizienten.Fehler;
  EXPECT_NEAR(fehler[0], std::sqrt(0.135), 1e-15);
  EXPECT_NEAR(fehler[1], std::sqrt(0.03 + 0.135), 1e-15);
}

TEST(Fit, ErgebnisIstEndlichOderEinFehler) {
  EXPECT_EQ(Fit(TVektor{}, Y3, Vorgabe(Modellnr::Gerade), Standard).Modell, 0);
  TVektor viele(50000), einsen(50000, 1);
  for (std::size_t i = 0; i + 1 < viele.size(); ++i) viele[i] = 1 + 0.001 * static_cast<double>(i);
  // Points, request, the message (or the coefficients when the fit succeeds).
  const std::tuple<TVektor, TVektor, TFitVorgabe, std::string> faelle[] = {
      {{1, 1, 1}, {1, 2, 3}, Vorgabe(Modellnr::Gerade), DivisionDurchNull}, // all x equal
      {{1, 2}, {}, Vorgabe(Modellnr::Gerade), Ungueltig},                   // the means of no pairs
      // Estimates beyond the 64-bit range, in coefficients that no derivative touches.
      {{0, 1e300}, {0, 1e300}, Vorgabe(Modellnr::Gauss), Ueberlauf}, {{1, 2, 3}, {-1e308, 0, 1e308}, Vorgabe(Modellnr::Poisson), Ueberlauf},
      {{1, 2, 3}, {-1e308, 0, 1e308}, Vorgabe(Modellnr::Exponentiell), Ueberlauf},
      // u < 0: the root entries divide by 0.
      {X3, {1, 2, 3}, Gestartet(Modellnr::Brechzahl, {-9, 1, 1, 2}), DivisionDurchNull},
      // Many points are shared between threads: a fault met by the helper ends the fit just
      // so (the last x is 0: b/x² divides by 0 there).
      {viele, einsen, Gestartet(Modellnr::Brechzahl, {1, 1, 1, 2}), DivisionDurchNull},
  };
  for (const auto& [x, y, v, meldung] : faelle) EXPECT_EQ(Ausgang(x, y, v), meldung) << int(v.Modell);
  // Typed start values: the estimate that would overflow is not made.
  EXPECT_EQ(Meldung([] { Fit(TVektor{0, 1e155}, TVektor{0, 1}, Gestartet(Modellnr::Gauss, {1, 0, 1, 0, 1, 1, 1, 1}), Standard); }), "");
}

TEST(Fit, BeschaedigteParameterWirkenWieDieVorgabe) {
  // With a factor of 1 a failing step would repeat for ever.
  const auto [x, y] = Punkte21([](int i) { return std::sin(1.3 * i * 0.25); });
  const TFitErgebnis start{.Modell = Modellnr::Sinus, .Koeffizienten = StartwerteSchaetzen(x, y, Modellnr::Sinus, {})};
  EXPECT_LT(Quadratsumme(x, y, Fit(x, y, Vorgabe(Modellnr::Sinus), {1, 200, 1e-9})), Quadratsumme(x, y, start));
  // Without a positive normal bound lambda shrinks to 0 and a failing step repeats for ever.
  TVektor x10, y10(10, 0.0);
  for (int i = 1; i <= 10; ++i) x10.push_back(i);
  TFitVorgabe v = Gestartet(Modellnr::Doppelgauss, {0, -1.5, 2, 0.5, 0, -1.5, 1, 1.5});
  v.Fix.Setze(4, true);
  const std::string vorgabe = Ausgang(x10, y10, v, {2147483647, 1000, 1e-9});
  for (const double grenze : {0.0, -1.0, 1e-310, std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_EQ(Ausgang(x10, y10, v, {2147483647, 1000, grenze}), vorgabe) << grenze;
}

TEST(Fit, SchrittAusreisserUndFehler) {
  TKoeffizienten alt{.Werte = {1, 2, 3, 4, 5, 6, 7, 8}, .Fehler = {9}}, richtung{.Werte = {1, 1, 1, 1, 1, 1, 1, 1}};
  alt.Fix.Setze(1, true);
  richtung.Fix.Setze(2, true);
  // Fixed in either stays; the errors come from the old coefficients.
  const TKoeffizienten neu = Schritt(alt, richtung, 0.5);
  EXPECT_EQ(neu.Werte, (std::array<double, 8>{1.5, 2, 3, 4.5, 5.5, 6.5, 7.5, 8.5}));
  EXPECT_EQ(neu.Fehler[0], 9);
  EXPECT_TRUE(neu.Fix.Enthaelt(1) && neu.Fix.Enthaelt(2));
  TVektor x = {0, 1, 2, 3}, y = {0, 1, 2, 10};
  EXPECT_EQ(Ausreisserentfernen(x, y, Fit(x, y, Vorgabe(Modellnr::Gerade), Standard), 100), 2);
  EXPECT_EQ(TVektor(x.begin(), x.begin() + 2), (TVektor{0, 1})); // the kept points in order
  // Every residual 0, and a single point: nothing to remove.
  const TFitErgebnis exakt = Fit(X3, Y3, {.Modell = Modellnr::Gerade, .Ausreisser = true, .Prozent = 100}, Standard);
  TVektor x3 = X3, y3 = Y3, eins = {1}, zwei = {2};
  EXPECT_EQ(Ausreisserentfernen(x3, y3, exakt, 100), 3);
  EXPECT_EQ(Ausreisserentfernen(eins, zwei, exakt, 100), 1);
  // A squared residual equal to Prozent % of the mean does not exceed it: nothing removed.
  TVektor gleichX = {0, 1, 2, 3}, gleichY = {1, -1, 1, -1};
  EXPECT_EQ(Ausreisserentfernen(gleichX, gleichY, TFitErgebnis{.Modell = Modellnr::Gerade}, 100), 4);
  // Below the mean every point is an outlier: none is kept, and the points stay as they were.
  EXPECT_EQ(Ausreisserentfernen(gleichX, gleichY, TFitErgebnis{.Modell = Modellnr::Gerade}, 50), 0);
  EXPECT_EQ(gleichX, (TVektor{0, 1, 2, 3}));
  // The names of the error modes and the error of a point.
  const char* const arten[] = {"Absolut", "Relativ in %", "Wurzel", "XY-Individuell"};
  for (uint8_t art = 0; art < Fehlermodusanzahl; ++art) EXPECT_EQ(Fehlerarten(art), arten[art]);
  // Mode, y and the error of the point for d = 2; an unknown mode takes d.
  const double punkte[][3] = {{0, -8, 2}, {1, -8, -0.16}, {2, -16, 8}, {3, -8, -16}, {7, -8, 2}};
  for (const auto& [art, wert, fehler] : punkte) EXPECT_EQ(Punktfehler(uint8_t(art), 2, wert), fehler) << art;
  const TVektor leer, w = {4, 16};
  EXPECT_EQ((std::array{MittlererFehler(leer, 0, 3), MittlererFehler(w, 2, 1), MittlererFehler(w, 3, 1)}),
            (std::array<double, 3>{0, 3, 1}));
  const TFitErgebnis null{.Modell = Modellnr::Gerade};
  EXPECT_EQ((std::array{ChiQuadrat(X3, Y3, 0, 0, null, 0), ChiQuadrat(X3, Y3, 0, 1, null, 0),
                        ChiQuadrat(X3, TVektor{0, 3}, 0, 1, null, 3)}),
            (std::array<long double, 3>{0, 1 + 9 + 25, 1}));
}

TEST(Bestes, KleinsteSummeDieNiedrigereNummerGewinnt) {
  // All x equal: the line fails; the start values of the others (no steps) leave sums near
  // 1e40, beyond the 1e29 that marks a failed model, and still win over failure.
  EXPECT_GT(Bestes(TVektor{1, 1, 1}, TVektor{1e20, -1e20, 3e20}, TFitParameter{10, 0, 1e-9}), 1);
  EXPECT_EQ(Bestes(TVektor{}, TVektor{}, Standard), 1); // every fit is empty and sums 0
  // Large sets are fitted on several threads; the choice is the same as one model after the other.
  TVektor x, y;
  for (int i = 0; i < 1200; ++i) {
    x.push_back(0.01 * i);
    y.push_back(2 + std::sin(0.013 * i) + 0.001 * (i % 5));
  }
  const TFitParameter p{10, 10, 1e-9};
  uint8_t erwartet = 0;
  long double kleinste = 0;
  for (uint8_t m = 1; m <= Modellanzahl; ++m) {
    try {
      const long double s = Quadratsumme(x, y, Fit(x, y, Vorgabe(m), p));
      if (!std::isnan(s) && (erwartet == 0 || s < kleinste)) std::tie(erwartet, kleinste) = std::pair(m, s);
    } catch (const TQuarnFehler&) {
    }
  }
  for (int lauf = 0; lauf < 3; ++lauf) EXPECT_EQ(Bestes(x, y, p), erwartet);
}


} // namespace
