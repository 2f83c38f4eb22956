#include "Katalog.h"

#include "Analysis.h"
#include "Arithmetik.h"
#include "Ordnen.h"
#include "Zahlentheorie.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace {

// clang-format off
const TOperationsEintrag Katalog[] = {
    /*  0 */ {"Sortieren",
             "2,1,3 > 1,2,3",
             "Die Zahlen in der ersten Spalte werden sortiert. Optional kannst du auch noch in die 2. Spalte Zahlen schreiben. Jede dieser Zahlen gehört dann zu einer Zahl in der ersten Spalte auf gleicher Höhe. Und so wird dann dieses Zahlenpärchen einsortiert.",
             false, "Umkehren", false, false, TWertvorgabe::Leer, Sortieren},
    /*  1 */ {"Addieren",
             "X + W",
             "Der Wert gibt an, wieviel dazuaddiert wird.",
             true, "Spalte 1 + Spalte 2", false, false, TWertvorgabe::Leer, Addieren},
    /*  2 */ {"Multiplizieren",
             "X * W",
             "Jede Zahl wird mit dem Wert multipliziert.",
             true, "Spalte 1 * Spalte 2", false, false, TWertvorgabe::Zwei, nullptr},
    /*  3 */ {"Kehrwert",
             "1 / X",
             "Von allen Zahlen wird der Kehrwert genommen.",
             false, nullptr, false, false, TWertvorgabe::Leer, Kehrwert},
    /*  4 */ {"Umkehren",
             "1,2,3 > 3,2,1",
             "Die letzten werden die ersten sein und die ersten werden die letzten sein.",
             false, nullptr, false, false, TWertvorgabe::Leer, Umkehren},
    /*  5 */ {"Reißverschluss",
             "\"1,3,5\" + \"2,4\" > \"1,2,3,4,5\"",
             "Hier werden die Zahlen so sortiert, dass zuerst eine Zahl aus der 1. Spalte kommt, dann eine aus der 2., dann eine aus der 1., und so weiter. Wenn in einer Spalte mehr Zahlen stehen als in der anderen, wird die Liste einfach aufgefüllt.",
             false, nullptr, false, false, TWertvorgabe::Leer, Reissverschluss},
    /*  6 */ {"Aufspalten",
             "\"1,3,2,4\" > \"1,3\" + \"2,4\"",
             "Die Zahlen in der ersten Spalte werden aufgespalten, so dass die erste, dritte, fünfte, usw Zahl in der 3. Spalte stehen wird, und die zweite, vierte, sechste Zahl in der 4. Spalte steht.",
             false, nullptr, false, false, TWertvorgabe::Leer, Aufspalten},
    /*  7 */ {"Summieren",
             "\"1,2,3\" = 6",
             "Es wird die Summe aller Zahlen gebildet.",
             false, nullptr, false, false, TWertvorgabe::Leer, Summieren},
    /*  8 */ {"Jeden x. Wert",
             "\"1,2,3,4,5,6,7\" > \"1,4,7\"",
             "Es wird nur jeder X. Wert genommen. X ist hierbei der eingetragene Wert.",
             true, nullptr, false, false, TWertvorgabe::Leer, JedenXtenWert},
    /*  9 */ {"Logarithmus",
             "LN(X)",
             "Logarithmus von allen Zahlen. Der Wert gibt die Basis an, wenn keine angegeben ist, wird der natürliche Logarithmus genommen (e=2,71828...).",
             true, nullptr, false, false, TWertvorgabe::Leer, Logarithmus},
    /* 10 */ {"Verstärkung",
             "X / Y",
             "Es wird paarweise der Quotient Zahl aus der ersten Spalte durch Zahl aus der zweiten Spalte gebildet",
             false, nullptr, false, true, TWertvorgabe::Leer, Verstaerkung},
    /* 11 */ {"e-Funktion e^X",
             "e^X",
             "Potenz zur Basis e=2,71828...",
             false, nullptr, false, false, TWertvorgabe::Leer, EFunktion},
    /* 12 */ {"Runden",
             "3.14 > 3",
             "Die Zahlen werden gerundet auf ganze Zahlen. Der eingegebene Wert bestimmt, auf wie viele Stellen nach dem Komma gerundet werden soll",
             true, nullptr, false, false, TWertvorgabe::Leer, Runden},
    /* 13 */ {"Maximum",
             "\"1,4,2,5,3\" > \"5\"",
             "Findet das Maximum einer Reihe von Zahlen. Kann auch das Minimum finden, wenn die Checkbox eingeschaltet ist",
             false, "Minimum", false, false, TWertvorgabe::Leer, Maximum},
    /* 14 */ {"Gewichtung",
             "X * Y",
             "Multipliziert die Zahlen aus Spalte 1 und 2 paarweise",
             false, nullptr, false, false, TWertvorgabe::Leer, Gewichtung},
    /* 15 */ {"Integration",
             "Integral",
             "Die Funktion 2. Spalte gegen 1. Spalte wird integriert. Die 1. Spalte bleibt bestehen, die neuen Werte für die 2. Spalte kommen in die 4. Spalte. Es wird Wert-mal integriert (Standard: 1mal)",
             true, nullptr, false, true, TWertvorgabe::Leer, Integration},
    /* 16 */ {"Differentation",
             "Ableitung",
             "Die Funktion 2. Spalte gegen 1. Spalte wird differentiert. Die 1. Spalte bleibt bestehen, die neuen Werte für die 2. Spalte kommen in die 4. Spalte. Es wird Wert-mal differentiert (Standard: 1mal)",
             true, nullptr, false, true, TWertvorgabe::Leer, Differentation},
    /* 17 */ {"Fouriertransformation",
             "Fourier",
             "Die Funktion wird Fouriertransformiert. Kann auch rücktransformieren, wenn die Checkbox aktiviert ist",
             false, "Rücktransformieren", false, true, TWertvorgabe::Leer, Fouriertransformation},
    /* 18 */ {"Dezibel",
             "log(X) div 20",
             "Berechnet direkt die Dezibel Werte der Daten, d.h. Logarithmus zur Basis 10 und danach mit 20 multiplizieren",
             false, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 19 */ {"Extrema finden",
             "",
             "Findet die Extrema eines Datensatzes. Es kann eingestellt werden, dass nur Maxima/Minima gefunden werden sollen. Dazu ist die Checkbox zu aktivieren. Für Minima muss der Wert kleiner 0 sein, für Maxima größer oder gleich Null.",
             true, "Nur Maxima/Minima", false, true, TWertvorgabe::Leer, nullptr},
    /* 20 */ {"Delta-X",
             "X_(n) - X_(n+1)",
             "Berechnet die Differenz zum Vorgängerwert",
             false, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 21 */ {"Datenreihe trennen",
             "\"1 4,2 5\" > \"1,2\" + \"4,5\"",
             "Es gibt die Situation, dass eine Messreihe nebeneinander abgespeichert ist, also dass in einer Zeile immer X- und Y-Wert zusammen stehen. Man kann dann nicht gesondert die X- oder Y-Werte herauskopieren. Diese Trennung kann Quarn übernehmen.",
             false, nullptr, false, false, TWertvorgabe::Leer, DatenreiheTrennen},
    /* 22 */ {"Schrittweite",
             "\"1,4,6\" > 2.5",
             "Bestimmt die Schrittweite einer Datenreihe",
             false, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 23 */ {"Potenzieren X^w",
             "X^W",
             "Die Zahl wird potenziert mit dem angegebenen Wert, also X^w",
             true, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 24 */ {"Gamma-Funktion",
             "GAMMA(X)",
             "Gamma-Funktion des Wertes (Es gilt: Gamma(N+1) = N! \"Fakultät\")",
             false, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 25 */ {"Binomialkoeffizient",
             "X über Y",
             "Binomialkoeffizienten \"N über K\", Spalte 1 über Spalte 2",
             false, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 26 */ {"Fakultät",
             "X! = 1*2*...*X",
             "N! = N Fakultät = 1 * 2 * 3 * 4 * ... * N Bsp: 3! = 6, 4! = 24, 5! = 120",
             false, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 27 */ {"Dividieren",
             "X / W",
             "Dividiert die Zahlen durch den eingetragenen Wert (Man kann auch durch anklicken der Checkbox die beiden Spalten durcheinander dividieren)",
             true, "Spalte 1 div Spalte 2", false, false, TWertvorgabe::Zwei, nullptr},
    /* 28 */ {"Hinterer Teil",
             "\"1,2,3,4,5\" > \"3,4,5\"",
             "Alle Datenpaare X,Y ab dem W. Eintrag werden genommen (optional können auch alle Datenpaare BIS zum W. Eintrag genommen werden)",
             true, "Bis zum W. Wert", false, false, TWertvorgabe::HalbeZeilenzahl, nullptr},
    /* 29 */ {"Quersumme",
             "485=>17=>8",
             "Berechnet die Quersumme einer Zahl, das ist zum Beispiel: QS(287) = 2 + 8 + 7 = 17 und weiter QS(17) = 8",
             false, nullptr, false, false, TWertvorgabe::Leer, nullptr},
    /* 30 */ {"Zahlensystem",
             "9(10) => 1001(2)",
             "Rechnet von einem Zahlensystem in ein anderes um, zum Beispiel ist 5 im Dezimalsystem gleich 101 im Dualsystem. \"Wert\" gibt dabei das neue System an.",
             true, nullptr, true, false, TWertvorgabe::Sechzehn, Zahlensystem},
};
// clang-format on
static_assert(std::size(Katalog) == Operationsanzahl);

} // namespace

const TOperationsEintrag& Operationseintrag(uint8_t art) {
  if (art >= Operationsanzahl) throw std::out_of_range("no operation with this number");
  return Katalog[art];
}

std::string_view Operationsnamen(uint8_t art) { return Operationseintrag(art).Name; }
std::string_view Beispiele(uint8_t art) { return Operationseintrag(art).Beispiel; }
std::string_view Erklaerungen(uint8_t art) { return Operationseintrag(art).Erklaerung; }

int32_t Sortierschluessel(std::string_view name) {
  if (name.empty()) return 1;
  // The first three characters (0 past the end); a UTF-8 sequence counts as one character, and its lead byte
  // (like every code above "z") clamps to 25, as an umlaut does.
  int zeichen[3] = {0, 0, 0};
  int gefunden = 0;
  for (std::size_t i = 0; i < name.size() && gefunden < 3; ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if ((c & 0xC0) == 0x80) continue;
    zeichen[gefunden++] = (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
  }
  int32_t summe = 1;
  for (int j = 0; j < 3; ++j) {
    const int wert = std::clamp(zeichen[j] - 'a', 0, 25);
    summe += wert * (j == 0 ? 26 * 26 : j == 1 ? 26 : 1);
  }
  return summe;
}

std::array<TGanzSatz, Operationsanzahl> Auswahltabelle() {
  std::array<TGanzSatz, Operationsanzahl> tabelle{};
  for (int i = 0; i < Operationsanzahl; ++i)
    tabelle[i] = {i, Sortierschluessel(Operationsnamen(static_cast<uint8_t>(i)))};
  Rangsortierung(true, tabelle);
  return tabelle;
}
