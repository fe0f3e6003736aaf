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

// How much of pixel (x, y) of a `size` x `size` picture a disc filling the
// square covers, from 0 to 1: for discs whose edge may fade into black.
inline double DiscCover(int size, int x, int y)
{
    constexpr int samples = 8;
    int inside = 0;
    for (int sy = 0; sy < samples; ++sy)
        for (int sx = 0; sx < samples; ++sx) {
            const double dx = x + (sx + 0.5) / samples - size / 2.0;
            const double dy = y + (sy + 0.5) / samples - size / 2.0;
            inside += dx * dx + dy * dy <= size * size / 4.0;
        }
    return inside / double(samples * samples);
}
