// Text files of columns and settings: reading with any common line end and encoding,
// writing atomically as UTF-8.
#pragma once

#include "core/Typen.h"

#include <QByteArray>
#include <QString>

// Decodes file bytes: a UTF-8 byte order mark is skipped, valid UTF-8 is read as such, and
// anything else as Windows-1252 (files of older Windows tools). CRLF and CR become LF.
QString TextDekodieren(QByteArray bytes);

// Column files larger than this are refused: the column widgets take about 5 µs per line, so
// 64 MB (some five million short lines) already keep the window busy for about a minute.
inline constexpr qint64 GroessteTextdatei = 64 * 1024 * 1024;

// Reads a text file of at most maxBytes. Raises TEAFehler with a message for the user when
// the path is missing ("Datei … nicht gefunden"), a folder, unreadable, too large, or not
// text (NUL bytes).
QString TextLaden(const QString& pfad, qint64 maxBytes = GroessteTextdatei);

// Writes the text as UTF-8 through a temporary file that replaces the old one only when
// complete, so a failure leaves the old file as it was. Raises TEAFehler on failure.
void TextSpeichern(const QString& pfad, const QString& text);

// A column's lines from its text: lines end at LF, a LF at the very end adds no empty line.
TStringListe SpaltenZeilen(const QString& text);
// The text of a column's lines: joined with LF, no LF at the end.
QString SpaltenText(const TStringListe& zeilen);
// The file content of a column text: every line followed by LF (a column text may or may
// not end with its LF already).
QString DateiText(const QString& spaltentext);
