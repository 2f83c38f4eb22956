#include "AufzeichnendeLeinwand.h"
#include "PlotHilfen.h"

#include "plot/Fitkurve.h"

#include "fit/Modelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

using TAufrufe = std::vector<std::string>;

TFitErgebnis Modell(uint8_t m, std::initializer_list<double> w) {
  TFitErgebnis e{.Modell = m};
  std::copy(w.begin(), w.end(), e.Koeffizienten.Werte.begin());
  return e;
}

// The calls that draw the curve of e over x 0..10, y 0..5.
TAufrufe Kurve(const TFitErgebnis& e) {
  TAufzeichnendeLeinwand l(697, 409);
  KurveZeichnen(l, Feld(0, 10, 0, 5), e);
  return l.Aufrufe;
}

TEST(KurveZeichnen, GeradeGeschnittenAnderesAbgetastetUndUnterbrochen) {
  // y = x leaves at the top at x = 5, on the upper edge (278,5 rounds to even).
  EXPECT_EQ(Kurve(Modell(1, {1, 0})), (TAufrufe{"BewegeZu 120 289", "LinieZu 398 20"}));
  EXPECT_EQ(Kurve(Modell(1, {0, 2})), (TAufrufe{"BewegeZu 120 181", "LinieZu 677 181"}));
  // Outside the y range both ends move to the same far-away x: nothing visible.
  const TAufrufe weg = Kurve(Modell(1, {0, 7}));
  EXPECT_EQ(weg[0].substr(9), weg[1].substr(8));
  // A Gauss peak of height 10 in a range up to 5: the top is cut out, leaving two pieces.
  const TAufrufe glocke = Kurve(Modell(3, {10, 5, 4, 0}));
  EXPECT_EQ(std::count_if(glocke.begin(), glocke.end(), [](const std::string& z) { return z.rfind("BewegeZu", 0) == 0; }), 2);
  for (const std::string& z : glocke) {
    int x = 0, y = 0;
    std::sscanf(z.c_str() + z.find(' '), "%d %d", &x, &y);
    EXPECT_TRUE(x >= 120 && x <= 677 && y >= 20 && y <= 289) << z;
  }
}

TEST(Fitkurve, TangenteUndUmkehrwertJeModell) {
  const TKoeffizienten t = TangenteBilden(Modell(1, {2, 1}), 17).Koeffizienten;
  EXPECT_EQ((std::pair{t.Werte[0], t.Werte[1]}), (std::pair{2.0, 1.0}));
  const TFitErgebnis p = TangenteBilden(Modell(5, {0, 0, 1}), 3); // y = x², at 3: 6x - 9
  EXPECT_EQ((std::tuple{int(p.Modell), p.Koeffizienten.Werte[0], p.Koeffizienten.Werte[1]}), (std::tuple{1, 6.0, -9.0}));
  // The model, y and the x where the model takes it.
  struct { TFitErgebnis e; double y, x; } const faelle[] = {
      {Modell(1, {2, 1}), 5, 2}, {Modell(1, {0, 1}), 5, 1e9}, {Modell(2, {2, 0.5, 1}), 1 + 2 * std::exp(1.5), 3},
      {Modell(3, {2, 1, 4, 0}), 2 * std::exp(-1.0), 3}, {Modell(3, {2, 1, 4, 0}), 5, 1}, // above the peak: its centre
      {Modell(4, {1, 0, 0}), 3, 3}, {Modell(6, {0, 1, 1, 0}), 0.5, std::asin(0.5)},
      {Modell(7, {0, 1, 1, 0}), 1, std::exp(1.0)}, {Modell(8, {1, 2, 1, 0}), 8, 3}, {Modell(11, {2, 1, 1, 0}), 4, 3},
      {Modell(15, {1, 0, 1, 0}), 0.25, std::acos(0.5)}, {Modell(15, {1, 0, 1, 0}), 2, 0}, // no solution
      {Modell(17, {1, 2, 2, 0}), 18, 2}, {Modell(17, {1, 2, 2, 0}), -18, 0},
      {Modell(17, {0, 1, 1, 0}), -2, 0}, // whole 1/c, still no solution
      {Modell(11, {0, 1, 1, 0}), 4, 0},  // division fault
  };
  for (const auto& f : faelle) EXPECT_NEAR(Umkehrwert(f.e, f.y), f.x, 1e-12) << int(f.e.Modell) << " y = " << f.y;
  for (uint8_t m : {0, 5, 9, 10, 12, 13, 14, 16, 18}) EXPECT_EQ(Umkehrwert(Modell(m, {1, 2, 3, 4}), 1), 0);
  // Cut points read back on the curve.
  for (const TFitErgebnis& e : {Modell(2, {2, 0.5, 1}), Modell(15, {1.5, 0.2, 3, 1}), Modell(17, {0.5, 2, 1.7, 1})})
    EXPECT_NEAR(ModellWert(e, Umkehrwert(e, 3.5)), 3.5, 1e-9) << int(e.Modell);
}

TEST(KastenZeichnen, ZeilenUndSpalten) {
  TAufzeichnendeLeinwand l(697, 409);
  TKoeffizienten k{.Werte = {1, 2, 3}};
  k.Fix.Setze(1, true);
  l.Pinsel(0x0000FF);
  l.Aufrufe.clear();
  KastenZeichnen(l, k, 2, TNamen{}, TZahlformat{3, 2, false}, 100, 50, true, 0.5);
  const TAufrufe erwartet = {
      "Pinsel FFFFFF", "Stift 000000 1 solid",
      "Rechteck 96 46 236 114", // formula "y = c + a * exp(b * x)": 22 characters, 132 wide
      "Text 100 50 y = c + a * exp(b * x)", "Text 100 62 a = 1,00 ", "Text 100 74 b* = 2,00 ",
      "Text 100 86 c = 3,00 ", "Text 100 98 q² = 0,50", "Stift 000000 1 solid", "Pinsel 0000FF",
  };
  EXPECT_EQ(l.Aufrufe, erwartet);
  k.Fehler[0] = 0.25;
  TAufzeichnendeLeinwand f(697, 409);
  KastenZeichnen(f, k, 2, TNamen{}, TZahlformat{3, 2, false}, 100, 50, false, 0);
  ASSERT_GE(f.Aufrufe.size(), 7u);
  EXPECT_EQ(f.Aufrufe[2], "Rechteck 96 46 236 102"); // 4 lines without q²
  // "± " is three bytes wide here.
  EXPECT_EQ(TAufrufe(f.Aufrufe.begin() + 5, f.Aufrufe.begin() + 7), (TAufrufe{"Text 154 62 ± ", "Text 172 62 0,25"}));
}

} // namespace
