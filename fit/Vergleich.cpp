#include "Vergleich.h"

#include "Auswerter.h"
#include "Fit.h"
#include "Modelle.h"
#include "Modellreihe.h"

#include "core/Fehler.h"
#include "core/Zahltext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The inverse of a symmetric positive matrix by Gauss-Jordan elimination in extended
// precision, after scaling it to a unit diagonal (so that coefficients of very different
// sizes do not look singular). Nothing when a pivot falls below 1e-12 of its scaled size:
// the entries carry 64-bit rounding, so a nearly singular matrix would give noise.
std::optional<std::vector<Extended>> Inverse(std::vector<Extended> a, std::size_t m) {
  std::vector<Extended> skala(m);
  for (std::size_t i = 0; i < m; ++i) {
    if (!(a[i * m + i] > 0)) return std::nullopt;
    skala[i] = 1 / std::sqrt(a[i * m + i]);
  }
  for (std::size_t i = 0; i < m; ++i)
    for (std::size_t j = 0; j < m; ++j) a[i * m + j] *= skala[i] * skala[j];
  std::vector<Extended> inv(m * m, 0);
  for (std::size_t i = 0; i < m; ++i) inv[i * m + i] = 1;
  for (std::size_t k = 0; k < m; ++k) {
    std::size_t zeile = k;
    for (std::size_t i = k + 1; i < m; ++i)
      if (std::fabs(a[i * m + k]) > std::fabs(a[zeile * m + k])) zeile = i;
    if (!(std::fabs(a[zeile * m + k]) > 1e-12L)) return std::nullopt;
    for (std::size_t j = 0; j < m; ++j) {
      std::swap(a[k * m + j], a[zeile * m + j]);
      std::swap(inv[k * m + j], inv[zeile * m + j]);
    }
    const Extended pivot = a[k * m + k];
    for (std::size_t j = 0; j < m; ++j) {
      a[k * m + j] /= pivot;
      inv[k * m + j] /= pivot;
    }
    for (std::size_t i = 0; i < m; ++i) {
      if (i == k) continue;
      const Extended f = a[i * m + k];
      for (std::size_t j = 0; j < m; ++j) {
        a[i * m + j] -= f * a[k * m + j];
        inv[i * m + j] -= f * inv[k * m + j];
      }
    }
  }
  for (std::size_t i = 0; i < m; ++i)
    for (std::size_t j = 0; j < m; ++j) inv[i * m + j] *= skala[i] * skala[j];
  return inv;
}

} // namespace

std::optional<std::array<std::optional<double>, MaxKoeffizienten>>
Standardfehler(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit) {
  const std::size_t n = std::min(x.size(), y.size());
  const uint8_t p = Parameteranzahl(fit.Modell);
  std::vector<std::size_t> frei;
  for (uint8_t i = 0; i < p; ++i)
    if (!fit.Koeffizienten.Fix.Enthaelt(i)) frei.push_back(i);
  const std::size_t m = frei.size();
  if (m == 0 || n <= m) return std::nullopt;
  try {
    TAuswerter auswerter(x, y, fit.Modell);
    const Extended s = auswerter.Quadratsumme(fit.Koeffizienten);
    const TLinearesSystem& a = auswerter.Gleichungen(fit.Koeffizienten).Matrix;
    std::vector<Extended> teil(m * m);
    for (std::size_t i = 0; i < m; ++i)
      for (std::size_t j = 0; j < m; ++j) teil[i * m + j] = a[frei[i]][frei[j]];
    const auto inverse = Inverse(teil, m);
    if (!inverse) return std::nullopt;
    const Extended streuung = s / static_cast<Extended>(n - m);
    std::array<std::optional<double>, MaxKoeffizienten> fehler{};
    for (std::size_t i = 0; i < m; ++i) {
      const Extended v = (*inverse)[i * m + i] * streuung;
      if (!(v >= 0) || !std::isfinite(v)) return std::nullopt;
      fehler[frei[i]] = static_cast<double>(std::sqrt(v));
    }
    return fehler;
  } catch (const TQuarnFehler&) {
    return std::nullopt; // a partial derivative faults at the solution
  }
}

void Kriterien(TBewertung& b, std::size_t n) {
  const auto nn = static_cast<double>(n), p = static_cast<double>(b.Anzahl);
  b.Vergleichbar = b.Fehler.empty() && n > static_cast<std::size_t>(b.Anzahl) + 1;
  if (!b.Vergleichbar) return;
  const double s = static_cast<double>(b.Summe);
  b.Streuung = s / (nn - p);
  const double anpassung = s > 0 ? nn * std::log(s / nn) : -std::numeric_limits<double>::infinity();
  b.AIC = anpassung + 2 * p;
  b.AICc = b.AIC + 2 * p * (p + 1) / (nn - p - 1);
  b.BIC = anpassung + p * std::log(nn);
}

