// Small helpers shared by the operations that read and write column lines.
#pragma once

#include "core/Gleitkomma.h"
#include "core/Typen.h"
#include "core/Zahllesen.h"
#include "core/Zahltext.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The lowest 8 bits of w rounded to a whole number (ties to even). Beyond the 64-bit integer
// range every double is a multiple of 2^11, so its low byte is 0.
uint8_t NiedrigesByte(double w);

// Line i of a column, or "" when the column is shorter: the text that a missing partner reads as.
inline const std::string& ZeileOderLeer(const TStringListe& spalte, std::size_t i) {
  static const std::string leer;
  return i < spalte.size() ? spalte[i] : leer;
}

// Applies f to every line of ein, read strictly, and appends the results to aus in the
// general number format. An unreadable line ends the loop with its error; the lines written
// before stay.
template <class F> void JedeZeile(const TStringListe& ein, TStringListe& aus, F f) {
  for (const std::string& zeile : ein) aus.push_back(ZahlAlsText(Pruefe(f(ZahlStreng(zeile)))));
}

// The same for the lines of two columns at the same index; a missing partner line reads as "".
template <class F>
void PaarweiseZeilen(const TStringListe& a, const TStringListe& b, TStringListe& aus, F f) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    // Column 1 first, so that its bad line is the one reported.
    const Extended va = ZahlStreng(a[i]);
    aus.push_back(ZahlAlsText(Pruefe(f(va, ZahlStreng(ZeileOderLeer(b, i))))));
  }
}

// Appends v[0..anzahl-1] with at most four decimals.
void VierStellenAnhaengen(TStringListe& aus, const TVektor& v, std::size_t anzahl);
