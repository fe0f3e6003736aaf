// The board and the level: 81 cells of colour codes, and one level as it
// lies in "velor.dat", the target pattern followed by the starting
// position. Cells are numbered 1..81 row by row from the top left.
#pragma once

#include "OneBased.h"

#include <cstddef>
#include <cstdint>

inline constexpr int BoardSide = 9;
inline constexpr int CellCount = BoardSide * BoardSide;
inline constexpr int MaxLevels = 99;

// 81 colour codes, one per cell (what a code means: StoneRules.h).
using TCells = OneBased<std::uint8_t, CellCount>;

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

// The row and column of a cell, both counted from 0.
inline constexpr int RowOf(int cell)
{
    return (cell - 1) / BoardSide;
}
inline constexpr int ColumnOf(int cell)
{
    return (cell - 1) % BoardSide;
}
inline constexpr int CellAt(int row, int column)
{
    return row * BoardSide + column + 1;
}
