// TForm6: the window for value tables of a fit model. It exists from the start; its controls come with the
// computations it shows.
#pragma once

#include <QWidget>

class TAnwendung;

class TForm6 : public QWidget {
  Q_OBJECT

public:
  explicit TForm6(TAnwendung& anwendung);
};
