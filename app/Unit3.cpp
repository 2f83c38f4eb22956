// TForm3: the window for the explanations of the operations and fit models.
#include "Unit3.h"

TForm3::TForm3(TAnwendung&) { setWindowTitle(QStringLiteral("Erklärung zu den Operationen")); }
