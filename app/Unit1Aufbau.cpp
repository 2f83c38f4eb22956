// TForm1: building the window, its connections and its tab order.
#include "Unit1.h"

#include "Anwendung.h"
#include "Waechter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace {

TSpaltenfeld* Spaltenfeld(QWidget* eltern) {
  auto* memo = new TSpaltenfeld(eltern);
  memo->setFixedSize(160, 330);
  return memo;
}

QToolButton* Knopf(const QString& text, const QString& hinweis, QWidget* eltern) {
  auto* knopf = new QToolButton(eltern);
  knopf->setText(text);
  knopf->setToolTip(hinweis);
  return knopf;
}

} // namespace

TForm1::TForm1(TAnwendung& anwendung) : anwendung_(anwendung) {
  Aufbauen();
  Verbinden();
}

void TForm1::Aufbauen() {
  setWindowTitle(QStringLiteral("Quarn v1.21"));
  Label3 = new QLabel(QStringLiteral("Eingabe"), this);
  Label4 = new QLabel(QStringLiteral("Ausgabe"), this);
  Label5 = new QLabel(QStringLiteral("1"), this);
  Label6 = new QLabel(QStringLiteral("2"), this);
  Label7 = new QLabel(QStringLiteral("3"), this);
  Label8 = new QLabel(QStringLiteral("4"), this);
  Memo1 = Spaltenfeld(this);
  Memo1->setToolTip(QStringLiteral("Hier die Daten eintragen"));
  Memo1->viewport()->setToolTip(Memo1->toolTip());
  Memo2 = Spaltenfeld(this);
  Memo3 = Spaltenfeld(this);
  Memo4 = Spaltenfeld(this);
  Memo5 = new TSpaltenfeld(this);
  Memo5->setPlainText(QStringLiteral("Memo5"));
  Memo5->hide();
  memos_ = {Memo1, Memo2, Memo3, Memo4};
  Button2 = new QPushButton(QStringLiteral("Leeren"), this);
  Button3 = new QPushButton(QStringLiteral("Leeren"), this);
  Button4 = new QPushButton(QStringLiteral("Leeren"), this);
  Button5 = new QPushButton(QStringLiteral("Leeren"), this);
  leeren_ = {Button2, Button3, Button4, Button5};
  Button6 = new QPushButton(QStringLiteral("Kopieren"), this);
  Button7 = new QPushButton(QStringLiteral("Kopieren"), this);
  Button8 = new QPushButton(QStringLiteral("Kopieren"), this);
  Button9 = new QPushButton(QStringLiteral("Kopieren"), this);
  const QString s3nach1 = QStringLiteral("Spalte 3 nach Spalte 1");
  Button1 = new QPushButton(s3nach1, this);
  Button1->setToolTip(s3nach1);
  const QString s4nach2 = QStringLiteral("Spalte 4 nach Spalte 2");
  Button16 = new QPushButton(s4nach2, this);
  Button16->setToolTip(s4nach2);

  auto* spalten = new QGridLayout;
  spalten->addWidget(Label3, 0, 0, 1, 2, Qt::AlignHCenter);
  spalten->addWidget(Label4, 0, 2, 1, 2, Qt::AlignHCenter);
  const std::array<QLabel*, 4> nummern = {Label5, Label6, Label7, Label8};
  const std::array<QPushButton*, 4> kopieren = {Button6, Button7, Button8, Button9};
  for (int k = 0; k < 4; ++k) {
    spalten->addWidget(nummern[k], 1, k, Qt::AlignHCenter);
    spalten->addWidget(memos_[k], 2, k);
    spalten->addWidget(leeren_[k], 3, k);
    spalten->addWidget(kopieren[k], 4, k);
  }
  spalten->addWidget(Button1, 5, 0, 1, 2);
  spalten->addWidget(Button16, 5, 2, 1, 2);

  GroupBox1 = new QGroupBox(this);
  Label1 = new QLabel(QStringLiteral("Operation"), GroupBox1);
  ComboBox1 = new QComboBox(GroupBox1);
  Label2 = new QLabel(QStringLiteral("Wert"), GroupBox1);
  Edit1 = new QLineEdit(GroupBox1);
  Button12 = new QPushButton(QStringLiteral("π"), GroupBox1);
  Button13 = new QPushButton(QStringLiteral("e"), GroupBox1);
  for (QPushButton* klein : {Button12, Button13}) klein->setMaximumWidth(28);
  CheckBox1 = new QCheckBox(QStringLiteral("Reihenfolge"), GroupBox1);
  BitBtn1 = new QPushButton(QStringLiteral("OK"), GroupBox1);
  BitBtn2 = new QPushButton(QStringLiteral("Hilfe"), GroupBox1);
  Label9 = new QLabel(GroupBox1);
  QFont klein = Label9->font();
  klein.setPointSizeF(klein.pointSizeF() * 0.85);
  Label9->setFont(klein);
  // The example keeps its room while hidden, so that nothing below it moves when it appears.
  QSizePolicy platz = Label9->sizePolicy();
  platz.setRetainSizeWhenHidden(true);
  Label9->setSizePolicy(platz);
  Label9->setMinimumHeight(QFontMetrics(klein).height());
  Label9->hide();
  auto* gruppe = new QVBoxLayout(GroupBox1);
  gruppe->addWidget(Label1);
  gruppe->addWidget(ComboBox1);
  gruppe->addWidget(Label9);
  auto* wertzeile = new QHBoxLayout;
  wertzeile->addWidget(Label2);
  wertzeile->addWidget(Edit1);
  wertzeile->addWidget(Button12);
  wertzeile->addWidget(Button13);
  gruppe->addLayout(wertzeile);
  gruppe->addWidget(CheckBox1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(BitBtn1);
  knoepfe->addWidget(BitBtn2);
  gruppe->addLayout(knoepfe);

  CheckBox2 = new QCheckBox(QStringLiteral("Auf Datei anwenden"), this);
  Edit2 = new QLineEdit(QStringLiteral("Daten"), this);
  Edit2->setEnabled(false);
  CheckBox3 = new QCheckBox(QStringLiteral(".txt"), this);
  CheckBox3->setChecked(true);
  CheckBox3->setEnabled(false);
  SpeedButton1 = Knopf(QStringLiteral("f(x)"), QStringLiteral("Funktionswerte einfügen"), this);
  SpeedButton2 = Knopf(QStringLiteral("L."), QStringLiteral("Daten vom letzten Mal laden"), this);
  SpeedButton3 = Knopf(QStringLiteral("F."), QStringLiteral("Zeige Dateien an"), this);
  SpeedButton4 = Knopf(QStringLiteral("T"), QStringLiteral("Tausche Spalte 1 mit Spalte 2"), this);
  Button10 = new QPushButton(QStringLiteral("Spalte 2 gegen Spalte 1 plotten"), this);
  Button17 = new QPushButton(QStringLiteral("Rand"), this);
  Button17->hide();
  Button15 = new QPushButton(QStringLiteral("Laden"), this);
  Edit3 = new QLineEdit(QStringLiteral("Daten"), this);
  Button14 = new QPushButton(QStringLiteral("Sichern"), this);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(GroupBox1);
  auto* datei = new QHBoxLayout;
  datei->addWidget(CheckBox2);
  datei->addWidget(Edit2);
  datei->addWidget(CheckBox3);
  rechts->addLayout(datei);
  auto* extras = new QHBoxLayout;
  for (QToolButton* k : {SpeedButton1, SpeedButton4, SpeedButton3, SpeedButton2}) extras->addWidget(k);
  extras->addStretch();
  rechts->addLayout(extras);
  rechts->addWidget(Button10);
  rechts->addWidget(Button17);
  auto* daten = new QHBoxLayout;
  daten->addWidget(Button15);
  daten->addWidget(Edit3);
  daten->addWidget(Button14);
  rechts->addLayout(daten);
  rechts->addStretch();

  auto* haupt = new QHBoxLayout(this);
  haupt->addLayout(spalten);
  haupt->addLayout(rechts);
  haupt->setSizeConstraint(QLayout::SetFixedSize);
  setAcceptDrops(true);
  for (TSpaltenfeld* memo : memos_) memo->viewport()->installEventFilter(this);
  Tabfolge();
}

// Tab follows the layout: the four columns, their buttons row by row, the operation group,
// then the file row, the extra buttons, plotting and the data set row.
void TForm1::Tabfolge() {
  std::vector<QWidget*> folge(memos_.begin(), memos_.end());
  folge.insert(folge.end(), leeren_.begin(), leeren_.end());
  folge.insert(folge.end(), {Button6, Button7, Button8, Button9, Button1, Button16, ComboBox1, Edit1, Button12,
                             Button13, CheckBox1, BitBtn1, BitBtn2, CheckBox2, Edit2, CheckBox3, SpeedButton1,
                             SpeedButton4, SpeedButton3, SpeedButton2, Button10, Button15, Edit3, Button14});
  for (std::size_t i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);
}

void TForm1::Verbinden() {
  TMeldungen& m = anwendung_.Meldungen();
  Verbinde(m, ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
  Verbinde(m, BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
  Verbinde(m, Edit1, &QLineEdit::returnPressed, this, &TForm1::BitBtn1Click); // Return runs it like OK
  Verbinde(m, BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
  Verbinde(m, CheckBox2, &QCheckBox::clicked, this, &TForm1::CheckBox2Click);
  Verbinde(m, Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  Verbinde(m, Button16, &QPushButton::clicked, this, &TForm1::Button16Click);
  Verbinde(m, Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  Verbinde(m, Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  Verbinde(m, Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  Verbinde(m, Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  Verbinde(m, Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
  Verbinde(m, Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  Verbinde(m, Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
  Verbinde(m, Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
  Verbinde(m, Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
  Verbinde(m, Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
  Verbinde(m, Button13, &QPushButton::clicked, this, &TForm1::Button13Click);
  Verbinde(m, Button14, &QPushButton::clicked, this, &TForm1::Button14Click);
  Verbinde(m, Button15, &QPushButton::clicked, this, &TForm1::Button15Click);
  Verbinde(m, Button17, &QPushButton::clicked, this, &TForm1::Button17Click);
  Verbinde(m, SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
  Verbinde(m, SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
  Verbinde(m, SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
  Verbinde(m, SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
  Verbinde(m, Memo1, &TSpaltenfeld::textChanged, this, &TForm1::Memo1Change);
  Verbinde(m, Memo2, &TSpaltenfeld::textChanged, this, &TForm1::Memo2Change);
  Verbinde(m, Memo3, &TSpaltenfeld::textChanged, this, &TForm1::Memo3Change);
  Verbinde(m, Memo4, &TSpaltenfeld::textChanged, this, &TForm1::Memo4Change);
}
