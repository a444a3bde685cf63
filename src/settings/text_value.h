// The integer value of a text, as schema numbers, legacy lines and choice numbers are read.
#pragma once

#include <cstdint>
#include <string_view>

// Leading white space skipped, an optional sign, then decimal digits up to the first other
// character; 0 for a text without digits. Overflow wraps modulo 2^32 instead of being undefined.
std::int32_t IntegerValue(std::string_view text);
