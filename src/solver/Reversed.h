// The game played backwards. A move from board A to board B, read from B
// to A, is a move of the same game in which every colour goes the opposite
// way: the stone that came over goes back, pushing its partner back. So a
// search back from the target is the plain search on the reversed level,
// from the reversed target to the reversed start.
#pragma once

#include "LevelRecord.h"
#include "Search.h"

#include <cstdint>
#include <vector>

// The code whose stones move exactly opposite to those of `code`: itself
// for the two-way colours and for anything that is not a stone.
std::uint8_t ReversedCode(std::uint8_t code);

// Every cell's code reversed.
TCells Reversed(const TCells& cells);

// The moves of the level itself that a solution of the reversed level
// (from the reversed target to the reversed start) stands for: its moves
// in the other order, each pressed from the other end.
std::vector<Move> ForwardOf(const std::vector<Move>& backward);
