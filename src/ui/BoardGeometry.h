// Where the cells lie on the board and in the target picture.
#pragma once

#include "Daten.h"

#include <QPoint>
#include <QRect>

inline constexpr int BoardMargin = 45;      // left and top edge of cell 1 on the board
inline constexpr int StonePixels = 40;      // a board cell is 40 x 40
inline constexpr int TargetStonePixels = 20; // a cell of the target picture is 20 x 20
inline constexpr int BoardPixels = 450;     // the paint box
inline constexpr int TargetPixels = 180;    // the target picture

inline int CellRow(int cell) { return (cell - 1) / BoardSide; }
inline int CellColumn(int cell) { return (cell - 1) % BoardSide; }

inline QPoint BoardCellOrigin(int cell)
{
    return {CellColumn(cell) * StonePixels + BoardMargin, CellRow(cell) * StonePixels + BoardMargin};
}

inline QRect BoardCellRect(int cell)
{
    return {BoardCellOrigin(cell), QSize(StonePixels, StonePixels)};
}

inline QPoint TargetCellOrigin(int cell)
{
    return {CellColumn(cell) * TargetStonePixels, CellRow(cell) * TargetStonePixels};
}
