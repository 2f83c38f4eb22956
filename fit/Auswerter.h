// The per-point work of a fit: the sum of squares and the normal equations of one model on
// the pairs (x_i, y_i), computed block by block with the fast model evaluation.
//
// The points are cut into fixed blocks; each block's sums are formed on its own and the
// block sums are added in block order in extended precision, so a result does not depend on
// how many threads took part. From ParallelAb points on, the blocks are shared between the
// caller and one helper thread.
#pragma once

#include "Fittypen.h"

#include "core/Gleitkomma.h"
#include "core/Typen.h"

#include <cstddef>
#include <span>
#include <vector>

inline constexpr std::size_t ParallelAb = 32768;

struct TNormalgleichungen {
  TLinearesSystem Matrix; // Σ d·dᵀ, d the vector of partial derivatives of a point
  TVektor Rechts;         // Σ (y - f)·d
};

class TAuswerter {
public:
  // The pairs are the first min(|x|, |y|) points; without y only the matrix is formed.
  TAuswerter(std::span<const double> x, std::span<const double> y, uint8_t modell);

  // Σ (y_i - f(x_i))², accumulated in extended precision.
  Extended Quadratsumme(const TKoeffizienten& k);
  // The normal equations at k (Anzahl × Anzahl); the right-hand side only when asked for (it
  // is 0 otherwise). A fault in a partial derivative raises, and so does a sum beyond the
  // 64-bit range.
  const TNormalgleichungen& Gleichungen(const TKoeffizienten& k, bool mitRechts = true);

private:
  template <class Block> void Bloecke(Block block);

  std::span<const double> x_, y_;
  uint8_t modell_, p_;
  std::size_t felder_; // sums per block: the upper triangle, the right-hand side, the squares
  std::vector<Extended> summen_;
  TNormalgleichungen gleichungen_;
};
