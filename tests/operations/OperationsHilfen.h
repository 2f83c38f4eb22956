// Running operations on a column model, one after another, against a table of what they leave.
#pragma once

#include "operations/Dispatcher.h"

#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace Art = Operationsart;

inline TSpaltenModell Modell(TStringListe spalte1, TStringListe spalte2 = {}) {
  TSpaltenModell m;
  m.Spalte(1) = std::move(spalte1);
  m.Spalte(2) = std::move(spalte2);
  return m;
}

inline TOperation Op(uint8_t art, double wert = 0, bool option = false) {
  TOperation op;
  OperationSetzen(art, option, op, wert);
  return op;
}

// Stands for an output column that a step does not check.
inline const TStringListe Beliebig = {"<nicht geprüft>"};

// One run of an operation and what it must leave: columns 3 and 4 and the error message
// ("" when it ends normally).
struct TSchritt {
  uint8_t art; double wert = 0; bool option = false; TStringListe spalte3 = Beliebig, spalte4 = Beliebig;
  std::string meldung = "";
};

// Runs the steps one after another on the model and returns the model as they leave it.
inline TSpaltenModell Schritte(TSpaltenModell m, std::initializer_list<TSchritt> schritte) {
  int nummer = 0;
  for (const TSchritt& s : schritte) {
    SCOPED_TRACE(testing::Message() << "Schritt " << ++nummer << ": Operation " << int(s.art)
                                    << ", W = " << s.wert << (s.option ? ", angehakt" : ""));
    EXPECT_EQ(Meldung([&] { OperationAusfuehren(m, Op(s.art, s.wert, s.option)); }), s.meldung);
    if (s.spalte3 != Beliebig) { EXPECT_EQ(m.Spalte(3), s.spalte3); }
    if (s.spalte4 != Beliebig) { EXPECT_EQ(m.Spalte(4), s.spalte4); }
  }
  return m;
}
