#include "AufzeichnendeLeinwand.h"
#include "PlotHilfen.h"

#include "plot/Fitkurve.h"

#include "fit/Modelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TFitErgebnis Modell(uint8_t m, std::initializer_list<double> w) {
  TFitErgebnis e;
  e.Modell = m;
  std::copy(w.begin(), w.end(), e.Koeffizienten.Werte.begin());
  return e;
}

TEST(KurveZeichnen, GeradeWirdAmRandGeschnitten) {
  TAufzeichnendeLeinwand l(697, 409);
  KurveZeichnen(l, Feld(0, 10, 0, 5), Modell(1, {1, 0})); // y = x leaves at the top at x = 5
  ASSERT_EQ(l.Aufrufe.size(), 2u);
  EXPECT_EQ(l.Aufrufe[0], "BewegeZu 120 289");
  EXPECT_EQ(l.Aufrufe[1], "LinieZu 398 20"); // x = 5 on the upper edge (278,5 rounds to even)
  TAufzeichnendeLeinwand flach(697, 409);
  KurveZeichnen(flach, Feld(0, 10, 0, 5), Modell(1, {0, 2}));
  EXPECT_EQ(flach.Aufrufe[0], "BewegeZu 120 181");
  EXPECT_EQ(flach.Aufrufe[1], "LinieZu 677 181");
  // Outside the y range both ends move to the same far-away x: nothing visible.
  TAufzeichnendeLeinwand weg(697, 409);
  KurveZeichnen(weg, Feld(0, 10, 0, 5), Modell(1, {0, 7}));
  EXPECT_EQ(weg.Aufrufe[0].substr(9), weg.Aufrufe[1].substr(8));
}

TEST(KurveZeichnen, AbgetastetUndUnterbrochen) {
  TAufzeichnendeLeinwand l(697, 409);
  // A Gauss peak of height 10 in a range up to 5: the top is cut out, leaving two pieces.
  KurveZeichnen(l, Feld(0, 10, 0, 5), Modell(3, {10, 5, 4, 0}));
  const auto bewegungen = std::count_if(l.Aufrufe.begin(), l.Aufrufe.end(),
                                        [](const std::string& z) { return z.rfind("BewegeZu", 0) == 0; });
  EXPECT_EQ(bewegungen, 2);
  for (const std::string& z : l.Aufrufe) {
    int x = 0, y = 0;
    std::sscanf(z.c_str() + z.find(' '), "%d %d", &x, &y);
    EXPECT_TRUE(x >= 120 && x <= 677 && y >= 20 && y <= 289) << z;
  }
}

TEST(TangenteBilden, BeruehrtDieKurve) {
  const TFitErgebnis gerade = Modell(1, {2, 1});
  const TFitErgebnis t = TangenteBilden(gerade, 17);
  EXPECT_EQ(t.Koeffizienten.Werte[0], 2);
  EXPECT_EQ(t.Koeffizienten.Werte[1], 1);
  const TFitErgebnis p = TangenteBilden(Modell(5, {0, 0, 1}), 3); // y = x², at 3: 6x - 9
  EXPECT_EQ(p.Modell, 1);
  EXPECT_EQ(p.Koeffizienten.Werte[0], 6);
  EXPECT_EQ(p.Koeffizienten.Werte[1], -9);
}

