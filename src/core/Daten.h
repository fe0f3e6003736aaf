// The state that the whole game shares: the level table, the level being
// played, points, attempt, ring choice and the hand-over to the dialogs.
// Plain process-wide variables, read and written by the window handlers.
// Arrays are indexed from 1: levels 1..99, cells 1..81.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>

inline constexpr int CellCount = 81;
inline constexpr int BoardSide = 9;
inline constexpr int MaxLevels = 99;

// An array whose first element has index 1.
template <typename T, int N>
struct OneBased {
    T Item[N];

    T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return Item[i - 1];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return Item[i - 1];
    }
    bool operator==(const OneBased&) const = default;
};

// 81 colour codes, one per cell: 0 empty, 1..12 a stone, above 12 an
// invisible block that still counts as occupied.
using TCells = OneBased<std::uint8_t, CellCount>;

// One level as it lies in "velor.dat": the target pattern, then the
// starting position.
struct TLevelRecord {
    TCells Target;
    TCells Board;
    bool operator==(const TLevelRecord&) const = default;
};
static_assert(sizeof(TCells) == 81);
static_assert(sizeof(TLevelRecord) == 162);
static_assert(offsetof(TLevelRecord, Target) == 0);
static_assert(offsetof(TLevelRecord, Board) == 81);

inline constexpr std::size_t LevelRecordSize = sizeof(TLevelRecord);

using TLevelTable = OneBased<TLevelRecord, MaxLevels>;

extern TLevelTable LevelTable;
extern std::uint16_t LevelCount;
extern std::uint16_t CurrentLevel;
extern TLevelRecord CurrentRecord;
extern std::int32_t Points;
extern std::int32_t TotalScore;
extern std::uint8_t Attempt;
extern std::uint8_t ReadyForStone;
extern std::int8_t SelectedCell;
extern std::int8_t RingCell1;
extern std::int8_t RingCell2;
extern std::int32_t DialogLeft;
extern std::int32_t DialogTop;
extern bool StartedFromCD;
extern std::int32_t HighScoreMark;
extern bool EnterNewScore;
extern std::uint8_t EntryPlace;
