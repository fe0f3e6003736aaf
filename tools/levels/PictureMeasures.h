// How a target picture reads on the screen: how much of it lies in areas
// of one colour, and where two colours that look alike touch. Only stones
// count: blocks are never drawn.
#pragma once

#include "LevelRecord.h"

#include <string>
#include <vector>

// Stones that are hard to tell apart at 20 pixels; two different codes of
// one group should not touch in a picture.
inline const std::vector<std::vector<int>> LookAlikeGroups = {{1, 12}, {7, 8, 10}};

bool LookAlike(int code, int other);

// Pairs of orthogonally adjacent stones, and how many of them share a code.
struct NeighbourPairs {
    int Pairs = 0;
    int SameCode = 0;

    double Share() const { return Pairs == 0 ? 0.0 : static_cast<double>(SameCode) / Pairs; }
    NeighbourPairs& operator+=(const NeighbourPairs& other);
};

NeighbourPairs CountNeighbourPairs(const TCells& target);

// A share with two decimals: "0.45".
std::string ShareText(double share);

// Two adjacent stones whose different codes look alike; Cell < Neighbour.
struct LookAlikePair {
    int Cell = 0;
    int Neighbour = 0;
    int Code = 0;
    int NeighbourCode = 0;
    bool operator==(const LookAlikePair&) const = default;
};

std::vector<LookAlikePair> LookAlikeNeighbours(const TCells& target);

// "codes 7 and 8 side by side at cells 23 and 24; they look alike"
std::string LookAlikeText(const LookAlikePair& pair);
