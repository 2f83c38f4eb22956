#include "Diagrammeinstellungen.h"

#include "core/Statistik.h"

#include "core/Bytes.h"
#include "core/Cp1252.h"
#include "fit/Fitdateien.h"

#include <algorithm>

namespace {

constexpr std::size_t Textfeld = 256;
constexpr std::size_t Linienfeld = 280;

void TextSchreiben(std::span<uint8_t> b, std::size_t offset, const std::string& text) {
  std::string bytes = Utf8AlsCp1252(text);
  if (bytes.size() > Textfeld - 1) bytes.resize(Textfeld - 1);
  b[offset] = static_cast<uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

std::string TextLesen(std::span<const uint8_t> b, std::size_t offset) {
  const auto* anfang = reinterpret_cast<const char*>(b.data() + offset + 1);
  return Cp1252AlsUtf8(std::string_view(anfang, b[offset]));
}

void Bool(std::span<uint8_t> b, std::size_t offset, bool wert) { b[offset] = wert ? 1 : 0; }

} // namespace

std::array<uint8_t, DiagrammGroesse> DiagrammBytes(const TDiagrammEinstellungen& e) {
  std::array<uint8_t, DiagrammGroesse> b{};
  TextSchreiben(b, 0, e.Markierung);
  Bool(b, 256, e.Verbinden);
  Bool(b, 257, e.Beschriftung);
  Bool(b, 258, e.OhneSkala);
  Bool(b, 259, e.PunkteAus);
  Bool(b, 260, e.Fehlerbalken);
  Schreiben(b, 264, e.Farbe);
  Schreiben(b, 268, e.Vordergrund);
  Schreiben(b, 272, e.Hintergrund);
  Schreiben(b, 276, e.Integrationen);
  Schreiben(b, 280, e.KommastellenX);
  Schreiben(b, 284, e.KommastellenY);
  const auto fit = FitVorgabeBytes(e.Fit);
  std::copy(fit.begin(), fit.end(), b.begin() + 288);
  TextSchreiben(b, 432, e.AchseX);
  TextSchreiben(b, 688, e.AchseY);
  TextSchreiben(b, 944, e.Namen.X);
  TextSchreiben(b, 1200, e.Namen.Y);
  TextSchreiben(b, 1456, e.Namen.Z);
  TextSchreiben(b, 1712, e.Namen.Vierter);
  Bool(b, 1968, e.XminAn);
  Bool(b, 1969, e.XmaxAn);
  Bool(b, 1970, e.YminAn);
  Bool(b, 1971, e.YmaxAn);
  Schreiben(b, 1976, e.Xmin);
  Schreiben(b, 1984, e.Xmax);
  Schreiben(b, 1992, e.Ymin);
  Schreiben(b, 2000, e.Ymax);
  Schreiben(b, 2008, e.LinienAnzahl);
  for (std::size_t i = 0; i < e.Linien.size(); ++i) {
    const std::size_t o = 2016 + i * Linienfeld;
    Schreiben(b, o, e.Linien[i].Art);
    Schreiben(b, o + 8, e.Linien[i].Wert);
    TextSchreiben(b, o + 16, e.Linien[i].Text);
    Bool(b, o + 272, e.Linien[i].Schnitt);
  }
  Schreiben(b, 2856, e.Zahlformat.Stellen);
  Schreiben(b, 2857, e.Zahlformat.Kommastellen);
  Bool(b, 2858, e.Zahlformat.Frei);
  const auto parameter = FitParameterBytes(e.FitParameter);
  std::copy(parameter.begin(), parameter.end(), b.begin() + 2864);
  Bool(b, 2880, e.Tangente);
  Schreiben(b, 2888, e.TangenteX);
  Bool(b, 2896, e.Formel);
  Bool(b, 2904, e.Kasten);
  Bool(b, 2905, e.Chi);
  Schreiben(b, 2906, e.Zeichendicke);
  Schreiben(b, 2912, e.KastenX);
  Schreiben(b, 2920, e.KastenY);
  Schreiben(b, 2928, e.LogBasisX);
  Schreiben(b, 2936, e.LogBasisY);
  Bool(b, 2944, e.Variation);
  Schreiben(b, 2945, e.Zusatz);
  return b;
}

TDiagrammEinstellungen DiagrammAusBytes(std::span<const uint8_t, DiagrammGroesse> b) {
  TDiagrammEinstellungen e;
  e.Markierung = TextLesen(b, 0);
  e.Verbinden = b[256] != 0;
  e.Beschriftung = b[257] != 0;
  e.OhneSkala = b[258] != 0;
  e.PunkteAus = b[259] != 0;
  e.Fehlerbalken = b[260] != 0;
  e.Farbe = Lesen<uint32_t>(b, 264);
  e.Vordergrund = Lesen<uint32_t>(b, 268);
  e.Hintergrund = Lesen<uint32_t>(b, 272);
  e.Integrationen = Lesen<int8_t>(b, 276);
  e.KommastellenX = Lesen<int32_t>(b, 280);
  e.KommastellenY = Lesen<int32_t>(b, 284);
  e.Fit = FitVorgabeAusBytes(b.subspan<288, FitVorgabeGroesse>());
  e.AchseX = TextLesen(b, 432);
  e.AchseY = TextLesen(b, 688);
  e.Namen = {TextLesen(b, 944), TextLesen(b, 1200), TextLesen(b, 1456), TextLesen(b, 1712)};
  e.XminAn = b[1968] != 0;
  e.XmaxAn = b[1969] != 0;
  e.YminAn = b[1970] != 0;
  e.YmaxAn = b[1971] != 0;
  e.Xmin = Lesen<double>(b, 1976);
  e.Xmax = Lesen<double>(b, 1984);
  e.Ymin = Lesen<double>(b, 1992);
  e.Ymax = Lesen<double>(b, 2000);
  e.LinienAnzahl = b[2008];
  for (std::size_t i = 0; i < e.Linien.size(); ++i) {
    const std::size_t o = 2016 + i * Linienfeld;
    e.Linien[i] = {b[o], Lesen<double>(b, o + 8), TextLesen(b, o + 16), b[o + 272] != 0};
  }
  e.Zahlformat = {b[2856], b[2857], b[2858] != 0};
  e.FitParameter = FitParameterAusBytes(b.subspan<2864, FitParameterGroesse>());
  e.Tangente = b[2880] != 0;
  e.TangenteX = Lesen<double>(b, 2888);
  e.Formel = b[2896] != 0;
  e.Kasten = b[2904] != 0;
  e.Chi = b[2905] != 0;
  e.Zeichendicke = Lesen<int8_t>(b, 2906);
  e.KastenX = Lesen<double>(b, 2912);
  e.KastenY = Lesen<double>(b, 2920);
  e.LogBasisX = Lesen<double>(b, 2928);
  e.LogBasisY = Lesen<double>(b, 2936);
  e.Variation = b[2944] != 0;
  e.Zusatz = b[2945];
  return e;
}

TDiagrammEinstellungen Residuendiagramm(const std::string& modellname, std::span<const double> x,
                                        std::span<const double> r) {
  TDiagrammEinstellungen e;
  e.Markierung = "Residuen: " + modellname;
  e.AchseX = "x";
  e.AchseY = "y - f(x)";
  e.KommastellenX = 1;
  e.KommastellenY = 2;
  e.LinienAnzahl = 1;
  e.Linien[0] = {1, 0, "", false};
  if (x.empty() || r.empty()) return e;
  // The zero line is in the range however the residuals lie.
  e.YminAn = e.YmaxAn = true;
  e.Ymin = std::min(0.0, MinWert(r));
  e.Ymax = std::max(0.0, MaxWert(r));
  // No tracer cross: its place lies a whole x range left of the points, outside the picture.
  e.KastenX = MinWert(x) - (MaxWert(x) - MinWert(x)) - 1;
  e.KastenY = e.Ymin;
  return e;
}
