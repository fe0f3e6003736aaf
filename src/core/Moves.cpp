#include "Moves.h"

#include <utility>

bool PartnerQualifies(const TCells& board, int cell, TStep step)
{
    const int row = RowOf(cell) + step.Rows;
    const int column = ColumnOf(cell) + step.Columns;
    if (row < 0 || row >= BoardSide || column < 0 || column >= BoardSide)
        return false;
    return IsOccupied(board[CellAt(row, column)]);
}

MoveOffer StoneMove(const TCells& board, int cell)
{
    MoveOffer offer;
    const std::uint8_t code = board[cell];
    if (!IsStone(code))
        return offer;
    const TStoneWay way = StoneWays[code];
    const bool forward = PartnerQualifies(board, cell, way.Forward);
    const bool backward = way.BothWays && PartnerQualifies(board, cell, way.Forward.Reversed());
    if (forward && backward) {
        offer.Kind = MoveKind::Ring;
        offer.Ring1 = cell + way.Forward.Offset();
        offer.Ring2 = cell - way.Forward.Offset();
    } else if (forward || backward) {
        offer.Kind = MoveKind::Swap;
        offer.Offset = forward ? way.Forward.Offset() : -way.Forward.Offset();
    }
    return offer;
}

bool IsSolved(const TLevelRecord& level)
{
    return level.Board == level.Target;
}

void SwapStones(TCells& board, int cell, int partner)
{
    std::swap(board[cell], board[partner]);
}
