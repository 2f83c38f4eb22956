// TForm4: the diagram as a PNG or SVG file at a size the user chooses, drawn anew by the
// renderer at that size ("Speichern" keeps its own bitmap and JPEG rules).
#include "Unit4.h"

#include "Anwendung.h"
#include "Dialoge.h"
#include "QtLeinwand.h"
#include "Textdatei.h"

#include "core/Fehler.h"
#include "plot/Diagramm.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {

constexpr int GroessteSeite = 4000;

bool IstSvg(const QString& pfad) { return pfad.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive); }

// Qt writes the document's size in millimetres with few decimals, which do not come back as
// the chosen pixels; the size in pixels (user units, as the view box) does.
QByteArray InPixeln(QByteArray svg, QSize groesse) {
  static const QRegularExpression masse(QStringLiteral(R"(<svg width="[^"]*" height="[^"]*")"));
  const QString kopf = QStringLiteral(R"(<svg width="%1" height="%2")").arg(groesse.width()).arg(groesse.height());
  return QString::fromUtf8(svg).replace(masse, kopf).toUtf8();
}

} // namespace

void TForm4::ExportKnopfClick() {
  TDialoge& dialoge = anwendung_.Dialoge();
  const QString pfad = dialoge.Speichername(QStringLiteral("Diagramm exportieren"),
                                            QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)"), QStringLiteral("png"));
  if (pfad.isEmpty()) return;
  const auto groesse = dialoge.Bildgroesse(bild_.size());
  if (!groesse) return;
  Exportieren(pfad, *groesse);
}

void TForm4::Exportieren(const QString& pfad, QSize groesse) {
  groesse = groesse.boundedTo(QSize(GroessteSeite, GroessteSeite)).expandedTo(QSize(1, 1));
  TPlotdaten d;
  Aufnehmen(d);
  // A fault of the fit ends a drawing as in the window: what is drawn stays, and is exported.
  const auto zeichnen = [&](TLeinwand& leinwand) {
    try {
      DiagrammZeichnen(leinwand, d.x, d.y, d.dx, d.dy, einstellungen_);
    } catch (const TQuarnFehler&) {
    }
  };
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  if (IstSvg(pfad)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(96); // font sizes in points as on the screen
    svg.setTitle(QStringLiteral("Quarn-Diagramm"));
    TMalerLeinwand leinwand(svg, groesse.width(), groesse.height());
    zeichnen(leinwand);
  } else {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white); // no points: a blank picture
    {
      TQtLeinwand leinwand(bild);
      zeichnen(leinwand);
    }
    if (!bild.save(&puffer, "PNG")) throw TEAFehler("Das Bild lässt sich nicht als PNG kodieren");
  }
  // The SVG document is complete once its painter has ended with the canvas.
  DateiSchreiben(pfad, IstSvg(pfad) ? InPixeln(puffer.data(), groesse) : puffer.data());
}
