#include "LevelEdits.h"

#include "Search.h"
#include "StoneRules.h"

namespace {

// A cell of `board` that holds `code`: `preferred` if it does, else the
// first. A start that never matched its target (a damaged file) may hold
// none: then `preferred`, which makes that cell follow the target.
int CellHolding(const TCells& board, std::uint8_t code, int preferred)
{
    if (board[preferred] == code)
        return preferred;
    for (int cell = 1; cell <= CellCount; ++cell)
        if (board[cell] == code)
            return cell;
    return preferred;
}

} // namespace

bool PaintTarget(TLevelRecord& level, int cell, std::uint8_t code)
{
    const std::uint8_t old = level.Target[cell];
    if (old == code)
        return false;
    level.Target[cell] = code;
    if (old == EmptyCode) {
        // A new occupied cell: the start gets the same piece there.
        level.Board[cell] = code;
    } else if (code == EmptyCode) {
        // The cell empties in both; the start's piece on it moves to where
        // the start kept the piece the target lost.
        const int holder = CellHolding(level.Board, old, cell);
        level.Board[holder] = level.Board[cell];
        level.Board[cell] = EmptyCode;
    } else {
        level.Board[CellHolding(level.Board, old, cell)] = code;
    }
    return true;
}

bool SwapStart(TLevelRecord& level, int first, int second)
{
    std::uint8_t& a = level.Board[first];
    std::uint8_t& b = level.Board[second];
    if (a == EmptyCode || b == EmptyCode || a == b)
        return false;
    std::swap(a, b);
    return true;
}

bool FitsTarget(const TLevelRecord& level, const TCells& start)
{
    return HoldsSameStones({level.Target, start});
}
