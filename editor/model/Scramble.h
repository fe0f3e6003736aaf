// A start for a drawn target, made by the level generator: random walks
// backwards from the target until one has a proved par in the wished range.
#pragma once

#include "LevelRecord.h"
#include "SearchWatch.h"

#include <cstdint>
#include <optional>
#include <string>

// Steps of a backward walk per move of par wished: a walk undoes some of
// its own steps, so it goes further than the par it aims at.
inline constexpr int StepsPerParMove = 2;
// Share (%) of the steps that must lead away from the target when one can.
inline constexpr int AwayBias = 60;

struct ParRange {
    int Low = 1;
    int High = 30;
};

struct ScrambleResult {
    std::optional<TCells> Start;
    int Par = 0;
    std::string Error; // German, when Start is empty
};

// `seed` picks the walks: the same seed gives the same start.
ScrambleResult ScrambleTarget(const TCells& target, ParRange wished, std::uint64_t seed, SearchWatch* watch = nullptr);
