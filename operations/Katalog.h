// The catalogue of the 31 column operations: texts, which fields apply, defaults, where they
// run, and the alphabetical order of the operation list.
#pragma once

#include "Operation.h"
#include "Sortierung.h"
#include "Spaltenmodell.h"

#include "core/Typen.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// An operation of the dispatcher's own code, working on the column lines. x and y are the
// values of columns 1 and 2 as read tolerantly.
using TZeilenoperation = void (*)(TSpaltenModell&, const TOperation&, const TVektor& x,
                                  const TVektor& y);

// What the value field holds when the operation is chosen.
enum class TWertvorgabe { Leer, Zwei, Sechzehn, HalbeZeilenzahl };

// A row states only what differs from these defaults.
struct TOperationsEintrag {
  const char* Name = "";
  const char* Beispiel = "";
  const char* Erklaerung = "";
  bool Wertfeld = false;             // the field "Wert" applies
  const char* Kastentext = nullptr;  // caption of the check box when it applies
  bool KastentextBleibt = false;     // a box that does not apply keeps its caption instead of "%%%%%%%"
  bool ZweiSpalten = false;          // needs data in columns 1 and 2
  TWertvorgabe Vorgabe = TWertvorgabe::Leer;
  TZeilenoperation Zeilen = nullptr; // nullptr: runs on the arrays (SpaltenOperation/PaarOperation)
};

const TOperationsEintrag& Operationseintrag(uint8_t art);

std::string_view Operationsnamen(uint8_t art);
std::string_view Beispiele(uint8_t art);
std::string_view Erklaerungen(uint8_t art);

// Caption of a check box that does not apply.
inline constexpr const char* KastentextGesperrt = "%%%%%%%";

// 1 + the first three letters (a..z as 0..25, others clamped) as base-26 digits.
int32_t Sortierschluessel(std::string_view name);

// The operation list in alphabetical order: Wert is the operation number, Schluessel its
// Sortierschluessel. A list position maps to its operation number through it.
std::array<TGanzSatz, Operationsanzahl> Auswahltabelle();
