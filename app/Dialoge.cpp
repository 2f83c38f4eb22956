#include "Dialoge.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
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

std::optional<QSize> TQtDialoge::Bildgroesse(const QSize& anfang) {
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(QStringLiteral("Bildgröße"));
  auto* form = new QFormLayout(&dialog);
  const auto feld = [&](int wert, const QString& name) {
    auto* f = new QSpinBox(&dialog);
    f->setRange(1, 4000);
    f->setValue(wert);
    f->setSuffix(QStringLiteral(" Pixel"));
    form->addRow(name, f);
    return f;
  };
  QSpinBox* breite = feld(anfang.width(), QStringLiteral("Breite:"));
  QSpinBox* hoehe = feld(anfang.height(), QStringLiteral("Höhe:"));
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(knoepfe);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return QSize(breite->value(), hoehe->value());
}
