#include "Ordnen.h"

#include "Sortierung.h"
#include "Zeilenhilfen.h"

#include "core/Zeilen.h"

#include <algorithm>
#include <vector>

namespace {

// The value in units of 1/10000, as a 64-bit key; a magnitude from 922337203685477,5808 on
// has no such key and is an invalid operation.
int64_t Zehntausendstel(const std::string& zeile) {
  return RundeGanz(static_cast<Extended>(ZahlStreng(zeile)) * 10000);
}

} // namespace

void Sortieren(TSpaltenModell& m, const TOperation& op, const TVektor&, const TVektor&) {
  const TStringListe& spalte1 = m.Spalte(1);
  const TStringListe& spalte2 = m.Spalte(2);
  std::vector<TGanzSatz> saetze(spalte1.size());
  for (std::size_t i = 0; i < saetze.size(); ++i) {
    saetze[i].Schluessel = Zehntausendstel(spalte1[i]);
    saetze[i].Wert = i < spalte2.size() ? Zehntausendstel(spalte2[i]) : 0;
  }
  Rangsortierung(op.Option, saetze);
  TStringListe& werte = m.Schreiben(3);
  TStringListe& partner = m.Schreiben(4);
  werte.reserve(saetze.size());
  partner.reserve(saetze.size());
  for (const TGanzSatz& s : saetze) {
    werte.push_back(ZahlAlsText(static_cast<Extended>(s.Schluessel) / 10000));
    partner.push_back(ZahlAlsText(static_cast<Extended>(s.Wert) / 10000));
  }
}

void Umkehren(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  const TStringListe& ein = m.Spalte(1);
  m.Schreiben(3).assign(ein.rbegin(), ein.rend());
}

void Reissverschluss(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  const TStringListe& a = m.Spalte(1);
  const TStringListe& b = m.Spalte(2);
  TStringListe& aus = m.Schreiben(3);
  const std::size_t gemeinsam = std::min(a.size(), b.size());
  aus.reserve(a.size() + b.size());
  for (std::size_t h = 0; h < gemeinsam; ++h) {
    aus.push_back(a[h]);
    aus.push_back(b[h]);
  }
  const TStringListe& laenger = a.size() > b.size() ? a : b;
  aus.insert(aus.end(), laenger.begin() + static_cast<std::ptrdiff_t>(gemeinsam), laenger.end());
}

void Aufspalten(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  const TStringListe& ein = m.Spalte(1);
  TStringListe& gerade = m.Schreiben(3);
  TStringListe& ungerade = m.Schreiben(4);
  for (std::size_t i = 0; i < ein.size(); ++i) (i % 2 == 0 ? gerade : ungerade).push_back(ein[i]);
}

void JedenXtenWert(TSpaltenModell& m, const TOperation& op, const TVektor&, const TVektor&) {
  const TStringListe& ein = m.Spalte(1);
  // A step beyond the column takes only the first line, as does any larger one.
  const double w = std::clamp(op.Wert, 1.0, static_cast<double>(ein.size()) + 1);
  const auto schritt = static_cast<std::size_t>(RundeGanz(w));
  TStringListe& aus = m.Schreiben(3);
  for (std::size_t i = 0; i < ein.size(); i += schritt) aus.push_back(ein[i]);
}

void DatenreiheTrennen(TSpaltenModell& m, const TOperation&, const TVektor&, const TVektor&) {
  TVektor erste, zweite, dritte;
  ZeilenZerlegen(m.Spalte(1), 2, erste, zweite, dritte);
  TStringListe& spalte1 = m.Schreiben(1);
  TStringListe& spalte2 = m.Schreiben(2);
  spalte1.clear();
  spalte2.clear();
  for (std::size_t i = 0; i < erste.size(); ++i) {
    spalte1.push_back(ZahlAlsText(erste[i]));
    spalte2.push_back(ZahlAlsText(zweite[i]));
  }
}
