#include "Modellvergleich.h"

#include "Anwendung.h"
#include "Dialoge.h"
#include "QtLeinwand.h"
#include "Steuerelemente.h"
#include "Textdatei.h"
#include "Unit4.h"
#include "Waechter.h"

#include "core/Zahltext.h"
#include "fit/Modelle.h"
#include "plot/Diagramm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <atomic>
#include <cmath>
#include <limits>
#include <mutex>
#include <thread>

namespace {

enum TSpalte { Name, Ausgang, P, S, Streuung, AIC, AICc, BIC, DeltaAIC, Spalten };

// A cell sorted by its number, not its text; rows without a number sort last.
class TZahlzelle : public QTableWidgetItem {
public:
  TZahlzelle(const QString& text, double schluessel) : QTableWidgetItem(text) { setData(Qt::UserRole, schluessel); }
  bool operator<(const QTableWidgetItem& andere) const override {
    return data(Qt::UserRole).toDouble() < andere.data(Qt::UserRole).toDouble();
  }
};

QString Kurz(double v) {
  if (std::isnan(v)) return QStringLiteral("–");
  if (std::isinf(v)) return v < 0 ? QStringLiteral("−∞") : QStringLiteral("∞");
  QLocale deutsch(QLocale::German);
  deutsch.setNumberOptions(QLocale::OmitGroupSeparator);
  return deutsch.toString(v, 'g', 7);
}

QString Voll(double v) { return AusUtf8(ZahlAlsText(v)); }

constexpr double Keine = std::numeric_limits<double>::max();

// The explanation under the table for one row: the coefficients with their standard errors,
// or why there are none.
QString Erklaerung(const TBewertung& b, std::size_t n) {
  const QString name = AusUtf8(Modellnamen(b.Modell));
  if (!b.Fehler.empty())
    return name + QStringLiteral(": Der Fit ist gescheitert (") + AusUtf8(b.Fehler) + QStringLiteral(").");
  QString text = name + QStringLiteral(", S = ") + Voll(static_cast<double>(b.Summe)) + QLatin1Char('\n');
  const bool mitFehlern = !b.Singulaer && n > static_cast<std::size_t>(b.Anzahl);
  if (!mitFehlern)
    text += b.Singulaer ? QStringLiteral("Keine Standardfehler: die Normalmatrix ist an der Lösung singulär.\n")
                        : QStringLiteral("Keine Standardfehler: zu wenige Punkte (n ≤ p).\n");
  else
    text += QStringLiteral("Standardfehler aus der inversen Normalmatrix, skaliert mit S/(n − p):\n");
  if (!b.Vergleichbar) text += QStringLiteral("Keine Informationskriterien: zu wenige Punkte (n ≤ p + 1).\n");
  for (int i = 0; i < b.Anzahl; ++i) {
    const auto stelle = static_cast<std::size_t>(i);
    text += QChar('a' + i) + QStringLiteral(" = ") + Voll(b.Ergebnis.Koeffizienten.Werte[stelle]);
    if (b.Standardfehler[stelle]) text += QStringLiteral(" ± ") + Voll(*b.Standardfehler[stelle]);
    text += QLatin1Char('\n');
  }
  return text;
}

} // namespace

// What the worker and the window share: the worker appends each finished row and finally
// sets fertig; the window reads under the lock.
struct TModellvergleich::TAuftrag {
  std::atomic<bool> abbrechen{false}, fertig{false};
  std::mutex sperre;
  std::vector<TBewertung> zeilen;
  std::string fehler; // what ended the worker early (out of memory)
};

TModellvergleich::TModellvergleich(TAnwendung& anwendung) : QWidget(nullptr), anwendung_(anwendung) {
  setWindowTitle(QStringLiteral("Modellvergleich"));
  Aufbauen();
  TMeldungen& m = anwendung_.Meldungen();
  Verbinde(m, StartKnopf, &QPushButton::clicked, this, &TModellvergleich::StartKnopfClick);
  Verbinde(m, AbbrechenKnopf, &QPushButton::clicked, this, &TModellvergleich::AbbrechenKnopfClick);
  Verbinde(m, UebernehmenKnopf, &QPushButton::clicked, this, &TModellvergleich::UebernehmenKnopfClick);
  Verbinde(m, SpeichernKnopf, &QPushButton::clicked, this, &TModellvergleich::SpeichernKnopfClick);
  Verbinde(m, Tabelle, &QTableWidget::itemSelectionChanged, this, &TModellvergleich::TabelleAuswahl);
  Verbinde(m, &uhr_, &QTimer::timeout, this, &TModellvergleich::Nachsehen);
}

TModellvergleich::~TModellvergleich() { Loslassen(); }

