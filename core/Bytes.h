// Little-endian fields of the fixed-layout records stored in files.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

template <class T> void Schreiben(std::span<uint8_t> ziel, std::size_t offset, T wert) {
  static_assert(std::endian::native == std::endian::little, "the records are stored little-endian");
  std::memcpy(ziel.data() + offset, &wert, sizeof wert);
}

template <class T> T Lesen(std::span<const uint8_t> quelle, std::size_t offset) {
  T wert;
  std::memcpy(&wert, quelle.data() + offset, sizeof wert);
  return wert;
}
