// Helpers shared by the test executables.
#pragma once

#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>

// The message of the exception that f throws, or "" when it throws none.
template <class F> std::string Meldung(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

// The text of a golden file; with QUARN_GOLDEN_NEU set it is first written anew from `text`
// (then review the diff).
inline std::string Golden(const std::string& pfad, const std::string& text) {
  if (std::getenv("QUARN_GOLDEN_NEU")) std::ofstream(pfad) << text;
  std::stringstream gespeichert;
  gespeichert << std::ifstream(pfad).rdbuf();
  return gespeichert.str();
}

inline const char* const DivisionDurchNull = "Gleitkommadivision durch Null";
inline const char* const Ungueltig = "Ungültige Gleitkommaoperation";
inline const char* const Ueberlauf = "Gleitkommaüberlauf";
