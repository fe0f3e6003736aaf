// Reading a whole number typed by the player.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Leading blanks are skipped, then an optional "+" or "-", then decimal
// digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X"
// ("$1F" is 31). Nothing may follow the digits. Decimal numbers must fit
// a signed 32-bit integer; hexadecimal ones may use all 32 bits ("$FFFFFFFF"
// is -1). Anything else is not a number.
std::optional<std::int32_t> StrToInt(std::string_view text);
