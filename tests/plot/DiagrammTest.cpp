#include "AufzeichnendeLeinwand.h"
#include "PlotHilfen.h"

#include "plot/Diagramm.h"

#include "fit/Fit.h"

#include "core/Typen.h"
#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <sstream>
#include <tuple>

namespace {

using TAufrufe = std::vector<std::string>;

struct TZeichnung { TAufrufe aufrufe; TAbbildung a; };

TZeichnung Zeichnen(const TVektor& x, const TVektor& y, const TDiagrammEinstellungen& r, const TVektor& dx = {},
                    const TVektor& dy = {}, int breite = 697, int hoehe = 409) {
  TAufzeichnendeLeinwand l(breite, hoehe);
  const TAbbildung a = DiagrammZeichnen(l, x, y, dx, dy, r);
  return {std::move(l.Aufrufe), a};
}

bool Enthaelt(const TAufrufe& a, const std::string& zeile) { return std::find(a.begin(), a.end(), zeile) != a.end(); }

long Anzahl(const TAufrufe& a, const std::string& anfang) {
  return std::count_if(a.begin(), a.end(), [&](const std::string& z) { return z.rfind(anfang, 0) == 0; });
}

// No labels, and the tracer cross outside the image (far values would land on the edge of
// the plot area, where the cross is drawn); then the changes of a case.
TDiagrammEinstellungen Schlicht(const std::function<void(TDiagrammEinstellungen&)>& aendern = {}) {
  TDiagrammEinstellungen r{.Beschriftung = false, .KastenX = -1000};
  if (aendern) aendern(r);
  return r;
}

// A drawing and what it shows: calls it contains (mit) and does not contain (ohne), and how
// many calls begin with a text (anzahl).
using TAnzahlen = std::vector<std::pair<std::string, long>>;
struct TSzene { const char* name; TDiagrammEinstellungen r; TVektor x, y, dx, dy; TAufrufe mit, ohne; TAnzahlen anzahl; };

TEST(DiagrammZeichnen, Szenen) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const TVektor x4 = {0, 1, 2, 3}, y4 = {1, 3, 5, 7};
  const auto dicke = [](int8_t d) { return Schlicht([=](auto& e) { e.Zeichendicke = d; }); };
  const auto einzeln = [](double dx, double dy) {
    return Schlicht([=](auto& e) { e.Fehlerbalken = true; e.Fit.Fehlerart = Fehlermodus::Individuell; e.Fit.DX = dx; e.Fit.DY = dy; });
  };
  const auto linien = [](double wert, uint8_t anzahl, uint8_t modell) -> TDiagrammEinstellungen {
    return {.OhneSkala = true, .Fit = {.Modell = modell}, .LinienAnzahl = anzahl,
            .Linien = {TLinie{Linienart::Vertikal, wert, "x", true}, TLinie{Linienart::Horizontal, 5, "y", true}}};
  };
  const auto ausreisser = [](double prozent) {
    return Schlicht([=](auto& e) { e.Fit.Modell = Modellnr::Gerade; e.Fit.Ausreisser = true; e.Fit.Prozent = prozent; });
  };
  const TSzene szenen[] = {
      // The single point sits at the lower left corner; the even scheme draws no ticks. Mark,
      // both titles and the cross's two lines: with a single point every position is the
      // corner, the cross's too.
      {"ein Punkt", {}, {2}, {3}, {}, {}, {"Rechteck 116 285 125 294"}, {}, {{"Text", 5}}},
      // Fixed ticks: the eight y labels, all "3,000".
      {"ein Punkt, feste Striche", {.Zusatz = 0}, {2}, {3}, {}, {}, {"Text 40 283 3,000", "Text 662 349 2,000"}, {},
       {{"Text", 5 + 16}, {"Text 40 ", 8}}},
      // Round steps without the grid option: ticks, but no dotted grid lines.
      {"ohne Gitter", {.Zusatz = ZusatzGleichmaessig}, {0, 3}, {1, 7}, {}, {}, {"Text 662 349 3,000"}, {"Stift 000000 1 dot"}, {}},
      {"Dicke -5", dicke(-5), {1}, {1}, {}, {}, {"Rechteck 34 363 47 376"}, {}, {}},
      {"Dicke 5", dicke(5), {1}, {1}, {}, {}, {"Rechteck 38 367 43 372"}, {}, {}},
      // Point (10, 10) at (677, 20): half-width 0,5·2 = 1 in y, 349 pixels per 10. dX = 0: no
      // horizontal bars.
      {"Fehlerbalken", einzeln(0, 2), {0, 10}, {0, 10}, {5, 5}, {1, 0.5},
       {"BewegeZu 677 55", "LinieZu 677 -15", "BewegeZu 674 55", "LinieZu 681 55"}, {"LinieZu 697 20"}, {}},
      // Point (10, 10): half-width 0,5·2 = 1 in x, 63,7 pixels per unit; a cap across each end.
      {"x-Fehlerbalken", einzeln(2, 0), {0, 10}, {0, 10}, {1, 0.5}, {},
       {"BewegeZu 613 17", "LinieZu 613 24", "BewegeZu 741 17", "LinieZu 741 24"}, {}, {}},
      // Sorting puts x = 1 first; the error 5 belongs to x = 3 (pixel 677), x = 1 has none.
      {"Einzelfehler", einzeln(1, 0), {3, 1}, {1, 2}, {5}, {}, {"BewegeZu 677 369"}, {}, {{"LinieZu", 3}}},
      // "Relativ in %" with a negative value gives no bar: one bar with its two caps.
      {"relativ", Schlicht([](auto& e) { e.Fehlerbalken = true; e.Fit.Fehlerart = Fehlermodus::Relativ; e.Fit.DY = 10; }), {0, 10},
       {-5, 5}, {}, {}, {}, {}, {{"LinieZu", 3}}},
      // The curve in the point colour.
      {"Kurve", Schlicht([](auto& e) { e.Fit.Modell = Modellnr::Gerade; e.PunkteAus = true; }), x4, y4, {}, {},
       {"Stift 0000FF 2 solid", "BewegeZu 40 369", "LinieZu 677 20"}, {}, {{"Rechteck", 0}}},
      // Tangent on, formula off, box off: the fit's formula under the plot area.
      {"Formel", Schlicht([](auto& e) { e.Fit.Modell = Modellnr::Gerade; e.PunkteAus = e.Tangente = true; e.Kasten = false; }), x4, y4,
       {}, {}, {"Text 304 379 y = +1,000 +2,000x"}, {}, {{"Text", 1}}},
      // Formula and box: the box at the box position, no tracer cross.
      {"Kasten",
       Schlicht([](auto& e) { e.Fit.Modell = Modellnr::Gerade; e.PunkteAus = e.Formel = e.Kasten = true; e.KastenX = 1; e.KastenY = 5; }),
       x4, y4, {}, {}, {"Text 252 136 y = b + a * x", "Text 252 172 q² = 0,000"}, {"LinieZu 257 136"}, {{"Rechteck", 1}}},
      // The outlier pass keeps (0, 0) and (1, 1): only they are drawn, (1, 1) at the upper right.
      {"Ausreißer", ausreisser(100), x4, {0, 1, 2, 10}, {}, {}, {"Rechteck 673 16 682 25"}, {}, {{"Rechteck", 2}}},
      // Every residual of the flat line is ±1, above half the mean: none kept, all four drawn.
      {"Ausreißer, keiner bleibt", ausreisser(50), x4, {1, -1, -1, 1}, {}, {}, {"Rechteck 36 16 45 25",
       "Rechteck 673 16 682 25"}, {}, {{"Rechteck", 4}}},
      {"Kreuz", Schlicht([](auto& e) { e.KastenX = 1; e.KastenY = 1; }), {0, 2}, {0, 2}, {}, {}, {"Schrift Georgia 8",
       "BewegeZu 354 195", "LinieZu 363 195", "Text 366 203 x = 1,000", "Text 366 215 y = 1,000"}, {}, {}},
      {"Kreuz außerhalb", Schlicht([](auto& e) { e.KastenX = 1000; e.KastenY = 1; }), {0, 2}, {0, 2}, {}, {}, {}, {},
       {{"Text", 0}}},
      // Both given lines and both cut lines (the fourth beyond the three slots).
      {"Linien", linien(1, 2, Modellnr::Gerade), x4, y4, {}, {}, {"Stift 000000 1 dash", "Text 303 363 x", "Text 40 104 y",
       "Text 40 193 y = 3,000", "Text 464 363 x = 2,000"}, {}, {}},
      // Outside [Xmin, Xmax]: neither line nor text. A damaged record with 200 lines draws the
      // three there are.
      {"Linie außerhalb", linien(99, 2, Modellnr::Gerade), x4, y4, {}, {}, {}, {"Text 303 363 x"}, {}},
      {"Linie am Rand", linien(0, 1, Modellnr::Keins), x4, y4, {}, {}, {"Text 117 363 x"}, {}, {}},
      {"200 Linien", linien(99, 200, Modellnr::Keins), x4, y4, {}, {}, {}, {}, {{"Text 40 104 y", 1}}},
      {"nicht endlich", {.Fehlerbalken = true, .Fit = {.DY = 1}}, {nan, 1, inf, 1e308}, {1, nan, -inf, 2}, {}, {}, {},
       {}, {{"Rechteck", 4}}},
  };
  for (const TSzene& s : szenen) {
    const TAufrufe a = Zeichnen(s.x, s.y, s.r, s.dx, s.dy).aufrufe;
    for (const std::string& z : s.mit) EXPECT_TRUE(Enthaelt(a, z)) << s.name << ": " << z;
    for (const auto& [anfang, n] : s.anzahl) EXPECT_EQ(Anzahl(a, anfang), n) << s.name << ": " << anfang;
    for (const std::string& z : s.ohne) EXPECT_FALSE(Enthaelt(a, z)) << s.name << ": " << z;
  }
}