TEST(Umkehrwert, JeModell) {
  EXPECT_EQ(Umkehrwert(Modell(1, {2, 1}), 5), 2);
  EXPECT_EQ(Umkehrwert(Modell(1, {0, 1}), 5), 1e9);
  EXPECT_NEAR(Umkehrwert(Modell(2, {2, 0.5, 1}), 1 + 2 * std::exp(1.5)), 3, 1e-12);
  EXPECT_NEAR(Umkehrwert(Modell(3, {2, 1, 4, 0}), 2 * std::exp(-1.0)), 3, 1e-12);
  EXPECT_EQ(Umkehrwert(Modell(3, {2, 1, 4, 0}), 5), 1); // above the peak: its centre
  EXPECT_NEAR(Umkehrwert(Modell(4, {1, 0, 0}), 3), 3, 1e-12);
  EXPECT_NEAR(Umkehrwert(Modell(6, {0, 1, 1, 0}), 0.5), std::asin(0.5), 1e-12);
  EXPECT_NEAR(Umkehrwert(Modell(7, {0, 1, 1, 0}), 1), std::exp(1.0), 1e-12);
  EXPECT_NEAR(Umkehrwert(Modell(8, {1, 2, 1, 0}), 8), 3, 1e-12);
  EXPECT_NEAR(Umkehrwert(Modell(11, {2, 1, 1, 0}), 4), 3, 1e-12);
  EXPECT_NEAR(Umkehrwert(Modell(15, {1, 0, 1, 0}), 0.25), std::acos(0.5), 1e-12);
  EXPECT_EQ(Umkehrwert(Modell(15, {1, 0, 1, 0}), 2), 0); // no solution
  EXPECT_NEAR(Umkehrwert(Modell(17, {1, 2, 2, 0}), 18), 2, 1e-12);
  EXPECT_EQ(Umkehrwert(Modell(17, {1, 2, 2, 0}), -18), 0);
  EXPECT_EQ(Umkehrwert(Modell(17, {0, 1, 1, 0}), -2), 0); // whole 1/c, still no solution
  EXPECT_EQ(Umkehrwert(Modell(11, {0, 1, 1, 0}), 4), 0); // division fault
  for (uint8_t m : {0, 5, 9, 10, 12, 13, 14, 16, 18}) EXPECT_EQ(Umkehrwert(Modell(m, {1, 2, 3, 4}), 1), 0);
  // Cut points read back on the curve.
  for (const TFitErgebnis& e : {Modell(2, {2, 0.5, 1}), Modell(15, {1.5, 0.2, 3, 1}), Modell(17, {0.5, 2, 1.7, 1})}) {
    const double x = Umkehrwert(e, 3.5);
    EXPECT_NEAR(ModellWert(e, x), 3.5, 1e-9) << int(e.Modell);
  }
}

TEST(KastenZeichnen, ZeilenUndSpalten) {
  TAufzeichnendeLeinwand l(697, 409);
  TKoeffizienten k;
  k.Werte = {1, 2, 3};
  k.Fix.Setze(1, true);
  l.Pinsel(0x0000FF);
  l.Aufrufe.clear();
  KastenZeichnen(l, k, 2, TNamen{}, TZahlformat{3, 2, false}, 100, 50, true, 0.5);
  const std::vector<std::string> erwartet = {
      "Pinsel FFFFFF",
      "Stift 000000 1 solid",
      "Rechteck 96 46 236 114", // formula "y = c + a * exp(b * x)": 22 characters, 132 wide
      "Text 100 50 y = c + a * exp(b * x)",
      "Text 100 62 a = 1,00 ",
      "Text 100 74 b* = 2,00 ",
      "Text 100 86 c = 3,00 ",
      "Text 100 98 q² = 0,50",
      "Stift 000000 1 solid",
      "Pinsel 0000FF",
  };
  EXPECT_EQ(l.Aufrufe, erwartet);
  k.Fehler[0] = 0.25;
  TAufzeichnendeLeinwand f(697, 409);
  KastenZeichnen(f, k, 2, TNamen{}, TZahlformat{3, 2, false}, 100, 50, false, 0);
  EXPECT_EQ(f.Aufrufe[2], "Rechteck 96 46 236 102"); // 4 lines without q²
  EXPECT_EQ(f.Aufrufe[5], "Text 154 62 ± ");
  EXPECT_EQ(f.Aufrufe[6], "Text 172 62 0,25"); // "± " is three bytes wide here
}

} // namespace
