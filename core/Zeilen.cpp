#include "Zeilen.h"

#include "Zahllesen.h"

#include <algorithm>
#include <cstring>

void ZeichenErsetzen(std::string& text, char alt, char neu) {
  // Replacing a character by itself would find it again forever; there is nothing to do.
  if (alt == neu) return;
  std::replace(text.begin(), text.end(), alt, neu);
}

namespace {
bool IstZahlzeichen(char c) {
  return c != '\0' && std::strchr("0123456789+-eE,.", c) != nullptr;
}
} // namespace

TDreiZahlen ZahlenAusZeile(std::string_view zeile, int anzahl) {
  std::string_view texte[3];
  const int gesucht = std::clamp(anzahl, 0, 3);
  int gefunden = 0;
  std::size_t anfang = 0;
  bool drin = false;
  for (std::size_t i = 0; i <= zeile.size() && gefunden < gesucht; ++i) {
    const bool zahlzeichen = i < zeile.size() && IstZahlzeichen(zeile[i]);
    if (!drin && zahlzeichen) {
      anfang = i;
      drin = true;
    } else if (drin && !zahlzeichen) {
      texte[gefunden++] = zeile.substr(anfang, i - anfang);
      drin = false;
    }
  }
  TDreiZahlen zahlen{};
  for (int k = 0; k < 3; ++k) zahlen[k] = ZahlAusText(texte[k], 0);
  return zahlen;
}

void ZeilenZerlegen(const TStringListe& zeilen, int anzahl, TVektor& erste, TVektor& zweite,
                    TVektor& dritte) {
  for (TVektor* v : {&erste, &zweite, &dritte})
    if (v->size() < zeilen.size()) v->resize(zeilen.size());
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const TDreiZahlen z = ZahlenAusZeile(zeilen[i], anzahl);
    erste[i] = z[0];
    zweite[i] = z[1];
    dritte[i] = z[2];
  }
}

TVektor Spaltenwerte(TStringListe& zeilen) {
  TVektor werte(zeilen.size());
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (zeilen[i].empty()) zeilen[i] = "0";
    werte[i] = ZahlAusText(zeilen[i], 0);
  }
  return werte;
}
