#include "Zeittext.h"

#include "Statistik.h"
#include "Zahltext.h"

namespace {
const char* const Einheiten[] = {"ms", "s", "m"};
} // namespace

std::string ZeitAlsText(uint32_t t) {
  if (t < 1000) return std::to_string(t) + Einheiten[0];
  if (t < 10000) return ZahlAlsText(RundeAuf(t / 1000.0, 1)) + Einheiten[1];
  if (t < 60000) return ZahlAlsText(RundeAuf(t / 1000.0, 0)) + Einheiten[1];
  if (t < 600000) return ZahlAlsText(RundeAuf(t / 60000.0, 1)) + Einheiten[2];
  return ZahlAlsText(RundeAuf(t / 60000.0, 0)) + Einheiten[2];
}
