#include "plot/Aufnahme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace {

struct TFall {
  const char* name;
  std::function<void(TPlotfelder&)> aendern;
  std::function<bool(const TDiagrammEinstellungen&)> pruefen;
};

TEST(Diagrammaufnahme, JedesFeldAusSeinemSteuerelement) {
  const TFall faelle[] = {
      {"Verbinden", [](auto& f) { f.Verbinden = true; }, [](auto& e) { return e.Verbinden; }},
      {"Skala aus", [](auto& f) { f.Skala = false; }, [](auto& e) { return e.OhneSkala; }},
      {"Beschriftung aus", [](auto& f) { f.Beschriftung = false; }, [](auto& e) { return !e.Beschriftung; }},
      {"Punkte aus", [](auto& f) { f.PunkteAus = true; }, [](auto& e) { return e.PunkteAus; }},
      {"Farbe", [](auto& f) { f.Farbe = 0x00123456; }, [](auto& e) { return e.Farbe == 0x00123456; }},
      {"Kommastellen x", [](auto& f) { f.KommastellenX = "7"; }, [](auto& e) { return e.KommastellenX == 7; }},
      {"Kommastellen y kein Ganzes", [](auto& f) { f.KommastellenY = "x"; }, [](auto& e) { return e.KommastellenY == 3; }},
      {"Stellen", [](auto& f) { f.Stellen = "12"; }, [](auto& e) { return e.Zahlformat.Stellen == 12; }},
      {"Stellen -1", [](auto& f) { f.Stellen = "-1"; }, [](auto& e) { return e.Zahlformat.Stellen == 3; }},
      {"Kommastellen Fit 100", [](auto& f) { f.KommastellenFit = "100"; }, [](auto& e) { return e.Zahlformat.Kommastellen == 3; }},
      {"Prozent kein Wert", [](auto& f) { f.Prozent = "abc"; }, [](auto& e) { return e.Fit.Prozent == 10000; }},
      {"dX mit Vorzeichen", [](auto& f) { f.DX = "-2"; }, [](auto& e) { return e.Fit.DX == 2; }},
      {"dY mit Punkt", [](auto& f) { f.DY = "0.5"; }, [](auto& e) { return e.Fit.DY == 0.5; }},
      {"Fehlerart", [](auto& f) { f.Fehlerart = 3; }, [](auto& e) { return e.Fit.Fehlerart == 3; }},
      {"Achsen und Namen", [](auto& f) { f.AchseX = "t"; f.NameZ = "w"; },
       [](auto& e) { return e.AchseX == "t" && e.Namen.Z == "w" && e.Namen.Vierter.empty(); }},
      {"Grenze", [](auto& f) { f.XmaxAn = true; f.Xmax = "2,5"; }, [](auto& e) { return e.XmaxAn && e.Xmax == 2.5; }},
      {"Schritte", [](auto& f) { f.Schritte = "0"; }, [](auto& e) { return e.FitParameter.MaxSchritte == 0; }},
      {"Schritte kein Ganzes", [](auto& f) { f.Schritte = "1,5"; }, [](auto& e) { return e.FitParameter.MaxSchritte == 100; }},
      {"Tangente", [](auto& f) { f.Tangente = true; f.TangenteX = "x"; }, [](auto& e) { return e.Tangente && e.TangenteX == 0; }},
      {"Zeichendicke", [](auto& f) { f.Zeichendicke = -5; }, [](auto& e) { return e.Zeichendicke == -5; }},
      {"log x mit 10", [](auto& f) { f.LogX = true; f.LogBasis = 2; }, [](auto& e) { return e.LogBasisX == 10 && e.LogBasisY == 0; }},
      {"log y mit e", [](auto& f) { f.LogY = true; }, [](auto& e) { return e.LogBasisY == std::exp(1.0) && e.LogBasisX == 0; }},
      {"Zusatz", [](auto& f) { f.Gleichmaessig = false; }, [](auto& e) { return e.Zusatz == ZusatzGitter; }},
      {"beide Linien", [](auto& f) { f.Vertikale = f.Horizontale = f.Schnitt = true; f.HorizontaleWert = "4"; },
       [](auto& e) {
         return e.LinienAnzahl == 2 && e.Linien[0].Art == 0 && e.Linien[0].Text == "x" && e.Linien[1].Art == 1 &&
                e.Linien[1].Wert == 4 && e.Linien[1].Schnitt;
       }},
      {"nur die horizontale", [](auto& f) { f.Horizontale = true; }, [](auto& e) { return e.LinienAnzahl == 1 && e.Linien[0].Art == 1; }},
  };
  for (const TFall& fall : faelle) {
    TPlotfelder felder;
    fall.aendern(felder);
    EXPECT_TRUE(fall.pruefen(Diagrammaufnahme(felder, TDiagrammEinstellungen{}))) << fall.name;
  }
}

