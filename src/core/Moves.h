// The rule of a move: which neighbour a stone may swap with.
//
// Each colour code fixes a direction: eight codes move one way only, four
// (1, 2, 7, 8) along a line either way. A neighbour qualifies when it lies
// on the board without crossing the left or right edge and holds a stone
// (any non-zero code, blocks above 12 included). A two-way stone with a
// qualifying neighbour on both sides offers both, and the player picks one.
#pragma once

#include "Daten.h"

#include <cstdint>

enum class MoveKind {
    None, // the press moves nothing
    Swap, // the stone swaps at once with SelectedCell + Offset
    Ring  // two candidates, Ring1 in the positive and Ring2 in the negative direction
};

struct MoveOffer {
    MoveKind Kind = MoveKind::None;
    int Offset = 0; // Swap: the partner's distance, one of ±1, ±8, ±9, ±10
    int Ring1 = 0;  // Ring: the cell at +step
    int Ring2 = 0;  // Ring: the cell at -step
};

// What pressing `cell` (1..81) offers on `board`.
MoveOffer StoneMove(const TCells& board, int cell);

// The step of a two-way code (1 → 1, 2 → 9, 7 → 10, 8 → 8); 0 for the others.
int TwoWayStep(std::uint8_t code);

// Whether cell + offset qualifies as a partner of a stone on `cell`: the
// bound test, then the column test, then the occupancy test, so that the
// board is read only inside 1..81.
bool PartnerQualifies(const TCells& board, int cell, int offset);

// True when the board shows the target in all 81 cells.
bool IsSolved(const TLevelRecord& level);
