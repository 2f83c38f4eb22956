// The builder of formula texts with coefficient values: pieces are appended in order, and a
// failed "else end" condition ends the text there.
#pragma once

#include "Fittypen.h"

#include "core/Zahlformat.h"

#include <string>

class TFormel {
public:
  TFormel(const TNamen& namen, TZahlformat format) : text_(namen.Y + " = "), x_(namen.X), format_(format) {}

  // Zahl: the number as ZahlFormatiert writes it. Vorzeichen: the sign the number text does
  // not carry itself, "+" for positive and "±" for 0. Signiert: both. SigniertOderLeer:
  // Signiert, but nothing for 0.
  std::string Zahl(double v) const { return ZahlFormatiert(v, format_); }
  static std::string Vorzeichen(double v) { return v > 0 ? "+" : v == 0 ? "±" : ""; }
  std::string Signiert(double v) const { return Vorzeichen(v) + Zahl(v); }
  std::string SigniertOderLeer(double v) const { return v == 0 ? "" : Signiert(v); }
  const std::string& X() const { return x_; }

  TFormel& operator<<(const std::string& stueck) {
    if (!fertig_) text_ += stueck;
    return *this;
  }
  // Appends only when the condition holds.
  TFormel& Falls(bool bedingung, const std::string& stueck) { return bedingung ? *this << stueck : *this; }
  // Ends the text here unless the condition holds.
  bool Sonst(bool bedingung) {
    if (!bedingung) fertig_ = true;
    return !fertig_;
  }
  std::string Text() const { return text_; }

  // "Exp(- (x -b)² / c)" of the Gauss peaks; the width as the caller writes it.
  std::string Glocke(double mitte, const std::string& breite) const {
    return "Exp(- (" + x_ + (mitte != 0 ? " " + Signiert(-mitte) : "") + ")²" + " / " + breite + ")";
  }

private:
  std::string text_;
  std::string x_;
  TZahlformat format_;
  bool fertig_ = false;
};
