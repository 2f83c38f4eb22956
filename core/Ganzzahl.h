// Reading whole numbers from text: the fields that take a count, and the settings file.
#pragma once

#include <cstdint>
#include <string_view>

// An optional sign and decimal digits within the signed 32-bit range; with mitHex also "$"
// or "0x" and hexadecimal digits, which fill all 32 bits ("$FFFFFFFF" is -1, as in settings
// files of old). Nothing else, no blanks. Returns false and leaves wert alone otherwise.
bool GanzzahlLesen(std::string_view text, int32_t& wert, bool mitHex = false);

// The tolerant reader: the default for any text GanzzahlLesen refuses.
int32_t GanzzahlAusText(std::string_view text, int32_t vorgabe);

// The strict reader: raises TGanzzahlFehler ("'%s' ist kein gültiger Integerwert").
int32_t GanzzahlStreng(std::string_view text);
