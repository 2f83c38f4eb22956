#include "Arithmetik.h"

#include "Arrayoperationen.h"
#include "Zeilenhilfen.h"

#include "core/Statistik.h"

#include <algorithm>

void Addieren(TSpaltenModell& m, const TOperation& op, const TVektor& x, const TVektor& y) {
  if (!op.Option) {
    JedeZeile(m.Spalte(1), m.Schreiben(3), [&](Extended v) { return v + op.Wert; });
    return;
  }
  // Sum and difference stay in extended precision up to the text, like every result of the
  // line operations.
  TStringListe& spalte3 = m.Schreiben(3);
  TStringListe& spalte4 = m.Schreiben(4);
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i) {
    spalte3.push_back(ZahlAlsText(Pruefe(static_cast<Extended>(x[i]) + y[i])));
    spalte4.push_back(ZahlAlsText(Pruefe(static_cast<Extended>(x[i]) - y[i])));
  }
}

void Kehrwert(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  JedeZeile(m.Spalte(1), m.Schreiben(3), [](Extended v) { return v == 0 ? 0 : Teile(1, v); });
}

void Summieren(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  Extended summe = 0;
  for (const std::string& zeile : m.Spalte(1)) summe = Pruefe(summe + ZahlStreng(zeile));
  m.Schreiben(3).push_back(ZahlAlsText(summe));
}

void Logarithmus(TSpaltenModell& m, const TOperation& op, const TVektor&, const TVektor&) {
  const Extended teiler = op.Wert > 1 ? Ln(op.Wert) : 1;
  const auto log = [&](Extended v) { return Teile(Ln(v <= 0 ? 1e-8L : v), teiler); };
  JedeZeile(m.Spalte(1), m.Schreiben(3), log);
  JedeZeile(m.Spalte(2), m.Schreiben(4), log);
}

void Verstaerkung(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  PaarweiseZeilen(m.Spalte(1), m.Spalte(2), m.Schreiben(3), [](Extended a, Extended b) { return Teile(a, b); });
}

void EFunktion(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  JedeZeile(m.Spalte(1), m.Schreiben(3), [](Extended v) { return EHoch(v); });
}

void Runden(TSpaltenModell& m, const TOperation& op, const TVektor&, const TVektor&) {
  const uint8_t stellen = NiedrigesByte(op.Wert);
  JedeZeile(m.Spalte(1), m.Schreiben(3),
            [&](Extended v) { return static_cast<Extended>(RundeAuf(AlsDouble(v), stellen)); });
}

void Maximum(TSpaltenModell& m, const TOperation& op, const TVektor&, const TVektor&) {
  const TStringListe& ein = m.Spalte(1);
  Extended extrem = ZahlStreng(ein.front());
  for (const std::string& zeile : ein) {
    const Extended v = ZahlStreng(zeile);
    if (op.Option ? v < extrem : v > extrem) extrem = v;
  }
  m.Schreiben(3).push_back(ZahlAlsText(extrem));
}

void Gewichtung(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  PaarweiseZeilen(m.Spalte(1), m.Spalte(2), m.Schreiben(3), [](Extended a, Extended b) { return a * b; });
}
