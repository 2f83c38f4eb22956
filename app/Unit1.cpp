// TForm1: the main window with the four columns and the operation group.
#include "Unit1.h"

#include "Anwendung.h"
#include "Meldungen.h"
#include "Textdatei.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Wartecursor.h"
#include "Waechter.h"

#include "core/Zahllesen.h"
#include "core/Zahltext.h"
#include "core/Zeilen.h"
#include "operations/Dispatcher.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

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

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

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

void TForm1::FormCreate() {
  Einrichten();
  Bewacht(anwendung_.Meldungen(), [&] { anwendung_.Datenordner(); });
}

TStringListe TForm1::Zeilen(int nummer) const { return Spalte(nummer)->Zeilen(); }

void TForm1::ZeilenSetzen(int nummer, const TStringListe& zeilen) { Spalte(nummer)->ZeilenSetzen(zeilen); }

uint8_t TForm1::GewaehlteOperation() const {
  const int position = std::max(ComboBox1->currentIndex(), 0);
  return static_cast<uint8_t>(auswahl_[static_cast<std::size_t>(position)].Wert);
}

void TForm1::Einrichten() {
  auswahl_ = Auswahltabelle();
  ComboBox1->clear();
  for (const TGanzSatz& eintrag : auswahl_)
    ComboBox1->addItem(Text(Operationsnamen(static_cast<uint8_t>(eintrag.Wert))));
  ComboBox1->setCurrentIndex(0);
}

void TForm1::ComboBox1Change() { Angleichen(GewaehlteOperation()); }

void TForm1::Angleichen(uint8_t art) {
  const TOperationsEintrag& eintrag = Operationseintrag(art);
  Edit1->clear();
  Edit1->setEnabled(eintrag.Wertfeld);
  Label2->setEnabled(eintrag.Wertfeld);
  CheckBox1->setEnabled(eintrag.Kastentext != nullptr);
  if (eintrag.Kastentext)
    CheckBox1->setText(QString::fromUtf8(eintrag.Kastentext));
  else if (!eintrag.KastentextBleibt)
    CheckBox1->setText(QString::fromUtf8(KastentextGesperrt));
  switch (eintrag.Vorgabe) {
  case TWertvorgabe::Zwei:
    Edit1->setText(QStringLiteral("2"));
    break;
  case TWertvorgabe::Sechzehn:
    Edit1->setText(QStringLiteral("16"));
    break;
  case TWertvorgabe::HalbeZeilenzahl:
    Edit1->setText(QString::number(Memo1->Zeilenzahl() / 2));
    break;
  case TWertvorgabe::Leer:
    break;
  }
  const bool hilfen = anwendung_.Form7().CheckBox2->isChecked();
  const QString beispiel = hilfen ? Text(Beispiele(art)) : QString();
  ComboBox1->setToolTip(beispiel);
  Label9->setText(beispiel);
  Label9->setVisible(hilfen);
}

void TForm1::Optionangleichen() {
  const bool fortgeschritten = anwendung_.Form7().CheckBox1->isChecked();
  for (QToolButton* knopf : {SpeedButton2, SpeedButton3, SpeedButton4}) knopf->setVisible(fortgeschritten);
  if (anwendung_.Form7().CheckBox3->isChecked()) SpeedButton2->click();
}

QString TForm1::Dateiname(const QString& vorsatz, bool mitTxt) const {
  return anwendung_.Datei(vorsatz + Edit2->text() + (mitTxt ? QStringLiteral(".txt") : QString()));
}

void TForm1::SpalteLaden(int nummer, const QString& pfad) {
  const QString text = TextLaden(pfad);
  const TWartecursor warten;
  Spalte(nummer)->setPlainText(text);
}

bool TForm1::DateienEinlesen() {
  const bool mitTxt = CheckBox3->isChecked();
  const QString pfad1 = Dateiname(QStringLiteral("1_"), mitTxt);
  if (!QFileInfo::exists(pfad1)) {
    anwendung_.Meldungen().Zeigen(QStringLiteral("Datei ") + pfad1 + QStringLiteral(" nicht gefunden"));
    return false;
  }
  SpalteLaden(1, pfad1);
  const QString pfad2 = Dateiname(QStringLiteral("2_"), mitTxt);
  if (QFileInfo::exists(pfad2))
    SpalteLaden(2, pfad2);
  else
    anwendung_.Meldungen().Zeigen(QStringLiteral("Datei ") + pfad2 + QStringLiteral(" nicht gefunden"));
  return true;
}

void TForm1::DateienSchreiben() {
  TextSpeichern(Dateiname(QStringLiteral("3"), false), DateiText(Memo3->toPlainText()));
  TextSpeichern(Dateiname(QStringLiteral("4"), false), DateiText(Memo4->toPlainText()));
}

