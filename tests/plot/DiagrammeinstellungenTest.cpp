#include "plot/Diagrammeinstellungen.h"

#include "core/Cp1252.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// A record with every field set and none at its default.
TDiagrammEinstellungen Voll() {
  TDiagrammEinstellungen e;
  e.Markierung = "Messung ä";
  e.Verbinden = e.OhneSkala = e.PunkteAus = e.Fehlerbalken = true;
  e.Beschriftung = e.Kasten = e.Chi = false;
  e.Farbe = 0x00112233;
  e.Vordergrund = 0x00445566;
  e.Hintergrund = 0x00778899;
  e.Integrationen = -2;
  e.KommastellenX = 5;
  e.KommastellenY = -7;
  e.Fit = {13, true, 95.5, 0.25, -0.5, 3, {}, true, {1, 2, 3, 4, 5, 6, 7, 8}};
  e.Fit.Fix.Setze(1, true);
  e.Fit.Fix.Setze(200, true);
  e.AchseX = "Zeit";
  e.AchseY = "Weg €";
  e.Namen = {"t", "s", "v", "w"};
  e.XminAn = e.XmaxAn = e.YminAn = e.YmaxAn = true;
  e.Xmin = -1.5;
  e.Xmax = 2.5;
  e.Ymin = -3.5;
  e.Ymax = 4.5;
  e.LinienAnzahl = 3;
  e.Linien = {TLinie{0, 1.25, "a", true}, TLinie{1, -2.75, "Höhe", false}, TLinie{2, 1e300, "c", true}};
  e.Zahlformat = {9, 6, true};
  e.FitParameter = {7, -1, 2.5e-7};
  e.Tangente = e.Formel = e.Variation = true;
  e.TangenteX = 3.25;
  e.Zeichendicke = -3;
  e.KastenX = 6.5;
  e.KastenY = -7.5;
  e.LogBasisX = 10;
  e.LogBasisY = 2;
  e.Zusatz = 2;
  return e;
}

std::string Hex(const std::array<uint8_t, DiagrammGroesse>& b) {
  std::string text;
  char stelle[4];
  for (std::size_t i = 0; i < b.size(); ++i) {
    std::snprintf(stelle, sizeof stelle, "%02x", b[i]);
    text += stelle;
    text += (i + 1) % 16 == 0 ? '\n' : ' ';
  }
  return text + '\n';
}

// The stored layout, byte for byte, of the default record and of a record with every field
// set: a field at a wrong offset, a wrong width or byte order, a lost reserved zero shows here.
TEST(Diagrammeinstellungen, HinUndZurueckUndGoldeneBytes) {
  const TDiagrammEinstellungen voll = Voll();
  EXPECT_EQ(DiagrammAusBytes(DiagrammBytes(voll)), voll);
  EXPECT_EQ(DiagrammAusBytes(DiagrammBytes(TDiagrammEinstellungen{})), TDiagrammEinstellungen{});
  const std::string text = Hex(DiagrammBytes(TDiagrammEinstellungen{})) + Hex(DiagrammBytes(voll));
  const std::string pfad = std::string(QUARN_GOLDEN) + "/diagrammeinstellungen.hex";
  if (std::getenv("QUARN_GOLDEN_NEU")) std::ofstream(pfad) << text;
  std::ifstream datei(pfad);
  std::stringstream gespeichert;
  gespeichert << datei.rdbuf();
  EXPECT_EQ(text, gespeichert.str()) << "regenerate with QUARN_GOLDEN_NEU=1 and review the diff";
}

TEST(Diagrammeinstellungen, BeschaedigteDatenWerdenGelesen) {
  std::array<uint8_t, DiagrammGroesse> b;
  b.fill(0xFF);
  const TDiagrammEinstellungen e = DiagrammAusBytes(b);
  EXPECT_EQ(e.LinienAnzahl, 255);
  EXPECT_EQ(e.Markierung.size(), 255u * 2); // 255 × "ÿ", two UTF-8 bytes each
  EXPECT_TRUE(e.Verbinden);
  EXPECT_EQ(e.Zeichendicke, -1);
  // Too long and unrepresentable texts: cut to 255 bytes, '?' for what Windows-1252 lacks.
  TDiagrammEinstellungen lang;
  lang.AchseX = std::string(300, 'a');
  lang.AchseY = "Ω €";
  const auto bytes = DiagrammBytes(lang);
  EXPECT_EQ(bytes[432], 255);
  const TDiagrammEinstellungen z = DiagrammAusBytes(bytes);
  EXPECT_EQ(z.AchseX, std::string(255, 'a'));
  EXPECT_EQ(z.AchseY, "? €");
}

TEST(Cp1252, HinUndZurueck) {
  EXPECT_EQ(Utf8AlsCp1252("Größe €"), "Gr\xF6\xDF" "e \x80");
  EXPECT_EQ(Cp1252AlsUtf8("Gr\xF6\xDF" "e \x80"), "Größe €");
  EXPECT_EQ(Utf8AlsCp1252("\xFF\xC3"), "??");
  EXPECT_EQ(Cp1252AlsUtf8("\x81"), "\xC2\x81");
}

} // namespace
