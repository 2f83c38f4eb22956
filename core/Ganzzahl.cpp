#include "Ganzzahl.h"

#include "Fehler.h"

#include <string>

namespace {

int Ziffernwert(char c, int basis) {
  if (c >= '0' && c <= '9') return c - '0';
  if (basis == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (basis == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

} // namespace

bool GanzzahlLesen(std::string_view text, int32_t& wert, bool mitHex) {
  bool negativ = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negativ = text[0] == '-';
    text.remove_prefix(1);
  }
  int basis = 10;
  if (mitHex && (text.starts_with("0x") || text.starts_with("0X"))) {
    basis = 16;
    text.remove_prefix(2);
  } else if (mitHex && text.starts_with('$')) {
    basis = 16;
    text.remove_prefix(1);
  }
  // Decimal: up to 2^31 for a negative value; hexadecimal: any 32-bit pattern.
  const int64_t grenze = basis == 16 ? 0xFFFFFFFFLL : 0x7FFFFFFFLL + (negativ ? 1 : 0);
  int64_t betrag = 0;
  if (text.empty()) return false;
  for (const char c : text) {
    const int z = Ziffernwert(c, basis);
    if (z < 0) return false;
    betrag = betrag * basis + z;
    if (betrag > grenze) return false;
  }
  wert = static_cast<int32_t>(static_cast<uint32_t>(negativ ? -betrag : betrag));
  return true;
}

int32_t GanzzahlAusText(std::string_view text, int32_t vorgabe) {
  int32_t wert = vorgabe;
  GanzzahlLesen(text, wert);
  return wert;
}

int32_t GanzzahlStreng(std::string_view text) {
  int32_t wert = 0;
  if (!GanzzahlLesen(text, wert)) throw TGanzzahlFehler(std::string(text));
  return wert;
}
