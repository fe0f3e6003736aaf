// The par of a level, to a time and a memory budget: A* for the shortest
// solution, and when the budget runs out first, weighted A* for a solution
// that at least proves the level solvable and bounds its par from above.
// A solution known beforehand (a generator's walk, say) is kept: the
// search then only looks for a shorter one, and proves it the shortest when
// there is none. Each group of the level (Groups.h) is solved on its own;
// their pars add up.
//
// The answer is always true: "proved par N" (Optimal), "solvable in at most
// N, par at least M" (Bound), "no solution" only when every position
// reachable was seen (Unsolvable), else "unknown, par at least M, stopped
// after T s" (Unknown).
#pragma once

#include "Groups.h"
#include "LevelRecord.h"
#include "Search.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct SolveBudget {
    double Seconds = 30;                                  // for the proof of par, all groups together
    std::size_t MemoryBytes = DefaultSearchMemory;        // for any one search
    double DeadEndSeconds = 1;                            // per start move that may lead into a dead end
    std::size_t DeadEndMemoryBytes = DefaultSearchMemory; // and its memory
    // 2: the proof of par searches from the start and back from the target
    // at once, on two threads, each with half the memory; the first to
    // finish answers. For a single search on a machine of two cores.
    int Threads = 1;
    SearchWatch* Watch = nullptr; // progress and a stop request from another thread; may be null
};

enum class SolveStatus {
    Optimal,    // Moves is a shortest solution
    Bound,      // Moves is a solution; LowerBound <= par <= Moves.size()
    Unsolvable, // proved: the target cannot be reached
    Unknown,    // neither a solution nor a proof within the budget; LowerBound <= par
};

// What ended a search before it had its answer.
enum class StopCause {
    None,    // nothing: the answer is complete
    Time,    // the time budget
    Memory,  // the memory budget
    Request, // a stop request on the watch
    Depth,   // solutions deeper than the search can count
};

struct SolveResult {
    SolveStatus Status = SolveStatus::Unknown;
    std::vector<Move> Moves;
    int LowerBound = 0;
    std::size_t Nodes = 0;     // positions stored, over all searches
    std::size_t PeakBytes = 0; // the most memory one search held
    double Seconds = 0;        // wall time spent
    StopCause Cause = StopCause::None;
};

// "proved par 12", "solvable in at most 30 moves, par at least 26", ...:
// the answer in the level tool's words.
std::string AnswerText(const SolveResult& result);
// Why a search stopped, in words: "the search ran out of its time after 2.0 s".
std::string CauseText(const SolveResult& result);

// One search: a group, or a whole board, toward `target`. `known`, if not
// empty, is a solution from `from`.
SolveResult Solve(const LevelSearch& search, const TCells& from, const TCells& target, const SolveBudget& budget,
                  const std::vector<Move>& known = {});

// A level split into its groups, each with a search of its own; built once
// for a target and used for any start with the same stones.
class LevelSolver {
public:
    explicit LevelSolver(const TLevelRecord& level);

    // False when some group cannot be searched (more than 16 codes in it).
    bool Searchable() const;

    // `known`, if not empty, is a solution from `from`; one that is not
    // (it does not replay to the target) is ignored.
    SolveResult Solve(const TCells& from, const SolveBudget& budget = {}, const std::vector<Move>& known = {}) const;

    // Some solution from `from`, found fast by a greedy search: no proof of
    // anything, but a solution to show and to bound the par while the proof
    // runs. Moves stay empty when none turned up within `seconds` (or a stop
    // request on `watch` came first); Nodes counts the positions it stored.
    SolveResult QuickSolution(const TCells& from, double seconds, const SearchWatch* watch = nullptr) const;

    // The search's lower bound of `board`: the groups' bounds added up;
    // Heuristic::Infinite when some group is dead.
    int Bound(const TCells& board) const;
    // The same with the plain bound (Heuristic.h): the measure of detour.
    int PlainBound(const TCells& board) const;

    // The moves `board` offers that change it, in cell order.
    std::vector<Move> MovesFrom(const TCells& board) const;

    // The search of the group that holds `cell`, and that group.
    const LevelSearch& SearchOf(int cell) const { return *Parts[PartOfCell[cell]].Search; }
    const LevelGroup& GroupOf(int cell) const { return Parts[PartOfCell[cell]].Group; }

    // Stones that can never move.
    int FrozenStones() const;

private:
    struct Part {
        LevelGroup Group;
        std::unique_ptr<LevelSearch> Search;
    };
    TCells Target;
    std::vector<Part> Parts;
    std::vector<int> PartOfCell; // cell 0..81 -> part, -1 when empty
};

SolveResult Solve(const TLevelRecord& level, const SolveBudget& budget = {}, const std::vector<Move>& known = {});
