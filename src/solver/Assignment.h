// The cheapest way to give each of m items its own one of m places: the
// core of the matching heuristic. m is small (the misplaced stones of one
// colour), so tiny cases are tried out in full and the rest go to the
// Hungarian method.
#pragma once

#include <cstdint>

// `cost[r * m + c]`: the cost of item r on place c. Returns the least total
// cost over all one-to-one assignments; a cost of `infinite` or more
// marks a forbidden pair, and a result >= `infinite` means none exists.
int CheapestAssignment(int m, const std::int16_t* cost, int infinite);