TEST(Diagrammaufnahme, BehaeltWasEigeneHandlerSetzen) {
  TDiagrammEinstellungen aktuell;
  aktuell.Vordergrund = 5;
  aktuell.Hintergrund = 6;
  aktuell.Integrationen = -2;
  aktuell.Fit.Modell = 3;
  aktuell.KastenX = 7;
  aktuell.KastenY = 8;
  aktuell.Verbinden = true; // not kept: it comes from its box
  TPlotfelder felder;
  felder.Fix = {true, false, true, true, true}; // one entry more than the model has
  felder.Startwerte = {"1,5", "x", "3", "4", "5", "6", "7", "8"};
  const TDiagrammEinstellungen e = Diagrammaufnahme(felder, aktuell);
  EXPECT_EQ(e.Vordergrund, 5u);
  EXPECT_EQ(e.Hintergrund, 6u);
  EXPECT_EQ(e.Integrationen, -2);
  EXPECT_EQ(e.Fit.Modell, 3);
  EXPECT_EQ(e.KastenX, 7);
  EXPECT_EQ(e.KastenY, 8);
  EXPECT_FALSE(e.Verbinden);
  // Gauss has four coefficients: the fifth entry and the start values beyond d do not count.
  EXPECT_EQ(e.Fit.Startwerte, (std::array<double, 8>{1.5, 0, 3, 4, 0, 0, 0, 0}));
  EXPECT_TRUE(e.Fit.Fix.Enthaelt(0));
  EXPECT_FALSE(e.Fit.Fix.Enthaelt(1));
  EXPECT_FALSE(e.Fit.Fix.Enthaelt(4));
}

TEST(DiagrammBereinigt, JedesFeldInDenBereichSeinesSteuerelements) {
  const double nan = std::nan("");
  TDiagrammEinstellungen e;
  e.Fit.Modell = 200;
  e.Fit.Fehlerart = 9;
  e.Integrationen = -128;
  e.Zeichendicke = 100;
  e.KommastellenX = -5;
  e.KommastellenY = 1000000;
  e.Zahlformat = {255, 200, true};
  e.Fit.Prozent = nan;
  e.Fit.DX = HUGE_VAL;
  e.TangenteX = -HUGE_VAL;
  e.KastenX = nan;
  e.LogBasisY = nan;
  const TDiagrammEinstellungen b = DiagrammBereinigt(e);
  EXPECT_EQ(b.Fit.Modell, 0);
  EXPECT_EQ(b.Fit.Fehlerart, 0);
  EXPECT_EQ(b.Integrationen, -9);
  EXPECT_EQ(b.Zeichendicke, 5);
  EXPECT_EQ(b.KommastellenX, 0);
  EXPECT_EQ(b.KommastellenY, 99);
  EXPECT_EQ(b.Zahlformat.Stellen, 99);
  EXPECT_EQ(b.Zahlformat.Kommastellen, 99);
  EXPECT_EQ(b.Fit.Prozent, 100);
  EXPECT_EQ(b.Fit.DX, 0);
  EXPECT_EQ(b.TangenteX, 1);
  EXPECT_EQ(b.KastenX, 0);
  EXPECT_EQ(b.LogBasisY, 0);
  // A sound record stays as it is.
  EXPECT_EQ(DiagrammBytes(DiagrammBereinigt(TDiagrammEinstellungen{})), DiagrammBytes(TDiagrammEinstellungen{}));
}

// Any 2952 bytes read as a record and made fit for the controls stay inside every range.
TEST(DiagrammBereinigt, ZufaelligeDatensaetze) {
  std::mt19937 zufall(2026);
  std::array<uint8_t, DiagrammGroesse> bytes{};
  for (int runde = 0; runde < 3000; ++runde) {
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(zufall());
    const TDiagrammEinstellungen e = DiagrammBereinigt(DiagrammAusBytes(bytes));
    ASSERT_LE(e.Fit.Modell, 17);
    ASSERT_LE(e.Fit.Fehlerart, 3);
    ASSERT_TRUE(e.Integrationen >= -9 && e.Integrationen <= 9);
    ASSERT_TRUE(e.Zeichendicke >= -5 && e.Zeichendicke <= 5);
    ASSERT_TRUE(e.KommastellenX >= 0 && e.KommastellenX <= 99 && e.KommastellenY >= 0 && e.KommastellenY <= 99);
    ASSERT_TRUE(e.Zahlformat.Stellen <= 99 && e.Zahlformat.Kommastellen <= 99);
    for (const double w : {e.Fit.Prozent, e.Fit.DX, e.Fit.DY, e.TangenteX, e.KastenX, e.KastenY, e.LogBasisX, e.LogBasisY})
      ASSERT_TRUE(std::isfinite(w));
    // The cleaned record is stored and read back unchanged.
    ASSERT_EQ(DiagrammBytes(DiagrammAusBytes(DiagrammBytes(e))), DiagrammBytes(e));
  }
}

TEST(PlotspalteLesen, NormalisiertNurWasSichAendert) {
  TStringListe zeilen = {"1.5", "", "3", "x", "-2,5"};
  const TPlotspalte s = PlotspalteLesen(zeilen);
  EXPECT_EQ(zeilen, (TStringListe{"1,5", "0", "3", "x", "-2,5"}));
  EXPECT_EQ(s.Werte, (TVektor{1.5, 0, 3, 0, -2.5}));
  EXPECT_EQ(s.Geaendert, (std::vector<std::size_t>{0, 1}));
  TStringListe leer;
  EXPECT_TRUE(PlotspalteLesen(leer).Werte.empty());
}

} // namespace
