#include "OperationsHilfen.h"

#include "operations/Sortierung.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <utility>
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
    for (std::size_t i = 0; i < saetze.size(); ++i) saetze[i] = {static_cast<int64_t>(i), schluessel(zufall)};
    const auto erwartet = Rangsortiert(aufsteigend, saetze);
    Rangsortierung(aufsteigend, saetze);
    for (std::size_t i = 0; i < saetze.size(); ++i)
      EXPECT_EQ(std::pair(saetze[i].Wert, saetze[i].Schluessel),
                std::pair(erwartet[i].Wert, erwartet[i].Schluessel)) << i;
  }
}

TEST(RangsortierungPaare, GleichtDerRangsortierungAuchMitUnendlichNaNKommtAnsEnde) {
  std::mt19937 zufall(4);
  std::uniform_int_distribution<int> wahl(0, 6);
  const double werte[] = {-1.5, 0, 2.25, 1e300, -1e-300, HUGE_VAL, -HUGE_VAL};
  std::vector<TRealSatz> saetze(300);
  for (std::size_t i = 0; i < saetze.size(); ++i) saetze[i] = {static_cast<double>(i), werte[wahl(zufall)]};
  const auto erwartet = Rangsortiert(false, saetze);
  RangsortierungPaare(false, saetze);
  for (std::size_t i = 0; i < saetze.size(); ++i) EXPECT_EQ(saetze[i].Wert, erwartet[i].Wert) << i;
  // NaN keys come last, in input order.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<TRealSatz> mitNaN = {{0, 3}, {1, nan}, {2, 1}, {3, nan}, {4, 2}};
  RangsortierungPaare(true, mitNaN);
  const double reihenfolge[] = {2, 4, 0, 1, 3};
  for (std::size_t i = 0; i < mitNaN.size(); ++i) EXPECT_EQ(mitNaN[i].Wert, reihenfolge[i]) << i;
}

TEST(PaareSortieren, NachDemZweitenVektor) {
  // With unequal lengths (c, d) the common part is sorted and the rest stays.
  TVektor a = {10, 20, 30, 40}, b = {3, 1, 2, 1}, c = {1, 2, 3}, d = {9, 8}, leer1, leer2;
  PaareSortieren(true, a, b);
  PaareSortieren(true, c, d);
  PaareSortieren(false, leer1, leer2);
  EXPECT_EQ((std::array{a, b, c, d}),
            (std::array<TVektor, 4>{{{20, 40, 30, 10}, {1, 1, 2, 3}, {2, 1, 3}, {8, 9}}}));
  EXPECT_TRUE(leer1.empty());
}

TEST(Sortieren, AbsteigendOhneHakenAufsteigendMitPartnernVierNachkommastellen) {
  Schritte(Modell({"2", "1", "3"}),
           {{Art::Sortieren, 0, false, {"3", "2", "1"}, {"0", "0", "0"}}, {Art::Sortieren, 0, true, {"1", "2", "3"}}});
  Schritte(Modell({"2", "1", "3"}, {"20", "10", "30"}),
           {{Art::Sortieren, 0, true, {"1", "2", "3"}, {"10", "20", "30"}}});
  // Equal values keep their line order, and with it the order of their partners.
  Schritte(Modell({"5", "1", "5", "5"}, {"1", "2", "3"}),
           {{Art::Sortieren, 0, false, {"5", "5", "5", "1"}, {"1", "3", "0", "2"}}});
  Schritte(Modell({"1,23456", "-0,00004"}), {{Art::Sortieren, 0, false, {"1,2346", "0"}}});
  // Beyond 214748,3648 a 32-bit key would wrap around.
  Schritte(Modell({"300000", "-300000", "214748,3648", "1E14"}),
           {{Art::Sortieren, 0, true, {"-300000", "214748,3648", "300000", "100000000000000"}}});
  Schritte(Modell({"1", "1E15"}), {{Art::Sortieren, 0, false, {}, Beliebig, Ungueltig}});
  // An unreadable line ends before the output; lines of column 2 beyond column 1 are not read.
  Schritte(Modell({"1", "2"}, {"a", "b"}),
           {{Art::Sortieren, 0, false, {}, Beliebig, "'a' ist kein gültiger Gleitkommawert"}});
  Schritte(Modell({"1"}, {"2", "x"}), {{Art::Sortieren}});
}

TEST(Textoperationen, UmkehrenReissverschlussAufspaltenJedenXtenWertDatenreiheTrennen) {
  Schritte(Modell({"1", "", "3"}), {{Art::Umkehren, 0, false, {"3", "0", "1"}}});
  Schritte(Modell({"1", "3", "5"}, {"2", "4"}), {{Art::Reissverschluss, 0, false, {"1", "2", "3", "4", "5"}}});
  Schritte(Modell({"1"}, {"a", "b", "c"}), {{Art::Reissverschluss, 0, false, {"1", "a", "b", "c"}}});
  Schritte(Modell({"x", "y"}), {{Art::Reissverschluss, 0, false, {"x", "y"}}});
  Schritte(Modell({"1", "3", "2", "4", "text"}), {{Art::Aufspalten, 0, false, {"1", "2", "text"}, {"3", "4"}}});
  const TStringListe sieben = {"1", "2", "3", "4", "5", "6", "7"};
  // Every W-th line; W = 2.5 ties to even: 2.
  Schritte(Modell(sieben), {{Art::JedenXtenWert, 3, false, {"1", "4", "7"}},
                            {Art::JedenXtenWert, 0, false, sieben},
                            {Art::JedenXtenWert, -5, false, sieben},
                            {Art::JedenXtenWert, 2.5, false, {"1", "3", "5", "7"}},
                            {Art::JedenXtenWert, 1e300, false, {"1"}}});
  const TSpaltenModell m = Schritte(Modell({"1 4", "2 5", "1,5;2,5", "7", "x"}),
                                    {{Art::DatenreiheTrennen, 0, false, {}, {}}});
  EXPECT_EQ(m.Spalte(1), (TStringListe{"1", "2", "1,5", "7", "0"}));
  EXPECT_EQ(m.Spalte(2), (TStringListe{"4", "5", "2,5", "0", "0"}));
}

TEST(HintererTeil, AbUndBisZumWtenWert) {
  const TStringListe fuenf = {"1", "2", "3", "4", "5"};
  Schritte(Modell(fuenf, {"10", "20", "30", "40", "50"}),
           {{Art::HintererTeil, 2, false, {"3", "4", "5"}, {"30", "40", "50"}},
            {Art::HintererTeil, 2, true, {"1", "2"}},
            {Art::HintererTeil, 0, false, fuenf},
            {Art::HintererTeil, 0, true, {}}});
  // W outside the column.
  Schritte(Modell({"1", "2", "3"}, {"4"}),
           {{Art::HintererTeil, -4, false, {"1", "2", "3"}, {"4"}}, {Art::HintererTeil, 99, false, {}},
            {Art::HintererTeil, 99, true, {"1", "2", "3"}, {"4"}}});
  // Half values: the dropped count rounds to even, the rest is what remains of the column.
  Schritte(Modell(fuenf), {{Art::HintererTeil, 3.5, false, {"5"}}, {Art::HintererTeil, 2.5, false, {"3", "4", "5"}}});
}

} // namespace
