#include "plot/Aufnahme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace {

// The plain fields are driven through the plot window's controls (FelderImDatensatz); here the
// defaults for unusable texts, the lines and what the record keeps of its own.
TEST(Diagrammaufnahme, SonderfaelleDerFelder) {
  struct { const char* name; void (*aendern)(TPlotfelder&); bool (*pruefen)(const TDiagrammEinstellungen&); }
  const faelle[] = {
      {"Beschriftung aus", [](auto& f) { f.Beschriftung = false; }, [](auto& e) { return !e.Beschriftung; }},
      {"Kommastellen y kein Ganzes", [](auto& f) { f.KommastellenY = "x"; }, [](auto& e) { return e.KommastellenY == 3; }},
      {"Stellen", [](auto& f) { f.Stellen = "12"; }, [](auto& e) { return e.Zahlformat.Stellen == 12; }},
      {"Stellen -1", [](auto& f) { f.Stellen = "-1"; }, [](auto& e) { return e.Zahlformat.Stellen == 3; }},
      {"Kommastellen Fit 100", [](auto& f) { f.KommastellenFit = "100"; }, [](auto& e) { return e.Zahlformat.Kommastellen == 3; }},
      {"Prozent kein Wert", [](auto& f) { f.Prozent = "abc"; }, [](auto& e) { return e.Fit.Prozent == 10000; }},
      {"dY mit Punkt", [](auto& f) { f.DY = "0.5"; }, [](auto& e) { return e.Fit.DY == 0.5; }},
      {"Fehlerart", [](auto& f) { f.Fehlerart = Fehlermodus::Individuell; }, [](auto& e) { return e.Fit.Fehlerart == Fehlermodus::Individuell; }},
      {"Schritte kein Ganzes", [](auto& f) { f.Schritte = "1,5"; }, [](auto& e) { return e.FitParameter.MaxSchritte == 100; }},
      {"Tangente", [](auto& f) { f.Tangente = true; f.TangenteX = "x"; }, [](auto& e) { return e.Tangente && e.TangenteX == 0; }},
      {"beide Linien", [](auto& f) { f.Vertikale = f.Horizontale = f.Schnitt = true; f.HorizontaleWert = "4"; },
       [](auto& e) {
         return e.LinienAnzahl == 2 && e.Linien[0].Art == Linienart::Vertikal && e.Linien[0].Text == "x" &&
                e.Linien[1].Art == Linienart::Horizontal &&
                e.Linien[1].Wert == 4 && e.Linien[1].Schnitt;
       }},
      {"nur die horizontale", [](auto& f) { f.Horizontale = true; }, [](auto& e) { return e.LinienAnzahl == 1 && e.Linien[0].Art == Linienart::Horizontal; }},
  };
  for (const auto& fall : faelle) {
    TPlotfelder felder;
    fall.aendern(felder);
    EXPECT_TRUE(fall.pruefen(Diagrammaufnahme(felder, TDiagrammEinstellungen{}))) << fall.name;
  }
  // What handlers of their own set is kept; Verbinden is not: it comes from its box.
  const TDiagrammEinstellungen aktuell{.Verbinden = true, .Vordergrund = 5, .Hintergrund = 6, .Integrationen = -2,
                                       .Fit = {.Modell = Modellnr::Gauss}, .KastenX = 7, .KastenY = 8};
  // Fix has one entry more than the model has.
  const TPlotfelder felder{.Fix = {true, false, true, true, true}, .Startwerte = {"1,5", "x", "3", "4", "5", "6", "7", "8"}};
  const TDiagrammEinstellungen e = Diagrammaufnahme(felder, aktuell);
  EXPECT_EQ(std::tie(e.Vordergrund, e.Hintergrund, e.Integrationen, e.Fit.Modell, e.KastenX, e.KastenY),
            std::make_tuple(5u, 6u, -2, 3, 7.0, 8.0));
  EXPECT_FALSE(e.Verbinden);
  // Gauss has four coefficients: the fifth entry and the start values beyond d do not count.
  EXPECT_EQ(e.Fit.Startwerte, (std::array<double, 8>{1.5, 0, 3, 4, 0, 0, 0, 0}));
  EXPECT_TRUE(e.Fit.Fix.Enthaelt(0) && !e.Fit.Fix.Enthaelt(1) && !e.Fit.Fix.Enthaelt(4));
}

