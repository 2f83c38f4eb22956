// A duration in milliseconds as short text: 850ms, 1,5s, 12s, 1,2m, 15m.
#pragma once

#include <cstdint>
#include <string>

std::string ZeitAlsText(uint32_t millisekunden);
