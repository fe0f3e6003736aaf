// Level records for tests.
#pragma once

#include "LevelRecord.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

// A record whose target and board hold the given (cell, code) stones.
inline TLevelRecord MakeLevel(std::initializer_list<std::pair<int, int>> target,
                              std::initializer_list<std::pair<int, int>> board)
{
    TLevelRecord level {};
    for (auto [cell, code] : target)
        level.Target[cell] = static_cast<std::uint8_t>(code);
    for (auto [cell, code] : board)
        level.Board[cell] = static_cast<std::uint8_t>(code);
    return level;
}

// A record whose every byte tells its level and position: byte k of
// level n holds (n * 7 + k) mod 256.
inline TLevelRecord NumberedLevel(int n)
{
    TLevelRecord level {};
    auto* bytes = reinterpret_cast<std::uint8_t*>(&level);
    for (std::size_t k = 0; k < sizeof level; ++k)
        bytes[k] = static_cast<std::uint8_t>((n * 7 + static_cast<int>(k)) % 256);
    return level;
}

// The bytes of a level file of `count` numbered records.
inline std::vector<std::uint8_t> NumberedLevelFile(int count)
{
    std::vector<std::uint8_t> bytes;
    for (int n = 1; n <= count; ++n) {
        const TLevelRecord level = NumberedLevel(n);
        const auto* raw = reinterpret_cast<const std::uint8_t*>(&level);
        bytes.insert(bytes.end(), raw, raw + sizeof level);
    }
    return bytes;
}

inline std::vector<std::uint8_t> LevelFileOf(std::initializer_list<TLevelRecord> levels)
{
    std::vector<std::uint8_t> bytes;
    for (const TLevelRecord& level : levels) {
        const auto* raw = reinterpret_cast<const std::uint8_t*>(&level);
        bytes.insert(bytes.end(), raw, raw + sizeof level);
    }
    return bytes;
}
