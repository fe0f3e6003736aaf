#include "PictureMeasures.h"

#include "StoneRules.h"

#include <algorithm>
#include <cstdio>

namespace {

// Calls `visit(cell, neighbour)` once for each pair of orthogonally
// adjacent stones, the neighbour right of or below the cell.
template <typename Visit> void ForEachStoneNeighbour(const TCells& target, Visit visit)
{
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (!IsStone(target[cell]))
            continue;
        if (ColumnOf(cell) + 1 < BoardSide && IsStone(target[cell + 1]))
            visit(cell, cell + 1);
        if (RowOf(cell) + 1 < BoardSide && IsStone(target[cell + BoardSide]))
            visit(cell, cell + BoardSide);
    }
}

} // namespace

bool LookAlike(int code, int other)
{
    return code != other && std::any_of(LookAlikeGroups.begin(), LookAlikeGroups.end(), [&](const auto& group) {
               return std::find(group.begin(), group.end(), code) != group.end()
                   && std::find(group.begin(), group.end(), other) != group.end();
           });
}

NeighbourPairs& NeighbourPairs::operator+=(const NeighbourPairs& other)
{
    Pairs += other.Pairs;
    SameCode += other.SameCode;
    return *this;
}

NeighbourPairs CountNeighbourPairs(const TCells& target)
{
    NeighbourPairs count;
    ForEachStoneNeighbour(target, [&](int cell, int neighbour) {
        ++count.Pairs;
        count.SameCode += target[cell] == target[neighbour];
    });
    return count;
}

std::string ShareText(double share)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", share);
    return text;
}

std::vector<LookAlikePair> LookAlikeNeighbours(const TCells& target)
{
    std::vector<LookAlikePair> pairs;
    ForEachStoneNeighbour(target, [&](int cell, int neighbour) {
        if (LookAlike(target[cell], target[neighbour]))
            pairs.push_back({cell, neighbour, target[cell], target[neighbour]});
    });
    return pairs;
}

std::string LookAlikeText(const LookAlikePair& pair)
{
    return "codes " + std::to_string(pair.Code) + " and " + std::to_string(pair.NeighbourCode)
        + " side by side at cells " + std::to_string(pair.Cell) + " and " + std::to_string(pair.Neighbour)
        + "; they look alike";
}
