// TForm4: the plot window. So far it holds the controls that the other windows set: the help
// label and the four fixed axis limits.
#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TAnwendung;

class TForm4 : public QWidget {
  Q_OBJECT

public:
  explicit TForm4(TAnwendung& anwendung);

  // The help label, shown with the option "Hilfen anzeigen".
  void HilfeZeigen(bool zeigen);
  // The main window's plot button unticks the four fixed-limit boxes as a click on each
  // would, so that their handlers run.
  void FesteGrenzenLoesen();

  QLabel* Label18;
  QGroupBox* GroupBox4;
  QCheckBox *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;
  QLineEdit *Edit6, *Edit7, *Edit8, *Edit9;

public slots:
  // A ticked limit box enables its value field, an unticked one disables it.
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox6Click();
  void CheckBox7Click();

private:
  TAnwendung& anwendung_;
};
