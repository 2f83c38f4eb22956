#include "AufzeichnendeLeinwand.h"

#include "plot/Diagramm.h"

#include "fit/Fit.h"

#include "core/Typen.h"
#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>

namespace {

using TAufrufe = std::vector<std::string>;

struct TZeichnung {
  TAufrufe aufrufe;
  TAbbildung a;
};

TZeichnung Zeichnen(const TVektor& x, const TVektor& y, const TDiagrammEinstellungen& r, const TVektor& dx = {},
                    const TVektor& dy = {}, int breite = 697, int hoehe = 409) {
  TAufzeichnendeLeinwand l(breite, hoehe);
  const TAbbildung a = DiagrammZeichnen(l, x, y, dx, dy, r);
  return {l.Aufrufe, a};
}

bool Enthaelt(const TAufrufe& a, const std::string& zeile) { return std::find(a.begin(), a.end(), zeile) != a.end(); }

long Anzahl(const TAufrufe& a, const std::string& anfang) {
  return std::count_if(a.begin(), a.end(), [&](const std::string& z) { return z.rfind(anfang, 0) == 0; });
}

// No labels, and the tracer cross outside the image (far values would land on the edge of
// the plot area, where the cross is drawn).
TDiagrammEinstellungen Schlicht() {
  TDiagrammEinstellungen r;
  r.Beschriftung = false;
  r.KastenX = -1000;
  return r;
}

TEST(DiagrammZeichnen, LeereDatenZeichnenNichts) {
  const TZeichnung z = Zeichnen({}, {1}, TDiagrammEinstellungen{});
  EXPECT_TRUE(z.aufrufe.empty());
  EXPECT_EQ(z.a.Breite, 0);
  EXPECT_EQ(z.a.RandLinks, 0);
}

TEST(DiagrammZeichnen, HintergrundRaenderUndEinzelnerPunkt) {
  TDiagrammEinstellungen r;
  const TZeichnung z = Zeichnen({2}, {3}, r);
  ASSERT_GE(z.aufrufe.size(), 3u);
  EXPECT_EQ(z.aufrufe[0], "Pinsel FFFFFF");
  EXPECT_EQ(z.aufrufe[1], "Fuellen 0 0 697 409");
  EXPECT_EQ(z.aufrufe[2], "Stift 000000 1 solid");
  EXPECT_EQ(z.a.RandLinks, 120);
  EXPECT_EQ(z.a.Feldbreite, 557);
  EXPECT_EQ(z.a.Feldhoehe, 269);
  // The single point sits at the lower left corner; the even scheme draws no ticks.
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Rechteck 116 285 125 294"));
  // Mark, both titles and the cross's two lines: with a single point every position is the
  // corner, the cross's too.
  EXPECT_EQ(Anzahl(z.aufrufe, "Text"), 5);
  TDiagrammEinstellungen fest = r;
  fest.Zusatz = 0;
  const TZeichnung f = Zeichnen({2}, {3}, fest);
  EXPECT_EQ(Anzahl(f.aufrufe, "Text"), 5 + 16);
  EXPECT_EQ(Anzahl(f.aufrufe, "Text 40 "), 8); // the eight y labels, all "3,000"
  EXPECT_TRUE(Enthaelt(f.aufrufe, "Text 40 283 3,000"));
  EXPECT_TRUE(Enthaelt(f.aufrufe, "Text 662 349 2,000"));
}

TEST(DiagrammZeichnen, PunktgroessenUndSchmaleBilder) {
  TDiagrammEinstellungen r = Schlicht();
  const std::pair<int8_t, std::string> faelle[] = {
      {-5, "Rechteck 34 363 47 376"}, {0, "Rechteck 36 365 45 374"}, {5, "Rechteck 38 367 43 372"}};
  for (const auto& [dicke, rechteck] : faelle) {
    r.Zeichendicke = dicke;
    EXPECT_TRUE(Enthaelt(Zeichnen({1}, {1}, r).aufrufe, rechteck)) << int(dicke);
  }
  const TZeichnung schmal = Zeichnen({1, 2}, {1, 2}, Schlicht(), {}, {}, 60, 100);
  EXPECT_EQ(schmal.aufrufe, (TAufrufe{"Pinsel FFFFFF", "Fuellen 0 0 60 100", "Stift 000000 1 solid"}));
}

TEST(DiagrammZeichnen, XLaengerAlsYUndSortierung) {
  TDiagrammEinstellungen r = Schlicht();
  r.Verbinden = true;
  const TZeichnung z = Zeichnen({3, 1, 2, 100}, {30, 10, 20}, r);
  EXPECT_EQ(Anzahl(z.aufrufe, "Rechteck"), 3);
  EXPECT_EQ(z.a.Xmax, 100); // the limits still take every x
  // Sorted by x: the connecting line runs from x = 1 over 2 to 3.
  const auto erstes = std::find_if(z.aufrufe.begin(), z.aufrufe.end(),
                                   [](const std::string& s) { return s.rfind("Rechteck", 0) == 0; });
  EXPECT_EQ(*erstes, "Rechteck 36 365 45 374");
  EXPECT_EQ(Anzahl(z.aufrufe, "LinieZu"), 2);
}

TEST(DiagrammZeichnen, WinzigerBereichOhneEndloseStriche) {
  const TZeichnung z = Zeichnen({0, 1e-323}, {0, 1e-323}, TDiagrammEinstellungen{});
  EXPECT_LT(z.aufrufe.size(), 100u);
}

TEST(DiagrammZeichnen, EinzelfehlerBleibenBeiIhrenPunkten) {
  TDiagrammEinstellungen r = Schlicht();
  r.Fehlerbalken = true;
  r.Fit.Fehlerart = 3;
  r.Fit.DX = 1;
  // Sorting puts x = 1 first; the error 5 belongs to x = 3 (pixel 677), x = 1 has none.
  const TZeichnung z = Zeichnen({3, 1}, {1, 2}, r, {5});
  EXPECT_TRUE(Enthaelt(z.aufrufe, "BewegeZu 677 369"));
  EXPECT_EQ(Anzahl(z.aufrufe, "LinieZu"), 3);
}

TEST(DiagrammZeichnen, Fehlerbalken) {
  TDiagrammEinstellungen r = Schlicht();
  r.Fehlerbalken = true;
  r.Fit.Fehlerart = 3;
  r.Fit.DY = 2;
  const TVektor x = {0, 10}, y = {0, 10};
  const TZeichnung z = Zeichnen(x, y, r, {5, 5}, {1, 0.5});
  // Point (10, 10) at (677, 20): half-width 0,5·2 = 1 in y, 349 pixels per 10.
  EXPECT_TRUE(Enthaelt(z.aufrufe, "BewegeZu 677 55"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "LinieZu 677 -15"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "BewegeZu 674 55"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "LinieZu 681 55"));
  EXPECT_FALSE(Enthaelt(z.aufrufe, "LinieZu 697 20")); // dX = 0: no horizontal bars
  // "Relativ in %" with a negative value gives no bar.
  TDiagrammEinstellungen relativ = Schlicht();
  relativ.Fehlerbalken = true;
  relativ.Fit.Fehlerart = 1;
  relativ.Fit.DY = 10;
  const TZeichnung n = Zeichnen({0, 10}, {-5, 5}, relativ);
  EXPECT_EQ(Anzahl(n.aufrufe, "LinieZu"), 3); // one bar with its two caps
}

TEST(DiagrammZeichnen, FitKurveFormelUndKasten) {
  TDiagrammEinstellungen r = Schlicht();
  r.Fit.Modell = 1;
  r.PunkteAus = true;
  const TVektor x = {0, 1, 2, 3}, y = {1, 3, 5, 7};
  const TZeichnung z = Zeichnen(x, y, r);
  EXPECT_EQ(Anzahl(z.aufrufe, "Rechteck"), 0);
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Stift 0000FF 2 solid")); // the curve in the point colour
  EXPECT_TRUE(Enthaelt(z.aufrufe, "BewegeZu 40 369"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "LinieZu 677 20"));
  // Tangent on, formula off, box off: the fit's formula under the plot area.
  r.Tangente = true;
  r.Kasten = false;
  const TZeichnung t = Zeichnen(x, y, r);
  EXPECT_EQ(Anzahl(t.aufrufe, "Text"), 1);
  EXPECT_TRUE(Enthaelt(t.aufrufe, "Text 304 379 y = +1,000 +2,000x"));
  // Formula and box: the box at the box position, no tracer cross.
  r.Tangente = false;
  r.Formel = true;
  r.Kasten = true;
  r.KastenX = 1;
  r.KastenY = 5;
  const TZeichnung k = Zeichnen(x, y, r);
  EXPECT_EQ(Anzahl(k.aufrufe, "Rechteck"), 1);
  EXPECT_TRUE(Enthaelt(k.aufrufe, "Text 252 136 y = b + a * x"));
  EXPECT_TRUE(Enthaelt(k.aufrufe, "Text 252 172 q² = 0,000"));
  EXPECT_FALSE(Enthaelt(k.aufrufe, "LinieZu 257 136"));
}

TEST(DiagrammZeichnen, KreuzNurImBild) {
  TDiagrammEinstellungen r = Schlicht();
  r.KastenX = 1;
  r.KastenY = 1;
  const TZeichnung z = Zeichnen({0, 2}, {0, 2}, r);
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Schrift Georgia 8"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "BewegeZu 354 195"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "LinieZu 363 195"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Text 366 203 x = 1,000"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Text 366 215 y = 1,000"));
  r.KastenX = 1000;
  EXPECT_EQ(Anzahl(Zeichnen({0, 2}, {0, 2}, r).aufrufe, "Text"), 0);
}

TEST(DiagrammZeichnen, MarkierungslinienUndSchnittpunkte) {
  TDiagrammEinstellungen r;
  r.OhneSkala = true;
  r.Fit.Modell = 1;
  r.LinienAnzahl = 2;
  r.Linien[0] = {0, 1, "x", true};
  r.Linien[1] = {1, 5, "y", true};
  const TVektor x = {0, 1, 2, 3}, y = {1, 3, 5, 7};
  const TZeichnung z = Zeichnen(x, y, r);
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Stift 000000 1 dash"));
  // Both given lines and both cut lines (the fourth beyond the three slots).
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Text 303 363 x"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Text 40 104 y"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Text 40 193 y = 3,000"));
  EXPECT_TRUE(Enthaelt(z.aufrufe, "Text 464 363 x = 2,000"));
  r.Linien[0].Wert = 99; // outside [Xmin, Xmax]: neither line nor text
  const TZeichnung aussen = Zeichnen(x, y, r);
  EXPECT_FALSE(Enthaelt(aussen.aufrufe, "Text 303 363 x"));
  // A damaged record with 200 lines draws the three there are.
  r.LinienAnzahl = 200;
  r.Fit.Modell = 0;
  EXPECT_EQ(Anzahl(Zeichnen(x, y, r).aufrufe, "Text 40 104 y"), 1);
}

TEST(DiagrammZeichnen, UmformungenUndFehler) {
  TDiagrammEinstellungen r = Schlicht();
  r.Integrationen = -1;
  const TZeichnung d = Zeichnen({0, 1, 2, 3}, {0, 1, 4, 9}, r);
  EXPECT_EQ(d.a.Ymin, 1); // the derivative 1, 1, 3, 5
  EXPECT_EQ(d.a.Ymax, 5);
  TDiagrammEinstellungen lg = Schlicht();
  lg.LogBasisX = 10;
  const TZeichnung l = Zeichnen({-1, 100}, {1, 2}, lg);
  EXPECT_EQ(l.a.Xmin, -4);
  EXPECT_EQ(l.a.Xmax, 2);
  TDiagrammEinstellungen v = Schlicht();
  v.Variation = true;
  const TZeichnung s = Zeichnen({1, 2}, {1000, 2000}, v);
  EXPECT_EQ(s.a.Xmax, 2000);
  EXPECT_EQ(s.a.Ymax, 2);
  TDiagrammEinstellungen f = Schlicht();
  f.Fit.Modell = 1;
  TAufzeichnendeLeinwand leinwand(697, 409);
  EXPECT_EQ(Meldung([&] { DiagrammZeichnen(leinwand, TVektor{1, 1}, TVektor{1, 2}, {}, {}, f); }), DivisionDurchNull);
  EXPECT_EQ(leinwand.Aufrufe[1], "Fuellen 0 0 697 409");
  // q² of no points is 0/0: the drawing ends with that fault.
  TDiagrammEinstellungen kasten = Schlicht();
  kasten.Fit.Modell = 3;
  kasten.Formel = kasten.Kasten = kasten.Chi = true;
  EXPECT_EQ(Meldung([&] { DiagrammZeichnen(leinwand, TVektor{1, 2, 3}, TVektor{}, {}, {}, kasten); }), Ungueltig);
}

TEST(DiagrammZeichnen, NichtEndlicheWerteUndVielePunkte) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  TDiagrammEinstellungen r;
  r.Fehlerbalken = true;
  r.Fit.DY = 1;
  const TZeichnung z = Zeichnen({nan, 1, inf, 1e308}, {1, nan, -inf, 2}, r);
  EXPECT_EQ(Anzahl(z.aufrufe, "Rechteck"), 4);
  TVektor x(1000000), y(1000000);
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = static_cast<double>(i);
    y[i] = std::sin(i * 0.001);
  }
  TAufzeichnendeLeinwand l(697, 409);
  const TAbbildung a = DiagrammZeichnen(l, x, y, {}, {}, Schlicht());
  EXPECT_EQ(a.Xmax, 999999);
}

