// A diagram image as a file: a Windows bitmap, or a baseline colour JPEG of quality 100
// encoded with libjpeg. Both are written atomically; a failure raises TEAFehler.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

void BitmapSpeichern(const QImage& bild, const QString& pfad);
void JpegSpeichern(const QImage& bild, const QString& pfad);

// The JPEG bytes of the image (quality 100, baseline, RGB).
QByteArray JpegKodieren(const QImage& bild);
