// TForm1: the main window with the four columns and the operation group.
#pragma once

#include "operations/Katalog.h"
#include "operations/Spaltenmodell.h"

#include "Spaltenfeld.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TAnwendung;

class TForm1 : public QWidget {
  Q_OBJECT

public:
  explicit TForm1(TAnwendung& anwendung);
  // Start-up: the operation list and the data folder.
  void FormCreate();

  // A column 1..4.
  TSpaltenfeld* Spalte(int nummer) const { return memos_[nummer - 1]; }
  // The lines of a column, and setting a column from lines.
  TStringListe Zeilen(int nummer) const;
  void ZeilenSetzen(int nummer, const TStringListe& zeilen);
  // Writes back only the given lines of a column (the plot window's normalised lines), so the
  // editor keeps its cursor (and its undo history where no line changed its length).
  void ZeilenAnpassen(int nummer, const TStringListe& zeilen, const std::vector<std::size_t>& geaendert);

  // The operation number of the selected list position.
  uint8_t GewaehlteOperation() const;

  // The four columns as the data set named in Edit3; errors propagate.
  void Sichern();
  void Laden();
  // Loads the data set of that name into the four columns, Edit3 unchanged; a missing column
  // file is reported and its column kept.
  void DatensatzLaden(const QString& name);
  // The info window's example: Sortieren of two columns, the operation box ticked.
  void BeispielEinfuellen();
  // At start the options window hides the example label until the user picks an operation.
  void BeispielVerbergen();

  void Einrichten();
  void Angleichen(uint8_t art);
  void Optionangleichen();

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
  TSpaltenfeld *Memo1, *Memo2, *Memo3, *Memo4, *Memo5;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8,
      *Button9, *Button10, *Button12, *Button13, *Button14, *Button15, *Button16, *Button17;
  QGroupBox* GroupBox1;
  QComboBox* ComboBox1;
  QLineEdit *Edit1, *Edit2, *Edit3;
  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
  QPushButton *BitBtn1, *BitBtn2;
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4;

public slots:
  void ComboBox1Change();
  void BitBtn1Click();
  void BitBtn2Click();
  void CheckBox2Click();
  void Button1Click();
  void Button16Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void Button12Click();
  void Button13Click();
  void Button14Click();
  void Button15Click();
  void Button17Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void Memo1Change();
  void Memo2Change();
  void Memo3Change();
  void Memo4Change();
  // The last of several dropped files: loaded into column 1 and split into columns 1 and 2.
  void DateiFallenGelassen(const QStringList& pfade);

signals:
  // The window closed after saving: the program ends.
  void Geschlossen();

protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;
  void dragEnterEvent(QDragEnterEvent* ereignis) override;
  void dropEvent(QDropEvent* ereignis) override;

private:
  void Aufbauen();
  void Verbinden();
  void Tabfolge();
  void SpalteLeeren(int nummer);
  void SpalteKopieren(int nummer);
  void SpalteGeaendert(int nummer);
  // Runs the operation on the model (input columns 1 and 2 filled in) and writes back the
  // columns marked changed, also after an error, which it then raises after the messages.
  void OperationAnwenden(const TOperation& op, TSpaltenModell modell);
  // "Auf Datei anwenden": the input files into columns 1 and 2; false when column 1's file
  // is missing.
  bool DateienEinlesen();
  void DateienSchreiben();
  QString Dateiname(const QString& vorsatz, bool mitTxt) const;
  // Loads the file into the column, or says "Datei … nicht gefunden" and returns false.
  bool SpalteLaden(int nummer, const QString& pfad);
  // The file of column k of the data set with the name: "k_name.txt" in the data folder.
  QString Datensatzdatei(int k, const QString& name) const;
  bool FormClose();

  TAnwendung& anwendung_;
  std::array<TSpaltenfeld*, 4> memos_{};
  std::array<QPushButton*, 4> leeren_{};
  std::array<TGanzSatz, Operationsanzahl> auswahl_{};
  QString letzteDatei_;
};
