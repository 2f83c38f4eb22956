// TForm3: the window for the explanations of the operations and fit models. It exists from the start; its controls come with the
// computations it shows.
#pragma once

#include <QWidget>

class TAnwendung;

class TForm3 : public QWidget {
  Q_OBJECT

public:
  explicit TForm3(TAnwendung& anwendung);
};
