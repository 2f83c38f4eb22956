#include "Bildexport.h"

#include "Textdatei.h"

#include "core/Fehler.h"

#include <QBuffer>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports errors by calling error_exit, which must not return: it jumps back to the
// encoder, which then raises.
struct TJpegFehler {
  jpeg_error_mgr basis;
  std::jmp_buf ruecksprung;
};

void JpegAbbruch(j_common_ptr info) { std::longjmp(reinterpret_cast<TJpegFehler*>(info->err)->ruecksprung, 1); }

} // namespace

QByteArray JpegKodieren(const QImage& bild) {
  const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct info{};
  TJpegFehler fehler{};
  info.err = jpeg_std_error(&fehler.basis);
  fehler.basis.error_exit = JpegAbbruch;
  unsigned char* puffer = nullptr;
  unsigned long groesse = 0;
  if (setjmp(fehler.ruecksprung)) {
    jpeg_destroy_compress(&info);
    std::free(puffer);
    throw TEAFehler("Das Bild kann nicht als JPEG kodiert werden");
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &puffer, &groesse);
  info.image_width = static_cast<JDIMENSION>(rgb.width());
  info.image_height = static_cast<JDIMENSION>(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE); // baseline tables
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW zeile = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &zeile, 1);
  }
  jpeg_finish_compress(&info);
  QByteArray bytes(reinterpret_cast<const char*>(puffer), static_cast<qsizetype>(groesse));
  jpeg_destroy_compress(&info);
  std::free(puffer);
  return bytes;
}

void JpegSpeichern(const QImage& bild, const QString& pfad) { DateiSchreiben(pfad, JpegKodieren(bild)); }

void BitmapSpeichern(const QImage& bild, const QString& pfad) {
  QByteArray bytes;
  QBuffer puffer(&bytes);
  puffer.open(QIODevice::WriteOnly);
  if (!bild.convertToFormat(QImage::Format_RGB888).save(&puffer, "BMP"))
    Dateifehler(pfad, QStringLiteral("kann nicht geschrieben werden"));
  DateiSchreiben(pfad, bytes);
}
