// A simulated player, for a measure of difficulty beside par: greedy on the
// plain bound (Heuristic.h), a short look-ahead when no move brings it closer,
// random among equal choices, and only as many moves as one attempt pays
// for at three seconds a move. Many such players try each level; the share
// that solves it falls as the level needs detours the bound does not see.
#pragma once

#include "Budget.h"
#include "Solver.h"

// How many players the level tool and the generator let try each level.
inline constexpr int MeasuredPlayers = 200;

struct PlayerTrials {
    int Runs = 0;
    int Solved = 0;
    int Percent() const { return Runs == 0 ? 0 : (Solved * 100 + Runs / 2) / Runs; }
};

// `runs` players, each with dice of its own from `seed`: the same trials
// every time. A stop request on `watch` ends the trials early.
PlayerTrials SimulatePlayers(const LevelSolver& solver, const TLevelRecord& level, int runs, std::uint64_t seed,
                             const SearchWatch* watch = nullptr);
