// The single-byte Windows-1252 code page of older Windows files, to and from UTF-8.
#pragma once

#include <string>
#include <string_view>

// The Unicode code point of a Windows-1252 byte; it differs from Latin-1 only in 0x80..0x9F
// (its five unassigned codes stay the control characters Latin-1 has there).
char32_t Cp1252Zeichen(unsigned char byte);

// Windows-1252 bytes as UTF-8.
std::string Cp1252AlsUtf8(std::string_view bytes);

// UTF-8 as Windows-1252 bytes; characters the code page lacks (and invalid UTF-8) become '?'.
std::string Utf8AlsCp1252(std::string_view text);
