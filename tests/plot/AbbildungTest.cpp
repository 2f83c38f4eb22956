#include "plot/Abbildung.h"
#include "PlotHilfen.h"
#include "TestHilfen.h"

#include "core/Typen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Raender, BeschriftetUndOhne) {
  const TAbbildung mit = Raender(697, 409, true);
  EXPECT_EQ(mit.RandLinks, 120);
  EXPECT_EQ(mit.RandOben, 20);
  EXPECT_EQ(mit.Feldbreite, 557);
  EXPECT_EQ(mit.Feldhoehe, 269);
  const TAbbildung ohne = Raender(697, 409, false);
  EXPECT_EQ(ohne.RandLinks, 40);
  EXPECT_EQ(ohne.Feldbreite, 637);
  EXPECT_EQ(ohne.Feldhoehe, 349);
  EXPECT_EQ(Raender(200, 100, true).RandLinks, 40);
  EXPECT_EQ(Raender(10, 10, true).RandLinks, 0);
  EXPECT_LE(Raender(30, 30, false).Feldhoehe, 0);
}

TEST(Achsengrenzen, DatenOderVorgaben) {
  TAbbildung a = Raender(697, 409, true);
  TGrenzen g;
  g.YmaxAn = true;
  g.Ymax = 50;
  Achsengrenzen(a, TVektor{3, -1, 2}, TVektor{5, 7, 6}, g);
  EXPECT_EQ(a.Xmin, -1);
  EXPECT_EQ(a.Xmax, 3);
  EXPECT_EQ(a.Ymin, 5);
  EXPECT_EQ(a.Ymax, 50);
}

TEST(WeltZuPixel, EckenRundungUndRaender) {
  const TAbbildung a = Feld(0, 557, 0, 269);
  EXPECT_EQ(WeltZuPixel(a, 0, 0), (TPixel{120, 289}));
  EXPECT_EQ(WeltZuPixel(a, 557, 269), (TPixel{677, 20}));
  EXPECT_EQ(WeltZuPixel(a, 2.5, 3.5), (TPixel{122, 285})); // ties to even
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(WeltZuPixel(a, inf, std::nan("")), (TPixel{120, 289}));
  EXPECT_EQ(WeltZuPixel(a, 1e300, 10), (TPixel{120, 279}));
  // A term that fits 32 bits but pushes the sum beyond them also lands on the edge.
  const TAbbildung weit = Feld(0, 1, 0, 1);
  EXPECT_EQ(WeltZuPixel(weit, 2147483647.0 / 557, 0).x, 120);
  EXPECT_EQ(Skalenschritt(0).Schritt, 0);
  EXPECT_EQ(Skalenschritt(-3).Anzahl, 0);
  const TAbbildung flach = Feld(2, 2, 1, 1);
  EXPECT_EQ(WeltZuPixel(flach, 7, 9), (TPixel{120, 289}));
  const TWeltpunkt w = PixelZuWelt(a, TPixel{200, 100});
  EXPECT_EQ(w.x, 80);
  EXPECT_EQ(w.y, 189);
}

TEST(PixelZuWelt, JenseitsVon64BitIstEinUeberlauf) {
  TAbbildung a = Raender(200, 100, true);
  a.Xmin = 0;
  a.Xmax = 1;
  a.Ymin = 1e300;
  a.Ymax = 1.7e308;
  struct {
    TPixel p;
    const char* meldung;
  } const faelle[] = {{{33, 6}, Ueberlauf}, {{33, 15}, Ueberlauf}, {{33, 19}, ""}, {{33, 60}, ""}};
  for (const auto& f : faelle) EXPECT_EQ(Meldung([&] { PixelZuWelt(a, f.p); }), f.meldung) << f.p.y;
  // Ranges across most of the 64-bit range stay finite on the way.
  EXPECT_EQ(PixelZuWelt(Feld(-1.5e308, 1.5e308, -1.5e308, 1.5e308), {120, 20}).x, -1.5e308);
}

TEST(Flaechen, ZeichenfeldUndBild) {
  const TAbbildung a = Feld(0, 1, 0, 1);
  EXPECT_TRUE(ImZeichenfeld(a, {120, 20}));
  EXPECT_TRUE(ImZeichenfeld(a, {677, 289}));
  EXPECT_FALSE(ImZeichenfeld(a, {119, 100}));
  EXPECT_FALSE(ImZeichenfeld(a, {200, 290}));
  EXPECT_TRUE(ImBild(a, {0, 0}));
  EXPECT_TRUE(ImBild(a, {696, 408}));
  EXPECT_FALSE(ImBild(a, {697, 0}));
  EXPECT_FALSE(ImBild(a, {0, -1}));
}

TEST(Skalenschritt, RundeSchritte) {
  const std::pair<double, std::pair<double, double>> faelle[] = {
      {7, {1, 7}}, {3, {0.5, 6}}, {1.5, {0.2, 7}}, {23, {2, 11}}, {0.05, {0.008, 6}}, {1000, {200, 5}}};
  for (const auto& [d, erwartet] : faelle) {
    const TSkalenschritt s = Skalenschritt(d);
    EXPECT_NEAR(s.Schritt, erwartet.first, 1e-15) << d;
    EXPECT_EQ(s.Anzahl, erwartet.second) << d;
  }
}

TEST(Skalenstriche, FesteUndGleichmaessige) {
  const TAbbildung a = Feld(0, 7, 0, 7);
  const auto fest = XStriche(a, false);
  ASSERT_EQ(fest.size(), 8u);
  EXPECT_EQ(fest[0].Pixel, 120);
  EXPECT_EQ(fest[1].Pixel, 200);
  EXPECT_EQ(fest[7].Pixel, 677);
  EXPECT_EQ(fest[7].Wert, 7);
  const auto gleich = XStriche(a, true);
  ASSERT_EQ(gleich.size(), 8u); // 7, 6, ..., 0
  EXPECT_EQ(gleich[0].Pixel, 677);
  EXPECT_EQ(gleich[7].Pixel, 120);
  // The label is the value of the rounded pixel: 6 sits at pixel 597, which reads 5,9946...
  EXPECT_NEAR(gleich[1].Wert, 7.0 * 477 / 557, 1e-12);
  const auto y = YStriche(a, true);
  EXPECT_EQ(y.back().Pixel, WeltZuPixel(a, 0, 0).y); // down to 0; -1 lies below Ymin - 0.7
  const TAbbildung lang = Feld(0, 7, 0.5, 10.5);
  EXPECT_LT(YStriche(lang, true).back().Wert, 0.5); // a tick in the margin below Ymin
  const TAbbildung flach = Feld(2, 2, 1, 1);
  EXPECT_TRUE(XStriche(flach, true).empty());
  EXPECT_TRUE(YStriche(flach, true).empty());
  const auto flachFest = XStriche(flach, false);
  ASSERT_EQ(flachFest.size(), 8u);
  EXPECT_EQ(flachFest[0].Wert, flachFest[7].Wert);
}

} // namespace
