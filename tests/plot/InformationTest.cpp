#include "plot/Information.h"

#include "fit/Fit.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace {

const TDiagrammEinstellungen Einstellungen{.Fit = {.Modell = Modellnr::Gerade}, .Zahlformat = {4, 4, false}};

// The line is y = b + a·x.
TFitErgebnis Gerade(double a, double b) { return {.Modell = Modellnr::Gerade, .Koeffizienten = {.Werte = {a, b}}}; }

std::map<int, std::string> AlsTabelle(const TInfofuellung& f) { return {f.Texte.begin(), f.Texte.end()}; }

TEST(Infotexte, FuellenUndAbbrechen) {
  // Name, points, a selection of the labels, labels the fill does not reach, whether it stops.
  struct { const char* name; TVektor x, y; std::map<int, std::string> erwartet; std::vector<int> fehlen; bool abgebrochen; }
  const faelle[] = {
      {"leere x-Spalte", {}, {1, 2}, {{2, "0"}, {4, "0,0000"}, {6, "y = +2,0000x"}}, {34, 7, 13, 32}, true},
      {"leere y-Spalte", {1, 2}, {}, {{2, "0"}, {4, "0,0000"}}, {34, 7, 32}, true},
      {"eine Null in x", {0, 2}, {0, 4}, {{28, "X = 0,0000"}, {29, "Y = 0,0000"}}, {}, false},
      {"Produkt jenseits des Bereichs", {1e200, 1e200}, {2e200, 2e200}, {{28, "X = ?"}, {29, "Y = ?"}, {19, "0,0000"}},
       {}, false},
      // One unit off the line at every pair: the sum and its mean run over the five pairs.
      {"kürzere y-Spalte", {1, 2, 3, 4, 5, 6, 7}, {3, 5, 7, 9, 11}, {{2, "5"}, {4, "5,0000"}, {34, "1,0000"}, {13, "X = 28,0000"}},
       {}, false},
      {"kürzere x-Spalte", {1, 2, 3, 4, 5}, {3, 5, 7, 9, 11, 13, 15}, {{2, "5"}, {4, "5,0000"}, {34, "1,0000"}}, {}, false},
  };
  for (const auto& f : faelle) {
    const TInfofuellung r = Infotexte(f.x, f.y, Gerade(2, 0), Einstellungen);
    const auto texte = AlsTabelle(r);
    EXPECT_EQ(r.Abgebrochen, f.abgebrochen) << f.name;
    for (const auto& [label, text] : f.erwartet) EXPECT_EQ(texte.count(label) ? texte.at(label) : "<fehlt>", text) << f.name << " Label" << label;
    for (const int label : f.fehlen) EXPECT_EQ(texte.count(label), 0u) << f.name << " Label" << label;
  }
  // The order in which the labels are filled.
  std::vector<int> reihenfolge;
  for (const auto& [label, text] : Infotexte(TVektor{1, 2}, TVektor{3, 4}, Gerade(1, 1), Einstellungen).Texte)
    reihenfolge.push_back(label);
  EXPECT_EQ(reihenfolge, (std::vector<int>{2, 6, 4, 34, 7, 8, 13, 14, 16, 17, 28, 29, 19, 21, 22, 24, 25, 32}));
}

TEST(Infotexte, NamenUndChiQuadratAusDenEinstellungen) {
  const TDiagrammEinstellungen e{.Fit = {.Modell = Modellnr::Gerade, .DY = 0.5}, .AchseX = "Zeit", .Namen = {"t", "y", "z", ""},
                                 .Zahlformat = {4, 4, false}};
  const auto texte = AlsTabelle(Infotexte(TVektor{0, 1}, TVektor{1, 4}, Gerade(2, 0), e));
  // χ² = (1² + 2²) / 0,5².
  EXPECT_EQ((std::array{texte.at(7), texte.at(21), texte.at(6), texte.at(32)}),
            (std::array<std::string, 4>{"0,0000 < Zeit < 1,0000", "dZeit² = 0,2500", "y = +2,0000t", "20,0000"}));
}

// The report of a fill (CR LF, Windows-1252) is compared byte for byte by the window test.
TEST(Infobericht, OhneZeilenLeer) {
  EXPECT_EQ(Infobericht({}), "");
}

} // namespace
