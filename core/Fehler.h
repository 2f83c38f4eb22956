// The program's errors. Their messages are the texts the user sees in the message box.
#pragma once

#include <stdexcept>
#include <string>

class TQuarnFehler : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class TGleitkommaArt { DivisionDurchNull, Ungueltig, Ueberlauf };

// Division by zero, invalid operation or overflow; underflow and inexact results never fault.
class TGleitkommaFehler : public TQuarnFehler {
public:
  explicit TGleitkommaFehler(TGleitkommaArt art);
  TGleitkommaArt Art() const { return art_; }

private:
  TGleitkommaArt art_;
};

// A text that is not a number: "'%s' ist kein gültiger Gleitkommawert".
class TKonvertierungsFehler : public TQuarnFehler {
public:
  explicit TKonvertierungsFehler(const std::string& text);
};

// A text that is not a whole number: "'%s' ist kein gültiger Integerwert".
class TGanzzahlFehler : public TQuarnFehler {
public:
  explicit TGanzzahlFehler(const std::string& text);
};

// A file could not be read or written; the message says which and why.
class TEAFehler : public TQuarnFehler {
public:
  using TQuarnFehler::TQuarnFehler;
};

// The settings file could not be written: "In %s kann nicht geschrieben werden".
class TIniFehler : public TQuarnFehler {
public:
  explicit TIniFehler(const std::string& pfad);
};
