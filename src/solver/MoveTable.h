// What every stone of a level may do, asked once from the move rule in
// src/core and kept as tables, so that the search never restates the rule.
//
// Empty cells never change: a swap always exchanges two occupied cells. So
// a position of a level is the sequence of codes on its occupied cells (its
// "items"), and the partners of an item depend only on the code it holds.
#pragma once

#include "LevelRecord.h"

#include <cstdint>
#include <vector>

struct MoveTable {
    // Builds the tables for the occupied cells of `board`.
    explicit MoveTable(const TCells& board);

    int ItemCount() const { return static_cast<int>(Cells.size()); }
    int PaletteSize() const { return static_cast<int>(Palette.size()); }

    // The palette index of `code`, -1 if the level holds no such code.
    int PaletteIndex(std::uint8_t code) const;

    // The items that a stone with palette code `k` on item `i` may swap
    // with, in the order the rule offers them (Ring1 before Ring2).
    const std::vector<int>& Partners(int item, int k) const { return PartnerLists[item * PaletteSize() + k]; }

    std::vector<int> Cells;            // item -> cell 1..81, ascending
    std::vector<int> ItemOfCell;       // cell 0..81 -> item, -1 when empty
    std::vector<std::uint8_t> Palette; // palette index -> colour code, ascending

private:
    std::vector<std::vector<int>> PartnerLists;
};

// The codes of `cells` on the items of `table` as palette indices; a code
// missing from the palette gives -1.
std::vector<int> ItemCodes(const MoveTable& table, const TCells& cells);
