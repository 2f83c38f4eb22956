// TForm5: the window for statistics of the plotted data and the quality of the fit.
#include "Unit5.h"

TForm5::TForm5(TAnwendung&) { setWindowTitle(QStringLiteral("Information")); }
