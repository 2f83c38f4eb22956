// TForm4: the plot window. It shows column 2 against column 1 of the main window, with the
// display options, the image section, the mathematical extras and the fit controls around it.
// Every change redraws at once; the lamp and the millisecond label tell how it went.
//
// Event rules: check boxes run their handlers on every change of state, also when code ticks
// them (toggled); lists run theirs on a user's choice (activated) or when called; edits on
// every text change. No exception leaves a handler: a failed redraw lights the failure lamp.
#pragma once

#include "fit/Fittypen.h"
#include "plot/Abbildung.h"
#include "plot/Aufnahme.h"
#include "plot/Diagrammeinstellungen.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTableWidget;
class QToolButton;
class TAnwendung;

class TForm4 : public QWidget {
  Q_OBJECT

public:
  explicit TForm4(TAnwendung& anwendung);

  // Requests a redraw; it runs at once unless start-up is unfinished or the picture is frozen.
  void Plotten();
  // One drawing and its outcome on the lamp.
  void PlotLampe();
  // Collects columns and settings, draws, fits the raw columns and fills the information window.
  void PlotAnzeigen();
  // The settings record of the controls; it becomes the current one. Reads (and normalises)
  // the main window's columns 1 and 2 like a drawing pass does.
  TDiagrammEinstellungen diagrammaufnehmen();
  // A stored record back into the controls, under the freeze, as the inverse of the assembly;
  // limits, marker lines, start values, fixed coefficients and the step count stay. The log
  // base comes back with the log boxes, so that a user's "log y" to base 2 is base 2 again.
  void diagrammabgeben(const TDiagrammEinstellungen& gespeichert);
  // The help label, shown with the option "Hilfen anzeigen".
  void HilfeZeigen(bool zeigen);
  // The main window's plot button unticks the four fixed-limit boxes, whose handlers run.
  void FesteGrenzenLoesen();
  // Moves a box that lies outside the image back near the upper left of the plot area.
  void FindeKastenPosition();
  // The read-out following the mouse over the image (image coordinates).
  void MausBewegung(int x, int y);
  // A button pressed on the image: left places the box there, any other puts it off the image.
  void MausKlick(int x, int y, Qt::MouseButton knopf);
  // The grid's start values from K, in the general number format.
  void startwerteeinfuellen(const TKoeffizienten& k);
  // The coefficients ticked in the fixed list.
  TIndexmenge holefixe() const;
  // Selects model 1..17 in the fit group and ticks "Fit", through their handlers, as "Best"
  // does with its choice.
  void ModellWaehlen(uint8_t modell);
  // The diagram drawn anew at the given size (1..4000 each) as PNG, or as SVG when the name
  // ends in ".svg", written atomically.
  void Exportieren(const QString& pfad, QSize groesse);
  // The first n values of columns 1 and 2, n the shorter length; read, not rewritten.
  std::pair<TVektor, TVektor> Datenpaare() const;

  const TDiagrammEinstellungen& Einstellungen() const { return einstellungen_; }
  const TAbbildung& Abbildung() const { return abbildung_; }
  const TFitErgebnis& Fitergebnis() const { return fit_; }
  const QImage& Bild() const { return bild_; }
  // Completed and failed drawings since creation (tests count redraws).
  int Zeichnungen() const { return zeichnungen_; }
  // The lamp: 0 failure, 1 success, 2 busy, -1 before the first drawing.
  int Lampenzustand() const { return lampe_; }

