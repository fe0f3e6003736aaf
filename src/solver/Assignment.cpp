#include "Assignment.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {

// The most items a matching takes: every cell of the board.
constexpr int MostItems = 81;

int ByTrial(int m, const std::int16_t* cost, int infinite)
{
    std::array<int, 4> place {};
    std::iota(place.begin(), place.begin() + m, 0);
    int best = infinite;
    do {
        int total = 0;
        for (int r = 0; r < m && total < best; ++r)
            total += cost[r * m + place[r]];
        best = std::min(best, total);
    } while (std::next_permutation(place.begin(), place.begin() + m));
    return best;
}

// The Hungarian method with potentials, O(m^3).
int Hungarian(int m, const std::int16_t* cost, int infinite)
{
    const int big = infinite * (m + 1);
    std::array<int, MostItems + 1> u {}, v {}, owner {}, way {}, least {};
    std::array<char, MostItems + 1> used {};
    for (int r = 1; r <= m; ++r) {
        owner[0] = r;
        int c0 = 0;
        std::fill(least.begin(), least.begin() + m + 1, big);
        std::fill(used.begin(), used.begin() + m + 1, 0);
        do {
            used[c0] = 1;
            const int r0 = owner[c0];
            int delta = big, c1 = 0;
            for (int c = 1; c <= m; ++c) {
                if (used[c])
                    continue;
                const int reduced = cost[(r0 - 1) * m + (c - 1)] - u[r0] - v[c];
                if (reduced < least[c]) {
                    least[c] = reduced;
                    way[c] = c0;
                }
                if (least[c] < delta) {
                    delta = least[c];
                    c1 = c;
                }
            }
            for (int c = 0; c <= m; ++c) {
                if (used[c]) {
                    u[owner[c]] += delta;
                    v[c] -= delta;
                } else {
                    least[c] -= delta;
                }
            }
            c0 = c1;
        } while (owner[c0] != 0);
        do {
            const int c1 = way[c0];
            owner[c0] = owner[c1];
            c0 = c1;
        } while (c0);
    }
    int total = 0;
    for (int c = 1; c <= m; ++c)
        total += cost[(owner[c] - 1) * m + (c - 1)];
    return std::min(total, infinite);
}

} // namespace

int CheapestAssignment(int m, const std::int16_t* cost, int infinite)
{
    if (m == 0)
        return 0;
    if (m <= 4)
        return std::min(ByTrial(m, cost, infinite), infinite);
    return Hungarian(m, cost, infinite);
}