TEST(DiagrammZeichnen, HintergrundSortierungUndGrenzen) {
  // Nothing without x; nothing but the background where the plot area has no room.
  const TZeichnung leer = Zeichnen({}, {1}, {});
  EXPECT_EQ((std::tuple<std::size_t, int, int>{leer.aufrufe.size(), leer.a.Breite, leer.a.RandLinks}), (std::tuple{0u, 0, 0}));
  EXPECT_EQ(Zeichnen({1, 2}, {1, 2}, Schlicht(), {}, {}, 60, 100).aufrufe,
            (TAufrufe{"Pinsel FFFFFF", "Fuellen 0 0 60 100", "Stift 000000 1 solid"}));
  // x longer than y: three points, but the limits take every x. Sorted by x, the first point
  // is x = 1, and the connecting line runs from it over 2 to 3.
  const TZeichnung z = Zeichnen({3, 1, 2, 100}, {30, 10, 20}, Schlicht([](auto& e) { e.Verbinden = true; }));
  EXPECT_EQ(Anzahl(z.aufrufe, "Rechteck"), 3);
  EXPECT_EQ(z.a.Xmax, 100);
  const auto erstes = [](const std::string& s) { return s.rfind("Rechteck", 0) == 0; };
  EXPECT_EQ(*std::find_if(z.aufrufe.begin(), z.aufrufe.end(), erstes), "Rechteck 36 365 45 374");
  EXPECT_EQ(Anzahl(z.aufrufe, "LinieZu"), 2);
  EXPECT_LT(Zeichnen({0, 1e-323}, {0, 1e-323}, {}).aufrufe.size(), 100u); // a tiny range, no endless ticks
  TVektor x(1000000), y(1000000);
  std::iota(x.begin(), x.end(), 0.0);
  for (std::size_t i = 0; i < x.size(); ++i) y[i] = std::sin(x[i] * 0.001);
  EXPECT_EQ(Zeichnen(x, y, Schlicht()).a.Xmax, 999999);
}

