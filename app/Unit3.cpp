// TForm3: the explanations window.
#include "Unit3.h"

#include "Anwendung.h"
#include "Modellliste.h"
#include "QtLeinwand.h"
#include "Textdatei.h"
#include "Waechter.h"

#include "fit/Modelle.h"
#include "operations/Katalog.h"
#include "plot/Beispiel.h"
#include "plot/Diagramm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

TForm3::TForm3(TAnwendung& anwendung) : anwendung_(anwendung), bild_(129, 121, QImage::Format_RGB32) {
  setWindowTitle(QStringLiteral("Erklärung zu den Operationen"));
  ListBox1 = new QListWidget(this);
  ComboBox1 = new QComboBox(this);
  ComboBox1->addItem(QStringLiteral("Fits"));
  Label1 = new QLabel(this);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setFixedSize(361, 129);
  Image1 = new QLabel(this);
  Image1->setFixedSize(129, 121);
  auto* raster = new QGridLayout(this);
  raster->addWidget(ListBox1, 0, 0, 3, 1);
  raster->addWidget(Label1, 0, 1, 1, 2);
  raster->addWidget(ComboBox1, 1, 1, Qt::AlignTop);
  raster->addWidget(Image1, 1, 2, 2, 1);
  TMeldungen& m = anwendung_.Meldungen();
  Verbinde(m, ListBox1, &QListWidget::itemClicked, this, &TForm3::ListBox1Click);
  Verbinde(m, ListBox1, &QListWidget::currentRowChanged, this, &TForm3::ListBox1Click);
  Verbinde(m, ComboBox1, &QComboBox::currentIndexChanged, this, &TForm3::ComboBox1Change);
}

void TForm3::FormCreate() {
  const auto tabelle = Auswahltabelle();
  for (std::size_t i = 0; i < tabelle.size(); ++i) {
    operationen_[i] = static_cast<uint8_t>(tabelle[i].Wert);
    ListBox1->addItem(AusUtf8(Operationsnamen(operationen_[i])));
  }
  ListBox1->setMinimumWidth(ListBox1->sizeHintForColumn(0) + 2 * ListBox1->frameWidth() +
                            ListBox1->verticalScrollBar()->sizeHint().width());
  const QSignalBlocker still(ComboBox1);
  ComboBox1->clear();
  ModelleEintragen(*ComboBox1);
  ComboBox1->setCurrentIndex(0);
  ComboBox1Change();
}

void TForm3::ListBox1Click() {
  // Only a chosen entry: the list makes its first row current when it merely gets the focus.
  const int zeile = ListBox1->currentRow();
  const QListWidgetItem* eintrag = ListBox1->currentItem();
  if (!eintrag || !eintrag->isSelected() || zeile >= static_cast<int>(operationen_.size())) return;
  Label1->setText(AusUtf8(Erklaerungen(operationen_[static_cast<std::size_t>(zeile)])));
}

void TForm3::ComboBox1Change() {
  const uint8_t modell = GewaehltesModell(*ComboBox1);
  if (modell == Modellnr::Keins) return;
  // Each example starts on a white image; a fault leaves what was drawn, without a message.
  bild_.fill(Qt::white);
  TQtLeinwand leinwand(bild_);
  try {
    const TBeispiel beispiel = ModellBeispiel(modell);
    BeispielZeichnen(leinwand, beispiel.x, beispiel.y, beispiel.einstellungen);
  } catch (...) {
  }
  Image1->setPixmap(QPixmap::fromImage(bild_));
}
