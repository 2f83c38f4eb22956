#include "Fit.h"

#include "Auswerter.h"
#include "Modelle.h"
#include "Startwerte.h"

#include "core/Gleitkomma.h"
#include "core/LGS.h"
#include "core/Statistik.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

std::size_t Paare(TPunkte x, TPunkte y) { return std::min(x.size(), y.size()); }

const TFitParameter Standardparameter{10, 1000, 1e-9};

bool Konvergiert(long double neu, long double alt) {
  return neu + alt == 0 || std::fabs((neu - alt) / (neu + alt)) < 1e-9L;
}

TFitErgebnis Gerade(TPunkte x, TPunkte y, const TFitVorgabe& vorgabe, Extended mx, Extended my) {
  const std::size_t n = Paare(x, y);
  if (n == 0) Gleitkommafehler(TGleitkommaArt::Ungueltig); // the means of no pairs: 0/0
  Extended sxy = 0, sxx = 0;
  for (std::size_t i = 0; i < n; ++i) {
    sxy += (x[i] - mx) * (y[i] - my);
    sxx += (x[i] - mx) * (x[i] - mx);
  }
  sxy /= n;
  sxx /= n;
  if (sxx == 0) Gleitkommafehler(TGleitkommaArt::DivisionDurchNull);
  TFitErgebnis r;
  r.Modell = Modellnr::Gerade;
  const Extended a = sxy / sxx;
  r.Koeffizienten.Werte[0] = AlsDouble(a);
  r.Koeffizienten.Werte[1] = AlsDouble(my - a * mx);
  if (vorgabe.DY != 0) {
    const Extended t = MittlererFehler(y, vorgabe.Fehlerart, vorgabe.DY);
    const Extended q = Teile(t * t, Betragspotenzsumme(x, 2) / static_cast<Extended>(n) - mx * mx);
    const Extended fa = q > 0 ? std::sqrt(q) : 0;
    r.Koeffizienten.Fehler[0] = AlsDouble(fa);
    r.Koeffizienten.Fehler[1] = AlsDouble(Wurzel(t * t / n + mx * mx * fa * fa));
  }
  return r;
}

// The outlier pass on copies of the points: the caller's points stay whole.
TFitErgebnis AusreisserpassKopie(TPunkte x, TPunkte y, const TFitErgebnis& ergebnis, double prozent,
                                 const TNeuerFit& neu) {
  TVektor xs(x.begin(), x.end()), ys(y.begin(), y.end());
  return Ausreisserpass(xs, ys, ergebnis, prozent, neu);
}

TFitVorgabe OhneAusreisser(TFitVorgabe vorgabe) {
  vorgabe.Ausreisser = false;
  return vorgabe;
}

} // namespace

std::string_view Fehlerarten(uint8_t art) {
  static constexpr std::string_view Namen[] = {"Absolut", "Relativ in %", "Wurzel", "XY-Individuell"};
  static_assert(std::size(Namen) == Fehlermodusanzahl);
  return art < std::size(Namen) ? Namen[art] : std::string_view();
}

double Punktfehler(uint8_t art, double d, double y) {
  switch (art) {
  case Fehlermodus::Relativ: return AlsDouble(static_cast<Extended>(y) * d / 100);
  case Fehlermodus::Wurzel: return AlsDouble(std::fabs(std::sqrt(std::fabs(static_cast<Extended>(y))) * d));
  case Fehlermodus::Individuell: return AlsDouble(static_cast<Extended>(y) * d);
  default: return d;
  }
}

double MittlererFehler(TPunkte y, uint8_t art, double d) {
  if (y.empty()) return 0;
  if (art != Fehlermodus::Relativ && art != Fehlermodus::Wurzel) return d;
  Extended summe = 0;
  for (const double v : y) summe += Punktfehler(art, d, v);
  return AlsDouble(summe / y.size());
}

long double Quadratsumme(TPunkte x, TPunkte y, const TFitErgebnis& ergebnis) {
  Extended summe = 0;
  for (std::size_t i = 0; i < Paare(x, y); ++i) {
    const Extended r = y[i] - static_cast<Extended>(ModellWert(ergebnis, x[i]));
    summe += r * r;
  }
  return summe;
}

long double ChiQuadrat(TPunkte x, TPunkte y, double, double dY, const TFitErgebnis& ergebnis, uint8_t art) {
  Extended summe = 0;
  for (std::size_t i = 0; i < Paare(x, y); ++i) {
    const double sigma = Punktfehler(art, dY, y[i]);
    if (sigma == 0) continue;
    const Extended r = (y[i] - static_cast<Extended>(ModellWert(ergebnis, x[i]))) / sigma;
    summe += r * r;
  }
  return summe;
}

