// The application object: creates the nine windows in their fixed order, owns them and
// holds what they share (data folder, ready flag, message output).
#pragma once

#include <QString>

#include <memory>

class TDialoge;
class TMeldungen;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TModellvergleich;

class TAnwendung {
public:
  // programmordner: the folder of the program file; the data live in its subfolder "Quarn",
  // or, when that cannot be written, in the user's data folder.
  TAnwendung(const QString& programmordner, TMeldungen& meldungen, TDialoge& dialoge);
  ~TAnwendung();
  TAnwendung(const TAnwendung&) = delete;
  TAnwendung& operator=(const TAnwendung&) = delete;

  // Shows the main window, and the welcome window on the very first start.
  void Starten();

  // The folder "Quarn" for data sets and settings; created on demand (TEAFehler when that
  // fails everywhere).
  QString Datenordner();
  QString Datei(const QString& name) { return Datenordner() + QLatin1Char('/') + name; }

  TMeldungen& Meldungen() { return meldungen_; }
  TDialoge& Dialoge() { return dialoge_; }

  bool Bereit = false;

  TForm1& Form1() { return *form1_; }
  TForm2& Form2() { return *form2_; }
  TForm3& Form3() { return *form3_; }
  TForm4& Form4() { return *form4_; }
  TForm5& Form5() { return *form5_; }
  TForm6& Form6() { return *form6_; }
  TForm7& Form7() { return *form7_; }
  TForm8& Form8() { return *form8_; }
  TForm9& Form9() { return *form9_; }
  // Beyond the nine classic windows: the comparison of all models.
  TModellvergleich& Modellvergleich() { return *modellvergleich_; }

private:
  QString programmordner_;
  QString datenordner_;
  TMeldungen& meldungen_;
  TDialoge& dialoge_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TForm7> form7_;
  std::unique_ptr<TForm8> form8_;
  std::unique_ptr<TForm9> form9_;
  std::unique_ptr<TModellvergleich> modellvergleich_;
};
