// The coefficient grid of the fit group and of the function window: a header row "Var." and
// "Init.", the rows "a" to "h" with the values, every cell handing each typed key on at once.
#pragma once

#include <QTableWidget>

#include <array>

// sichtbar: the coefficient rows in view below the header.
QTableWidget* Koeffizientenraster(QWidget* eltern, int sichtbar);

// Rows 1..anzahl of the value column become the general number texts of werte, without the
// grid's change signal (the callers decide whether a redraw follows).
void KoeffizientenEintragen(QTableWidget* raster, const std::array<double, 8>& werte, int anzahl);
