// The par of a level: A* for the shortest solution within a node budget,
// and when that runs out, weighted A* for a solution that at least proves
// the level solvable and bounds its par from above. Each group of the level
// (Groups.h) is solved on its own; their pars add up.
#pragma once

#include "Groups.h"
#include "LevelRecord.h"
#include "Search.h"

#include <cstddef>
#include <memory>
#include <vector>

struct SolveBudget {
    // Enough for every shipped level; the whole set must check in seconds.
    std::size_t OptimalNodes = 250'000;
    std::size_t FallbackNodes = 200'000; // 0: no fallback, the par is proved or nothing
    std::size_t DeadEndNodes = 100'000; // per start move that may lead into a dead end
    SearchWatch* Watch = nullptr;       // progress and a stop request from another thread; may be null
};

enum class SolveStatus {
    Optimal,    // Moves is a shortest solution
    Bound,      // Moves is a solution; LowerBound <= par <= Moves.size()
    Unsolvable, // proved: the target cannot be reached
    Unknown,    // neither a solution nor a proof within the budget
};

struct SolveResult {
    SolveStatus Status = SolveStatus::Unknown;
    std::vector<Move> Moves;
    int LowerBound = 0;
    std::size_t Nodes = 0; // positions stored, over both searches
};

// One search: a group, or a whole board.
SolveResult Solve(const LevelSearch& search, const TCells& from, const SolveBudget& budget = {});

// A level split into its groups, each with a search of its own; built once
// for a target and used for any start with the same stones.
class LevelSolver {
public:
    explicit LevelSolver(const TLevelRecord& level);

    // False when some group cannot be searched (more than 16 codes in it).
    bool Searchable() const;

    SolveResult Solve(const TCells& from, const SolveBudget& budget = {}) const;

    // The lower bound of `board`: the groups' bounds added up;
    // Heuristic::Infinite when some group is dead.
    int Bound(const TCells& board) const;

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

SolveResult Solve(const TLevelRecord& level, const SolveBudget& budget = {});
