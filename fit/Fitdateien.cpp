#include "Fitdateien.h"

#include "core/Bytes.h"

std::array<uint8_t, FitVorgabeGroesse> FitVorgabeBytes(const TFitVorgabe& v) {
  std::array<uint8_t, FitVorgabeGroesse> b{};
  Schreiben<uint8_t>(b, 0, v.Modell);
  Schreiben<uint8_t>(b, 8, v.Ausreisser ? 1 : 0);
  Schreiben(b, 16, v.Prozent);
  Schreiben(b, 24, v.DX);
  Schreiben(b, 32, v.DY);
  Schreiben<uint8_t>(b, 40, v.Fehlerart);
  std::memcpy(b.data() + 41, v.Fix.Bytes.data(), v.Fix.Bytes.size());
  Schreiben<uint8_t>(b, 73, v.MitStartwerten ? 1 : 0);
  for (std::size_t i = 0; i < v.Startwerte.size(); ++i) Schreiben(b, 80 + 8 * i, v.Startwerte[i]);
  return b;
}

TFitVorgabe FitVorgabeAusBytes(std::span<const uint8_t, FitVorgabeGroesse> b) {
  TFitVorgabe v;
  v.Modell = b[0];
  v.Ausreisser = b[8] != 0;
  v.Prozent = Lesen<double>(b, 16);
  v.DX = Lesen<double>(b, 24);
  v.DY = Lesen<double>(b, 32);
  v.Fehlerart = b[40];
  std::memcpy(v.Fix.Bytes.data(), b.data() + 41, v.Fix.Bytes.size());
  v.MitStartwerten = b[73] != 0;
  for (std::size_t i = 0; i < v.Startwerte.size(); ++i) v.Startwerte[i] = Lesen<double>(b, 80 + 8 * i);
  return v;
}

std::array<uint8_t, FitParameterGroesse> FitParameterBytes(const TFitParameter& p) {
  std::array<uint8_t, FitParameterGroesse> b{};
  Schreiben(b, 0, p.Faktor);
  Schreiben(b, 4, p.MaxSchritte);
  Schreiben(b, 8, p.Grenze);
  return b;
}

TFitParameter FitParameterAusBytes(std::span<const uint8_t, FitParameterGroesse> b) {
  return {Lesen<int32_t>(b, 0), Lesen<int32_t>(b, 4), Lesen<double>(b, 8)};
}
