#include "fit/Fit.h"
#include "fit/Fitdateien.h"
#include "fit/Modelle.h"
#include "fit/Bestes.h"
#include "fit/Startwerte.h"

#include "core/Fehler.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TFitVorgabe Vorgabe(uint8_t modell) {
  TFitVorgabe v;
  v.Modell = modell;
  return v;
}

const TFitParameter Standard{10, 1000, 1e-9};
const TVektor X3 = {0, 1, 2}, Y3 = {1, 3, 5};

TEST(Fit, GeradeGeschlossen) {
  const TFitErgebnis r = Fit(X3, Y3, Vorgabe(1), Standard);
  EXPECT_EQ(r.Modell, 1);
  EXPECT_DOUBLE_EQ(r.Koeffizienten.Werte[0], 2);
  EXPECT_DOUBLE_EQ(r.Koeffizienten.Werte[1], 1);
  EXPECT_EQ(r.Restsumme, 0);
  EXPECT_EQ(r.Koeffizienten.Fehler[0], 0);
  TFitVorgabe mitFehler = Vorgabe(1);
  mitFehler.DY = 0.3;
  const TFitErgebnis f = Fit(X3, Y3, mitFehler, Standard);
  EXPECT_NEAR(f.Koeffizienten.Fehler[0], std::sqrt(0.135), 1e-15);
  EXPECT_NEAR(f.Koeffizienten.Fehler[1], std::sqrt(0.03 + 0.135), 1e-15);
  EXPECT_EQ(Meldung([] { Fit(TVektor{1, 1, 1}, TVektor{1, 2, 3}, Vorgabe(1), Standard); }), DivisionDurchNull);
  EXPECT_EQ(Fit(TVektor{}, Y3, Vorgabe(1), Standard).Modell, 0);
}

TEST(Fit, XLaengerAlsY) {
  // Only three pairs, but the means take every value of each series.
  const TFitErgebnis r = Fit(TVektor{0, 1, 2, 100}, Y3, Vorgabe(1), Standard);
  const double a = (4.0 / 3) / (1839.6875 / 3);
  EXPECT_NEAR(r.Koeffizienten.Werte[0], a, 1e-15);
  EXPECT_NEAR(r.Koeffizienten.Werte[1], 3 - a * 25.75, 1e-13);
}

TEST(Fit, FesteKoeffizientenBleiben) {
  TFitVorgabe v = Vorgabe(1);
  v.Fix.Setze(1, true); // b stays at its start value 1
  const TFitErgebnis r = Fit(X3, Y3, v, Standard);
  EXPECT_EQ(r.Koeffizienten.Werte[1], 1);
  EXPECT_NEAR(r.Koeffizienten.Werte[0], 2, 1e-9);
  EXPECT_TRUE(r.Koeffizienten.Fix.Enthaelt(1));
  // With a fixed the intercept still moves: 2 is the mean of y - x.
  TFitVorgabe w = Vorgabe(1);
  w.Fix.Setze(0, true);
  const TFitErgebnis s = Fit(X3, Y3, w, Standard);
  EXPECT_EQ(s.Koeffizienten.Werte[0], 1);
  EXPECT_NEAR(s.Koeffizienten.Werte[1], 2, 1e-9);
}

TEST(Fit, NullSchritteGebenDieStartwerte) {
  TFitVorgabe v = Vorgabe(2);
  const TFitErgebnis geschaetzt = Fit(X3, Y3, v, TFitParameter{10, 0, 1e-9});
  EXPECT_EQ(geschaetzt.Koeffizienten.Werte, StartwerteSchaetzen(X3, Y3, 2, {}).Werte);
  v.MitStartwerten = true;
  v.Startwerte = {4, 5, 6, 7, 8, 9, 10, 11};
  EXPECT_EQ(Fit(X3, Y3, v, TFitParameter{10, 0, 1e-9}).Koeffizienten.Werte, v.Startwerte);
}

TEST(Fit, ExakteStartwerteStoppenNachEinemSchritt) {
  TFitVorgabe v = Vorgabe(5);
  v.MitStartwerten = true;
  v.Startwerte = {1, 2, 0, 0, 0, 0, 0, 0};
  const TFitErgebnis r = Fit(X3, Y3, v, Standard);
  EXPECT_EQ(r.Koeffizienten.Werte[0], 1);
  EXPECT_EQ(r.Koeffizienten.Werte[1], 2);
  EXPECT_EQ(r.Restsumme, 0);
}

