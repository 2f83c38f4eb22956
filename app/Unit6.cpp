// TForm6: the window for value tables of a fit model.
#include "Unit6.h"

TForm6::TForm6(TAnwendung&) { setWindowTitle(QStringLiteral("Funktion eingeben")); }
