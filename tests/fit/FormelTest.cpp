#include "fit/Formel.h"
#include "fit/Modelle.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

TEST(Formeltext, JedesModellMitDemXNamen) {
  TNamen namen;
  namen.X = "t";
  const char* const erwartet[] = {
      "y = ", "y = b + a * t", "y = c + a * exp(b * t)", "y = d + a * exp(- (t - b)² / c)",
      "y = a * t + b / t + c", "y = a + bt + ct^2 + dt^3 + et^4", "y = a + b * sin(c * t + d)",
      "y = a + b * ln(c * t + d)", "y = d + a * b ^ (c * t)", "y = a * exp(bx) * sin(cx + d) + e",
      "y = a * exp(bx) + c * exp(dx) + e", "y = d + a * Sqrt(b + cx)", "y = c + d * a^(bx) * exp(-a) / (bx)!",
      "y = g + a * exp(- (t - b)² / c) + d * exp(- (t - e)² / f)", "y = d + sqrt(a + b/t^2 + c/t^4)",
      "y = d + c * cos²(at + b)", "y = d + b * (a + et)^c / (ft)^g", "y = d + b * (a + t)^c", "y = "};
  for (uint8_t m = 0; m <= 18; ++m) EXPECT_EQ(Formeltext(m, namen), erwartet[m]) << int(m);
}

TEST(FormelMitWerten, JedesModell) {
  struct { uint8_t modell; std::initializer_list<double> werte, fehler; const char* text; } const faelle[] = {
      {1, {2, -1}, {}, "y = -1,00 +2,00x"}, {1, {2, -1}, {0.5}, "y = -1,00 + (+2,00 ± 0,50)x"},
      {1, {0, 3}, {0, 0.1}, "y = (+3,00 ± 0,10) "}, {1, {2, 0}, {}, "y = +2,00x"}, {1, {0, 0}, {}, "y = "},
      {1, {1234.5, 0}, {}, "y = +1,23e3x"}, {2, {2, -0.5, 1}, {}, "y = +1,00 +2,00 * Exp(-0,50x)"},
      {3, {2, 1, 3, 0}, {}, "y = +2,00 * Exp(- (x -1,00)² / 3,00)"},
      {3, {2, 0, 3, 0}, {}, "y = +2,00 * Exp(- (x)² / 3,00)"}, {3, {0, 1, 3, 5}, {}, "y = +5,00 "},
      {4, {1, 2, 0}, {}, "y = +1,00x +2,00 / x "}, {5, {0, 0, 1.5, 0, 0}, {}, "y = +1,50x^2 "},
      {5, {1, -1, 0, 2, 3}, {}, "y = +1,00 -1,00x +2,00x^3 +3,00x^4 "},
      {6, {0, 1, 2, 0}, {}, "y = +1,00 * Sin(+2,00x )"}, {7, {1, 0, 1, 0.5}, {}, "y = +1,00 "},
      {7, {1, -2, 1, 0.5}, {}, "y = +1,00 -2,00 * Ln(+1,00x +0,50)"},
      {8, {2, 3, -1, 0}, {}, "y = +2,00 * 3,00 ^ (-1,00 * x)"}, {8, {1e-20, 3, -1, 1}, {}, "y = +1,00 "},
      {9, {2, -1, 3, 0, 1}, {}, "y = +2,00 * Exp(-1,00x) * Sin(+3,00x )+1,00"},
      {9, {0, -1, 3, 0, 1}, {}, "y = +1,00"}, {11, {2, 0, 0, 0.5}, {}, "y = +0,50"},
      {10, {2, -1, 3, -2, 0}, {}, "y = +2,00 * Exp(-1,00x)+3,00 * Exp(-2,00x)"},
      {11, {2, 1, -3, 0.5}, {}, "y = +2,00 * Sqrt(+1,00-3,00x)+0,50"}, {12, {3, 1, 0.5, 4}, {}, "y = 0,50 "},
      {12, {2, 1, 0.5, 4}, {}, "y = 0,50 +4,00 * +2,00^(+1,00x) * Exp(-2,00) / (+1,00x)!"},
      {13, {2, 1, 3, 4, -1, 2, 0}, {}, "y = +2,00 * Exp(- (x -1,00)² / +3,00)+4,00 * Exp(- (x +1,00)² / +2,00)"},
      {13, {2, 1, 3, 0, -1, 2, 1}, {}, "y = +1,00 +2,00 * Exp(- (x -1,00)² / +3,00)"},
      {14, {1, 2, 0, 0}, {}, "y =  + Sqrt(+1,00 +2,00/x^2)"}, {15, {2, 0.5, 3, 1}, {}, "y = +1,00 +3,00 * Cos²(+2,00x+0,50)"},
      {16, {1, 2, 3, 0, 0.5, 2, 1}, {}, "y = +2,00 * (+1,00 +0,50x)^+3,00/(+2,00x)^+1,00"},
      {16, {1, 2, 3, 0, 0.5, 2, 0}, {}, "y = +2,00 * (+1,00 +0,50x)^+3,00"}, {16, {0, 2, 3, 1, 0, 2, 1}, {}, "y = +1,00 "},
      {17, {1, 2, 3, 0.5}, {}, "y = +0,50 +2,00 * (+1,00 x)^+3,00"}, {17, {1, 0, 3, 0.5}, {}, "y = +0,50 "},
      {17, {1, 2, 0, 0.5}, {}, "y = +0,50 +2,00"}, {0, {1, 2}, {}, "y = "}, {99, {1, 2}, {}, "y = "},
      // A zero value written all the same carries "±".
      {3, {2, 1, 0, 0}, {}, "y = +2,00 * Exp(- (x -1,00)² / 0,00)"}, {2, {2, 0, 0}, {}, "y = +2,00 * "},
      {16, {1, 2, 0, 0, 0, 2, 1}, {}, "y = +2,00 * (+1,00 )^±0,00/(+2,00x)^+1,00"},
  };
  for (const auto& f : faelle) {
    TKoeffizienten k;
    std::copy(f.werte.begin(), f.werte.end(), k.Werte.begin());
    std::copy(f.fehler.begin(), f.fehler.end(), k.Fehler.begin());
    EXPECT_EQ(FormelMitWerten(k, f.modell, TNamen{}, TZahlformat{3, 2, false}), f.text) << int(f.modell);
  }
}

} // namespace