TEST(Fit, IteriertNichtlineareModelle) {
  TVektor x, y;
  for (int i = 0; i <= 20; ++i) {
    x.push_back(i * 0.25);
    y.push_back(1.5 + 4 * std::exp(-0.7 * i * 0.25));
  }
  const TFitErgebnis r = Fit(x, y, Vorgabe(2), Standard);
  EXPECT_NEAR(r.Koeffizienten.Werte[0], 4, 1e-6);
  EXPECT_NEAR(r.Koeffizienten.Werte[1], -0.7, 1e-6);
  EXPECT_NEAR(r.Koeffizienten.Werte[2], 1.5, 1e-6);
  EXPECT_LT(Quadratsumme(x, y, r), 1e-12L);
  // "Schritte" -1 is 4294967295 as an unsigned count: the loop ends by convergence.
  EXPECT_NEAR(Fit(x, y, Vorgabe(2), TFitParameter{10, -1, 1e-9}).Koeffizienten.Werte[1], -0.7, 1e-6);
}

TEST(Fit, NichtZahlenStoppenMitDenLetztenAngenommenen) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  TFitVorgabe v = Vorgabe(2);
  v.MitStartwerten = true;
  v.Startwerte = {4, 5, 6, 7, 8, 9, 10, 11};
  const TFitErgebnis r = Fit(X3, TVektor{1, nan, 5}, v, Standard);
  EXPECT_EQ(r.Koeffizienten.Werte, v.Startwerte);
}

TEST(Fit, DaempfungsfaktorUnter2WirdErsetzt) {
  // With a factor of 1 a failing step would repeat for ever.
  TVektor x, y;
  for (int i = 0; i <= 20; ++i) {
    x.push_back(i * 0.25);
    y.push_back(std::sin(1.3 * i * 0.25));
  }
  const TFitErgebnis r = Fit(x, y, Vorgabe(6), TFitParameter{1, 200, 1e-9});
  EXPECT_LT(Quadratsumme(x, y, r), Quadratsumme(x, y, [&] {
              TFitErgebnis s;
              s.Modell = 6;
              s.Koeffizienten = StartwerteSchaetzen(x, y, 6, {});
              return s;
            }()));
  EXPECT_EQ(Meldung([] { Fit(TVektor{1, 2}, TVektor{}, Vorgabe(1), Standard); }), Ungueltig);
}

// The outcome of a fit as text: its message, or its coefficients.
std::string Ausgang(const TVektor& x, const TVektor& y, const TFitVorgabe& v, const TFitParameter& p) {
  std::string text;
  const std::string meldung = Meldung([&] {
    for (const double w : Fit(x, y, v, p).Koeffizienten.Werte) text += std::to_string(w) + " ";
  });
  return meldung + text;
}