void TForm1::OperationAnwenden(const TOperation& op, TSpaltenModell modell) {
  std::exception_ptr fehler; // shown after the lines written so far are in the columns
  {
    const TWartecursor warten;
    try {
      OperationAusfuehren(modell, op);
    } catch (...) {
      fehler = std::current_exception();
    }
    for (int k = 1; k <= 4; ++k)
      if (modell.Geaendert[k - 1]) ZeilenSetzen(k, modell.Spalte(k));
  }
  for (const std::string& meldung : modell.Meldungen) anwendung_.Meldungen().Zeigen(Text(meldung));
  if (fehler) std::rethrow_exception(fehler);
}

void TForm1::BitBtn1Click() {
  if (CheckBox2->isChecked() && !DateienEinlesen()) return;
  double wert = 0;
  if (!Edit1->text().isEmpty()) {
    std::string text = Edit1->text().toStdString();
    ZeichenErsetzen(text, '.', ',');
    Edit1->setText(QString::fromStdString(text));
    wert = ZahlAusText(text, 0);
  }
  TOperation op;
  OperationSetzen(GewaehlteOperation(), CheckBox1->isChecked(), op, wert);
  TSpaltenModell modell;
  modell.Spalte(1) = Zeilen(1);
  modell.Spalte(2) = Zeilen(2);
  std::exception_ptr fehler; // the files get what was written before the fault
  try {
    OperationAnwenden(op, std::move(modell));
  } catch (...) {
    fehler = std::current_exception();
  }
  if (CheckBox2->isChecked()) DateienSchreiben();
  if (fehler) std::rethrow_exception(fehler);
}

// The help button leads to the info window, and from there to the explanations and the
// options (as the welcome window's tip says).
void TForm1::BitBtn2Click() { anwendung_.Form2().show(); }

void TForm1::CheckBox2Click() {
  Edit2->setEnabled(CheckBox2->isChecked());
  CheckBox3->setEnabled(CheckBox2->isChecked());
}

void TForm1::Button1Click() { Memo1->setPlainText(Memo3->toPlainText()); }
void TForm1::Button16Click() { Memo2->setPlainText(Memo4->toPlainText()); }

void TForm1::SpalteLeeren(int nummer) {
  leeren_[nummer - 1]->setText(QStringLiteral("Leeren "));
  Spalte(nummer)->clear();
}

void TForm1::Button2Click() { SpalteLeeren(1); }
void TForm1::Button3Click() { SpalteLeeren(2); }
void TForm1::Button4Click() { SpalteLeeren(3); }
void TForm1::Button5Click() { SpalteLeeren(4); }

void TForm1::SpalteKopieren(int nummer) {
  QGuiApplication::clipboard()->setText(Spalte(nummer)->toPlainText());
}

void TForm1::Button6Click() { SpalteKopieren(1); }
void TForm1::Button7Click() { SpalteKopieren(2); }
void TForm1::Button8Click() { SpalteKopieren(3); }
void TForm1::Button9Click() { SpalteKopieren(4); }

void TForm1::SpalteGeaendert(int nummer) {
  leeren_[nummer - 1]->setText(QStringLiteral("Leeren ") + QString::number(Spalte(nummer)->Zeilenzahl()));
}

void TForm1::Memo1Change() { SpalteGeaendert(1); }
void TForm1::Memo2Change() { SpalteGeaendert(2); }
void TForm1::Memo3Change() { SpalteGeaendert(3); }
void TForm1::Memo4Change() { SpalteGeaendert(4); }

void TForm1::Button10Click() {
  TForm4& plot = anwendung_.Form4();
  for (QCheckBox* grenze : {plot.CheckBox4, plot.CheckBox5, plot.CheckBox6, plot.CheckBox7})
    if (grenze->isChecked()) grenze->click();
  if (Memo1->Zeilenzahl() < 1 || Memo2->Zeilenzahl() < 1) {
    anwendung_.Meldungen().Zeigen(QStringLiteral("Es müssen Datenpaare in Spalte 1 und 2 vorhanden sein"));
    return;
  }
  if (!plot.isVisible()) plot.show();
}

void TForm1::Button12Click() { Edit1->setText(QString::fromStdString(ZahlAlsText(std::numbers::pi))); }
void TForm1::Button13Click() { Edit1->setText(QString::fromStdString(ZahlAlsText(std::exp(1.0L)))); }

void TForm1::Sichern() {
  anwendung_.Datenordner();
  for (int k = 1; k <= 4; ++k)
    TextSpeichern(anwendung_.Datei(QString::number(k) + QStringLiteral("_") + Edit3->text() + QStringLiteral(".txt")),
                  DateiText(Spalte(k)->toPlainText()));
}

