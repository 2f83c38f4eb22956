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
    /*  0 */ {.Name = "Sortieren",
             .Beispiel = "2,1,3 > 1,2,3",
             .Erklaerung = "Die Zahlen in der ersten Spalte werden sortiert. Optional kannst du auch noch in die 2. Spalte Zahlen schreiben. Jede dieser Zahlen gehört dann zu einer Zahl in der ersten Spalte auf gleicher Höhe. Und so wird dann dieses Zahlenpärchen einsortiert.",
             .Kastentext = "Umkehren", .Zeilen = Sortieren},
    /*  1 */ {.Name = "Addieren",
             .Beispiel = "X + W",
             .Erklaerung = "Der Wert gibt an, wieviel dazuaddiert wird.",
             .Wertfeld = true, .Kastentext = "Spalte 1 + Spalte 2", .Zeilen = Addieren},
    /*  2 */ {.Name = "Multiplizieren",
             .Beispiel = "X * W",
             .Erklaerung = "Jede Zahl wird mit dem Wert multipliziert.",
             .Wertfeld = true, .Kastentext = "Spalte 1 * Spalte 2", .Vorgabe = TWertvorgabe::Zwei},
    /*  3 */ {.Name = "Kehrwert",
             .Beispiel = "1 / X",
             .Erklaerung = "Von allen Zahlen wird der Kehrwert genommen.",
             .Zeilen = Kehrwert},
    /*  4 */ {.Name = "Umkehren",
             .Beispiel = "1,2,3 > 3,2,1",
             .Erklaerung = "Die letzten werden die ersten sein und die ersten werden die letzten sein.",
             .Zeilen = Umkehren},
    /*  5 */ {.Name = "Reißverschluss",
             .Beispiel = "\"1,3,5\" + \"2,4\" > \"1,2,3,4,5\"",
             .Erklaerung = "Hier werden die Zahlen so sortiert, dass zuerst eine Zahl aus der 1. Spalte kommt, dann eine aus der 2., dann eine aus der 1., und so weiter. Wenn in einer Spalte mehr Zahlen stehen als in der anderen, wird die Liste einfach aufgefüllt.",
             .Zeilen = Reissverschluss},
    /*  6 */ {.Name = "Aufspalten",
             .Beispiel = "\"1,3,2,4\" > \"1,3\" + \"2,4\"",
             .Erklaerung = "Die Zahlen in der ersten Spalte werden aufgespalten, so dass die erste, dritte, fünfte, usw Zahl in der 3. Spalte stehen wird, und die zweite, vierte, sechste Zahl in der 4. Spalte steht.",
             .Zeilen = Aufspalten},
    /*  7 */ {.Name = "Summieren",
             .Beispiel = "\"1,2,3\" = 6",
             .Erklaerung = "Es wird die Summe aller Zahlen gebildet.",
             .Zeilen = Summieren},
    /*  8 */ {.Name = "Jeden x. Wert",
             .Beispiel = "\"1,2,3,4,5,6,7\" > \"1,4,7\"",
             .Erklaerung = "Es wird nur jeder X. Wert genommen. X ist hierbei der eingetragene Wert.",
             .Wertfeld = true, .Zeilen = JedenXtenWert},
    /*  9 */ {.Name = "Logarithmus",
             .Beispiel = "LN(X)",
             .Erklaerung = "Logarithmus von allen Zahlen. Der Wert gibt die Basis an, wenn keine angegeben ist, wird der natürliche Logarithmus genommen (e=2,71828...).",
             .Wertfeld = true, .Zeilen = Logarithmus},
    /* 10 */ {.Name = "Verstärkung",
             .Beispiel = "X / Y",
             .Erklaerung = "Es wird paarweise der Quotient Zahl aus der ersten Spalte durch Zahl aus der zweiten Spalte gebildet",
             .ZweiSpalten = true, .Zeilen = Verstaerkung},
    /* 11 */ {.Name = "e-Funktion e^X",
             .Beispiel = "e^X",
             .Erklaerung = "Potenz zur Basis e=2,71828...",
             .Zeilen = EFunktion},
    /* 12 */ {.Name = "Runden",
             .Beispiel = "3.14 > 3",
             .Erklaerung = "Die Zahlen werden gerundet auf ganze Zahlen. Der eingegebene Wert bestimmt, auf wie viele Stellen nach dem Komma gerundet werden soll",
             .Wertfeld = true, .Zeilen = Runden},
    /* 13 */ {.Name = "Maximum",
             .Beispiel = "\"1,4,2,5,3\" > \"5\"",
             .Erklaerung = "Findet das Maximum einer Reihe von Zahlen. Kann auch das Minimum finden, wenn die Checkbox eingeschaltet ist",
             .Kastentext = "Minimum", .Zeilen = Maximum},
    /* 14 */ {.Name = "Gewichtung",
             .Beispiel = "X * Y",
             .Erklaerung = "Multipliziert die Zahlen aus Spalte 1 und 2 paarweise",
             .Zeilen = Gewichtung},
    /* 15 */ {.Name = "Integration",
             .Beispiel = "Integral",
             .Erklaerung = "Die Funktion 2. Spalte gegen 1. Spalte wird integriert. Die 1. Spalte bleibt bestehen, die neuen Werte für die 2. Spalte kommen in die 4. Spalte. Es wird Wert-mal integriert (Standard: 1mal)",
             .Wertfeld = true, .ZweiSpalten = true, .Zeilen = Integration},
    /* 16 */ {.Name = "Differentation",
             .Beispiel = "Ableitung",
             .Erklaerung = "Die Funktion 2. Spalte gegen 1. Spalte wird differentiert. Die 1. Spalte bleibt bestehen, die neuen Werte für die 2. Spalte kommen in die 4. Spalte. Es wird Wert-mal differentiert (Standard: 1mal)",
             .Wertfeld = true, .ZweiSpalten = true, .Zeilen = Differentation},
    /* 17 */ {.Name = "Fouriertransformation",
             .Beispiel = "Fourier",
             .Erklaerung = "Die Funktion wird Fouriertransformiert. Kann auch rücktransformieren, wenn die Checkbox aktiviert ist",
             .Kastentext = "Rücktransformieren", .ZweiSpalten = true, .Zeilen = Fouriertransformation},
    /* 18 */ {.Name = "Dezibel",
             .Beispiel = "log(X) div 20",
             .Erklaerung = "Berechnet direkt die Dezibel Werte der Daten, d.h. Logarithmus zur Basis 10 und danach mit 20 multiplizieren"},
    /* 19 */ {.Name = "Extrema finden",
             .Beispiel = "",
             .Erklaerung = "Findet die Extrema eines Datensatzes. Es kann eingestellt werden, dass nur Maxima/Minima gefunden werden sollen. Dazu ist die Checkbox zu aktivieren. Für Minima muss der Wert kleiner 0 sein, für Maxima größer oder gleich Null.",
             .Wertfeld = true, .Kastentext = "Nur Maxima/Minima", .ZweiSpalten = true},
    /* 20 */ {.Name = "Delta-X",
             .Beispiel = "X_(n) - X_(n+1)",
             .Erklaerung = "Berechnet die Differenz zum Vorgängerwert"},
    /* 21 */ {.Name = "Datenreihe trennen",
             .Beispiel = "\"1 4,2 5\" > \"1,2\" + \"4,5\"",
             .Erklaerung = "Es gibt die Situation, dass eine Messreihe nebeneinander abgespeichert ist, also dass in einer Zeile immer X- und Y-Wert zusammen stehen. Man kann dann nicht gesondert die X- oder Y-Werte herauskopieren. Diese Trennung kann Quarn übernehmen.",
             .Zeilen = DatenreiheTrennen},
    /* 22 */ {.Name = "Schrittweite",
             .Beispiel = "\"1,4,6\" > 2.5",
             .Erklaerung = "Bestimmt die Schrittweite einer Datenreihe"},
    /* 23 */ {.Name = "Potenzieren X^w",
             .Beispiel = "X^W",
             .Erklaerung = "Die Zahl wird potenziert mit dem angegebenen Wert, also X^w",
             .Wertfeld = true},
    /* 24 */ {.Name = "Gamma-Funktion",
             .Beispiel = "GAMMA(X)",
             .Erklaerung = "Gamma-Funktion des Wertes (Es gilt: Gamma(N+1) = N! \"Fakultät\")"},
    /* 25 */ {.Name = "Binomialkoeffizient",
             .Beispiel = "X über Y",
             .Erklaerung = "Binomialkoeffizienten \"N über K\", Spalte 1 über Spalte 2"},
    /* 26 */ {.Name = "Fakultät",
             .Beispiel = "X! = 1*2*...*X",
             .Erklaerung = "N! = N Fakultät = 1 * 2 * 3 * 4 * ... * N Bsp: 3! = 6, 4! = 24, 5! = 120"},
    /* 27 */ {.Name = "Dividieren",
             .Beispiel = "X / W",
             .Erklaerung = "Dividiert die Zahlen durch den eingetragenen Wert (Man kann auch durch anklicken der Checkbox die beiden Spalten durcheinander dividieren)",
             .Wertfeld = true, .Kastentext = "Spalte 1 div Spalte 2", .Vorgabe = TWertvorgabe::Zwei},
    /* 28 */ {.Name = "Hinterer Teil",
             .Beispiel = "\"1,2,3,4,5\" > \"3,4,5\"",
             .Erklaerung = "Alle Datenpaare X,Y ab dem W. Eintrag werden genommen (optional können auch alle Datenpaare BIS zum W. Eintrag genommen werden)",
             .Wertfeld = true, .Kastentext = "Bis zum W. Wert", .Vorgabe = TWertvorgabe::HalbeZeilenzahl},
    /* 29 */ {.Name = "Quersumme",
             .Beispiel = "485=>17=>8",
             .Erklaerung = "Berechnet die Quersumme einer Zahl, das ist zum Beispiel: QS(287) = 2 + 8 + 7 = 17 und weiter QS(17) = 8"},
    /* 30 */ {.Name = "Zahlensystem",
             .Beispiel = "9(10) => 1001(2)",
             .Erklaerung = "Rechnet von einem Zahlensystem in ein anderes um, zum Beispiel ist 5 im Dezimalsystem gleich 101 im Dualsystem. \"Wert\" gibt dabei das neue System an.",
             .Wertfeld = true, .KastentextBleibt = true, .Vorgabe = TWertvorgabe::Sechzehn, .Zeilen = Zahlensystem},
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