TEST(DiagrammZeichnen, BeschaedigterDatensatz) {
  std::array<uint8_t, DiagrammGroesse> bytes;
  bytes.fill(0xFF); // NaN limits with every override on, 255 marker lines, Zeichendicke -1 …
  TDiagrammEinstellungen r = DiagrammAusBytes(bytes);
  r.Fit.Modell = 0;
  r.Integrationen = 0;
  r.Zeichendicke = -128;
  r.KommastellenX = 1 << 30;
  const TZeichnung z = Zeichnen({1, 2, 3}, {4, 5, 6}, r);
  EXPECT_TRUE(std::isnan(z.a.Xmin));
  EXPECT_GE(Anzahl(z.aufrufe, "LinieZu"), 2); // points hidden, but connected
}

TEST(DiagrammZeichnen, GanzesDiagrammWieAufgezeichnet) {
  TDiagrammEinstellungen r;
  r.Markierung = "Messung 1";
  r.AchseX = "Zeit";
  r.AchseY = "Weg";
  r.Verbinden = true;
  r.Fehlerbalken = true;
  r.Fit.Modell = 5;
  r.Fit.DY = 0.5;
  r.Tangente = true;
  r.TangenteX = 2;
  r.Formel = true;
  r.KastenX = 0.5;
  r.KastenY = 8;
  r.LinienAnzahl = 1;
  r.Linien[0] = {0, 2.5, "Mitte", true};
  const TVektor x = {0, 1, 2, 3, 4}, y = {1, 2.2, 4.8, 10.1, 17};
  const TZeichnung z = Zeichnen(x, y, r);
  std::ostringstream text;
  for (const std::string& zeile : z.aufrufe) text << zeile << '\n';
  const std::string pfad = std::string(QUARN_GOLDEN) + "/ganzes_diagramm.txt";
  if (std::getenv("QUARN_GOLDEN_NEU")) std::ofstream(pfad) << text.str();
  std::ifstream datei(pfad);
  std::stringstream gespeichert;
  gespeichert << datei.rdbuf();
  EXPECT_EQ(text.str(), gespeichert.str()) << "regenerate with QUARN_GOLDEN_NEU=1 and review the diff";
}

} // namespace

