#include "Textdatei.h"

#include "core/Cp1252.h"
#include "core/Fehler.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

QString Cp1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* ziel = text.data();
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    *ziel++ = QChar(static_cast<char16_t>(Cp1252Zeichen(b)));
  }
  return text;
}

} // namespace

void ZeilenendenVereinheitlichen(QString& text) {
  if (!text.contains(QLatin1Char('\r'))) return;
  QChar* zeichen = text.data();
  const qsizetype n = text.size();
  qsizetype ziel = 0;
  for (qsizetype i = 0; i < n; ++i) {
    if (zeichen[i] != QLatin1Char('\r')) {
      zeichen[ziel++] = zeichen[i];
      continue;
    }
    zeichen[ziel++] = QLatin1Char('\n');
    if (i + 1 < n && zeichen[i + 1] == QLatin1Char('\n')) ++i;
  }
  text.truncate(ziel);
}


QString TextDekodieren(QByteArray bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  // The file's own mark is gone; a U+FEFF after it is text of the first line.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) text = Cp1252(bytes);
  ZeilenendenVereinheitlichen(text);
  return text;
}

QString Dateimeldung(const QString& pfad, const QString& zustand) {
  return QStringLiteral("Datei ") + pfad + QLatin1Char(' ') + zustand;
}

void Dateifehler(const QString& pfad, const QString& zustand) {
  throw TEAFehler(Dateimeldung(pfad, zustand).toStdString());
}

QString TextLaden(const QString& pfad, qint64 maxBytes, qint64 maxZeilen) {
  const QFileInfo info(pfad);
  if (!info.exists()) Dateifehler(pfad, QStringLiteral("nicht gefunden"));
  if (info.isDir()) throw TEAFehler((pfad + " ist ein Ordner, keine Datei").toStdString());
  // Pipes and devices have no size to check and may never end.
  if (!info.isFile()) throw TEAFehler((pfad + " ist keine gewöhnliche Datei").toStdString());
  if (info.size() > maxBytes)
    Dateifehler(pfad, "ist zu groß zum Laden (höchstens " +
                          QString::number(maxBytes / (1024 * 1024)) + " MB)");
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly))
    Dateifehler(pfad, QStringLiteral("kann nicht gelesen werden"));
  const QByteArray bytes = datei.readAll();
  if (bytes.contains('\0')) throw TEAFehler((pfad + " ist keine Textdatei").toStdString());
  if (std::max(bytes.count('\n'), bytes.count('\r')) > maxZeilen)
    Dateifehler(pfad,
                "hat zu viele Zeilen zum Laden (höchstens " + QString::number(maxZeilen) + ")");
  return TextDekodieren(bytes);
}

void DateiSchreiben(const QString& pfad, const QByteArray& bytes) {
  QSaveFile datei(pfad);
  if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size() || !datei.commit())
    Dateifehler(pfad, QStringLiteral("kann nicht geschrieben werden"));
}

void TextSpeichern(const QString& pfad, const QString& text) {
  // A text that itself begins with U+FEFF gets a byte order mark in front, which reading
  // drops, so that the character survives the round trip.
  const bool mitBom = text.startsWith(QChar(0xFEFF));
  DateiSchreiben(pfad, (mitBom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8());
}

TStringListe SpaltenZeilen(const QString& text) {
  TStringListe zeilen;
  if (text.isEmpty()) return zeilen;
  qsizetype anfang = 0;
  const qsizetype ende = text.endsWith(QLatin1Char('\n')) ? text.size() - 1 : text.size();
  for (;;) {
    const qsizetype lf = text.indexOf(QLatin1Char('\n'), anfang);
    if (lf < 0 || lf >= ende) {
      zeilen.push_back(QStringView(text).mid(anfang, ende - anfang).toUtf8().toStdString());
      return zeilen;
    }
    zeilen.push_back(QStringView(text).mid(anfang, lf - anfang).toUtf8().toStdString());
    anfang = lf + 1;
  }
}

QString SpaltenText(const TStringListe& zeilen) {
  std::string utf8;
  std::size_t laenge = 0;
  for (const std::string& z : zeilen) laenge += z.size() + 1;
  utf8.reserve(laenge);
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (i > 0) utf8 += '\n';
    utf8 += zeilen[i];
  }
  return AusUtf8(utf8);
}

QString AusUtf8(std::string_view utf8) {
  const QByteArrayView bytes(utf8.data(), static_cast<qsizetype>(utf8.size()));
  if (!bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes);
  QStringDecoder mitBom(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return mitBom.decode(bytes);
}

QString DateiText(const QString& spaltentext) {
  if (spaltentext.isEmpty() || spaltentext.endsWith(QLatin1Char('\n'))) return spaltentext;
  return spaltentext + QLatin1Char('\n');
}
