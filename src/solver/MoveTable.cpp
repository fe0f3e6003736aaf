#include "MoveTable.h"

#include "Moves.h"

#include <algorithm>

MoveTable::MoveTable(const TCells& board) : ItemOfCell(CellCount + 1, -1)
{
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (board[cell] == 0)
            continue;
        ItemOfCell[cell] = ItemCount();
        Cells.push_back(cell);
        if (std::find(Palette.begin(), Palette.end(), board[cell]) == Palette.end())
            Palette.push_back(board[cell]);
    }
    std::sort(Palette.begin(), Palette.end());

    // Put each code on each item of the level's own board and ask the rule:
    // only the occupancy of the neighbours matters to it, and that is fixed.
    PartnerLists.resize(Cells.size() * Palette.size());
    for (int item = 0; item < ItemCount(); ++item) {
        for (int k = 0; k < PaletteSize(); ++k) {
            TCells probe = board;
            probe[Cells[item]] = Palette[k];
            const MoveOffer offer = StoneMove(probe, Cells[item]);
            std::vector<int>& partners = PartnerLists[item * PaletteSize() + k];
            if (offer.Kind == MoveKind::Swap) {
                partners.push_back(ItemOfCell[Cells[item] + offer.Offset]);
            } else if (offer.Kind == MoveKind::Ring) {
                partners.push_back(ItemOfCell[offer.Ring1]);
                partners.push_back(ItemOfCell[offer.Ring2]);
            }
        }
    }
}

int MoveTable::PaletteIndex(std::uint8_t code) const
{
    const auto it = std::find(Palette.begin(), Palette.end(), code);
    return it == Palette.end() ? -1 : static_cast<int>(it - Palette.begin());
}

std::vector<int> ItemCodes(const MoveTable& table, const TCells& cells)
{
    std::vector<int> codes;
    for (int cell : table.Cells)
        codes.push_back(table.PaletteIndex(cells[cell]));
    return codes;
}
