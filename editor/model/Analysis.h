// What the editor finds out about a level while it is being drawn: the
// level tool's measures, worked out step by step so that each shows as
// soon as it is known.
#pragma once

#include "DeadEnds.h"
#include "LevelRecord.h"
#include "Search.h"
#include "SearchWatch.h"
#include "Solver.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

enum class Verdict {
    Running,         // nothing decided yet
    Empty,           // no stone that could move: nothing to solve
    AlreadySolved,   // the start equals the target
    DifferentStones, // start and target do not hold the same stones
    Unsolvable,      // proved: every position reachable was searched, none is the target
    Solvable,        // a solution is known (Optimal says whether it is a shortest one)
    Unknown,         // no solution known: the search ran out of its budget (or was stopped)
};

struct AnalysisReport {
    Verdict Result = Verdict::Running;
    bool Optimal = false;       // Solution is a shortest one: its length is the par
    std::vector<Move> Solution; // the best known; while Running too, once one is
    int LowerBound = 0;                // no solution is shorter; while running: proved so far
    std::size_t Positions = 0;         // searched for the par
    double Seconds = 0;                // the search for the par took
    StopCause Cause = StopCause::None; // what ended that search before its answer was complete
    std::optional<int> Detour;         // par less the lower bound at the start
    std::optional<StartMoves> Starts;
    std::optional<int> PlayersPercent; // simulated players who solve it
    bool Finished = false;
    bool Stopped = false; // a stop request ended it: what it found is kept, it may go on later
    double Budget = 0;    // seconds the proof of par may take

    int Par() const { return static_cast<int>(Solution.size()); }
};

// The budget of the editor's solver: larger than the level tool's, since
// the editor has time while the author looks, and the next edit stops it.
inline constexpr double EditorSeconds = 60;
SolveBudget EditorBudget(SearchWatch* watch, double seconds = EditorSeconds);

// What one analysis may spend on the proof of par, and the best solution
// known before it: "Länger suchen" goes on from what the last one found.
struct AnalysisPlan {
    double Seconds = EditorSeconds;
    std::vector<Move> Known;
};

// Before the proof, a quick greedy search looks for some solution: the
// author can play it at once, and the proof only looks for shorter ones. It
// takes at most this long, and at most this share of the budget.
inline constexpr double QuickSeconds = 2;
inline constexpr double QuickShare = 0.1;

// How many simulated players try a level, and their dice.
inline constexpr int EditorPlayers = 100;
inline constexpr std::uint64_t EditorPlayerSeed = 1;

// Works out the report for `level`, calling `publish` after each step
// with what is known so far (a Running report once a quick solution is
// found, before the proof). A stop request on `watch` ends it early; the
// report is then not Finished.
void Analyse(const TLevelRecord& level, SearchWatch& watch, const std::function<void(const AnalysisReport&)>& publish,
             const AnalysisPlan& plan = {});

// Without the steps: the finished report (for tests and the benchmark).
AnalysisReport AnalyseLevel(const TLevelRecord& level, SearchWatch& watch, const AnalysisPlan& plan = {});
