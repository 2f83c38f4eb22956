// Text files of columns and settings: reading with any common line end and encoding,
// writing atomically as UTF-8.
#pragma once

#include "core/Typen.h"

#include <QByteArray>
#include <QString>

#include <string_view>

// CRLF and CR become LF, in one pass in place (QString::replace of the two-character CRLF
// takes time quadratic in the number of lines).
void ZeilenendenVereinheitlichen(QString& text);

// Decodes file bytes: a UTF-8 byte order mark is skipped, valid UTF-8 is read as such, and
// anything else as Windows-1252 (files of older Windows tools). CRLF and CR become LF.
QString TextDekodieren(QByteArray bytes);

// Column files beyond these limits are refused, so that loading never keeps the window busy
// for long nor fills the memory: a line costs about 1 µs and 150 bytes on its way through
// reading, splitting and the columns.
inline constexpr qint64 GroessteTextdatei = 64 * 1024 * 1024;
inline constexpr qint64 MeisteZeilen = 8000000;

// "Datei <pfad> <zustand>": the messages about one file ("nicht gefunden", "kann nicht
// gelesen werden", ...), and TEAFehler with such a message.
QString Dateimeldung(const QString& pfad, const QString& zustand);
[[noreturn]] void Dateifehler(const QString& pfad, const QString& zustand);

// Reads a text file. Raises TEAFehler with a message for the user when the path is missing
// ("Datei … nicht gefunden"), a folder or no regular file, unreadable, beyond the limits, or
// not text (NUL bytes).
QString TextLaden(const QString& pfad, qint64 maxBytes = GroessteTextdatei,
                  qint64 maxZeilen = MeisteZeilen);

// Writes the text as UTF-8 through DateiSchreiben; a text that begins with U+FEFF gets a byte
// order mark in front, so that reading (which drops the file's mark) keeps the character.
void TextSpeichern(const QString& pfad, const QString& text);
// Every file the program writes goes through here: written whole to a temporary file that
// then replaces the target, so a failed write leaves the old file intact. TEAFehler
// ("Datei %s kann nicht geschrieben werden") on failure.
void DateiSchreiben(const QString& pfad, const QByteArray& bytes);

// A column's lines from its text: lines end at LF, a LF at the very end adds no empty line.
TStringListe SpaltenZeilen(const QString& text);
// The text of a column's lines: joined with LF, no LF at the end.
QString SpaltenText(const TStringListe& zeilen);
// UTF-8 to text. A leading U+FEFF is kept (QString::fromUtf8 drops it): in a line it is the
// user's text; only a file's own leading one is dropped, when the file is read.
QString AusUtf8(std::string_view utf8);
// The file content of a column text: every line followed by LF (a column text may or may
// not end with its LF already).
QString DateiText(const QString& spaltentext);
