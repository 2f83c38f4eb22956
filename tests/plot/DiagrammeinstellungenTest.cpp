#include "plot/Diagrammeinstellungen.h"

#include "core/Cp1252.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>
#include <tuple>

namespace {

// A record with every field set and none at its default.
TDiagrammEinstellungen Voll() {
  TDiagrammEinstellungen e{
      .Markierung = "Messung ä", .Verbinden = true, .Beschriftung = false, .OhneSkala = true, .PunkteAus = true,
      .Fehlerbalken = true, .Farbe = 0x00112233, .Vordergrund = 0x00445566, .Hintergrund = 0x00778899,
      .Integrationen = -2, .KommastellenX = 5, .KommastellenY = -7,
      .Fit = {13, true, 95.5, 0.25, -0.5, 3, {}, true, {1, 2, 3, 4, 5, 6, 7, 8}}, .AchseX = "Zeit",
      .AchseY = "Weg €", .Namen = {"t", "s", "v", "w"}, .XminAn = true, .XmaxAn = true, .YminAn = true,
      .YmaxAn = true, .Xmin = -1.5, .Xmax = 2.5, .Ymin = -3.5, .Ymax = 4.5, .LinienAnzahl = 3,
      .Linien = {TLinie{Linienart::Vertikal, 1.25, "a", true}, TLinie{Linienart::Horizontal, -2.75, "Höhe", false}, TLinie{2, 1e300, "c", true}},
      .Zahlformat = {9, 6, true}, .FitParameter = {7, -1, 2.5e-7}, .Tangente = true, .TangenteX = 3.25,
      .Formel = true, .Kasten = false, .Chi = false, .Zeichendicke = -3, .KastenX = 6.5, .KastenY = -7.5,
      .LogBasisX = 10, .LogBasisY = 2, .Variation = true, .Zusatz = 2};
  e.Fit.Fix.Setze(1, true);
  e.Fit.Fix.Setze(200, true);
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
  EXPECT_EQ(text, Golden(QUARN_GOLDEN "/diagrammeinstellungen.hex", text));
}

// Residuals all above 0 still show the zero line; the tracer cross lies left of the points.
TEST(Diagrammeinstellungen, Residuendiagramm) {
  const std::vector<double> x = {1, 2, 4}, r = {0.5, 1, 2};
  const TDiagrammEinstellungen e = Residuendiagramm("Gauss", x, r);
  EXPECT_EQ(e.Markierung, "Residuen: Gauss");
  EXPECT_TRUE(e.YminAn && e.YmaxAn);
  EXPECT_EQ(e.Ymin, 0);
  EXPECT_EQ(e.Ymax, 2);
  EXPECT_EQ(e.LinienAnzahl, 1);
  EXPECT_EQ(e.Linien[0], (TLinie{Linienart::Horizontal, 0, "", false}));
  EXPECT_LT(e.KastenX, 1);
  EXPECT_EQ(e.Fit.Modell, 0);
}

TEST(Diagrammeinstellungen, BeschaedigteDatenWerdenGelesen) {
  std::array<uint8_t, DiagrammGroesse> b;
  b.fill(0xFF);
  const TDiagrammEinstellungen e = DiagrammAusBytes(b);
  // 255 × "ÿ", two UTF-8 bytes each.
  EXPECT_EQ(std::tie(e.LinienAnzahl, e.Verbinden, e.Zeichendicke), std::make_tuple(255, true, -1));
  EXPECT_EQ(e.Markierung.size(), 255u * 2);
  // Too long and unrepresentable texts: cut to 255 bytes, '?' for what Windows-1252 lacks.
  TDiagrammEinstellungen lang;
  lang.AchseX = std::string(300, 'a');
  lang.AchseY = "Ω €";
  const auto bytes = DiagrammBytes(lang);
  const TDiagrammEinstellungen z = DiagrammAusBytes(bytes);
  EXPECT_EQ(z.AchseX, std::string(255, 'a'));
  EXPECT_EQ(z.AchseY, "? €");
}

// Umlauts and "€" go both ways in every record with texts; these are the bytes that do not.
TEST(Cp1252, UngueltigesUtf8UndUndefinierteBytes) {
  EXPECT_EQ(Utf8AlsCp1252("\xFF\xC3"), "??");
  EXPECT_EQ(Cp1252AlsUtf8("\x81"), "\xC2\x81");
}

} // namespace