void TModellvergleich::Aufbauen() {
  Kopf = new QLabel(this);
  StartKnopf = Knopf(QStringLiteral("Neu vergleichen"), this, QStringLiteral("Alle Modelle an die aktuellen Punkte anpassen"));
  AbbrechenKnopf = Knopf(QStringLiteral("Abbrechen"), this);
  Fortschritt = new QProgressBar(this);
  Fortschritt->setRange(0, Modellanzahl);
  Tabelle = new QTableWidget(0, Spalten, this);
  Tabelle->setHorizontalHeaderLabels({QStringLiteral("Modell"), QStringLiteral("Ergebnis"), QStringLiteral("p"),
                                      QStringLiteral("S"), QStringLiteral("S/(n − p)"), QStringLiteral("AIC"),
                                      QStringLiteral("AICc"), QStringLiteral("BIC"), QStringLiteral("ΔAIC")});
  Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
  Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Tabelle->verticalHeader()->hide();
  Tabelle->setMinimumSize(980, 420);
  Fehlertext = new QPlainTextEdit(this);
  Fehlertext->setReadOnly(true);
  Residuenbild = new QLabel(this);
  residuen_ = QImage(560, 300, QImage::Format_RGB32);
  residuen_.fill(Qt::white);
  Residuenbild->setFixedSize(residuen_.size());
  UebernehmenKnopf = Knopf(QStringLiteral("Übernehmen"), this, QStringLiteral("Das gewählte Modell im Plotfenster anpassen"));
  SpeichernKnopf = Knopf(QStringLiteral("Speichern"), this, QStringLiteral("Die Tabelle als CSV-Datei speichern"));
  auto* oben = new QHBoxLayout;
  oben->addWidget(Kopf, 1);
  oben->addWidget(Fortschritt);
  oben->addWidget(AbbrechenKnopf);
  oben->addWidget(StartKnopf);
  auto* mitte = new QHBoxLayout;
  mitte->addWidget(Fehlertext, 1);
  mitte->addWidget(Residuenbild);
  auto* unten = new QHBoxLayout;
  unten->addStretch();
  unten->addWidget(UebernehmenKnopf);
  unten->addWidget(SpeichernKnopf);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(oben);
  haupt->addWidget(Tabelle, 1);
  haupt->addLayout(mitte);
  haupt->addLayout(unten);
  AbbrechenKnopf->setEnabled(false);
  UebernehmenKnopf->setEnabled(false);
  SpeichernKnopf->setEnabled(false);
}

void TModellvergleich::Oeffnen() {
  show();
  raise();
  activateWindow();
  StartKnopfClick();
}

void TModellvergleich::Loslassen() {
  if (!auftrag_) return;
  auftrag_->abbrechen = true;
  {
    const std::lock_guard<std::mutex> sperre(auftrag_->sperre);
    liste_ = auftrag_->zeilen;
  }
  std::sort(liste_.begin(), liste_.end(), [](const TBewertung& a, const TBewertung& b) { return a.Modell < b.Modell; });
  DeltaAICSetzen(liste_);
  auftrag_.reset();
  uhr_.stop();
}

void TModellvergleich::StartKnopfClick() {
  const auto [x, y] = anwendung_.Form4().Datenpaare();
  if (x.empty()) {
    anwendung_.Meldungen().Zeigen(QStringLiteral("Es müssen Datenpaare in Spalte 1 und 2 vorhanden sein"));
    return;
  }
  Loslassen();
  x_ = x;
  y_ = y;
  const TFitParameter parameter = anwendung_.Form4().Einstellungen().FitParameter;
  Kopf->setText(QStringLiteral("%1 Modelle an %2 Punkten, sortiert nach AICc").arg(Modellanzahl).arg(x_.size()));
  Fortschritt->setValue(0);
  AbbrechenKnopf->setEnabled(true);
  // The worker owns its copies of the points and shares only the job with the window, so
  // the window can let it go at any time without waiting.
  auftrag_ = std::make_shared<TAuftrag>();
  std::thread([auftrag = auftrag_, x = x_, y = y_, parameter] {
    try {
      Modellvergleich(x, y, parameter, [&](const TBewertung& zeile) {
        const std::lock_guard<std::mutex> sperre(auftrag->sperre);
        auftrag->zeilen.push_back(zeile);
      }, &auftrag->abbrechen);
    } catch (const std::exception& f) {
      const std::lock_guard<std::mutex> sperre(auftrag->sperre);
      auftrag->fehler = f.what();
    }
    auftrag->fertig.store(true, std::memory_order_release);
  }).detach();
  uhr_.start(50);
}

