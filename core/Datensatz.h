// Fixed-layout records in files: a record's fields are listed once, as a function template
// over a walker, and the same list is walked by the writer and by the reader, so every offset
// stands in one place. Numbers are little-endian as in memory; reserved bytes stay 0.
#pragma once

#include "Cp1252.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

template <class T> void Schreiben(std::span<uint8_t> ziel, std::size_t offset, T wert) {
  static_assert(std::endian::native == std::endian::little, "the records are stored little-endian");
  std::memcpy(ziel.data() + offset, &wert, sizeof wert);
}

template <class T> T Lesen(std::span<const uint8_t> quelle, std::size_t offset) {
  T wert;
  std::memcpy(&wert, quelle.data() + offset, sizeof wert);
  return wert;
}

// Length of a text field: a length byte and up to 255 characters in Windows-1252.
inline constexpr std::size_t Textfeldgroesse = 256;

class TSatzSchreiber {
public:
  explicit TSatzSchreiber(std::span<uint8_t> ziel, std::size_t basis = 0) : ziel_(ziel), basis_(basis) {}
  // The walker of a record nested at the offset.
  TSatzSchreiber Ab(std::size_t offset) const { return TSatzSchreiber(ziel_, basis_ + offset); }

  template <class T> void Zahl(std::size_t offset, const T& wert) { Schreiben(ziel_, basis_ + offset, wert); }
  void Bool(std::size_t offset, const bool& wert) { ziel_[basis_ + offset] = wert ? 1 : 0; }
  template <std::size_t N> void Bytes(std::size_t offset, const std::array<uint8_t, N>& wert) {
    std::copy(wert.begin(), wert.end(), ziel_.begin() + static_cast<std::ptrdiff_t>(basis_ + offset));
  }
  // Cut to 255 bytes; what Windows-1252 lacks becomes '?'.
  void Text(std::size_t offset, const std::string& wert) {
    std::string bytes = Utf8AlsCp1252(wert);
    if (bytes.size() > Textfeldgroesse - 1) bytes.resize(Textfeldgroesse - 1);
    ziel_[basis_ + offset] = static_cast<uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), ziel_.begin() + static_cast<std::ptrdiff_t>(basis_ + offset + 1));
  }

private:
  std::span<uint8_t> ziel_;
  std::size_t basis_;
};

class TSatzLeser {
public:
  explicit TSatzLeser(std::span<const uint8_t> quelle, std::size_t basis = 0) : quelle_(quelle), basis_(basis) {}
  TSatzLeser Ab(std::size_t offset) const { return TSatzLeser(quelle_, basis_ + offset); }

  template <class T> void Zahl(std::size_t offset, T& wert) { wert = Lesen<T>(quelle_, basis_ + offset); }
  // Any byte other than 0 reads as true.
  void Bool(std::size_t offset, bool& wert) { wert = quelle_[basis_ + offset] != 0; }
  template <std::size_t N> void Bytes(std::size_t offset, std::array<uint8_t, N>& wert) {
    std::copy_n(quelle_.begin() + static_cast<std::ptrdiff_t>(basis_ + offset), N, wert.begin());
  }
  void Text(std::size_t offset, std::string& wert) {
    const auto* anfang = reinterpret_cast<const char*>(quelle_.data() + basis_ + offset + 1);
    wert = Cp1252AlsUtf8(std::string_view(anfang, quelle_[basis_ + offset]));
  }

private:
  std::span<const uint8_t> quelle_;
  std::size_t basis_;
};
