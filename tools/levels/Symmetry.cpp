#include "Symmetry.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr int Centre = BoardSide / 2;

// Whether `way` is to move along `forward`, and back too when `bothWays`.
bool SameWays(const TStoneWay& way, TStep forward, bool bothWays)
{
    return way.BothWays == bothWays && (way.Forward == forward || (bothWays && way.Forward == forward.Reversed()));
}

using ColourTable = std::array<std::uint8_t, ColourCount + 1>;

ColourTable TurnedColours(Symmetry symmetry)
{
    ColourTable table {};
    for (int code = 0; code <= ColourCount; ++code)
        table[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(TurnedCode(code, symmetry));
    return table;
}

// Each stone cell numbered by the order in which its colour first appears:
// two targets with equal labels draw the same picture.
TCells PictureLabels(const TCells& cells)
{
    std::array<std::uint8_t, 256> label {};
    std::uint8_t next = 0;
    TCells labels {};
    for (int cell = 1; cell <= CellCount; ++cell) {
        const std::uint8_t code = cells[cell];
        if (!IsStone(code))
            continue;
        if (label[code] == 0)
            label[code] = ++next;
        labels[cell] = label[code];
    }
    return labels;
}

} // namespace

TStep Moved(TStep step, Symmetry symmetry)
{
    if (symmetry.Mirrored)
        step.Columns = -step.Columns;
    // A quarter turn clockwise with rows counted downwards: up becomes right.
    for (int turn = 0; turn < symmetry.QuarterTurns; ++turn)
        step = {-step.Rows, step.Columns};
    return step;
}

int MovedCell(int cell, Symmetry symmetry)
{
    const TStep moved = Moved({ColumnOf(cell) - Centre, RowOf(cell) - Centre}, symmetry);
    return CellAt(moved.Rows + Centre, moved.Columns + Centre);
}

int TurnedCode(int code, Symmetry symmetry)
{
    if (!IsStone(code))
        return code;
    const TStoneWay& way = StoneWays[static_cast<std::size_t>(code)];
    const TStep forward = Moved(way.Forward, symmetry);
    for (int turned = 1; turned <= ColourCount; ++turned)
        if (SameWays(StoneWays[static_cast<std::size_t>(turned)], forward, way.BothWays))
            return turned;
    return code; // unreachable: the colours' ways are closed under the symmetries
}

TCells Turned(const TCells& cells, Symmetry symmetry)
{
    const ColourTable colours = TurnedColours(symmetry);
    TCells turned {};
    for (int cell = 1; cell <= CellCount; ++cell) {
        const std::uint8_t code = cells[cell];
        turned[MovedCell(cell, symmetry)] = IsStone(code) ? colours[code] : code;
    }
    return turned;
}

TLevelRecord Turned(const TLevelRecord& level, Symmetry symmetry)
{
    return {Turned(level.Target, symmetry), Turned(level.Board, symmetry)};
}

bool SamePuzzleTurned(const TLevelRecord& a, const TLevelRecord& b)
{
    for (const Symmetry symmetry : AllSymmetries)
        if (Turned(a, symmetry) == b)
            return true;
    return false;
}

bool SamePicture(const TCells& a, const TCells& b)
{
    const TCells labelsOfB = PictureLabels(b);
    for (const Symmetry symmetry : AllSymmetries)
        if (PictureLabels(Turned(a, symmetry)) == labelsOfB)
            return true;
    return false;
}
