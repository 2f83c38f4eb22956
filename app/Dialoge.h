// The save and colour dialogs the windows ask through, so that tests answer them from a
// script instead of a dialog that would wait for a user.
#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include <optional>

class TDialoge {
public:
  virtual ~TDialoge() = default;
  // The name of a file to save, or "" when the user cancels. filter: one name filter such as
  // "Textdatei (*.txt)"; a name typed without extension gets endung.
  virtual QString Speichername(const QString& titel, const QString& filter, const QString& endung) = 0;
  // A colour, or nothing when the user cancels.
  virtual std::optional<QColor> Farbe(const QColor& anfang) = 0;
  // The width and height of an image to export (1 to 4000 each), or nothing on cancel.
  virtual std::optional<QSize> Bildgroesse(const QSize& anfang) = 0;
};

// The real program: Qt's file and colour dialogs.
class TQtDialoge : public TDialoge {
public:
  QString Speichername(const QString& titel, const QString& filter, const QString& endung) override;
  std::optional<QColor> Farbe(const QColor& anfang) override;
  std::optional<QSize> Bildgroesse(const QSize& anfang) override;
};
