// The one round outline that every stone and the ring share. The game cuts
// a stone out of its picture by colour, so all twelve must cover exactly
// the same pixels, or stones would show different edges on the board.
#pragma once

inline constexpr int StoneSize = 40;

// Whether pixel (x, y) of a 40 x 40 stone picture belongs to the stone:
// its centre lies within the circle of diameter 40.
inline bool InStoneDisc(int x, int y)
{
    const double dx = x + 0.5 - StoneSize / 2.0;
    const double dy = y + 0.5 - StoneSize / 2.0;
    return dx * dx + dy * dy <= (StoneSize / 2.0) * (StoneSize / 2.0);
}
