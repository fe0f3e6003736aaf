#include "Reversed.h"

#include "StoneRules.h"

std::uint8_t ReversedCode(std::uint8_t code)
{
    if (!IsStone(code) || StoneWays[code].BothWays)
        return code; // a two-way stone goes either way already
    for (std::uint8_t other = 1; other <= ColourCount; ++other)
        if (!StoneWays[other].BothWays && StoneWays[other].Forward == StoneWays[code].Forward.Reversed())
            return other;
    return code;
}

TCells Reversed(const TCells& cells)
{
    TCells reversed {};
    for (int cell = 1; cell <= CellCount; ++cell)
        reversed[cell] = ReversedCode(cells[cell]);
    return reversed;
}

std::vector<Move> ForwardOf(const std::vector<Move>& backward)
{
    std::vector<Move> forward;
    for (auto move = backward.rbegin(); move != backward.rend(); ++move)
        forward.push_back({move->Partner, move->Cell});
    return forward;
}
