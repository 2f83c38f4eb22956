#include "operations/Sortierung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

// The rank sort by its definition: target = number of smaller (larger) keys, collisions
// move on to the next free slot in input order. Quadratic; the oracle for the fast sort.
template <class Satz> std::vector<Satz> Rangsortiert(bool aufsteigend, const std::vector<Satz>& s) {
  const std::size_t n = s.size();
  std::vector<Satz> aus(n);
  std::vector<bool> belegt(n, false);
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t p = 0;
    for (std::size_t j = 0; j < n; ++j)
      p += aufsteigend ? s[j].Schluessel < s[i].Schluessel : s[j].Schluessel > s[i].Schluessel;
    while (belegt[p]) ++p;
    belegt[p] = true;
    aus[p] = s[i];
  }
  return aus;
}

TEST(Rangsortierung, GleichtDerRangsortierungMitVielenGleichenSchluesseln) {
  std::mt19937 zufall(3);
  std::uniform_int_distribution<int64_t> schluessel(-5, 5);
  for (const bool aufsteigend : {true, false}) {
    std::vector<TGanzSatz> saetze(500);
    for (std::size_t i = 0; i < saetze.size(); ++i)
      saetze[i] = {static_cast<int64_t>(i), schluessel(zufall)};
    const auto erwartet = Rangsortiert(aufsteigend, saetze);
    Rangsortierung(aufsteigend, saetze);
    for (std::size_t i = 0; i < saetze.size(); ++i) {
      EXPECT_EQ(saetze[i].Wert, erwartet[i].Wert);
      EXPECT_EQ(saetze[i].Schluessel, erwartet[i].Schluessel);
    }
  }
}

TEST(RangsortierungPaare, GleichtDerRangsortierungAuchMitUnendlich) {
  std::mt19937 zufall(4);
  std::uniform_int_distribution<int> wahl(0, 6);
  const double werte[] = {-1.5, 0, 2.25, 1e300, -1e-300, HUGE_VAL, -HUGE_VAL};
  std::vector<TRealSatz> saetze(300);
  for (std::size_t i = 0; i < saetze.size(); ++i)
    saetze[i] = {static_cast<double>(i), werte[wahl(zufall)]};
  const auto erwartet = Rangsortiert(false, saetze);
  RangsortierungPaare(false, saetze);
  for (std::size_t i = 0; i < saetze.size(); ++i) EXPECT_EQ(saetze[i].Wert, erwartet[i].Wert);
}

TEST(RangsortierungPaare, NaNKommtAnsEnde) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<TRealSatz> saetze = {{0, 3}, {1, nan}, {2, 1}, {3, nan}, {4, 2}};
  RangsortierungPaare(true, saetze);
  const double reihenfolge[] = {2, 4, 0, 1, 3};
  for (std::size_t i = 0; i < saetze.size(); ++i) EXPECT_EQ(saetze[i].Wert, reihenfolge[i]);
}

TEST(PaareSortieren, NachDemZweitenVektor) {
  TVektor a = {10, 20, 30, 40}, b = {3, 1, 2, 1};
  PaareSortieren(true, a, b);
  EXPECT_EQ(a, (TVektor{20, 40, 30, 10}));
  EXPECT_EQ(b, (TVektor{1, 1, 2, 3}));
  // Unequal lengths: the common part is sorted, the rest stays.
  TVektor c = {1, 2, 3}, d = {9, 8};
  PaareSortieren(true, c, d);
  EXPECT_EQ(c, (TVektor{2, 1, 3}));
  EXPECT_EQ(d, (TVektor{8, 9}));
  TVektor leer1, leer2;
  PaareSortieren(false, leer1, leer2);
  EXPECT_TRUE(leer1.empty());
}

} // namespace