  // The image, its read-out, help texts and status.
  QLabel *Plot, *Label13, *Label14, *Label15, *Label18, *Label12, *Image1;
  QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5;
  // "Optionen"
  QPushButton *SpeedButton1, *SpeedButton3, *SpeedButton4, *SpeedButton6, *SpeedButton10, *SpeedButton11;
  // Beyond the classic controls: the export as PNG or SVG, the comparison of all models.
  QPushButton *ExportKnopf, *VergleichKnopf;
  QCheckBox *CheckBox21, *CheckBox15;
  // "Anzeige"
  QCheckBox *CheckBox1, *CheckBox14, *CheckBox2, *CheckBox10, *CheckBox25, *CheckBox26, *CheckBox16, *CheckBox20,
      *CheckBox23, *CheckBox24;
  QLineEdit *Edit22, *Edit20, *Edit23, *Edit24, *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit17;
  QSlider* TrackBar1;
  QPushButton* SpeedButton5;
  // "Bildausschnitt"
  QCheckBox *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;
  QLineEdit *Edit6, *Edit7, *Edit8, *Edit9;
  QSlider* TrackBar2;
  QLabel* Image2;
  // "Mathematische Extras"
  QCheckBox *CheckBox19, *CheckBox8, *CheckBox9, *CheckBox17, *CheckBox11, *CheckBox22, *CheckBox12;
  QLineEdit *Edit21, *Edit11, *Edit12, *Edit13, *Edit14;
  QComboBox* ComboBox3;
  // UpDown1: integrations (right) and differentiations (left) of the points, with its label.
  QWidget* UpDown1;
  QToolButton *UpDown1Links, *UpDown1Rechts;
  QLabel* Label1;
  // "Fit"
  QCheckBox *CheckBox3, *CheckBox13, *CheckBox18;
  QComboBox *ComboBox1, *ComboBox2;
  QLabel *Label11, *Label4, *Label3, *Label8, *Label6, *Label7;
  QLineEdit *Edit16, *Edit15, *Edit18, *Edit19;
  QPushButton *SpeedButton2, *SpeedButton8, *SpeedButton7, *SpeedButton9, *SpeedButton12;
  QTableWidget* StringGrid1;
  QListWidget* CheckListBox1;

public slots:
  void SpeedButton1Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton10Click();
  void SpeedButton11Click();
  void CheckBox21Click();
  void CheckBox23Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox6Click();
  void CheckBox7Click();
  void CheckBox8Click();
  void CheckBox9Click();
  void TrackBar2Change();
  void Image2Click();
  void UpDown1Click(bool rechts);
  // Fit controls
  void CheckBox3Click();
  void ComboBox1Change();
  void CheckBox13Click();
  void CheckBox18Click();
  void ComboBox2Change();
  void Edit18Change();
  void Edit19Change();
  void SpeedButton2Click();
  void SpeedButton8Click();
  void SpeedButton7Click();
  void SpeedButton9Click();
  void SpeedButton12Click();
  void StringGrid1Click();
  void CheckBox11Click();
  void CheckBox22Click();
  void ComboBox3Change();
  void CheckBox12Click();
  void ExportKnopfClick();
  void VergleichKnopfClick();

protected:
  void showEvent(QShowEvent* ereignis) override;
  void wheelEvent(QWheelEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
  void Aufbauen();
  void Benennen();
  QGroupBox* OptionenAufbauen();
  QGroupBox* AnzeigeAufbauen();
  QGroupBox* AusschnittAufbauen();
  QGroupBox* ExtrasAufbauen();
  QGroupBox* FitAufbauen();
  void Verbinden();
  void FitVerbinden();
  void MausVerbinden();
  void KastenAuf(std::optional<TWeltpunkt> w);
  TPlotfelder Felder() const;
  void Lampe(int bild);
  // The world point of a pixel of the drawn diagram; nothing before anything was drawn or when
  // the result is not finite.
  std::optional<TWeltpunkt> Welt(TPixel p) const;
  void Gruppen(bool anzeige);
  struct TPlotdaten {
    TVektor x, y, dx, dy;
  };
  TDiagrammEinstellungen Aufnehmen(TPlotdaten& daten);

  TAnwendung& anwendung_;
  QImage bild_;
  std::array<QPixmap, 3> lampen_; // failure, success, busy
  TDiagrammEinstellungen einstellungen_;
  TAbbildung abbildung_{};
  TFitErgebnis fit_;              // of the raw columns: "Get", the information window
  TFitErgebnis gezeichneterFit_;  // the curve as drawn: the tracer
  uint32_t farbe_ = 0x000000FF;
  bool zeichenauftrag_ = false;
  QElapsedTimer uhr_; // from the request to the end of the drawing
  bool optionenGezeigt_ = true;
  int zeichnungen_ = 0;
  int lampe_ = -1;
};
