// TForm2: the info window with the usage text, the example data and the way to the options.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TAnwendung;

class TForm2 : public QWidget {
  Q_OBJECT

public:
  explicit TForm2(TAnwendung& anwendung);
  void FormCreate();

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
  QPushButton *Button1, *Button2, *SpeedButton1, *SpeedButton2;

public slots:
  void Button1Click();
  void Button2Click();
  void SpeedButton1Click();
  void SpeedButton2Click();

protected:
  void closeEvent(QCloseEvent* ereignis) override;

private:
  TAnwendung& anwendung_;
};
