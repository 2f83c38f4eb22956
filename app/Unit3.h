// TForm3: the explanations of the column operations in words, and of the fit models with an
// example drawing of each.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QListWidget;
class TAnwendung;

class TForm3 : public QWidget {
  Q_OBJECT

public:
  explicit TForm3(TAnwendung& anwendung);
  // Fills both lists and draws the first model's example.
  void FormCreate();

  // The example drawing as it stands.
  const QImage& Beispielbild() const { return bild_; }

  QListWidget* ListBox1;
  QComboBox* ComboBox1;
  QLabel* Label1;
  QLabel* Image1;

public slots:
  void ListBox1Click();
  void ComboBox1Change();

private:
  TAnwendung& anwendung_;
  QImage bild_;
  std::array<uint8_t, 31> operationen_{}; // operation number of each list position
};