TEST(DiagrammBereinigt, JedesFeldInDenBereichSeinesSteuerelements) {
  const double nan = std::nan("");
  const TDiagrammEinstellungen kaputt{.Integrationen = -128, .KommastellenX = -5, .KommastellenY = 1000000,
                                      .Fit = {.Modell = 200, .Prozent = nan, .DX = HUGE_VAL, .Fehlerart = 9},
                                      .Zahlformat = {255, 200, true}, .TangenteX = -HUGE_VAL, .Zeichendicke = 100,
                                      .KastenX = nan, .LogBasisY = nan};
  const TDiagrammEinstellungen h = DiagrammBereinigt(kaputt);
  EXPECT_EQ(std::tie(h.Fit.Modell, h.Fit.Fehlerart, h.Integrationen, h.Zeichendicke), std::make_tuple(0, 0, -9, 5));
  EXPECT_EQ(std::tie(h.KommastellenX, h.KommastellenY, h.Zahlformat.Stellen, h.Zahlformat.Kommastellen),
            std::make_tuple(0, 99, 99, 99));
  EXPECT_EQ(std::tie(h.Fit.Prozent, h.Fit.DX, h.TangenteX, h.KastenX, h.LogBasisY), std::make_tuple(100, 0, 1, 0, 0));
  // A sound record stays as it is.
  EXPECT_EQ(DiagrammBytes(DiagrammBereinigt(TDiagrammEinstellungen{})), DiagrammBytes(TDiagrammEinstellungen{}));
  // Any 2952 bytes read as a record and made fit for the controls stay inside every range.
  std::mt19937 zufall(2026);
  std::array<uint8_t, DiagrammGroesse> bytes{};
  for (int runde = 0; runde < 3000; ++runde) {
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(zufall());
    const TDiagrammEinstellungen e = DiagrammBereinigt(DiagrammAusBytes(bytes));
    ASSERT_TRUE(e.Fit.Modell <= 17 && e.Fit.Fehlerart <= 3 && e.Integrationen >= -9 && e.Integrationen <= 9 &&
                e.Zeichendicke >= -5 && e.Zeichendicke <= 5 && e.Zahlformat.Stellen <= 99 && e.Zahlformat.Kommastellen <= 99)
        << runde;
    ASSERT_TRUE(e.KommastellenX >= 0 && e.KommastellenX <= 99 && e.KommastellenY >= 0 && e.KommastellenY <= 99) << runde;
    for (const double w : {e.Fit.Prozent, e.Fit.DX, e.Fit.DY, e.TangenteX, e.KastenX, e.KastenY, e.LogBasisX, e.LogBasisY})
      ASSERT_TRUE(std::isfinite(w));
    // The cleaned record is stored and read back unchanged.
    ASSERT_EQ(DiagrammBytes(DiagrammAusBytes(DiagrammBytes(e))), DiagrammBytes(e));
  }
}

TEST(PlotspalteLesen, NormalisiertNurWasSichAendert) {
  TStringListe zeilen = {"1.5", "", "3", "x", "-2,5"}, leer;
  const TPlotspalte s = PlotspalteLesen(zeilen);
  EXPECT_EQ(zeilen, (TStringListe{"1,5", "0", "3", "x", "-2,5"}));
  EXPECT_EQ(s.Werte, (TVektor{1.5, 0, 3, 0, -2.5}));
  EXPECT_EQ(s.Geaendert, (std::vector<std::size_t>{0, 1}));
  EXPECT_TRUE(PlotspalteLesen(leer).Werte.empty());
}

} // namespace
