// TForm7: the options window; its three check boxes are the program's options while it runs.
#pragma once

#include "plot/Diagrammeinstellungen.h"

#include <QWidget>

class QCheckBox;
class QPushButton;
class TAnwendung;

class TForm7 : public QWidget {
  Q_OBJECT

public:
  explicit TForm7(TAnwendung& anwendung);
  // Start-up: reads the options and applies them to the main and plot windows.
  void FormCreate();

  // The check boxes from the settings file ("Quarn.ini"), defaults where it has nothing.
  void laden();
  // The check boxes into the settings file; TIniFehler when it cannot be written.
  void speichern();

  // The plot window's record into the file "Diagramm", written whole or not at all; false when
  // it could not be written (nothing is reported: closing never fails for it).
  bool diagrammspeichern();
  // The file "Diagramm": false when there is none. A file shorter than one record gives the
  // built-in default record and ganz = false. TEAFehler when it exists but cannot be read.
  bool diagrammladen(TDiagrammEinstellungen& einstellungen, bool& ganz);

  // The three options as they stand.
  bool Fortgeschritten() const;
  bool HilfenAnzeigen() const;
  bool LetzteLaden() const;

  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
  QPushButton* BitBtn1;

public slots:
  void BitBtn1Click();

protected:
  void showEvent(QShowEvent* ereignis) override;

private:
  QString Einstellungsdatei();
  QString Diagrammdatei();

  TAnwendung& anwendung_;
};