void DeltaAICSetzen(std::vector<TBewertung>& liste) {
  double kleinste = std::numeric_limits<double>::infinity();
  for (const TBewertung& b : liste)
    if (b.Vergleichbar) kleinste = std::min(kleinste, b.AIC);
  for (TBewertung& b : liste)
    if (b.Vergleichbar) b.DeltaAIC = b.AIC == kleinste ? 0 : b.AIC - kleinste;
}

namespace {

TBewertung Bewerten(std::span<const double> x, std::span<const double> y, uint8_t modell,
                    const TFitParameter& parameter) {
  TBewertung b;
  b.Modell = modell;
  b.Anzahl = Parameteranzahl(modell);
  try {
    TFitVorgabe v;
    v.Modell = modell;
    b.Ergebnis = Fit(x, y, v, parameter);
    try {
      b.Ergebnis = Nachpolieren(x, y, b.Ergebnis);
    } catch (const TQuarnFehler&) {
      // the polish met a fault on its way: the fit stands as Fit left it
    }
    b.Summe = Quadratsumme(x, y, b.Ergebnis);
  } catch (const TQuarnFehler& f) {
    b.Fehler = f.what();
  }
  const std::size_t n = std::min(x.size(), y.size());
  Kriterien(b, n);
  if (b.Fehler.empty()) {
    const auto fehler = Standardfehler(x, y, b.Ergebnis);
    b.Singulaer = !fehler && n > static_cast<std::size_t>(b.Anzahl);
    if (fehler) b.Standardfehler = *fehler;
  }
  return b;
}

} // namespace

std::vector<TBewertung> Modellvergleich(std::span<const double> x, std::span<const double> y,
                                        const TFitParameter& parameter,
                                        const std::function<void(const TBewertung&)>& fertig,
                                        const std::atomic<bool>* abbrechen) {
  std::array<std::optional<TBewertung>, Modellanzahl> zeilen;
  FuerJedesModell(std::min(x.size(), y.size()), [&](uint8_t modell) {
    auto& zeile = zeilen[static_cast<std::size_t>(modell - Modellnr::Gerade)];
    zeile = Bewerten(x, y, modell, parameter);
    if (fertig) fertig(*zeile);
  }, abbrechen);
  std::vector<TBewertung> liste;
  for (auto& zeile : zeilen)
    if (zeile) liste.push_back(std::move(*zeile));
  DeltaAICSetzen(liste);
  return liste;
}

std::vector<double> Residuen(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit) {
  std::vector<double> r(std::min(x.size(), y.size()));
  for (std::size_t i = 0; i < r.size(); ++i) r[i] = y[i] - ModellWert(fit, x[i]);
  return r;
}

namespace {

// A field as it stands, or in quotes (inner quotes doubled) when it holds a separator.
std::string Feld(const std::string& text) {
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string feld = "\"";
  for (const char c : text) feld += c == '"' ? std::string("\"\"") : std::string(1, c);
  return feld + "\"";
}

} // namespace

std::string Vergleichstabelle(const std::vector<TBewertung>& liste) {
  static constexpr const char* Buchstaben = "abcdefg";
  std::string text = "Modell;Ergebnis;p;S;S/(n-p);AIC;AICc;BIC;ΔAIC";
  for (int i = 0; i < 7; ++i) text += std::string(";") + Buchstaben[i] + ";Standardfehler " + Buchstaben[i];
  text += "\r\n";
  const auto zahl = [](double v) { return ";" + ZahlAlsText(v); };
  for (const TBewertung& b : liste) {
    text += std::string(Modellnamen(b.Modell)) + ";";
    text += !b.Fehler.empty() ? Feld(b.Fehler) : b.Singulaer ? "singulär" : b.Vergleichbar ? "angepasst" : "nicht vergleichbar";
    text += ";" + std::to_string(b.Anzahl);
    text += b.Fehler.empty() ? zahl(static_cast<double>(b.Summe)) : ";";
    if (b.Vergleichbar)
      for (const double v : {b.Streuung, b.AIC, b.AICc, b.BIC, b.DeltaAIC}) text += zahl(v);
    else
      text += ";;;;;";
    for (std::size_t i = 0; i < 7; ++i) {
      const bool da = b.Fehler.empty() && static_cast<int>(i) < b.Anzahl;
      text += da ? zahl(b.Ergebnis.Koeffizienten.Werte[i]) : ";";
      text += da && b.Standardfehler[i] ? zahl(*b.Standardfehler[i]) : ";";
    }
    text += "\r\n";
  }
  return text;
}