void TModellvergleich::Nachsehen() {
  if (!auftrag_) return;
  std::string fehler;
  {
    const std::lock_guard<std::mutex> sperre(auftrag_->sperre);
    Fortschritt->setValue(static_cast<int>(auftrag_->zeilen.size()));
    fehler = auftrag_->fehler;
  }
  if (!auftrag_->fertig.load(std::memory_order_acquire)) return;
  Loslassen();
  AbbrechenKnopf->setEnabled(false);
  Zeigen();
  if (!fehler.empty()) throw TQuarnFehler(fehler);
}

void TModellvergleich::AbbrechenKnopfClick() {
  Loslassen();
  AbbrechenKnopf->setEnabled(false);
  Kopf->setText(Kopf->text() + QStringLiteral(" (abgebrochen)"));
  Zeigen();
}

void TModellvergleich::Zeigen() {
  Tabelle->setSortingEnabled(false);
  Tabelle->setRowCount(static_cast<int>(liste_.size()));
  int zeile = 0;
  for (const TBewertung& b : liste_) {
    const auto setzen = [&](TSpalte spalte, const QString& text, double schluessel) {
      Tabelle->setItem(zeile, spalte, new TZahlzelle(text, schluessel));
    };
    setzen(Name, AusUtf8(Modellnamen(b.Modell)), b.Modell);
    setzen(Ausgang, !b.Fehler.empty() ? AusUtf8(b.Fehler)
                    : b.Vergleichbar  ? QStringLiteral("angepasst")
                                      : QStringLiteral("nicht vergleichbar (n ≤ p + 1)"),
           b.Fehler.empty() ? 0 : 1);
    setzen(P, QString::number(b.Anzahl), b.Anzahl);
    setzen(S, b.Fehler.empty() ? Voll(static_cast<double>(b.Summe)) : QString(),
           b.Fehler.empty() ? static_cast<double>(b.Summe) : Keine);
    const double werte[] = {b.Streuung, b.AIC, b.AICc, b.BIC, b.DeltaAIC};
    for (int k = 0; k < 5; ++k)
      setzen(static_cast<TSpalte>(Streuung + k), b.Vergleichbar ? Kurz(werte[k]) : QStringLiteral("–"),
             b.Vergleichbar ? werte[k] : Keine);
    ++zeile;
  }
  Tabelle->setSortingEnabled(true);
  Tabelle->sortItems(AICc, Qt::AscendingOrder);
  Tabelle->resizeColumnsToContents();
  UebernehmenKnopf->setEnabled(!liste_.empty());
  SpeichernKnopf->setEnabled(!liste_.empty());
  if (!liste_.empty()) Tabelle->selectRow(0);
}

const TBewertung* TModellvergleich::Gewaehlt() const {
  const auto zeilen = Tabelle->selectionModel() ? Tabelle->selectionModel()->selectedRows() : QModelIndexList{};
  if (zeilen.isEmpty()) return nullptr;
  const QTableWidgetItem* name = Tabelle->item(zeilen.first().row(), Name);
  if (!name) return nullptr;
  const int modell = name->data(Qt::UserRole).toInt();
  for (const TBewertung& b : liste_)
    if (b.Modell == modell) return &b;
  return nullptr;
}

void TModellvergleich::TabelleAuswahl() {
  const TBewertung* b = Gewaehlt();
  residuen_.fill(Qt::white);
  if (!b) {
    Fehlertext->clear();
    Residuenbild->setPixmap(QPixmap::fromImage(residuen_));
    return;
  }
  Fehlertext->setPlainText(Erklaerung(*b, x_.size()));
  if (b->Fehler.empty() && !x_.empty()) {
    const std::vector<double> r = Residuen(x_, y_, b->Ergebnis);
    try {
      TQtLeinwand leinwand(residuen_);
      const auto x = std::span<const double>(x_).first(r.size());
      DiagrammZeichnen(leinwand, x, r, {}, {}, Residuendiagramm(std::string(Modellnamen(b->Modell)), x, r));
    } catch (const TQuarnFehler&) {
      // residuals beyond the drawable range: the plot stays as far as it got
    }
  }
  Residuenbild->setPixmap(QPixmap::fromImage(residuen_));
}

void TModellvergleich::UebernehmenKnopfClick() {
  if (const TBewertung* b = Gewaehlt()) anwendung_.Form4().ModellWaehlen(b->Modell);
}

void TModellvergleich::SpeichernKnopfClick() {
  const QString pfad = anwendung_.Dialoge().Speichername(QStringLiteral("Modellvergleich speichern"),
                                                         QStringLiteral("CSV-Tabelle (*.csv)"), QStringLiteral("csv"));
  if (pfad.isEmpty()) return;
  TextSpeichern(pfad, AusUtf8(Vergleichstabelle(liste_)));
}

void TModellvergleich::closeEvent(QCloseEvent* ereignis) {
  if (Rechnet()) AbbrechenKnopfClick();
  ereignis->accept();
}
