// A start for a drawn target, made the level generator's way: random walks
// backwards from the target, each proved by the solver. Every walk counts:
// up to a few starts within the wished par range for the author to choose
// from, and, when none lies within it, the start that came nearest, with a
// plain reason why none did.
#pragma once

#include "LevelRecord.h"
#include "Search.h"
#include "SearchWatch.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Share (%) of the steps that must lead away from the target when one can.
inline constexpr int AwayBias = 60;
// The widest par range the editor asks for: beyond one attempt, for authors
// of other collections.
inline constexpr int MostScramblePar = 60;
// Starts offered at most.
inline constexpr int MostScrambleCandidates = 3;

struct ParRange {
    int Low = 1;
    int High = 30;
};

struct ScrambleCandidate {
    TCells Start {};
    int Par = 0;        // the proved par, or the length of the best solution known
    int LowerBound = 0; // equal to Par when proved
    bool Proved = false;
    int Detour = 0;             // par less the solver's bound at the start
    std::vector<Move> Solution; // of length Par: the analysis starts from it
};

struct ScrambleResult {
    std::vector<ScrambleCandidate> Candidates; // proved within the range, best first
    std::optional<ScrambleCandidate> Nearest;  // when none is: the start that came nearest
    int Walks = 0;                             // walks tried
    // The first candidate, for a caller that takes one start.
    std::optional<TCells> Start;
    int Par = 0;
    std::string Error; // German, when no candidate was found: why, and what came nearest
};

// After each walk: how many were tried, and how many starts fit so far.
using ScrambleProgress = std::function<void(int walks, int candidates)>;

// `seed` picks the walks: the same seed gives the same starts.
ScrambleResult ScrambleTarget(const TCells& target, ParRange wished, std::uint64_t seed, SearchWatch* watch = nullptr,
                              const ScrambleProgress& progress = {});
