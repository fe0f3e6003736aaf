// The rule of a move: which neighbour a stone may swap with.
//
// A stone moves the way its colour gives (StoneRules.h). A neighbour
// qualifies when it lies on the board without crossing the left or right
// edge and is occupied (by a stone or a block). A two-way stone with a
// qualifying neighbour on both sides offers both, and the player picks one.
#pragma once

#include "LevelRecord.h"
#include "StoneRules.h"

enum class MoveKind {
    None, // the press moves nothing
    Swap, // the stone swaps at once with SelectedCell + Offset
    Ring  // two candidates, Ring1 in the positive and Ring2 in the negative direction
};

struct MoveOffer {
    MoveKind Kind = MoveKind::None;
    int Offset = 0; // Swap: the partner's distance, one of ±1, ±8, ±9, ±10
    int Ring1 = 0;  // Ring: the cell one step forward
    int Ring2 = 0;  // Ring: the cell one step back
};

// What pressing `cell` (1..81) offers on `board`.
MoveOffer StoneMove(const TCells& board, int cell);

// Whether the neighbour one `step` from `cell` qualifies as a partner: on
// the board, not across the left or right edge, occupied.
bool PartnerQualifies(const TCells& board, int cell, TStep step);

// The state change of a move: the stones of `cell` and `partner` change
// places. The game's swap and the solver's moves both make it here.
void SwapStones(TCells& board, int cell, int partner);

// True when the board shows the target in all 81 cells.
bool IsSolved(const TLevelRecord& level);
