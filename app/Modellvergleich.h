// The comparison window: all 17 models fitted to the plot window's points off the GUI thread,
// with information criteria, the standard errors of the chosen model's coefficients and its
// residuals; "Übernehmen" selects the chosen model in the plot window.
#pragma once

#include "core/Typen.h"
#include "fit/Vergleich.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TAnwendung;

class TModellvergleich : public QWidget {
  Q_OBJECT

public:
  explicit TModellvergleich(TAnwendung& anwendung);
  ~TModellvergleich() override;

  // Shows the window and compares the plot window's current points.
  void Oeffnen();
  // The rows of the last finished or cancelled comparison, in model order.
  const std::vector<TBewertung>& Ergebnis() const { return liste_; }
  bool Rechnet() const { return auftrag_ != nullptr; }

  QLabel* Kopf;
  QProgressBar* Fortschritt;
  QPushButton *StartKnopf, *AbbrechenKnopf, *UebernehmenKnopf, *SpeichernKnopf;
  QTableWidget* Tabelle;
  QPlainTextEdit* Fehlertext;
  QLabel* Residuenbild;

public slots:
  void StartKnopfClick();
  void AbbrechenKnopfClick();
  void UebernehmenKnopfClick();
  void SpeichernKnopfClick();
  void TabelleAuswahl();

protected:
  void closeEvent(QCloseEvent* ereignis) override;

private:
  struct TAuftrag;

  void Aufbauen();
  void Nachsehen();
  void Zeigen();
  const TBewertung* Gewaehlt() const;
  // Lets a running comparison go: it stops after its model in work, on its own, and nothing
  // waits for it. The rows it had finished are the result.
  void Loslassen();

  TAnwendung& anwendung_;
  TVektor x_, y_;
  std::vector<TBewertung> liste_;
  // The running comparison, shared with its worker thread; the timer looks every 50 ms.
  std::shared_ptr<TAuftrag> auftrag_;
  QTimer uhr_;
  QImage residuen_;
};