void TForm1::Laden() {
  anwendung_.Datenordner();
  for (int k = 1; k <= 4; ++k) {
    const QString pfad =
        anwendung_.Datei(QString::number(k) + QStringLiteral("_") + Edit3->text() + QStringLiteral(".txt"));
    if (QFileInfo::exists(pfad))
      SpalteLaden(k, pfad);
    else
      anwendung_.Meldungen().Zeigen(QStringLiteral("Datei ") + pfad + QStringLiteral(" nicht gefunden"));
  }
}

void TForm1::Button14Click() { Sichern(); }

void TForm1::Button15Click() { Laden(); }

void TForm1::SpeedButton2Click() {
  const QString name = Edit3->text();
  Edit3->setText(QStringLiteral("letzte"));
  Button15Click();
  Edit3->setText(name);
}

void TForm1::Button17Click() {
  QRandomGenerator zufall(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
  // A range that came out empty or negative draws 0.
  const auto r = [&](int k) { return k > 0 ? static_cast<int>(zufall.bounded(k)) : 0; };
  Memo1->clear();
  Memo2->clear();
  const int n = r(100) + 10;
  const int a1 = r(100) - 50;
  const int w1 = r(100) + a1 + 10;
  const int a2 = r(100) - 50;
  const int w2 = r(100) + a2 + 10;
  QStringList spalte1, spalte2;
  for (int i = 0; i < n; ++i) {
    spalte1 << QString::fromStdString(ZahlAlsText(r(w1) + a1 + zufall.generateDouble()));
    spalte2 << QString::fromStdString(ZahlAlsText(r(w2) + a2 + zufall.generateDouble()));
  }
  Memo1->setPlainText(spalte1.join(QLatin1Char('\n')));
  Memo2->setPlainText(spalte2.join(QLatin1Char('\n')));
}

void TForm1::SpeedButton1Click() { anwendung_.Form6().show(); }

void TForm1::SpeedButton3Click() {
  anwendung_.Form8().laden();
  anwendung_.Form8().show();
}

void TForm1::SpeedButton4Click() {
  Memo5->setPlainText(Memo1->toPlainText());
  Memo1->setPlainText(Memo2->toPlainText());
  Memo2->setPlainText(Memo5->toPlainText());
}

void TForm1::DateiFallenGelassen(const QStringList& pfade) {
  if (pfade.isEmpty()) return;
  letzteDatei_ = pfade.last();
  // The file replaces column 1 and goes straight into the split, so that a large file is
  // put into the column widgets once, not twice.
  TSpaltenModell modell;
  modell.Spalte(1) = SpaltenZeilen(TextLaden(letzteDatei_));
  modell.Geaendert[0] = true;
  TOperation op;
  OperationSetzen(21, false, op, 0);
  OperationAnwenden(op, std::move(modell));
}

namespace {

QStringList LokaleDateien(const QMimeData* daten) {
  QStringList pfade;
  for (const QUrl& url : daten->urls())
    if (url.isLocalFile()) pfade << url.toLocalFile();
  return pfade;
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* ereignis) {
  if (!LokaleDateien(ereignis->mimeData()).isEmpty()) ereignis->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* ereignis) {
  ereignis->acceptProposedAction();
  Bewacht(anwendung_.Meldungen(), [&] { DateiFallenGelassen(LokaleDateien(ereignis->mimeData())); });
}

// Files dragged onto a column are loaded like files dropped on the window, instead of the
// column pasting their names; text dragged between columns stays the columns' own affair.
bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
  const auto typ = ereignis->type();
  if (typ != QEvent::DragEnter && typ != QEvent::DragMove && typ != QEvent::Drop)
    return QWidget::eventFilter(objekt, ereignis);
  auto* ziehen = static_cast<QDropEvent*>(ereignis);
  if (LokaleDateien(ziehen->mimeData()).isEmpty()) return QWidget::eventFilter(objekt, ereignis);
  ziehen->acceptProposedAction();
  if (typ == QEvent::Drop)
    Bewacht(anwendung_.Meldungen(), [&] { DateiFallenGelassen(LokaleDateien(ziehen->mimeData())); });
  return true;
}

bool TForm1::FormClose() {
  Edit3->setText(QStringLiteral("letzte"));
  try {
    Sichern();
    anwendung_.Form7().speichern();
    return true;
  } catch (const std::exception& fehler) {
    // The window stays open so that the user can make room and try again; one who cannot
    // fix the folder must still be able to end the program.
    return anwendung_.Meldungen().Frage(QString::fromUtf8(fehler.what()) +
                                        QStringLiteral("\n\nQuarn trotzdem ohne Sichern beenden?"));
  }
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
  if (!FormClose()) {
    ereignis->ignore();
    return;
  }
  ereignis->accept();
  emit Geschlossen();
}