namespace {

// The drawing's own fit stands in for a fit of the raw points exactly when it is one.
TEST(DiagrammZeichnen, RohfitNurOhneUmformung) {
  const TVektor x = {1, 2, 3, 4, 5, 6}, y = {1, 3, 7, 8, 4, 2};
  struct {
    const char* name;
    std::function<void(TDiagrammEinstellungen&)> aendern;
    bool roh;
  } const faelle[] = {
      {"Gerade", [](auto& r) { r.Fit.Modell = 1; }, true},
      {"Gauss", [](auto& r) { r.Fit.Modell = 3; }, true},
      {"ohne Fit", [](auto& r) { r.Fit.Modell = 0; }, false},
      {"log x", [](auto& r) { r.Fit.Modell = 1; r.LogBasisX = 10; }, false},
      {"Variation", [](auto& r) { r.Fit.Modell = 1; r.Variation = true; }, false},
      {"integriert", [](auto& r) { r.Fit.Modell = 1; r.Integrationen = 1; }, false},
      {"Ausreisser", [](auto& r) { r.Fit.Modell = 1; r.Fit.Ausreisser = true; r.Fit.Prozent = 50; }, false},
  };
  for (const auto& f : faelle) {
    TDiagrammEinstellungen r = Schlicht();
    f.aendern(r);
    TAufzeichnendeLeinwand l(697, 409);
    std::optional<TGezeichneterFit> gezeichnet;
    DiagrammZeichnen(l, x, y, {}, {}, r, &gezeichnet);
    ASSERT_EQ(gezeichnet.has_value(), r.Fit.Modell != 0) << f.name;
    ASSERT_EQ(gezeichnet && gezeichnet->Roh, f.roh) << f.name;
    if (!f.roh) continue;
    const TFitErgebnis* rohfit = &gezeichnet->Ergebnis;
    const TFitErgebnis direkt = Fit(x, y, r.Fit, r.FitParameter);
    EXPECT_EQ(rohfit->Modell, direkt.Modell) << f.name;
    EXPECT_EQ(rohfit->Koeffizienten.Werte, direkt.Koeffizienten.Werte) << f.name;
    EXPECT_EQ(rohfit->Koeffizienten.Fehler, direkt.Koeffizienten.Fehler) << f.name;
  }
}

} // namespace
