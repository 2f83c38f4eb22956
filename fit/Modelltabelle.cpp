#include "Modelltabelle.h"

#include "Fittypen.h"

#include "modelle/Modelle1bis8.h"
#include "modelle/Modelle9bis17.h"

#include <array>
#include <vector>

namespace {

struct TKeinModell {
  static constexpr std::string_view Name = "", Formel = "";
  static constexpr uint8_t Anzahl = 0;
  template <class R> static Zahl<R> Wert(R&, const TSatz<Zahl<R>>&, Zahl<R>) { return 0; }
  template <class R> static Zahl<R> Steigung(R&, const TSatz<Zahl<R>>&, Zahl<R>) { return 0; }
  template <class R, class D> static void Partielle(R&, const TSatz<Zahl<R>>&, Zahl<R>, D&) {}
  static void Stuecke(TFormel&, const TKoeffizienten&) {}
  static void Start(const TStartdaten&, TStartwerte) {}
};

template <class M> constexpr bool FehlerGibtNull() {
  if constexpr (requires { M::FehlerGibtNull; }) return M::FehlerGibtNull;
  return false;
}

template <class M> Extended Wert(const TKoeffizienten& k, double x) {
  TGenau r;
  return M::Wert(r, TSatz<Extended>(k), x);
}

template <class M> Extended Steigung(const TKoeffizienten& k, double x) {
  TGenau r;
  return M::Steigung(r, TSatz<Extended>(k), x);
}

// The entry sink of the exact partials: fixed coefficients give 0 uncomputed.
template <bool NullBeiFehler> struct TGenaueEintraege {
  const TIndexmenge& fix;
  std::span<double> d;
  template <class F> void operator()(int i, F rechnen) {
    const auto stelle = static_cast<std::size_t>(i);
    if (stelle >= d.size()) return;
    if (fix.Enthaelt(static_cast<uint8_t>(i))) {
      d[stelle] = 0;
      return;
    }
    if constexpr (NullBeiFehler) {
      try {
        d[stelle] = AlsDouble(Pruefe(rechnen()));
      } catch (const TQuarnFehler&) {
        d[stelle] = 0;
      }
    } else {
      d[stelle] = AlsDouble(Pruefe(rechnen()));
    }
  }
};

template <class M> void Partielle(const TKoeffizienten& k, double x, std::span<double> d) {
  TGenau r;
  TGenaueEintraege<FehlerGibtNull<M>()> eintraege{k.Fix, d};
  M::Partielle(r, TSatz<Extended>(k), static_cast<Extended>(x), eintraege);
}

// The entry sink of the fast partials: one column per coefficient. A fault in an entry gives
// it 0 where the model says so; elsewhere it is raised by the exact partials.
template <bool NullBeiFehler> struct TSchnelleEintraege {
  const std::array<bool, MaxKoeffizienten>& fest;
  double* d;
  std::size_t abstand;
  TSchnell& r;
  template <class F> void operator()(int i, F rechnen) {
    const auto stelle = static_cast<std::size_t>(i);
    r.Fehler = false;
    double v = fest[stelle] ? 0 : static_cast<double>(rechnen());
    if (!r.Fehler)
      r.Pruefen(v);
    else if (NullBeiFehler)
      v = 0;
    else
      r.Verdacht = true;
    d[stelle * abstand] = v;
  }
};

// The value as ModellWert gives it: a fault is 0.
template <class M> double GenauerWert(const TKoeffizienten& k, double x) {
  try {
    return AlsDouble(Pruefe(Wert<M>(k, x)));
  } catch (const TQuarnFehler&) {
    return 0;
  }
}

template <class M>
void Punkte(const TKoeffizienten& k, std::span<const double> x, double* f, double* d, std::size_t abstand) {
  const TSatz<double> satz(k);
  std::array<bool, MaxKoeffizienten> fest{};
  for (std::size_t j = 0; j < fest.size(); ++j) fest[j] = k.Fix.Enthaelt(static_cast<uint8_t>(j));
  for (std::size_t i = 0; i < x.size(); ++i) {
    TSchnell r;
    double wert = M::Wert(r, satz, x[i]);
    if (r.Fehler)
      wert = 0; // a fault in the value gives 0
    else
      r.Pruefen(wert);
    if (d) {
      TSchnelleEintraege<FehlerGibtNull<M>()> eintraege{fest, d + i, abstand, r};
      M::Partielle(r, satz, x[i], eintraege);
    }
    if (!r.Verdacht) {
      f[i] = wert;
      continue;
    }
    f[i] = GenauerWert<M>(k, x[i]);
    if (!d) continue;
    std::array<double, MaxKoeffizienten> genau{};
    Partielle<M>(k, x[i], std::span(genau).first(M::Anzahl));
    for (std::size_t j = 0; j < M::Anzahl; ++j) d[j * abstand + i] = genau[j];
  }
}

template <class M> std::pair<double, double> Nullstellen(const TKoeffizienten& k) {
  if constexpr (requires { M::Nullstellen(k); }) return M::Nullstellen(k);
  return {0, 0};
}

template <class M> void Start(const TStartdaten& daten, TKoeffizienten& k) { M::Start(daten, TStartwerte(k)); }

template <class M> constexpr TModellzeile Zeile() {
  return {M::Name,        M::Anzahl,    M::Formel,   &Wert<M>,          &Steigung<M>, &Partielle<M>,
          &Punkte<M>,     &M::Stuecke,  &Start<M>,   &Nullstellen<M>};
}

constexpr TModellzeile Modelltabelle[] = {
    Zeile<TKeinModell>(),         Zeile<TLineareRegression>(),      Zeile<TExponentiell>(),
    Zeile<TGauss>(),              Zeile<THyperbel>(),               Zeile<TPolynom>(),
    Zeile<TSinus>(),              Zeile<TLogarithmus>(),            Zeile<TPotenzfunktion>(),
    Zeile<TEingehuellteSchwingung>(), Zeile<TZerfallsueberlagerung>(), Zeile<TWurzel>(),
    Zeile<TPoisson>(),            Zeile<TDoppelgauss>(),            Zeile<TBrechzahl>(),
    Zeile<TIntensitaet>(),        Zeile<TBasispotenz>(),            Zeile<TBeemBellKaiser>(),
};
static_assert(std::size(Modelltabelle) == Modellanzahl + 1, "one row per model and the empty row 0");

} // namespace

const TModellzeile& Modellzeile(uint8_t modell) { return Modelltabelle[modell <= Modellanzahl ? modell : uint8_t{Modellnr::Keins}]; }