int32_t Ausreisserentfernen(TVektor& x, TVektor& y, const TFitErgebnis& ergebnis, double prozent) {
  const std::size_t n = std::min(x.size(), y.size());
  if (n < 2) return static_cast<int32_t>(n);
  const Extended m = Quadratsumme(x, y, ergebnis) / n;
  // A model through every point has no outliers (the ratio below would be 0/0).
  if (m == 0) return static_cast<int32_t>(n);
  // Only kept points are written: with none kept the points stay as they were.
  std::size_t behalten = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Extended r = y[i] - static_cast<Extended>(ModellWert(ergebnis, x[i]));
    if (r * r / m * 100 > prozent) continue;
    x[behalten] = x[i];
    y[behalten] = y[i];
    ++behalten;
  }
  return static_cast<int32_t>(behalten);
}

TFitErgebnis Ausreisserpass(TVektor& x, TVektor& y, const TFitErgebnis& ergebnis, double prozent,
                            const TNeuerFit& neu) {
  const int32_t k = Ausreisserentfernen(x, y, ergebnis, prozent);
  if (k < 1) return ergebnis;
  x.resize(static_cast<std::size_t>(k));
  y.resize(static_cast<std::size_t>(k));
  return neu(x, y);
}

TLinearesSystem Normalmatrix(const TFitErgebnis& w, TPunkte x, uint8_t p) {
  TAuswerter auswerter(x, x, w.Modell);
  // Entries from p on are not part of the asked matrix: they are not computed.
  TKoeffizienten k = w.Koeffizienten;
  for (uint8_t i = p; i < MaxKoeffizienten; ++i) k.Fix.Setze(i, true);
  const TLinearesSystem& voll = auswerter.Gleichungen(k, false).Matrix;
  TLinearesSystem a(p, TVektor(p));
  for (std::size_t i = 0; i < std::min<std::size_t>(p, voll.size()); ++i)
    for (std::size_t j = 0; j < std::min<std::size_t>(p, voll.size()); ++j) a[i][j] = voll[i][j];
  return a;
}

namespace {

// The step from the normal equations of w, with the diagonal damped by (1 + lambda); the
// damped matrix is formed in a buffer that keeps its memory from step to step.
TKoeffizienten Gedaempft(const TNormalgleichungen& g, const TFitErgebnis& w, double lambda, TLinearesSystem& puffer) {
  puffer = g.Matrix;
  for (std::size_t i = 0; i < puffer.size(); ++i)
    puffer[i][i] = AlsDouble(static_cast<Extended>(puffer[i][i]) * (1 + static_cast<Extended>(lambda)));
  TKoeffizienten d = LoeseLGS(puffer, g.Rechts, static_cast<uint8_t>(puffer.size()));
  d.Fix = w.Koeffizienten.Fix;
  return d;
}

} // namespace

TKoeffizienten Schrittrichtung(TPunkte x, TPunkte y, const TFitErgebnis& w, double lambda) {
  TAuswerter auswerter(x, y, w.Modell);
  TLinearesSystem puffer;
  return Gedaempft(auswerter.Gleichungen(w.Koeffizienten), w, lambda, puffer);
}

TKoeffizienten Schritt(const TKoeffizienten& alt, const TKoeffizienten& richtung, double faktor) {
  TKoeffizienten neu = alt;
  for (std::size_t b = 0; b < neu.Fix.Bytes.size(); ++b) neu.Fix.Bytes[b] |= richtung.Fix.Bytes[b];
  for (int i = 0; i < MaxKoeffizienten; ++i)
    if (!neu.Fix.Enthaelt(static_cast<uint8_t>(i)))
      neu.Werte[i] = AlsDouble(alt.Werte[i] + static_cast<Extended>(faktor) * richtung.Werte[i]);
  return neu;
}

