#include "fit/Startwerte.h"

#include "core/Typen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(StartwerteSchaetzen, JeModellLeerUndFest) {
  const TVektor X5 = {0, 1, 2, 3, 4}, glocke = {0, 1, 3, 1, 0.5};
  TVektor fallend5;
  for (double x : X5) fallend5.push_back(5 * std::exp(-x));
  const double e4 = fallend5[4];
  const TVektor x = {2, 4, 6, 8}, y = {1, 3, 7, 5}, y2 = {4, 3, 7, 5}, fallend = {7, 5, 3, 1};
  // Two extrema at x = 1 and x = 2 at the front of the copy, the rest unchanged (up to x = 5):
  // r = 5 - 1, frequency (2/2)/4. Without extrema the frequency is the x range itself.
  const TVektor x6 = {0, 1, 2, 3, 4, 5}, welle = {0, 2, -2, -1, 0, 1};
  // Points, model, the first coefficient compared and the values from there on.
  struct { TVektor x, y; uint8_t modell; std::size_t ab; std::vector<double> erwartet; } const faelle[] = {
      {X5, fallend5, 2, 0, {5 - e4, -1, e4, 1}}, {X5, glocke, 3, 0, {3, 2, 1, 1}},
      // d: ymax - standard deviation of y; e: standard deviation of x.
      {X5, glocke, 13, 0, {3, 2, 1, 3 - std::sqrt(1.04), std::sqrt(2.0), 0.5, 0}},
      {x, y, 17, 0, {2, 1, 2, 1, 1, 1, 1, 1}}, {x, y, 1, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
      {x, y2, 4, 2, {3}}, {x, y2, 7, 0, {3}}, {x, y2, 8, 3, {3}}, {x, y2, 14, 3, {3}},
      {x, y2, 2, 0, {4, 1, 3, 1, 1, 1, 1, 1}}, {x, y, 9, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
      {x, y, 10, 0, {1, 1, 3.5, 1, 1, 1, 1, 1}}, {x, y, 12, 0, {6, 1, 1, 36, 1, 1, 1, 1}},
      {x, fallend, 9, 0, {7, -1, 1, 1, 1, 1, 1, 1}}, {x, fallend, 10, 0, {3.5, -1, 1, -1, 1, 1, 1, 1}},
      {x6, welle, 6, 0, {0, 2, 0.25}}, {x6, welle, 15, 0, {0.25}}, {x6, x6, 6, 2, {5}},
  };
  for (const auto& f : faelle) {
    const auto w = StartwerteSchaetzen(f.x, f.y, f.modell, {}).Werte;
    for (std::size_t i = 0; i < f.erwartet.size(); ++i)
      EXPECT_DOUBLE_EQ(w[f.ab + i], f.erwartet[i]) << "Modell " << int(f.modell) << " Koeffizient " << f.ab + i;
  }
  // Empty series: all ones; the fixed set as given, no errors.
  TIndexmenge fix;
  fix.Setze(2, true);
  const TKoeffizienten k = StartwerteSchaetzen(TVektor{}, TVektor{}, 3, fix);
  EXPECT_EQ(k.Werte, (std::array<double, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(k.Fix, fix);
  EXPECT_EQ(k.Fehler, (std::array<double, 8>{}));
}

} // namespace
