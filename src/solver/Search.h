// Best-first search over the positions of one level: A* when the weight is
// 1, weighted A* above it. Moves come from the MoveTable, bounds from the
// Heuristic; the search itself knows nothing of colours or directions. It
// works to a deadline and a memory budget, and says which of them ended it.
#pragma once

#include "Heuristic.h"
#include "LevelRecord.h"
#include "MoveTable.h"
#include "SearchWatch.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <vector>

using SearchClock = std::chrono::steady_clock;

// One move: press Cell; the stone swaps with Partner (a ring pick when the
// rule offers two partners).
struct Move {
    int Cell = 0;
    int Partner = 0;
    bool operator==(const Move&) const = default;
};

// No solution of this length is known: nothing to look below.
inline constexpr int NoKnownLength = 1 << 20;

// What one search of a level may spend: 1 GiB and a minute unless told.
inline constexpr std::size_t DefaultSearchMemory = std::size_t {1} << 30;

struct SearchLimits {
    SearchClock::time_point Deadline = SearchClock::now() + std::chrono::minutes(1);
    std::size_t MemoryBytes = DefaultSearchMemory; // the search's own tables
    int WeightNum = 1;                             // priority g + h * WeightNum / WeightDen
    int WeightDen = 1;
    bool StopAtFirst = false; // stop as soon as the target is generated
    // Only solutions shorter than this are looked for: a solution of this
    // length is known already.
    int Shorter = NoKnownLength;
    SearchWatch* Watch = nullptr;          // told the progress; a stop request ends the search
    const SearchWatch* StopWith = nullptr; // a stop request here ends it too
};

enum class SearchOutcome {
    Found,       // Moves lead to the target (shortest when the weight is 1)
    Exhausted,   // every position reachable in fewer than Shorter moves was seen: none is the target
    OutOfTime,   // the deadline came first
    OutOfMemory, // the memory budget would not hold the next position
    Stopped,     // the watch asked it to stop
    TooDeep,     // the positions left lie deeper than the search can count
};

struct SearchResult {
    SearchOutcome Outcome = SearchOutcome::OutOfTime;
    std::vector<Move> Moves;
    int LowerBound = 0;         // A*: no solution is shorter than this
    std::size_t Nodes = 0;      // positions stored
    std::size_t Expansions = 0; // times a position's children were generated
    std::size_t PeakBytes = 0;  // the most memory its tables held
};

// The search for one level: the target and the occupied cells are fixed,
// the start may be any position on the same cells with the same stones.
class LevelSearch {
public:
    explicit LevelSearch(const TLevelRecord& level);
    ~LevelSearch();
    LevelSearch(const LevelSearch&) = delete;
    LevelSearch& operator=(const LevelSearch&) = delete;

    // False when the target cannot be searched for at all from this level's
    // board: other occupied cells, other stones, or more than 16 codes.
    bool Searchable() const { return Engine != nullptr; }
    bool StonesMatch() const { return Matching; }

    const MoveTable& Table() const { return Moves; }

    // The search's lower bound for `board` (Heuristic.h); Heuristic::Infinite
    // when it proves the position dead.
    int Bound(const TCells& board) const;
    // The plain bound (Heuristic.h), the measure of detour.
    int PlainBound(const TCells& board) const;

    SearchResult Run(const TCells& from, const SearchLimits& limits) const;

    // The moves `board` offers that change it, in cell order.
    std::vector<Move> MovesFrom(const TCells& board) const;

    struct EngineBase {
        virtual ~EngineBase() = default;
        virtual SearchResult Run(const std::vector<int>& from, const SearchLimits& limits) const = 0;
    };

private:
    MoveTable Moves;
    TCells Target;
    bool Matching = false;
    std::vector<int> TargetCodes;
    std::unique_ptr<Heuristic> Bounds;
    std::unique_ptr<EngineBase> Engine;
};

// Whether board and target have the same empty cells and the same number
// of stones of every code: without it no sequence of swaps can succeed.
bool HoldsSameStones(const TLevelRecord& level);

// Applies `move` to `board`; the caller has checked it is legal.
void ApplyMove(TCells& board, const Move& move);
