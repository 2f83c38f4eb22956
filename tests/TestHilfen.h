// Helpers shared by the test executables.
#pragma once

#include <exception>
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

inline const char* const DivisionDurchNull = "Gleitkommadivision durch Null";
inline const char* const Ungueltig = "Ungültige Gleitkommaoperation";
inline const char* const Ueberlauf = "Gleitkommaüberlauf";
