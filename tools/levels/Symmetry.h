// The eight symmetries of the square board, four turns and four mirror
// images, applied to whole levels: a stone moves to its turned cell and
// its colour turns with it, so that it still moves the turned way.
#pragma once

#include "LevelRecord.h"
#include "StoneRules.h"

#include <array>

struct Symmetry {
    bool Mirrored = false; // left and right swapped first
    int QuarterTurns = 0;  // then turned clockwise this many times
};

inline constexpr std::array<Symmetry, 8> AllSymmetries = {{
    {false, 0},
    {false, 1},
    {false, 2},
    {false, 3},
    {true, 0},
    {true, 1},
    {true, 2},
    {true, 3},
}};

// A step (or a cell's offset from the centre) under the symmetry.
TStep Moved(TStep step, Symmetry symmetry);

int MovedCell(int cell, Symmetry symmetry);

// The colour whose way or ways are those of `code` moved by the symmetry;
// empty cells and blocks stay as they are.
int TurnedCode(int code, Symmetry symmetry);

TCells Turned(const TCells& cells, Symmetry symmetry);
TLevelRecord Turned(const TLevelRecord& level, Symmetry symmetry);

// Some symmetry maps `a`'s board and target onto `b`'s.
bool SamePuzzleTurned(const TLevelRecord& a, const TLevelRecord& b);

// Under some symmetry the two targets hold stones on the same cells, and
// the cells of each colour of one are the cells of one colour of the other:
// the same picture, whatever its colours. Blocks are not drawn, so they
// are no part of it.
bool SamePicture(const TCells& a, const TCells& b);
