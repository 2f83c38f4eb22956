// TForm5: the window for statistics of the plotted data and the quality of the fit. It exists from the start; its controls come with the
// computations it shows.
#pragma once

#include <QWidget>

class TAnwendung;

class TForm5 : public QWidget {
  Q_OBJECT

public:
  explicit TForm5(TAnwendung& anwendung);
};
