// TForm8: the list of the data sets saved in the data folder.
#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class TAnwendung;

// The data sets among the names of a folder listing, in listing order: a name with its first
// two characters and its extension removed is a data set when exactly four names reduce to it.
QStringList Datensaetze(const QStringList& eintraege);

class TForm8 : public QWidget {
  Q_OBJECT

public:
  explicit TForm8(TAnwendung& anwendung);

  // Rescans the data folder and refills the list.
  void laden();

  QListWidget* ListBox1;
  QCheckBox* CheckBox1;
  QLabel* Label1;

public slots:
  void ListBox1Click();
  void CheckBox1Click();

private:
  TAnwendung& anwendung_;
};
