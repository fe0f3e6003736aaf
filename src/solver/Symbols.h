// One character per colour code, shared by `show` and the recipe's
// patterns: '.' empty, '1'..'9' and 'A'..'C' the codes 1..12, '#' any
// invisible block above 12.
#pragma once

#include "LevelRecord.h"

#include <cstdint>
#include <optional>
#include <string>

char SymbolOf(std::uint8_t code);

// The code a pattern character stands for; nullopt for anything that is
// not '.', '1'..'9' or 'A'..'C'.
std::optional<std::uint8_t> CodeOfSymbol(char symbol);

// How a stone of `code` moves, in words, read from the move rule:
// "right", "up or down", "cannot move" ...
std::string DirectionsOf(std::uint8_t code);

// The codes on `board`, ascending: "1, 5, 12".
std::string ColoursOf(const TCells& board);
