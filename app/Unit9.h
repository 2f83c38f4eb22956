// TForm9: the welcome window, the last window created; its creation makes the program ready.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TAnwendung;

class TForm9 : public QWidget {
  Q_OBJECT

public:
  explicit TForm9(TAnwendung& anwendung);
  void FormCreate();

  // Whether this is the first start: reads "Erster Start" of section "Quarn" (default true)
  // and stores false there. TIniFehler when it cannot be written.
  bool firstrun();

  QLabel *Label1, *Label2, *Label3, *Label4;
  QPushButton* BitBtn1;

public slots:
  void BitBtn1Click();

private:
  TAnwendung& anwendung_;
};
