#include "Koeffizientenraster.h"

#include "Steuerelemente.h"
#include "Textdatei.h"

#include "core/Zahltext.h"

#include <QHeaderView>
#include <QSignalBlocker>

QTableWidget* Koeffizientenraster(QWidget* eltern, int sichtbar) {
  auto* raster = new QTableWidget(9, 2, eltern);
  raster->horizontalHeader()->hide();
  raster->verticalHeader()->hide();
  raster->verticalHeader()->setDefaultSectionSize(raster->fontMetrics().height() + 4);
  raster->setItemDelegate(new TSofortDelegat(raster));
  const auto zelle = [&](int zeile, int spalte, const QString& text, bool fest) {
    auto* z = new QTableWidgetItem(text);
    if (fest) {
      z->setFlags(Qt::ItemIsEnabled);
      z->setBackground(raster->palette().button());
    }
    raster->setItem(zeile, spalte, z);
  };
  zelle(0, 0, QStringLiteral("Var."), true);
  zelle(0, 1, QStringLiteral("Init."), true);
  for (int i = 1; i <= 8; ++i) {
    zelle(i, 0, QString(QChar(u'a' + i - 1)), true);
    zelle(i, 1, QStringLiteral("1,00"), false);
  }
  raster->resizeColumnsToContents();
  raster->setColumnWidth(1, 110);
  raster->setFixedHeight(raster->verticalHeader()->defaultSectionSize() * (sichtbar + 1) + 4);
  return raster;
}

void KoeffizientenEintragen(QTableWidget* raster, const std::array<double, 8>& werte, int anzahl) {
  const QSignalBlocker still(raster);
  for (int i = 0; i < anzahl && i < 8; ++i)
    raster->item(i + 1, 1)->setText(AusUtf8(ZahlAlsText(werte[static_cast<std::size_t>(i)])));
  raster->viewport()->update();
}
