#include "Auswerter.h"

#include "Modelltabelle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>

namespace {

constexpr std::size_t Blockgroesse = 256;

// Σ a_i·b_i in four independent lanes, which the processor runs side by side.
double Skalarprodukt(const double* a, const double* b, std::size_t n) {
  std::array<double, 4> s{};
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4)
    for (std::size_t k = 0; k < 4; ++k) s[k] += a[i + k] * b[i + k];
  for (; i < n; ++i) s[0] += a[i] * b[i];
  return (s[0] + s[1]) + (s[2] + s[3]);
}

} // namespace

TAuswerter::TAuswerter(std::span<const double> x, std::span<const double> y, uint8_t modell)
    : modell_(modell), p_(Modellzeile(modell).Anzahl) {
  const std::size_t n = std::min(x.size(), y.size());
  x_ = x.first(n);
  y_ = y.first(n);
  felder_ = static_cast<std::size_t>(p_) * (p_ + 1) / 2 + p_;
  summen_.resize((n + Blockgroesse - 1) / Blockgroesse * std::max<std::size_t>(felder_, 1));
  gleichungen_ = {TLinearesSystem(p_, TVektor(p_)), TVektor(p_)};
}

template <class Block> void TAuswerter::Bloecke(Block block) {
  const std::size_t anzahl = (x_.size() + Blockgroesse - 1) / Blockgroesse;
  const auto bereich = [&](std::size_t von, std::size_t bis) {
    for (std::size_t b = von; b < bis; ++b) block(b * Blockgroesse, std::min(Blockgroesse, x_.size() - b * Blockgroesse), b);
  };
  if (x_.size() < ParallelAb) return bereich(0, anzahl);
  // The helper takes the second half. Its fault is raised only when the first half has none,
  // so the fault is the one a single thread would meet first.
  std::exception_ptr fehler;
  std::jthread helfer;
  try {
    helfer = std::jthread([&] {
      try {
        bereich(anzahl / 2, anzahl);
      } catch (...) {
        fehler = std::current_exception();
      }
    });
  } catch (const std::system_error&) {
    return bereich(0, anzahl); // no thread to be had: all blocks here
  }
  bereich(0, anzahl / 2);
  helfer.join();
  if (fehler) std::rethrow_exception(fehler);
}

Extended TAuswerter::Quadratsumme(const TKoeffizienten& k) {
  const TModellzeile& zeile = Modellzeile(modell_);
  Bloecke([&](std::size_t anfang, std::size_t m, std::size_t b) {
    std::array<double, Blockgroesse> f;
    zeile.Punkte(k, x_.subspan(anfang, m), f.data(), nullptr, 0);
    Extended summe = 0;
    for (std::size_t i = 0; i < m; ++i) {
      const Extended r = y_[anfang + i] - static_cast<Extended>(f[i]);
      summe += r * r;
    }
    summen_[b] = summe;
  });
  Extended summe = 0;
  for (std::size_t b = 0; b * Blockgroesse < x_.size(); ++b) summe += summen_[b];
  return summe;
}

const TNormalgleichungen& TAuswerter::Gleichungen(const TKoeffizienten& k, bool mitRechts) {
  const TModellzeile& zeile = Modellzeile(modell_);
  const std::size_t p = p_;
  Bloecke([&](std::size_t anfang, std::size_t m, std::size_t b) {
    std::array<double, Blockgroesse> f, r;
    std::array<double, Blockgroesse * MaxKoeffizienten> d;
    zeile.Punkte(k, x_.subspan(anfang, m), f.data(), d.data(), Blockgroesse);
    for (std::size_t i = 0; i < m; ++i) r[i] = y_[anfang + i] - f[i];
    Extended* s = &summen_[b * felder_];
    for (std::size_t j = 0; j < p; ++j) {
      const double* dj = &d[j * Blockgroesse];
      for (std::size_t l = j; l < p; ++l) *s++ = Skalarprodukt(dj, &d[l * Blockgroesse], m);
      *s++ = Skalarprodukt(r.data(), dj, m);
    }
  });
  // The fields of a block: for each row j the entries j..p-1 of the upper triangle, then the
  // right-hand side of row j.
  std::array<Extended, MaxKoeffizienten * (MaxKoeffizienten + 3) / 2> gesamt{};
  for (std::size_t b = 0; b * Blockgroesse < x_.size(); ++b)
    for (std::size_t i = 0; i < felder_; ++i) gesamt[i] += summen_[b * felder_ + i];
  // A product or block sum beyond the 64-bit range is infinite here: as a sum of the whole
  // in extended precision it would be beyond that range as well, an overflow.
  const auto speichern = [](Extended summe) {
    if (std::isinf(summe)) Gleitkommafehler(TGleitkommaArt::Ueberlauf);
    return AlsDouble(summe);
  };
  std::size_t i = 0;
  for (std::size_t j = 0; j < p; ++j) {
    for (std::size_t l = j; l < p; ++l) gleichungen_.Matrix[j][l] = gleichungen_.Matrix[l][j] = speichern(gesamt[i++]);
    gleichungen_.Rechts[j] = mitRechts ? speichern(gesamt[i++]) : (++i, 0.0);
  }
  return gleichungen_;
}
