// The edits of one level, each keeping the rule that the start holds
// exactly the stones of the target, on the same occupied cells: only then
// can swaps lead from the start to the target.
#pragma once

#include "LevelRecord.h"

#include <cstdint>

// Paints `code` (empty, a stone or the block) on `cell` of the target and
// makes the start follow: the stone the target lost becomes the new one
// in the start too, where the start holds it, preferably on this cell.
// False when nothing changed.
bool PaintTarget(TLevelRecord& level, int cell, std::uint8_t code);

// Swaps the pieces on two occupied cells of the start. False, and no
// change, when either cell is empty or both hold the same code.
bool SwapStart(TLevelRecord& level, int first, int second);

// Whether `start` could be the start of `level`: the same occupied cells
// and the same number of every code as the target.
bool FitsTarget(const TLevelRecord& level, const TCells& start);
