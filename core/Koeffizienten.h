// A set of fit coefficients a..h with their uncertainties and the set of fixed coefficients.
#pragma once

#include <array>
#include <cstdint>

// A set of indexes 0..255 as 32 bytes, bit i of byte i div 8: the layout stored in files.
struct TIndexmenge {
  std::array<uint8_t, 32> Bytes{};

  bool Enthaelt(uint8_t i) const { return (Bytes[i / 8] >> (i % 8)) & 1u; }
  void Setze(uint8_t i, bool drin) {
    const auto bit = static_cast<uint8_t>(1u << (i % 8));
    Bytes[i / 8] = drin ? (Bytes[i / 8] | bit) : (Bytes[i / 8] & ~bit);
  }
  bool operator==(const TIndexmenge&) const = default;
};

inline constexpr int MaxKoeffizienten = 8;

struct TKoeffizienten {
  std::array<double, MaxKoeffizienten> Werte{};
  // Uncertainty per coefficient; only the closed-form straight line fills it.
  std::array<double, MaxKoeffizienten> Fehler{};
  // Coefficients that stay unchanged while fitting.
  TIndexmenge Fix{};

  bool operator==(const TKoeffizienten&) const = default;
};
