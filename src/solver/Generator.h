// Turns one level of a recipe into a level record: the target from the
// pattern, the start by a random walk backwards from it, so that every
// start is solvable by construction; then the solver decides whether the
// walk is taken: its par proved and in the recipe's window, its detour too,
// as many dead start moves as the recipe says (every start move settled
// unless any number will do; with "never", no dead end anywhere), the
// colour it teaches, if it names one, the only one movable at the start
// and enough alone for par, and the share of simulated players in its
// window. The walk itself is the solution the solver starts
// from: it only has to look for a shorter one.
#pragma once

#include "DeadEnds.h"
#include "LevelRecord.h"
#include "Random.h"
#include "Recipe.h"
#include "Solver.h"

#include <optional>
#include <string>
#include <vector>

struct GeneratedLevel {
    TLevelRecord Record {};
    SolveResult Solution;
    StartMoves Starts; // start moves dead and alive; with "dead any" some may be left unsettled
    int Detour = 0;    // par less the solver's bound at the start
    int Attempt = 0;   // which walk was taken, from 1
};

// What became of the walks tried: each one dropped is counted by its reason.
struct WalkTally {
    int Tried = 0;
    int LowestPar = 1 << 30, HighestPar = -1; // of the proved pars, in or out of the window
    int TooShort = 0;                         // the walk itself is shorter than the window
    int TooFar = 0;        // the bounds put the par above the window, or leave no room for the detour
    int Unproved = 0;      // the par was not proved within the budget
    int OutsideWindow = 0; // proved outside the window
    int DetourFailed = 0;
    int MoverFailed = 0;   // another colour could move at the start, or the taught one alone took longer than par
    int PlayersFailed = 0; // the share of simulated players outside the recipe's window
    int DeadRuleFailed = 0;
    int Unsettled = 0; // the rule on dead start moves needed moves settled that were left unknown
};

// The tally in words: "12 walks tried: proved pars 8 to 14, ...".
std::string TallyText(const WalkTally& tally);

struct GenerateResult {
    std::optional<GeneratedLevel> Level;
    std::string Error; // why not, when Level is empty
    WalkTally Tally;   // the walks tried, the one taken included
};

// The target of a recipe level: its fixed stones, and its classes coloured
// with dice of the level's seed.
TCells TargetOf(const LevelRecipe& recipe);

// The positions one move before `board`: every swap of two occupied
// neighbours such that the stone now on the second cell may move there from
// the first. Returned as moves that lead from the predecessor to `board`.
std::vector<Move> MovesInto(const MoveTable& table, const TCells& board);

// A walk of `depth` steps backwards from `target`, each to a position not
// visited yet; `bias` % of the steps go to a predecessor whose plain bound
// is higher, when there is one. The start it reaches, and the moves that
// lead from there back to the target: a solution known by construction.
struct BackwardWalk {
    TCells Start {};
    std::vector<Move> Solution;
};
BackwardWalk WalkBackwards(const LevelSearch& search, const TCells& target, int depth, int bias, Dice& dice);

// The budget of the generator for each walk: the proof of its par and the
// settling of every start move.
SolveBudget GeneratorBudget(SearchWatch* watch = nullptr);

GenerateResult Generate(const LevelRecipe& recipe, const SolveBudget& budget);

// The same for a target drawn elsewhere: the recipe gives only the rules of
// the walk and of the solver (its pattern and mix are not read). A stop
// request on the budget's watch ends it with an error.
GenerateResult GenerateFrom(const TCells& target, const LevelRecipe& rules, const SolveBudget& budget);