TEST(DiagrammZeichnen, UmformungenFehlerUndBeschaedigterDatensatz) {
  const TAbbildung d = Zeichnen({0, 1, 2, 3}, {0, 1, 4, 9}, Schlicht([](auto& e) { e.Integrationen = -1; })).a;
  EXPECT_EQ((std::pair{d.Ymin, d.Ymax}), (std::pair{1.0, 5.0})); // the derivative 1, 1, 3, 5
  const TAbbildung l = Zeichnen({-1, 100}, {1, 2}, Schlicht([](auto& e) { e.LogBasisX = 10; })).a;
  EXPECT_EQ((std::pair{l.Xmin, l.Xmax}), (std::pair{-4.0, 2.0}));
  const TAbbildung s = Zeichnen({1, 2}, {1000, 2000}, Schlicht([](auto& e) { e.Variation = true; })).a;
  EXPECT_EQ((std::pair{s.Xmax, s.Ymax}), (std::pair{2000.0, 2.0}));
  TAufzeichnendeLeinwand leinwand(697, 409);
  const auto gerade = Schlicht([](auto& e) { e.Fit.Modell = Modellnr::Gerade; });
  EXPECT_EQ(Meldung([&] { DiagrammZeichnen(leinwand, TVektor{1, 1}, TVektor{1, 2}, {}, {}, gerade); }), DivisionDurchNull);
  EXPECT_EQ(leinwand.Aufrufe[1], "Fuellen 0 0 697 409");
  // q² of no points is 0/0: the drawing ends with that fault.
  const auto kasten = Schlicht([](auto& e) { e.Fit.Modell = Modellnr::Gauss; e.Formel = e.Kasten = e.Chi = true; });
  EXPECT_EQ(Meldung([&] { DiagrammZeichnen(leinwand, TVektor{1, 2, 3}, TVektor{}, {}, {}, kasten); }), Ungueltig);
  std::array<uint8_t, DiagrammGroesse> bytes;
  bytes.fill(0xFF); // NaN limits with every override on, 255 marker lines, Zeichendicke -1 …
  TDiagrammEinstellungen r = DiagrammAusBytes(bytes);
  r.Fit.Modell = Modellnr::Keins;
  r.Integrationen = 0;
  r.Zeichendicke = -128;
  r.KommastellenX = 1 << 30;
  const TZeichnung z = Zeichnen({1, 2, 3}, {4, 5, 6}, r);
  EXPECT_TRUE(std::isnan(z.a.Xmin));
  EXPECT_GE(Anzahl(z.aufrufe, "LinieZu"), 2); // points hidden, but connected
}

