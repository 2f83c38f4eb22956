// TForm4: a stored settings record back into the controls.
#include "Unit4.h"

#include "Modellliste.h"
#include "Textdatei.h"

#include "core/Zahltext.h"
#include "operations/Analysis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSlider>

#include <cmath>

namespace {

QString Zahl(double v) {
  return AusUtf8(ZahlAlsText(v));
}

// The list position of a stored logarithm base, or -1 for none of the list's bases.
int BasisPosition(double basis) {
  for (int i = 0; i < 3; ++i)
    if (basis == LogBasisAusPosition(i)) return i;
  return -1;
}

} // namespace

void TForm4::diagrammabgeben(const TDiagrammEinstellungen& gespeichert) {
  const TDiagrammEinstellungen e = DiagrammBereinigt(gespeichert);
  const bool warEingefroren = CheckBox21->isChecked();
  CheckBox21->setChecked(true);
  const auto auftauen = qScopeGuard([&] { CheckBox21->setChecked(warEingefroren); });
  Edit17->setText(AusUtf8(e.Markierung));
  CheckBox1->setChecked(e.Verbinden);
  CheckBox2->setChecked(e.Beschriftung);
  CheckBox10->setChecked(!e.OhneSkala);
  CheckBox14->setChecked(e.PunkteAus);
  farbe_ = e.Farbe;
  einstellungen_.Vordergrund = e.Vordergrund;
  einstellungen_.Hintergrund = e.Hintergrund;
  einstellungen_.Integrationen = e.Integrationen;
  Label1->setText(AusUtf8(AbleitungsText(e.Integrationen)));
  Edit20->setText(QString::number(e.KommastellenX));
  Edit23->setText(QString::number(e.KommastellenY));
  Edit22->setText(QString::number(e.Zahlformat.Stellen));
  Edit24->setText(QString::number(e.Zahlformat.Kommastellen));
  Edit15->setText(Zahl(e.Fit.Prozent));
  Edit18->setText(Zahl(e.Fit.DX));
  Edit19->setText(Zahl(e.Fit.DY));
  CheckBox16->setChecked(e.Fehlerbalken); // after the error fields, whose change ticks it
  ComboBox2->setCurrentIndex(e.Fit.Fehlerart);
  Edit1->setText(AusUtf8(e.AchseX));
  Edit2->setText(AusUtf8(e.AchseY));
  Edit3->setText(AusUtf8(e.Namen.X));
  Edit4->setText(AusUtf8(e.Namen.Y));
  Edit5->setText(AusUtf8(e.Namen.Z));
  Edit21->setText(Zahl(e.TangenteX));
  CheckBox20->setChecked(e.Formel);
  CheckBox23->setChecked(e.Kasten);
  CheckBox24->setChecked(e.Chi);
  TrackBar1->setValue(e.Zeichendicke);
  CheckBox25->setChecked(e.Zusatz & ZusatzGleichmaessig);
  CheckBox26->setChecked(e.Zusatz & ZusatzGitter);
  const int basis = BasisPosition(Logarithmisch(e.LogBasisX) ? e.LogBasisX : e.LogBasisY);
  if (basis >= 0) ComboBox3->setCurrentIndex(basis);
  CheckBox11->setChecked(Logarithmisch(e.LogBasisX));
  CheckBox22->setChecked(Logarithmisch(e.LogBasisY));
  CheckBox12->setChecked(e.Variation);
  // The model through its handlers, so that formula and fixed list follow.
  const bool fit = e.Fit.Modell != Modellnr::Keins;
  if (fit) ModellAnzeigen(*ComboBox1, e.Fit.Modell);
  if (CheckBox3->isChecked() == fit)
    ComboBox1Change();
  else
    CheckBox3->setChecked(fit);
  CheckBox13->setChecked(e.Fit.Ausreisser);
  CheckBox18->setChecked(e.Fit.MitStartwerten);
  CheckBox19->setChecked(e.Tangente);
  einstellungen_.KastenX = e.KastenX;
  einstellungen_.KastenY = e.KastenY;
}
