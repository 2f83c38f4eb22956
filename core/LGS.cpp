#include "LGS.h"

#include "Gleitkomma.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

using TZeile = std::vector<Extended>;
using TMatrix = std::vector<TZeile>;

constexpr Extended Marke = 1e9;
constexpr Extended Spuelfaktor = 1e9;

bool NurNullen(const TLinearesSystem& A, uint8_t n, uint8_t i) {
  for (uint8_t j = 0; j < n; ++j)
    if (A[i][j] != 0 || A[j][i] != 0) return false;
  return true;
}

TZeile Cramer(const TMatrix& a, const TZeile& r) {
  const Extended det = a[1][1] * a[0][0] - a[0][1] * a[1][0];
  TZeile x(2);
  x[1] = det == 0 ? Marke : Teile(r[1] * a[0][0] - a[1][0] * r[0], det);
  x[0] = a[0][0] == 0 ? Marke : Teile(r[0] - a[0][1] * x[1], a[0][0]);
  return x;
}

void Eliminieren(TMatrix& a, TZeile& r) {
  const std::size_t n = a.size();
  Extended schwelle = 0;
  for (const TZeile& zeile : a)
    for (const Extended v : zeile) schwelle += std::fabs(v);
  schwelle /= n * n;
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t q = k;
    while (q < n && a[q][k] == 0) ++q;
    if (q == n) continue; // x_k is undetermined: its diagonal stays 0, and so does x_k
    std::swap(a[q], a[k]);
    std::swap(r[q], r[k]);
    for (std::size_t i = k + 1; i < n; ++i) {
      const Extended m = a[i][k] / a[k][k];
      for (std::size_t j = k; j < n; ++j) {
        a[i][j] -= m * a[k][j];
        if (std::fabs(a[i][j] * Spuelfaktor) < schwelle) a[i][j] = 0;
      }
      r[i] -= m * r[k];
    }
  }
}

TZeile Rueckwaerts(const TMatrix& a, TZeile r) {
  const std::size_t n = a.size();
  TZeile x(n);
  for (std::size_t k = n; k-- > 0;) {
    for (std::size_t j = k + 1; j < n; ++j) r[k] -= a[k][j] * x[j];
    x[k] = a[k][k] == 0 ? 0 : r[k] / a[k][k];
  }
  return x;
}

// Scales A to D⁻¹·A·D⁻¹ and r to D⁻¹·r with D = diag(sqrt|A_ii|), solves, and scales back.
TZeile Elimination(TMatrix a, TZeile r) {
  const std::size_t n = a.size();
  TZeile d(n);
  for (std::size_t i = 0; i < n; ++i) d[i] = a[i][i] != 0 ? std::sqrt(std::fabs(a[i][i])) : 1;
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) a[i][j] /= d[i] * d[j];
    r[i] /= d[i];
  }
  Eliminieren(a, r);
  TZeile x = Rueckwaerts(a, r);
  for (std::size_t i = 0; i < n; ++i) x[i] /= d[i];
  return x;
}

TZeile Loesen(const TMatrix& a, const TZeile& r) {
  switch (a.size()) {
  case 0:
    return {};
  case 1:
    return {Teile(r[0], a[0][0])};
  case 2:
    return Cramer(a, r);
  default:
    return Elimination(a, r);
  }
}

} // namespace

TKoeffizienten LoeseLGS(const TLinearesSystem& A, const TVektor& r, uint8_t n) {
  if (n > MaxKoeffizienten || A.size() < n || r.size() < n)
    throw std::invalid_argument("LoeseLGS: system smaller than n");
  for (uint8_t i = 0; i < n; ++i)
    if (A[i].size() < n) throw std::invalid_argument("LoeseLGS: row shorter than n");

  std::vector<uint8_t> aktiv;
  for (uint8_t i = 0; i < n; ++i)
    if (!NurNullen(A, n, i)) aktiv.push_back(i);
  TMatrix a(aktiv.size(), TZeile(aktiv.size()));
  TZeile rechts(aktiv.size());
  for (std::size_t i = 0; i < aktiv.size(); ++i) {
    for (std::size_t j = 0; j < aktiv.size(); ++j) a[i][j] = A[aktiv[i]][aktiv[j]];
    rechts[i] = r[aktiv[i]];
  }
  const TZeile x = Loesen(a, rechts);
  TKoeffizienten k;
  for (std::size_t i = 0; i < aktiv.size(); ++i) {
    if (std::isinf(x[i])) Gleitkommafehler(TGleitkommaArt::Ueberlauf);
    k.Werte[aktiv[i]] = AlsDouble(x[i]);
  }
  return k;
}
