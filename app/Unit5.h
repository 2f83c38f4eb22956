// TForm5: the information window: statistics of the plotted points and the quality of the
// fit, refilled after every drawing pass, and saved as a text report.
#pragma once

#include "plot/Diagrammeinstellungen.h"

#include <QWidget>

#include <array>
#include <span>

class QCheckBox;
class QLabel;
class QPushButton;
class TAnwendung;

class TForm5 : public QWidget {
  Q_OBJECT

public:
  explicit TForm5(TAnwendung& anwendung);

  // Fills the labels from the plotted points, the current fit and the settings; the first
  // arithmetic fault stops the fill and shows Label30, without a message.
  void INfoeinfuellen(std::span<const double> x, std::span<const double> y, const TFitErgebnis& fit,
                      const TDiagrammEinstellungen& einstellungen);
  // Writes the report of the labels (and, with "Inklusive Daten", the data pairs) to pfad.
  void Abspeichern(const QString& pfad);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
      *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21, *Label22,
      *Label23, *Label24, *Label25, *Label26, *Label27, *Label28, *Label29, *Label30, *Label31, *Label32, *Label33,
      *Label34;
  QCheckBox* CheckBox1;
  QPushButton* SpeedButton1;

public slots:
  void SpeedButton1Click();

private:
  QLabel* Neu(int nummer, const QString& text);

  TAnwendung& anwendung_;
  std::array<QLabel*, 35> labels_{}; // by label number
};
