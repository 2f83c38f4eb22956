#include "plot/Diagrammeinstellungen.h"

#include "core/Cp1252.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

double DoubleBei(const std::array<uint8_t, DiagrammGroesse>& b, std::size_t offset) {
  double d;
  std::memcpy(&d, b.data() + offset, sizeof d);
  return d;
}

TEST(Diagrammeinstellungen, VorgabeUndOffsets) {
  TDiagrammEinstellungen e;
  const auto b = DiagrammBytes(e);
  EXPECT_EQ(b.size(), 2952u);
  EXPECT_EQ(b[432], 1);
  EXPECT_EQ(b[433], 'X');
  EXPECT_EQ(b[434], 0);
  EXPECT_EQ(b[688], 1);
  EXPECT_EQ(b[689], 'Y');
  EXPECT_EQ(b[945], 'x');
  EXPECT_EQ(b[1201], 'y');
  EXPECT_EQ(b[1457], 'z');
  EXPECT_EQ(b[1712], 0);
  EXPECT_EQ(b[257], 1); // Beschriftung
  EXPECT_EQ(b[264], 0xFF); // red 0x000000FF
  EXPECT_EQ(b[272], 0xFF);
  EXPECT_EQ(b[274], 0xFF);
  EXPECT_EQ(b[275], 0);
  EXPECT_EQ(b[280], 3);
  EXPECT_EQ(b[2856], 4);
  EXPECT_EQ(b[2857], 3);
  EXPECT_EQ(b[2864], 10);
  EXPECT_EQ(b[2868], 0xE8); // 1000
  EXPECT_EQ(b[2869], 0x03);
  EXPECT_EQ(DoubleBei(b, 2872), 1e-9);
  EXPECT_EQ(b[2904], 1);
  EXPECT_EQ(b[2905], 1);
  EXPECT_EQ(b[2906], 1);
  EXPECT_EQ(DoubleBei(b, 2928), -1);
  EXPECT_EQ(DoubleBei(b, 2936), -1);
  EXPECT_EQ(b[2945], 3);
  for (std::size_t reserviert : {261u, 262u, 263u, 277u, 1972u, 2009u, 2859u, 2881u, 2897u, 2907u, 2946u, 2951u})
    EXPECT_EQ(b[reserviert], 0) << reserviert;
}

TEST(Diagrammeinstellungen, FelderAnIhrenStellen) {
  TDiagrammEinstellungen e;
  e.Verbinden = true;
  e.OhneSkala = true;
  e.LogBasisX = 10;
  e.LogBasisY = 0;
  e.LinienAnzahl = 2;
  e.Linien[0] = {0, 1.5, "x", true};
  e.Linien[1] = {1, -2, "Höhe", false};
  e.Fit.Modell = 3;
  e.KastenX = 4;
  e.KastenY = 5;
  e.Integrationen = -1;
  const auto b = DiagrammBytes(e);
  EXPECT_EQ(b[256], 1);
  EXPECT_EQ(b[258], 1);
  EXPECT_EQ(DoubleBei(b, 2928), 10);
  EXPECT_EQ(DoubleBei(b, 2936), 0);
  EXPECT_EQ(b[2008], 2);
  EXPECT_EQ(b[2016], 0);
  EXPECT_EQ(DoubleBei(b, 2024), 1.5);
  EXPECT_EQ(b[2032], 1);
  EXPECT_EQ(b[2033], 'x');
  EXPECT_EQ(b[2288], 1);
  EXPECT_EQ(b[2296], 1);
  EXPECT_EQ(b[2312], 4);
  EXPECT_EQ(b[2314], 0xF6); // "ö" in Windows-1252
  EXPECT_EQ(b[288], 3);
  EXPECT_EQ(DoubleBei(b, 2912), 4);
  EXPECT_EQ(DoubleBei(b, 2920), 5);
  EXPECT_EQ(b[276], 0xFF);
  TDiagrammEinstellungen f;
  f.PunkteAus = f.Fehlerbalken = f.XminAn = f.YmaxAn = f.Tangente = f.Formel = f.Variation = true;
  f.Zahlformat.Frei = true;
  f.Vordergrund = 0x00112233;
  f.KommastellenY = 7;
  f.Xmin = 1;
  f.Xmax = 2;
  f.Ymin = 3;
  f.Ymax = 4;
  f.TangenteX = 5;
  f.Linien[2] = {1, 6, "z", true};
  const auto fb = DiagrammBytes(f);
  for (std::size_t gesetzt : {259u, 260u, 1968u, 1971u, 2858u, 2880u, 2896u, 2944u}) EXPECT_EQ(fb[gesetzt], 1) << gesetzt;
  for (std::size_t frei : {1969u, 1970u}) EXPECT_EQ(fb[frei], 0);
  EXPECT_EQ(fb[268], 0x33);
  EXPECT_EQ(fb[284], 7);
  EXPECT_EQ(DoubleBei(fb, 1976), 1);
  EXPECT_EQ(DoubleBei(fb, 1984), 2);
  EXPECT_EQ(DoubleBei(fb, 1992), 3);
  EXPECT_EQ(DoubleBei(fb, 2000), 4);
  EXPECT_EQ(DoubleBei(fb, 2888), 5);
  EXPECT_EQ(fb[2576], 1);
  EXPECT_EQ(DoubleBei(fb, 2584), 6);
  EXPECT_EQ(fb[2593], 'z');
  EXPECT_EQ(fb[2848], 1);
  const TDiagrammEinstellungen zurueck = DiagrammAusBytes(b);
  EXPECT_EQ(zurueck.Linien[1], e.Linien[1]);
  EXPECT_EQ(zurueck.Fit, e.Fit);
  EXPECT_EQ(zurueck.Integrationen, -1);
  EXPECT_EQ(DiagrammBytes(zurueck), b);
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
