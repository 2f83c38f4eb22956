#include "Dispatcher.h"

#include "Analysis.h"
#include "Arrayoperationen.h"
#include "Katalog.h"
#include "Zeilenhilfen.h"

#include "core/Zeilen.h"

#include <algorithm>

namespace {

// Reads a column; its empty lines become "0", which changes the column when there are any.
TVektor Lesen(TSpaltenModell& m, int nummer) {
  TStringListe& spalte = m.Spalte(nummer);
  const bool leereZeilen =
      std::any_of(spalte.begin(), spalte.end(), [](const std::string& z) { return z.empty(); });
  if (leereZeilen) m.Geaendert[nummer - 1] = true;
  return Spaltenwerte(spalte);
}

bool DatenFehlen(TSpaltenModell& m, const TOperationsEintrag& eintrag) {
  if (eintrag.ZweiSpalten && (m.Spalte(1).empty() || m.Spalte(2).empty())) {
    m.Meldungen.push_back(KeineDatenBeideSpalten);
    return true;
  }
  if (m.Spalte(1).empty()) {
    m.Meldungen.push_back(KeineDatenErsteSpalte);
    return true;
  }
  return false;
}

void WertAngleichen(TOperation& op) {
  if ((op.Art == Operationsart::Integration || op.Art == Operationsart::Differentation) && op.Wert == 0) op.Wert = 1;
  if (op.Art == Operationsart::ExtremaFinden) op.Wert = Vorzeichen(op.Wert);
}

// Operations without line code of their own run on the arrays, results with at most four
// decimals. Column 4 only when column 2 holds data, and never more lines than column 3.
void UeberArrays(TSpaltenModell& m, const TOperation& op, TVektor x, TVektor y) {
  const TPaarAnzahl n = PaarOperation(x, y, op);
  VierStellenAnhaengen(m.Schreiben(3), x, static_cast<std::size_t>(n.X));
  if (!m.Spalte(2).empty())
    VierStellenAnhaengen(m.Schreiben(4), y, static_cast<std::size_t>(std::min(n.X, n.Y)));
}

} // namespace

void OperationAusfuehren(TSpaltenModell& m, TOperation op) {
  const TVektor x = Lesen(m, 1);
  const TVektor y = Lesen(m, 2);
  const TOperationsEintrag& eintrag = Operationseintrag(op.Art);
  if (DatenFehlen(m, eintrag)) return;
  m.Schreiben(3).clear();
  m.Schreiben(4).clear();
  WertAngleichen(op);
  if (eintrag.Zeilen)
    eintrag.Zeilen(m, op, x, y);
  else
    UeberArrays(m, op, x, y);
}
