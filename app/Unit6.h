// TForm6: value tables of a fit model with typed coefficients, written into the main window's
// columns, optionally plotted at once.
#pragma once

#include "fit/Fittypen.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TAnwendung;

class TForm6 : public QWidget {
  Q_OBJECT

public:
  explicit TForm6(TAnwendung& anwendung);
  void FormCreate();

  // Both formula labels from the chosen model and the grid.
  void Anzeige();
  // The lower or upper edge of column 1 (0 and 1 for an empty column).
  double Rand(bool oben) const;

  QComboBox* ComboBox1;
  QTableWidget* StringGrid1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3;
  QLineEdit *Edit5, *Edit6, *Edit7;
  QPushButton *SpeedButton1, *SpeedButton2, *SpeedButton3;

public slots:
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();

private:
  std::array<double, MaxKoeffizienten> Koeffizienten() const;
  void VonBisVorgeben();

  TAnwendung& anwendung_;
};
