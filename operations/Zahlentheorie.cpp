#include "Zahlentheorie.h"


#include "core/Fehler.h"
#include "core/Gleitkomma.h"

#include <algorithm>
#include <cstring>
#include <limits>

int32_t Quersumme(int64_t n) {
  // The magnitude as unsigned, so that the smallest 64-bit integer needs no negation.
  uint64_t rest = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  int32_t summe = 0;
  for (; rest > 0; rest /= 10) summe += static_cast<int32_t>(rest % 10);
  return summe;
}

int64_t GanzzahlPotenz(int64_t basis, uint32_t exponent) {
  // Unsigned arithmetic wraps modulo 2^64 instead of overflowing.
  uint64_t p = 1;
  for (uint32_t i = 0; i < exponent; ++i) p *= static_cast<uint64_t>(basis);
  return static_cast<int64_t>(p);
}

namespace {

// How many digits there are up to the highest non-zero one; the zeros above are skipped
// eight at a time, since a record is mostly zeros.
std::size_t Belegt(const TZiffern& z) {
  std::size_t n = z.Stellen.size();
  for (uint64_t block = 0; n >= 8; n -= 8) {
    std::memcpy(&block, &z.Stellen[n - 8], sizeof block);
    if (block != 0) break;
  }
  while (n > 0 && z.Stellen[n - 1] == 0) --n;
  return n;
}

} // namespace

void TextZuZiffern(std::string_view text, uint8_t basis, TZiffern& ziffern) {
  ziffern = TZiffern{};
  ziffern.Basis = basis;
  const std::size_t anzahl = std::min(text.size(), ziffern.Stellen.size());
  for (std::size_t i = 0; i < anzahl; ++i) {
    const auto pos = Ziffernzeichen.find(text[text.size() - 1 - i]);
    ziffern.Stellen[i] = pos == std::string_view::npos ? KeineZiffer : static_cast<uint8_t>(pos);
  }
}

int64_t ZiffernZuZahl(const TZiffern& ziffern) {
  constexpr uint64_t Grenze = std::numeric_limits<int64_t>::max();
  uint64_t wert = 0;
  for (std::size_t i = Belegt(ziffern); i-- > 0;) {
    const uint8_t d = ziffern.Stellen[i];
    if (d == KeineZiffer || __builtin_mul_overflow(wert, ziffern.Basis, &wert) ||
        __builtin_add_overflow(wert, d, &wert) || wert > Grenze)
      throw TQuarnFehler(NurGanzeZahlen);
  }
  return static_cast<int64_t>(wert);
}

uint8_t HoechsteStelle(uint8_t basis, int64_t wert) {
  if (wert <= 0) return 0;
  if (basis < 2) Gleitkommafehler(TGleitkommaArt::DivisionDurchNull);
  // Exactly, without the logarithm's rounding (log 243 / log 3 lies just below 5).
  uint8_t k = 0;
  for (int64_t p = basis; p <= wert; p *= basis) {
    ++k;
    if (p > wert / basis) break;
  }
  return k;
}

void Umrechnen(const TZiffern& ziffern, uint8_t neueBasis, TZiffern& ergebnis) {
  int64_t wert = ZiffernZuZahl(ziffern);
  ergebnis = TZiffern{};
  ergebnis.Basis = neueBasis;
  for (int k = HoechsteStelle(neueBasis, wert); k >= 0; --k) {
    const int64_t stelle = GanzzahlPotenz(neueBasis, static_cast<uint32_t>(k));
    ergebnis.Stellen[k] = static_cast<uint8_t>(wert / stelle);
    wert -= ergebnis.Stellen[k] * stelle;
  }
}

void ZiffernZuText(const TZiffern& ziffern, std::string& text) {
  const std::size_t laenge = std::max<std::size_t>(Belegt(ziffern), 1);
  text.clear();
  for (std::size_t i = laenge; i-- > 0;) {
    const uint8_t d = ziffern.Stellen[i];
    text += d < Ziffernzeichen.size() ? Ziffernzeichen[d] : '?';
  }
}

namespace {

void Umschreiben(const TStringListe& ein, TStringListe& aus, uint8_t basis) {
  TZiffern dezimal, neu;
  std::string text;
  for (const std::string& zeile : ein) {
    if (zeile.size() > dezimal.Stellen.size()) throw TQuarnFehler(NurGanzeZahlen);
    TextZuZiffern(zeile, 10, dezimal);
    Umrechnen(dezimal, basis, neu);
    ZiffernZuText(neu, text);
    aus.push_back(text);
  }
}

} // namespace

void Zahlensystem(TSpaltenModell& m, const TOperation& op, const TVektor&, const TVektor&) {
  // The base as typed, not wrapped to a byte: 272 is refused rather than read as 16. A base
  // below 2 is passed on as 0, whose conversion fails with the division fault at the first
  // line above 0.
  const Extended gewuenscht = RundeNaechste(op.Wert);
  if (gewuenscht > static_cast<Extended>(Ziffernzeichen.size())) throw TQuarnFehler(BasisAusserhalb);
  const auto basis = static_cast<uint8_t>(gewuenscht >= 2 ? gewuenscht : 0); // NaN too
  Umschreiben(m.Spalte(1), m.Schreiben(3), basis);
  Umschreiben(m.Spalte(2), m.Schreiben(4), basis);
}