TEST(DiagrammZeichnen, GanzesDiagrammWieAufgezeichnet) {
  const TAllesDiagramm d = AllesDiagramm();
  std::ostringstream text;
  for (const std::string& zeile : Zeichnen(d.x, d.y, d.r).aufrufe) text << zeile << '\n';
  EXPECT_EQ(text.str(), Golden(QUARN_GOLDEN "/ganzes_diagramm.txt", text.str()));
}

// The drawing's own fit stands in for a fit of the raw points exactly when it is one.
TEST(DiagrammZeichnen, RohfitNurOhneUmformung) {
  const TVektor x = {1, 2, 3, 4, 5, 6}, y = {1, 3, 7, 8, 4, 2};
  const std::tuple<const char*, std::function<void(TDiagrammEinstellungen&)>, bool> faelle[] = {
      {"Gerade", [](auto& r) { r.Fit.Modell = Modellnr::Gerade; }, true},
      {"ohne Fit", [](auto& r) { r.Fit.Modell = Modellnr::Keins; }, false},
      {"log x", [](auto& r) { r.Fit.Modell = Modellnr::Gerade; r.LogBasisX = 10; }, false},
      {"Variation", [](auto& r) { r.Fit.Modell = Modellnr::Gerade; r.Variation = true; }, false},
      {"integriert", [](auto& r) { r.Fit.Modell = Modellnr::Gerade; r.Integrationen = 1; }, false},
      {"Ausreisser", [](auto& r) { r.Fit.Modell = Modellnr::Gerade; r.Fit.Ausreisser = true; r.Fit.Prozent = 50; }, false},
  };
  for (const auto& [name, aendern, roh] : faelle) {
    const TDiagrammEinstellungen r = Schlicht(aendern);
    TAufzeichnendeLeinwand l(697, 409);
    std::optional<TGezeichneterFit> gezeichnet;
    DiagrammZeichnen(l, x, y, {}, {}, r, &gezeichnet);
    ASSERT_EQ(gezeichnet.has_value(), r.Fit.Modell != 0) << name;
    ASSERT_EQ(gezeichnet && gezeichnet->Roh, roh) << name;
    if (!roh) continue;
    const TFitErgebnis direkt = Fit(x, y, r.Fit, r.FitParameter);
    EXPECT_EQ(gezeichnet->Ergebnis.Modell, direkt.Modell) << name;
    EXPECT_EQ(gezeichnet->Ergebnis.Koeffizienten, direkt.Koeffizienten) << name;
  }
}

} // namespace
