// Where the cells lie on the board and in the target picture.
#pragma once

#include "LevelRecord.h"

#include <QPoint>
#include <QRect>

inline constexpr int BoardMargin = 45;                                 // left and top edge of cell 1 on the board
inline constexpr int StonePixels = 40;                                 // a board cell is 40 x 40
inline constexpr int TargetStonePixels = 20;                           // a cell of the target picture is 20 x 20
inline constexpr int BoardPixels = 450;                                // the paint box
inline constexpr int TargetPixels = 180;                               // the target picture
inline constexpr int BoardEnd = BoardMargin + BoardSide * StonePixels; // 405, just past the last cell

inline QPoint BoardCellOrigin(int cell)
{
    return {ColumnOf(cell) * StonePixels + BoardMargin, RowOf(cell) * StonePixels + BoardMargin};
}

inline QRect BoardCellRect(int cell)
{
    return {BoardCellOrigin(cell), QSize(StonePixels, StonePixels)};
}

inline QPoint TargetCellOrigin(int cell)
{
    return {ColumnOf(cell) * TargetStonePixels, RowOf(cell) * TargetStonePixels};
}

// The cell under a press at (x, y) of the paint box, 0 outside the cells.
// The first row and column of pixels (45) count as outside, as they always
// have in this game.
inline int BoardCellAt(int x, int y)
{
    if (y <= BoardMargin || x <= BoardMargin || y >= BoardEnd || x >= BoardEnd)
        return 0;
    return CellAt((y - BoardMargin) / StonePixels, (x - BoardMargin) / StonePixels);
}
