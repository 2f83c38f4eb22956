// The comparison of all 17 models on the same points: the fit of each, polished to every
// digit the data allow, with information criteria and the standard errors of its coefficients.
#pragma once

#include "Fittypen.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TBewertung {
  uint8_t Modell = Modellnr::Keins;
  std::string Fehler;        // the fault that ended the fit; empty when it succeeded
  TFitErgebnis Ergebnis;     // the polished fit
  int Anzahl = 0;            // p: the coefficients that were fitted
  long double Summe = 0;     // S, the sum of squared residuals
  bool Vergleichbar = false; // n > p + 1: the criteria below are defined
  double Streuung = 0;       // S/(n - p)
  double AIC = 0, AICc = 0, BIC = 0;
  double DeltaAIC = 0;       // AIC minus the smallest AIC of the comparable models
  // The standard error of each fitted coefficient; none for fixed coefficients, and none at
  // all when the normal matrix at the solution is singular (Singulaer).
  std::array<std::optional<double>, MaxKoeffizienten> Standardfehler{};
  bool Singulaer = false;
};

// Standard errors from the normal matrix at the fit: sqrt of the diagonal of its inverse,
// scaled by S/(n - p), for the coefficients not in Fix. Nothing when n ≤ p or the matrix
// cannot be inverted.
std::optional<std::array<std::optional<double>, MaxKoeffizienten>>
Standardfehler(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit);

// AIC = n·ln(S/n) + 2p, AICc = AIC + 2p(p+1)/(n-p-1), BIC = n·ln(S/n) + p·ln(n) into b,
// when n > p + 1 (else b is marked not comparable). S = 0 gives -infinity.
void Kriterien(TBewertung& b, std::size_t n);

// y_i - f(x_i) over the pairs, as the residual plot shows them.
std::vector<double> Residuen(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit);

// The comparison as a table for a file: a header line, then one line per model with name,
// outcome, p, S, S/(n-p), AIC, AICc, BIC, ΔAIC and each coefficient with its standard error;
// fields separated by ';', numbers with the decimal comma, empty where there is no number.
std::string Vergleichstabelle(const std::vector<TBewertung>& liste);

// ΔAIC of the comparable rows: AIC minus the smallest AIC among them (0 for the rows that
// share the smallest, also when it is -infinity).
void DeltaAICSetzen(std::vector<TBewertung>& liste);

// Every model fitted as "Best" fits it (no fixed coefficients, estimated start values, the
// given step parameters), then polished (a polish that faults leaves the fit as it was), on
// both cores as "Best" does. fertig(row) after each model, possibly from two threads at once;
// a set abbrechen starts no further model. The rows done, in model order, with ΔAIC.
std::vector<TBewertung> Modellvergleich(std::span<const double> x, std::span<const double> y,
                                        const TFitParameter& parameter,
                                        const std::function<void(const TBewertung&)>& fertig = {},
                                        const std::atomic<bool>* abbrechen = nullptr);
