// Fuzz target: the number the player types into the start-level dialog.
// The result is compared with a reading made by std::from_chars, and every
// number must come back from its own decimal and hexadecimal spelling.
#include "FuzzCheck.h"

#include "IntConv.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool IsDigitOf(char c, int base)
{
    return (c >= '0' && c <= '9') || (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

std::optional<std::int32_t> Expected(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    // from_chars takes neither blanks nor a sign, so only digits may be left.
    if (text.empty())
        return std::nullopt;
    for (const char c : text)
        if (!IsDigitOf(c, base))
            return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt; // too long for 64 bits
    if (base == 16) {
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (value > (negative ? 2147483648u : 2147483647u))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value));
}

std::string Hex(std::uint32_t bits)
{
    char buffer[9];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, bits, 16);
    return std::string(buffer, result.ptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> number = StrToInt(text);
    FUZZ_CHECK(number == Expected(text));

    // A number drawn from the input's first bytes, spelt in every way.
    std::uint32_t bits = 0;
    if (size > 0)
        std::memcpy(&bits, data, std::min<std::size_t>(size, sizeof bits));
    const auto value = static_cast<std::int32_t>(bits);
    FUZZ_CHECK(StrToInt(std::to_string(value)) == value);
    FUZZ_CHECK(StrToInt("  +" + std::to_string(bits >> 1)) == static_cast<std::int32_t>(bits >> 1));
    FUZZ_CHECK(StrToInt("$" + Hex(bits)) == value);
    FUZZ_CHECK(StrToInt("0X" + Hex(bits)) == value);
    FUZZ_CHECK(StrToInt("-x" + Hex(bits)) == static_cast<std::int32_t>(0u - bits));
    return 0;
}
