#include "Dialoge.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

QString TQtDialoge::Speichername(const QString& titel, const QString& filter, const QString& endung) {
  QFileDialog dialog(QApplication::activeWindow(), titel);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(endung);
  dialog.setOption(QFileDialog::DontConfirmOverwrite); // saving replaces a file without asking
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

std::optional<QColor> TQtDialoge::Farbe(const QColor& anfang) {
  const QColor farbe = QColorDialog::getColor(anfang, QApplication::activeWindow());
  if (!farbe.isValid()) return std::nullopt;
  return farbe;
}
