// The stones: twelve colours, each fixing the way or ways in which a
// stone of that colour may swap with a neighbour. Eight colours move one
// way only, four along a line either way. The move rule (Moves.h), the
// windows, the level tool and the arrows drawn on the stone pictures all
// read it from here.
#pragma once

#include "LevelRecord.h"

#include <array>
#include <cstdint>

inline constexpr int ColourCount = 12;

// What a cell's code means: 0 an empty cell, 1..12 a stone of that
// colour, anything above an invisible block: occupied, so a stone may swap
// with it, but never drawn and never moved itself.
inline constexpr std::uint8_t EmptyCode = 0;
inline constexpr std::uint8_t BlockCode = ColourCount + 1; // the block the tools write

inline constexpr bool IsStone(int code)
{
    return code >= 1 && code <= ColourCount;
}
inline constexpr bool IsOccupied(int code)
{
    return code != EmptyCode;
}

// A step from a cell to a neighbour: columns to the right, rows down.
struct TStep {
    int Columns = 0;
    int Rows = 0;

    // The change of the cell number, for a step that stays on the board.
    constexpr int Offset() const { return Rows * BoardSide + Columns; }
    constexpr TStep Reversed() const { return {-Columns, -Rows}; }
    bool operator==(const TStep&) const = default;
};

inline constexpr TStep StepLeft {-1, 0}, StepRight {1, 0}, StepUp {0, -1}, StepDown {0, 1};
inline constexpr TStep StepUpLeft {-1, -1}, StepUpRight {1, -1}, StepDownLeft {-1, 1}, StepDownRight {1, 1};

// The way a colour moves: along `Forward` only, or, for a two-way stone,
// along `Forward` (its positive direction) and back.
struct TStoneWay {
    TStep Forward;
    bool BothWays = false;
};

// Indexed by colour code; entry 0 is no stone.
inline constexpr std::array<TStoneWay, ColourCount + 1> StoneWays = {{
    {},                     // 0: empty
    {StepRight, true},      // 1: right or left
    {StepDown, true},       // 2: down or up
    {StepUp, false},        // 3
    {StepDown, false},      // 4
    {StepLeft, false},      // 5
    {StepRight, false},     // 6
    {StepDownRight, true},  // 7: down-right or up-left
    {StepDownLeft, true},   // 8: down-left or up-right
    {StepUpLeft, false},    // 9
    {StepDownRight, false}, // 10
    {StepUpRight, false},   // 11
    {StepDownLeft, false},  // 12
}};

// The step of a two-way code in its positive direction as a change of the
// cell number (1 → 1, 2 → 9, 7 → 10, 8 → 8); 0 for every other code.
inline constexpr int TwoWayStep(int code)
{
    return IsStone(code) && StoneWays[static_cast<std::size_t>(code)].BothWays
        ? StoneWays[static_cast<std::size_t>(code)].Forward.Offset()
        : 0;
}