namespace {

// How the damped loop runs and when it stops. Fit stops on a relative change of the sum below
// 1e-9; polishing goes on while the sum still decreases at all.
struct TSchleife {
  Extended Faktor;
  double Grenze;
  uint32_t MaxSchritte;
  bool Polieren = false;
};

// Lambda beyond which a polishing step no longer moves a coefficient, and the accepted steps
// a polish may take: a well-posed fit needs a handful, one creeping along a flat valley
// would otherwise take the sum's last digit a step at a time. A polish ends when a step no
// longer lowers the sum by more than the 64-bit rounding of the values can tell.
constexpr Extended PolierGrenze = 1e16L;
constexpr uint32_t PolierSchritte = 200;

// The damped Gauss-Newton loop from the coefficients of w; w receives the last accepted
// coefficients, r the bookkeeping sum.
void Daempfen(TAuswerter& auswerter, TFitErgebnis& w, TFitErgebnis& r, const TSchleife& s) {
  TLinearesSystem puffer;
  Extended lambda = 1;
  uint32_t k = 0;
  // The sum and the normal equations of w change only when a step is accepted: a failed
  // step reuses them with the next lambda.
  Extended alt = auswerter.Quadratsumme(w.Koeffizienten);
  const TNormalgleichungen* gleichungen = nullptr;
  for (;;) {
    if (!gleichungen) gleichungen = &auswerter.Gleichungen(w.Koeffizienten);
    const TKoeffizienten neu = Schritt(w.Koeffizienten, Gedaempft(*gleichungen, w, AlsDouble(lambda), puffer), 1);
    r.Koeffizienten = neu;
    const Extended summe = auswerter.Quadratsumme(neu);
    // A sum that is not a number can neither be compared nor improved: keep the last
    // accepted coefficients.
    if (std::isnan(summe) || std::isnan(alt)) break;
    if (summe > alt) {
      lambda = AlsDouble(lambda * s.Faktor);
      if (s.Polieren && lambda > PolierGrenze) break;
    } else {
      w.Koeffizienten = neu;
      if (s.Polieren ? alt - summe <= 1e-15L * alt : Konvergiert(summe, alt)) break;
      lambda /= s.Faktor;
      r.Restsumme = alt;
      ++k;
      alt = summe;
      gleichungen = nullptr;
    }
    // Polishing ignores the damping bound: small lambdas are where its last digits come from.
    if ((!s.Polieren && lambda * 1e9L < s.Grenze) || k >= s.MaxSchritte) break;
  }
}

} // namespace

TFitErgebnis Iteration(TPunkte x, TPunkte y, const TFitVorgabe& vorgabe, const TFitParameter& parameter) {
  TFitErgebnis w;
  w.Modell = vorgabe.Modell;
  // Typed start values replace the estimate, so an estimate that would fault is not made.
  if (vorgabe.MitStartwerten) {
    w.Koeffizienten.Werte = vorgabe.Startwerte;
    w.Koeffizienten.Fix = vorgabe.Fix;
  } else {
    w.Koeffizienten = StartwerteSchaetzen(x, y, vorgabe.Modell, vorgabe.Fix);
  }
  TFitErgebnis r = w;
  const auto maxSchritte = static_cast<uint32_t>(parameter.MaxSchritte);
  if (Parameteranzahl(w.Modell) == 0 || maxSchritte == 0) return r; // the start values are the fit
  // A factor below 2 or a bound that is not a positive normal number (from a damaged settings
  // record) would let lambda shrink to 0 or stay put, and a failing step repeat for ever.
  const Extended faktor = parameter.Faktor >= 2 ? parameter.Faktor : Standardparameter.Faktor;
  const double grenze = std::isnormal(parameter.Grenze) && parameter.Grenze > 0 ? parameter.Grenze
                                                                                : Standardparameter.Grenze;
  TAuswerter auswerter(x, y, w.Modell);
  Daempfen(auswerter, w, r, {faktor, grenze, maxSchritte});
  r.Koeffizienten = w.Koeffizienten;
  if (vorgabe.Ausreisser)
    return AusreisserpassKopie(x, y, r, vorgabe.Prozent, [&](TPunkte xs, TPunkte ys) {
      return Iteration(xs, ys, OhneAusreisser(vorgabe), Standardparameter);
    });
  return r;
}

TFitErgebnis Nachpolieren(TPunkte x, TPunkte y, const TFitErgebnis& ergebnis) {
  TFitErgebnis w = ergebnis, r = ergebnis;
  if (Parameteranzahl(w.Modell) == 0) return r;
  TAuswerter auswerter(x, y, w.Modell);
  Daempfen(auswerter, w, r, {static_cast<Extended>(Standardparameter.Faktor), Standardparameter.Grenze, PolierSchritte, true});
  r.Koeffizienten = w.Koeffizienten;
  return r;
}

TFitErgebnis Fit(TPunkte x, TPunkte y, const TFitVorgabe& vorgabe, const TFitParameter& parameter) {
  if (x.empty()) return TFitErgebnis{};
  // Both means over all values, for every model: a sum that overflows ends the fit.
  const Extended mx = Mittelwert(x), my = Mittelwert(y);
  const TFitVorgabe arbeit = OhneAusreisser(vorgabe);
  const bool gerade = vorgabe.Fix == TIndexmenge{} && vorgabe.Modell == Modellnr::Gerade;
  TFitErgebnis r = gerade ? Gerade(x, y, arbeit, mx, my) : Iteration(x, y, arbeit, parameter);
  r.Koeffizienten.Fix = vorgabe.Fix;
  if (vorgabe.Ausreisser)
    r = AusreisserpassKopie(x, y, r, vorgabe.Prozent, [&](TPunkte xs, TPunkte ys) {
      return Fit(xs, ys, arbeit, Standardparameter);
    });
  // A coefficient the iteration never touched keeps its estimate; a result is finite or a fault.
  for (const double w : r.Koeffizienten.Werte) Pruefe(w);
  return r;
}
