#include "plot/Abbildung.h"
#include "PlotHilfen.h"
#include "TestHilfen.h"

#include "core/Typen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

TEST(Raender, BeschriftetUndOhneUndAchsengrenzen) {
  TAbbildung mit = Raender(697, 409, true);
  const TAbbildung ohne = Raender(697, 409, false);
  EXPECT_EQ((std::array<int, 4>{mit.RandLinks, mit.RandOben, mit.Feldbreite, mit.Feldhoehe}),
            (std::array<int, 4>{120, 20, 557, 269}));
  EXPECT_EQ((std::array<int, 3>{ohne.RandLinks, ohne.Feldbreite, ohne.Feldhoehe}), (std::array<int, 3>{40, 637, 349}));
  EXPECT_EQ((std::array{Raender(200, 100, true).RandLinks, Raender(10, 10, true).RandLinks}), (std::array<uint16_t, 2>{40, 0}));
  EXPECT_LE(Raender(30, 30, false).Feldhoehe, 0);
  // The limits: the data's, or the override that is switched on.
  Achsengrenzen(mit, TVektor{3, -1, 2}, TVektor{5, 7, 6}, {.YmaxAn = true, .Ymax = 50});
  EXPECT_EQ((std::array{mit.Xmin, mit.Xmax, mit.Ymin, mit.Ymax}), (std::array<double, 4>{-1, 3, 5, 50}));
}

TEST(WeltZuPixel, EckenRundungRaenderUndFlaechen) {
  const TAbbildung a = Feld(0, 557, 0, 269), einheit = Feld(0, 1, 0, 1);
  const double inf = std::numeric_limits<double>::infinity();
  struct { TAbbildung a; double x, y; TPixel p; } const faelle[] = {
      {a, 0, 0, {120, 289}}, {a, 557, 269, {677, 20}}, {a, 2.5, 3.5, {122, 285}}, // ties to even
      {a, inf, std::nan(""), {120, 289}}, {a, 1e300, 10, {120, 279}}, {Feld(2, 2, 1, 1), 7, 9, {120, 289}},
      // A term that fits 32 bits but pushes the sum beyond them also lands on the edge.
      {einheit, 2147483647.0 / 557, 0, {120, 289}},
  };
  for (const auto& f : faelle) EXPECT_EQ(WeltZuPixel(f.a, f.x, f.y), f.p) << f.x << " " << f.y;
  const TWeltpunkt w = PixelZuWelt(a, TPixel{200, 100});
  EXPECT_EQ((std::pair{w.x, w.y}), (std::pair{80.0, 189.0}));
  // A pixel, and whether it lies in the plot area and in the image.
  struct { TPixel p; bool feld, bild; } const pixel[] = {
      {{120, 20}, true, true}, {{677, 289}, true, true}, {{119, 100}, false, true}, {{200, 290}, false, true},
      {{0, 0}, false, true},   {{696, 408}, false, true}, {{697, 0}, false, false},   {{0, -1}, false, false}};
  for (const auto& f : pixel) {
    EXPECT_EQ(ImZeichenfeld(einheit, f.p), f.feld) << f.p.x << " " << f.p.y;
    EXPECT_EQ(ImBild(einheit, f.p), f.bild) << f.p.x << " " << f.p.y;
  }
}

TEST(PixelZuWelt, JenseitsVon64BitIstEinUeberlauf) {
  TAbbildung a = Raender(200, 100, true); // x from 0
  a.Xmax = 1;
  a.Ymin = 1e300;
  a.Ymax = 1.7e308;
  const std::pair<TPixel, const char*> faelle[] = {
      {{33, 6}, Ueberlauf}, {{33, 15}, Ueberlauf}, {{33, 19}, ""}, {{33, 60}, ""}};
  for (const auto& f : faelle) EXPECT_EQ(Meldung([&] { PixelZuWelt(a, f.first); }), f.second) << f.first.y;
  // Ranges across most of the 64-bit range stay finite on the way.
  EXPECT_EQ(PixelZuWelt(Feld(-1.5e308, 1.5e308, -1.5e308, 1.5e308), {120, 20}).x, -1.5e308);
}

TEST(Skalenstriche, RundeSchritteFesteUndGleichmaessige) {
  // A range that is not positive gives {0, 0}.
  const std::pair<double, std::pair<double, double>> schritte[] = {
      {7, {1, 7}}, {3, {0.5, 6}}, {1.5, {0.2, 7}}, {23, {2, 11}}, {0.05, {0.008, 6}}, {1000, {200, 5}}, {0, {0, 0}},
      {-3, {0, 0}}};
  for (const auto& [d, erwartet] : schritte) {
    EXPECT_NEAR(Skalenschritt(d).Schritt, erwartet.first, 1e-15) << d;
    EXPECT_EQ(Skalenschritt(d).Anzahl, erwartet.second) << d;
  }
  const TAbbildung a = Feld(0, 7, 0, 7);
  const auto fest = Striche(a, TAchse::X, false);
  ASSERT_EQ(fest.size(), 8u);
  EXPECT_EQ((std::array{fest[0].Pixel, fest[1].Pixel, fest[7].Pixel}), (std::array{120, 200, 677}));
  EXPECT_EQ(fest[7].Wert, 7);
  const auto gleich = Striche(a, TAchse::X, true);
  ASSERT_EQ(gleich.size(), 8u); // 7, 6, ..., 0
  EXPECT_EQ((std::pair{gleich[0].Pixel, gleich[7].Pixel}), (std::pair{677, 120}));
  // The label is the value of the rounded pixel: 6 sits at pixel 597, which reads 5,9946...
  EXPECT_NEAR(gleich[1].Wert, 7.0 * 477 / 557, 1e-12);
  EXPECT_EQ(Striche(a, TAchse::Y, true).back().Pixel, WeltZuPixel(a, 0, 0).y); // down to 0; -1 lies below Ymin - 0.7
  EXPECT_LT(Striche(Feld(0, 7, 0.5, 10.5), TAchse::Y, true).back().Wert, 0.5); // a tick in the margin below Ymin
  const TAbbildung flach = Feld(2, 2, 1, 1);
  EXPECT_TRUE(Striche(flach, TAchse::X, true).empty() && Striche(flach, TAchse::Y, true).empty());
  const auto flachFest = Striche(flach, TAchse::X, false);
  ASSERT_EQ(flachFest.size(), 8u);
  EXPECT_EQ(flachFest[0].Wert, flachFest[7].Wert);
}

} // namespace
