// TForm4: the mouse over the image (read-out, box, tracer), the image section (limits, zoom,
// limit toggle) and the up-down for integrations.
#include "Unit4.h"

#include "Anwendung.h"
#include "Textdatei.h"
#include "Unit1.h"
#include "Waechter.h"

#include "core/Gleitkomma.h"
#include "core/Statistik.h"
#include "core/Zahlformat.h"
#include "core/Zahllesen.h"
#include "core/Zahltext.h"
#include "fit/Modelle.h"
#include "operations/Analysis.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

void TForm4::MausVerbinden() {
  TMeldungen& m = anwendung_.Meldungen();
  for (QLineEdit* grenze : {Edit6, Edit7, Edit8, Edit9}) Verbinde(m, grenze, &QLineEdit::textChanged, this, &TForm4::Plotten);
  Verbinde(m, TrackBar2, &QSlider::valueChanged, this, &TForm4::TrackBar2Change);
  connect(UpDown1Rechts, &QToolButton::clicked, this, [this, &m] { Bewacht(m, [&] { UpDown1Click(true); }); });
  connect(UpDown1Links, &QToolButton::clicked, this, [this, &m] { Bewacht(m, [&] { UpDown1Click(false); }); });
  Plot->setMouseTracking(true);
  Plot->installEventFilter(this);
  Image2->installEventFilter(this);
}

void TForm4::KastenAuf(std::optional<TWeltpunkt> w) {
  if (!w) return; // nothing drawn yet: the box stays where it is
  einstellungen_.KastenX = w->x;
  einstellungen_.KastenY = w->y;
}

void TForm4::MausBewegung(int x, int y) {
  const auto w = Welt({x, y});
  if (!w) {
    Label13->hide();
    return;
  }
  const TZahlformat format = einstellungen_.Zahlformat;
  Label13->setText(AusUtf8(einstellungen_.Namen.X + " = " + ZahlFormatiert(w->x, format)) +
                   QLatin1Char('\n') +
                   AusUtf8(einstellungen_.Namen.Y + " = " + ZahlFormatiert(w->y, format)));
  Label13->adjustSize();
  Label13->move(x + 25, y + 25);
  Label13->show();
  Label13->raise();
}

void TForm4::MausKlick(int x, int y, Qt::MouseButton knopf) {
  KastenAuf(Welt(knopf == Qt::LeftButton ? TPixel{x, y} : TPixel{-1000, -1000}));
  Plotten();
}

// The tracer: one pixel column per notch along the drawn curve.
void TForm4::wheelEvent(QWheelEvent* ereignis) {
  const int delta = ereignis->angleDelta().y();
  ereignis->accept();
  if (delta == 0) return; // a horizontal scroll
  Bewacht(anwendung_.Meldungen(), [&] {
    TPixel p = WeltZuPixel(abbildung_, einstellungen_.KastenX, einstellungen_.KastenY);
    p.x += (delta > 0 ? 1 : -1) * std::max(std::abs(delta) / 120, 1);
    const auto w = Welt(p);
    if (!w) return;
    einstellungen_.KastenX = w->x;
    einstellungen_.KastenY = ModellWert(gezeichneterFit_, w->x);
    Plotten();
  });
}

// Zoom out around the raw data: each range widened by (e^(position/10) - 1) on both sides.
void TForm4::TrackBar2Change() {
  TForm1& haupt = anwendung_.Form1();
  const auto werte = [&](int k) {
    const TStringListe zeilen = haupt.Zeilen(k);
    TVektor v(zeilen.size());
    std::transform(zeilen.begin(), zeilen.end(), v.begin(), [](const std::string& z) { return ZahlAusText(z, 0); });
    return v;
  };
  const TVektor x = werte(1), y = werte(2);
  const Extended f = std::exp(0.1L * TrackBar2->value()) - 1;
  // All four limits first: an overflow leaves the fields as they are.
  const auto grenzen = [&](const TVektor& v) {
    const Extended lo = MinWert(v), hi = MaxWert(v), weite = Pruefe((hi - lo) * f);
    return std::pair{AlsDouble(Pruefe(lo - weite)), AlsDouble(Pruefe(hi + weite))};
  };
  const auto [xmin, xmax] = grenzen(x);
  const auto [ymin, ymax] = grenzen(y);
  const bool warEingefroren = CheckBox21->isChecked();
  CheckBox21->setChecked(true);
  const auto auftauen = qScopeGuard([&] { CheckBox21->setChecked(warEingefroren); });
  for (QCheckBox* grenze : {CheckBox4, CheckBox5, CheckBox6, CheckBox7}) grenze->setChecked(true);
  Edit6->setText(AusUtf8(ZahlAlsText(ymin)));
  Edit7->setText(AusUtf8(ZahlAlsText(ymax)));
  Edit8->setText(AusUtf8(ZahlAlsText(xmin)));
  Edit9->setText(AusUtf8(ZahlAlsText(xmax)));
}

void TForm4::Image2Click() {
  const bool warEingefroren = CheckBox21->isChecked();
  {
    CheckBox21->setChecked(true);
    const auto zurueck = qScopeGuard([&] {
      // Restored without its own redraw: the one redraw follows below.
      const QSignalBlocker still(CheckBox21);
      CheckBox21->setChecked(warEingefroren);
    });
    for (QCheckBox* grenze : {CheckBox4, CheckBox5, CheckBox6, CheckBox7}) grenze->setChecked(!grenze->isChecked());
  }
  Plotten();
}

void TForm4::UpDown1Click(bool rechts) {
  // The control's range: beyond it the count would wrap in its 8 bits.
  einstellungen_.Integrationen = static_cast<int8_t>(std::clamp(einstellungen_.Integrationen + (rechts ? 1 : -1), -9, 9));
  Label1->setText(AusUtf8(AbleitungsText(einstellungen_.Integrationen)));
  Plotten();
}
