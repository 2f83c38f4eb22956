#include "Fehler.h"

namespace {

const char* Meldung(TGleitkommaArt art) {
  switch (art) {
  case TGleitkommaArt::DivisionDurchNull:
    return "Gleitkommadivision durch Null";
  case TGleitkommaArt::Ungueltig:
    return "Ungültige Gleitkommaoperation";
  case TGleitkommaArt::Ueberlauf:
    return "Gleitkommaüberlauf";
  }
  return "Ungültige Gleitkommaoperation";
}

} // namespace

TGleitkommaFehler::TGleitkommaFehler(TGleitkommaArt art) : TQuarnFehler(Meldung(art)), art_(art) {}

TKonvertierungsFehler::TKonvertierungsFehler(const std::string& text)
    : TQuarnFehler("'" + text + "' ist kein gültiger Gleitkommawert") {}

TGanzzahlFehler::TGanzzahlFehler(const std::string& text)
    : TQuarnFehler("'" + text + "' ist kein gültiger Integerwert") {}

TIniFehler::TIniFehler(const std::string& pfad)
    : TQuarnFehler("In " + pfad + " kann nicht geschrieben werden") {}
