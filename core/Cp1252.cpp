#include "Cp1252.h"

#include <array>

namespace {

constexpr std::array<char32_t, 32> Oben = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Utf8Anhaengen(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next code point of UTF-8 text, or 0xFFFD for a broken sequence; advances i.
char32_t Naechstes(std::string_view text, std::size_t& i) {
  const auto b = static_cast<unsigned char>(text[i++]);
  if (b < 0x80) return b;
  const int folgend = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (folgend < 0) return 0xFFFD;
  char32_t c = b & (0x3F >> folgend);
  for (int k = 0; k < folgend; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return c;
}

} // namespace

char32_t Cp1252Zeichen(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? Oben[byte - 0x80] : char32_t(byte);
}

std::string Cp1252AlsUtf8(std::string_view bytes) {
  std::string text;
  for (const char b : bytes) Utf8Anhaengen(text, Cp1252Zeichen(static_cast<unsigned char>(b)));
  return text;
}

std::string Utf8AlsCp1252(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = Naechstes(text, i);
    char byte = '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      byte = static_cast<char>(c);
    } else {
      for (unsigned k = 0; k < Oben.size(); ++k)
        if (Oben[k] == c) byte = static_cast<char>(0x80 + k);
    }
    bytes += byte;
  }
  return bytes;
}
