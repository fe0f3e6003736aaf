// Everything `check` says about one level, and the problems that make it
// unfit to ship.
#pragma once

#include "DeadEnds.h"
#include "LevelRecord.h"
#include "PictureMeasures.h"
#include "Player.h"
#include "Solver.h"
#include "StoneRules.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct LevelCheck {
    std::array<int, ColourCount + 1> StonesPerCode {}; // on the board; [0] unused
    int CodesAbove12 = 0;                              // cells of board or target
    bool SameCodes = false;                            // board and target hold the same codes
    bool SameEmptyCells = false;
    bool Solved = false;
    SolveResult Solution;
    bool SolutionReplays = false; // the solution was played through the move rule to the target
    StartMoves Starts;
    // Measures of difficulty beside par.
    int Detour = 0;                      // par less the solver's bound at the start: moves the bound does not foresee
    int FrozenStones = 0;                // stones that can never move
    std::optional<PlayerTrials> Players; // when asked for
    // How the target reads on the screen.
    NeighbourPairs Neighbours;
    int LookAlikePairs = 0;
    std::vector<std::string> Problems; // each one makes `check` fail
};

// A level whose board and target hold the same stones on the same cells
// and differ. Only puzzles are judged as pictures and against the other
// levels: anything else is reported as it is and must be made anew.
bool IsPuzzle(const LevelCheck& check);

// What `check` and `report` may spend on each level: the proof of par,
// and the settling of each start move.
SolveBudget CheckBudget();

// `playerRuns` simulated players try the level when it is above 0; their
// dice come from `playerSeed`.
LevelCheck CheckLevel(const TLevelRecord& level, const SolveBudget& budget = CheckBudget(), int playerRuns = 0,
                      std::uint64_t playerSeed = 0);

// CheckLevel for every level, on all cores; level n's players get seed n + 1.
std::vector<LevelCheck> CheckLevels(const std::vector<TLevelRecord>& levels, const SolveBudget& budget = CheckBudget(),
                                    int playerRuns = 0);