TEST(Fit, BeschaedigteGrenzeWirktWieDieVorgabe) {
  // Without a positive normal bound lambda shrinks to 0 and a failing step repeats for ever.
  TVektor x, y(10, 0.0);
  for (int i = 1; i <= 10; ++i) x.push_back(i);
  TFitVorgabe v = Vorgabe(13);
  v.Fix.Setze(4, true);
  v.MitStartwerten = true;
  v.Startwerte = {0, -1.5, 2, 0.5, 0, -1.5, 1, 1.5};
  const std::string vorgabe = Ausgang(x, y, v, {2147483647, 1000, 1e-9});
  for (const double grenze : {0.0, -1.0, 1e-310, std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_EQ(Ausgang(x, y, v, {2147483647, 1000, grenze}), vorgabe) << grenze;
}

TEST(Fit, ErgebnisIstEndlichOderEinFehler) {
  // Estimates beyond the 64-bit range, in coefficients that no derivative touches.
  struct {
    TVektor x, y;
    uint8_t modell;
  } const faelle[] = {
      {{0, 1e300}, {0, 1e300}, 3},
      {{1, 2, 3}, {-1e308, 0, 1e308}, 12},
      {{1, 2, 3}, {-1e308, 0, 1e308}, 2},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Meldung([&] { Fit(f.x, f.y, Vorgabe(f.modell), Standard); }), Ueberlauf) << int(f.modell);
  // Typed start values: the estimate that would overflow is not made.
  TFitVorgabe v = Vorgabe(3);
  v.MitStartwerten = true;
  v.Startwerte = {1, 0, 1, 0, 1, 1, 1, 1};
  EXPECT_EQ(Meldung([&] { Fit(TVektor{0, 1e155}, TVektor{0, 1}, v, Standard); }), "");
}

TEST(Fit, FehlerInEinerAbleitungBeendenDenFit) {
  TFitVorgabe v = Vorgabe(14);
  v.MitStartwerten = true;
  v.Startwerte = {-9, 1, 1, 2, 0, 0, 0, 0}; // u < 0: the root entries divide by 0
  EXPECT_EQ(Meldung([&] { Fit(X3, TVektor{1, 2, 3}, v, Standard); }), DivisionDurchNull);
  // Many points are shared between threads: a fault met by the helper ends the fit just so.
  TVektor x(50000), y(50000, 1);
  for (std::size_t i = 0; i + 1 < x.size(); ++i) x[i] = 1 + 0.001 * static_cast<double>(i);
  v.Startwerte = {1, 1, 1, 2, 0, 0, 0, 0}; // the last x is 0: b/x² divides by 0 there
  EXPECT_EQ(Meldung([&] { Fit(x, y, v, Standard); }), DivisionDurchNull);
}

TEST(Ausreisser, EntferntUndPasstNeuAn) {
  const TVektor x = {0, 1, 2, 3}, y = {0, 1, 2, 10};
  const TFitErgebnis erste = Fit(x, y, Vorgabe(1), Standard);
  EXPECT_NEAR(erste.Koeffizienten.Werte[0], 3.1, 1e-12);
  EXPECT_NEAR(erste.Koeffizienten.Werte[1], -1.4, 1e-12);
  TVektor xs = x, ys = y;
  EXPECT_EQ(Ausreisserentfernen(xs, ys, erste, 100), 2);
  EXPECT_EQ(xs[0], 0);
  EXPECT_EQ(xs[1], 1);
  TFitVorgabe v = Vorgabe(1);
  v.Ausreisser = true;
  v.Prozent = 100;
  const TFitErgebnis r = Fit(x, y, v, Standard);
  EXPECT_NEAR(r.Koeffizienten.Werte[0], 1, 1e-12);
  EXPECT_NEAR(r.Koeffizienten.Werte[1], 0, 1e-12);
}

TEST(Ausreisser, ExakteAnpassungHatKeine) {
  TFitVorgabe v = Vorgabe(1);
  v.Ausreisser = true;
  v.Prozent = 100;
  const TFitErgebnis r = Fit(X3, Y3, v, Standard);
  EXPECT_DOUBLE_EQ(r.Koeffizienten.Werte[0], 2);
  TVektor xs = X3, ys = Y3;
  EXPECT_EQ(Ausreisserentfernen(xs, ys, r, 100), 3);
  TVektor eins = {1}, einsY = {2};
  EXPECT_EQ(Ausreisserentfernen(eins, einsY, r, 100), 1);
}

TEST(Fehler, ArtenUndChiQuadrat) {
  EXPECT_EQ(Fehlerarten(0), "Absolut");
  EXPECT_EQ(Fehlerarten(1), "Relativ in %");
  EXPECT_EQ(Fehlerarten(2), "Wurzel");
  EXPECT_EQ(Fehlerarten(3), "XY-Individuell");
  EXPECT_EQ(Punktfehler(0, 2, -8), 2);
  EXPECT_EQ(Punktfehler(1, 2, -8), -0.16);
  EXPECT_EQ(Punktfehler(2, 2, -16), 8);
  EXPECT_EQ(Punktfehler(3, 2, -8), -16);
  EXPECT_EQ(Punktfehler(7, 2, -8), 2);
  EXPECT_EQ(MittlererFehler(TVektor{}, 0, 3), 0);
  EXPECT_EQ(MittlererFehler(TVektor{4, 16}, 2, 1), 3);
  EXPECT_EQ(MittlererFehler(TVektor{4, 16}, 3, 1), 1);
  TFitErgebnis null;
  null.Modell = 1;
  EXPECT_EQ(ChiQuadrat(X3, Y3, 0, 0, null, 0), 0);
  EXPECT_EQ(ChiQuadrat(X3, Y3, 0, 1, null, 0), 1 + 9 + 25);
  EXPECT_EQ(ChiQuadrat(X3, TVektor{0, 3}, 0, 1, null, 3), 1);
}

TEST(Schritt, FesteBleibenUndFehlerKommenVomAlten) {
  TKoeffizienten alt, richtung;
  alt.Werte = {1, 2, 3, 4, 5, 6, 7, 8};
  alt.Fehler[0] = 9;
  alt.Fix.Setze(1, true);
  richtung.Werte.fill(1);
  richtung.Fix.Setze(2, true);
  const TKoeffizienten neu = Schritt(alt, richtung, 0.5);
  EXPECT_EQ(neu.Werte, (std::array<double, 8>{1.5, 2, 3, 4.5, 5.5, 6.5, 7.5, 8.5}));
  EXPECT_EQ(neu.Fehler[0], 9);
  EXPECT_TRUE(neu.Fix.Enthaelt(1) && neu.Fix.Enthaelt(2));
}

TEST(Bestes, KleinsteSummeDieNiedrigereNummerGewinnt) {
  const TVektor x = {0, 1, 2, 3, 4}, y = {1, 3, 5, 7, 9};
  EXPECT_EQ(Bestes(x, y, TFitParameter{10, 100, 1e-9}), 1);
  // All x equal: the line fails; the start values of the others (no steps) leave sums near
  // 1e40, beyond the 1e29 that marks a failed model, and still win over failure.
  const TVektor gleich = {1, 1, 1}, gross = {1e20, -1e20, 3e20};
  const uint8_t bestes = Bestes(gleich, gross, TFitParameter{10, 0, 1e-9});
  EXPECT_GT(bestes, 1);
  EXPECT_EQ(Bestes(TVektor{}, TVektor{}, Standard), 1); // every fit is empty and sums 0
}

// Large sets are fitted on several threads; the choice is the same as one model after the other.
TEST(Bestes, ParallelWieNacheinander) {
  TVektor x, y;
  for (int i = 0; i < 1200; ++i) {
    x.push_back(0.01 * i);
    y.push_back(2 + std::sin(0.013 * i) + 0.001 * (i % 5));
  }
  const TFitParameter p{10, 10, 1e-9};
  uint8_t erwartet = 0;
  long double kleinste = 0;
  for (uint8_t m = 1; m <= Modellanzahl; ++m) {
    TFitVorgabe v;
    v.Modell = m;
    try {
      const long double s = Quadratsumme(x, y, Fit(x, y, v, p));
      if (!std::isnan(s) && (erwartet == 0 || s < kleinste)) {
        erwartet = m;
        kleinste = s;
      }
    } catch (const TQuarnFehler&) {
    }
  }
  for (int lauf = 0; lauf < 3; ++lauf) EXPECT_EQ(Bestes(x, y, p), erwartet);
}

TEST(Fitdateien, ByteLayout) {
  TFitVorgabe v;
  v.Modell = 3;
  v.Ausreisser = true;
  v.Prozent = 100;
  v.DX = 0.5;
  v.DY = -2;
  v.Fehlerart = 2;
  v.Fix.Setze(0, true);
  v.Fix.Setze(9, true);
  v.MitStartwerten = true;
  v.Startwerte = {1, 2, 3, 4, 5, 6, 7, 8};
  const auto b = FitVorgabeBytes(v);
  EXPECT_EQ(b[0], 3);
  EXPECT_EQ(b[8], 1);
  EXPECT_EQ(b[15], 0);
  EXPECT_EQ(b[23], 0x40); // 100.0 = 0x4059000000000000, highest byte last
  EXPECT_EQ(b[22], 0x59);
  EXPECT_EQ(b[40], 2);
  EXPECT_EQ(b[41], 0x01);
  EXPECT_EQ(b[42], 0x02);
  EXPECT_EQ(b[73], 1);
  EXPECT_EQ(b[87], 0x3F); // 1.0 = 0x3FF0000000000000
  EXPECT_EQ(FitVorgabeAusBytes(b), v);
  const TFitParameter p{10, -1, 1e-9};
  const auto pb = FitParameterBytes(p);
  EXPECT_EQ(pb[0], 10);
  EXPECT_EQ(pb[4], 0xFF);
  EXPECT_EQ(pb[7], 0xFF);
  EXPECT_EQ(FitParameterAusBytes(pb), p);
}

} // namespace
