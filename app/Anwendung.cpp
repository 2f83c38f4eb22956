#include "Anwendung.h"

#include "Meldungen.h"
#include "Modellvergleich.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Waechter.h"

#include "core/Fehler.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// A folder that exists (created when missing) and takes a new file.
bool Beschreibbar(const QString& ordner) {
  if (!QDir().mkpath(ordner)) return false;
  QTemporaryFile probe(ordner + QLatin1String("/.schreibprobe-XXXXXX"));
  return probe.open();
}

} // namespace

TAnwendung::TAnwendung(const QString& programmordner, TMeldungen& meldungen, TDialoge& dialoge)
    : programmordner_(programmordner), meldungen_(meldungen), dialoge_(dialoge) {
  // Each window is complete before its start-up effects run, which may reach the windows
  // created before it.
  form1_ = std::make_unique<TForm1>(*this);
  form1_->FormCreate();
  form2_ = std::make_unique<TForm2>(*this);
  form2_->FormCreate();
  form3_ = std::make_unique<TForm3>(*this);
  form3_->FormCreate();
  form4_ = std::make_unique<TForm4>(*this);
  form5_ = std::make_unique<TForm5>(*this);
  form6_ = std::make_unique<TForm6>(*this);
  form6_->FormCreate();
  form7_ = std::make_unique<TForm7>(*this);
  form7_->FormCreate();
  form8_ = std::make_unique<TForm8>(*this);
  form9_ = std::make_unique<TForm9>(*this);
  form9_->FormCreate();
  modellvergleich_ = std::make_unique<TModellvergleich>(*this);
}

TAnwendung::~TAnwendung() = default;

void TAnwendung::Starten() {
  form1_->show();
  Bewacht(meldungen_, [&] {
    if (form9_->firstrun()) form9_->show();
  });
}

QString TAnwendung::Datenordner() {
  if (!datenordner_.isEmpty() && QDir(datenordner_).exists()) return datenordner_;
  const QString beimProgramm = programmordner_ + QLatin1String("/Quarn");
  const QString jeBenutzer =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/Quarn");
  for (const QString& ordner : {beimProgramm, jeBenutzer})
    if (Beschreibbar(ordner)) return datenordner_ = ordner;
  throw TEAFehler(("Der Ordner " + beimProgramm + " kann nicht angelegt werden").toStdString());
}

