// A canvas that writes every call as a line of text, with fixed text metrics (6 pixels per
// character, 12 pixels high), so that drawing code can be checked call by call.
#pragma once

#include "plot/Leinwand.h"

#include <cstdio>
#include <string>
#include <vector>

class TAufzeichnendeLeinwand : public TLeinwand {
public:
  TAufzeichnendeLeinwand(int breite, int hoehe) : breite_(breite), hoehe_(hoehe) {}

  int Breite() const override { return breite_; }
  int Hoehe() const override { return hoehe_; }

  void StiftGeaendert() override {
    static const char* const Stile[] = {"solid", "dash", "dot"};
    Zeile("Stift %06X %d %s", Stift().Farbe, Stift().Breite, Stile[static_cast<int>(Stift().Stil)]);
  }
  void PinselGeaendert() override { Zeile("Pinsel %06X", Pinsel()); }
  void SchriftGeaendert() override { Zeile("Schrift %s %d", Schriftname().c_str(), Schriftgroesse()); }
  void RechteckFuellen(int x1, int y1, int x2, int y2) override { Zeile("Fuellen %d %d %d %d", x1, y1, x2, y2); }
  void Rechteck(int x1, int y1, int x2, int y2) override { Zeile("Rechteck %d %d %d %d", x1, y1, x2, y2); }
  void BewegeZu(int x, int y) override { Zeile("BewegeZu %d %d", x, y); }
  void LinieZu(int x, int y) override { Zeile("LinieZu %d %d", x, y); }
  void TextAus(int x, int y, const std::string& text) override { Zeile("Text %d %d %s", x, y, text.c_str()); }
  void TextAusGedreht(int x, int y, const std::string& text) override {
    Zeile("TextGedreht %d %d %s", x, y, text.c_str());
  }
  int TextBreite(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
  int TextHoehe(const std::string&) override { return 12; }

  std::vector<std::string> Aufrufe;

private:
  template <class... A> void Zeile(const char* format, A... werte) {
    char puffer[512];
    std::snprintf(puffer, sizeof puffer, format, werte...);
    Aufrufe.emplace_back(puffer);
  }

  int breite_;
  int hoehe_;
};
