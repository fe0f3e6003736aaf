// Turns one level of a recipe into a level record: the target from the
// pattern, the start by a random walk backwards from it, so that every
// start is solvable by construction; then the solver decides whether the
// walk is taken: its par proved and in the recipe's window, its detour too,
// every start move settled and as many dead as the recipe says, and only
// the recipe's colour movable at the start if it names one.
#pragma once

#include "LevelRecord.h"
#include "DeadEnds.h"
#include "Recipe.h"
#include "Solver.h"

#include <optional>
#include <string>
#include <vector>

struct GeneratedLevel {
    TLevelRecord Record {};
    SolveResult Solution;
    StartMoves Starts; // every start move settled as dead or alive
    int Detour = 0;    // par less the lower bound at the start
    int Attempt = 0;   // which walk was taken, from 1
};

struct GenerateResult {
    std::optional<GeneratedLevel> Level;
    std::string Error; // why not, when Level is empty
};

// The target of a recipe level: its fixed stones, and its classes coloured
// with dice of the level's seed.
TCells TargetOf(const LevelRecipe& recipe);

// The positions one move before `board`: every swap of two occupied
// neighbours such that the stone now on the second cell may move there from
// the first. Returned as moves that lead from the predecessor to `board`.
std::vector<Move> MovesInto(const MoveTable& table, const TCells& board);

GenerateResult Generate(const LevelRecipe& recipe, const SolveBudget& budget);

// The same for a target drawn elsewhere: the recipe gives only the rules of
// the walk and of the solver (its pattern and mix are not read). A stop
// request on the budget's watch ends it with an error.
GenerateResult GenerateFrom(const TCells& target, const LevelRecipe& rules, const SolveBudget& budget);
