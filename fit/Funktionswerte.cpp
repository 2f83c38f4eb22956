#include "Funktionswerte.h"

#include "Modelle.h"

#include "core/Fehler.h"
#include "core/Ganzzahl.h"
#include "core/Gleitkomma.h"
#include "core/Zahllesen.h"
#include "core/Zahltext.h"

#include <algorithm>
#include <cmath>

namespace {

int64_t Begrenzt(int64_t anzahl) {
  if (anzahl > MeisteWerte)
    throw TQuarnFehler("Zu viele Werte: höchstens " + std::to_string(MeisteWerte) + " können erzeugt werden");
  return anzahl;
}

// The count option: |count| (10 for no whole number), at least 2, computed in 64 bits so that
// the magnitude of -2147483648 does not wrap.
int64_t AnzahlWerte(const std::string& feld) {
  return Begrenzt(std::max<int64_t>(std::llabs(GanzzahlAusText(feld, 10)), 2));
}

// The step option: 11 values for a step of 0, else |(Bis - Von) / h| rounded (ties to even) + 1.
int64_t Schrittzahl(Extended h, Extended von, Extended bis) {
  if (h == 0) return 11;
  const Extended q = std::fabs(RundeNaechste(Teile(bis - von, h)));
  if (!(q < static_cast<Extended>(MeisteWerte))) Begrenzt(MeisteWerte + 1);
  return Begrenzt(static_cast<int64_t>(q) + 1);
}

} // namespace

TWertetabelle Wertetabelle(const TWerteauftrag& a, const TStringListe& spalte1) {
  TFitErgebnis f;
  f.Modell = a.Modell;
  f.Koeffizienten.Werte = a.Koeffizienten;
  const auto wert = [&](double x) { return ZahlAlsText(ModellWert(f, x)); };
  TWertetabelle t;
  auto& [x, y, x3, y4] = t.Spalten;
  const Extended von = a.Von, bis = a.Bis;
  switch (a.Art) {
  case TWerteart::Anzahl: {
    const int64_t n = AnzahlWerte(a.Feld);
    t.Ersetzt = {true, true, false, false};
    for (int64_t i = 0; i < n; ++i) {
      const double xi = AlsDouble((bis - von) * i / (n - 1) + von);
      x.push_back(ZahlAlsText(xi));
      y.push_back(wert(xi));
    }
    break;
  }
  case TWerteart::Schritt: {
    const Extended h = ZahlAusText(a.Feld, static_cast<double>((bis - von) / 10));
    const int64_t n = Schrittzahl(h, von, bis);
    t.Ersetzt = {true, true, false, false};
    for (int64_t i = 0; i < n; ++i) {
      const double xi = AlsDouble(i * h + von);
      x.push_back(ZahlAlsText(xi));
      y.push_back(wert(xi));
    }
    break;
  }
  case TWerteart::Spalte1: {
    const int64_t n = std::min<int64_t>(GanzzahlStreng(a.Feld), static_cast<int64_t>(spalte1.size()));
    t.Ersetzt = {false, true, true, true};
    for (int64_t i = 0; i < n; ++i) {
      const double xi = ZahlAusText(spalte1[static_cast<std::size_t>(i)], 0);
      y.push_back(wert(xi));
      if (a.Von <= xi && xi <= a.Bis) {
        x3.push_back(ZahlAlsText(xi));
        y4.push_back(wert(xi));
      }
    }
    break;
  }
  }
  return t;
}
