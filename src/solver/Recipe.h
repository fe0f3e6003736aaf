// The recipe of a level set: per level a target pattern drawn in text, the
// colours of its stone classes, how far to scramble it and with which seed,
// and what the solver must find for the start to be taken.
//
//   level Frame                 a title, shown in LEVELS.md
//   pattern                     then 9 rows of 9 characters:
//   .........                     '.' empty, '1'..'9' 'A'..'C' a stone of
//   .aaaaaaa.                     that code, 'a'..'z' a class from `mix`
//   ...
//   mix a=1,2 b=6               class a: codes 1 or 2 at random, b: 6
//   depth 12                    random steps backwards from the target
//   seed 7
//   par 8-10                    optional: the par window (default 1-30)
//   bias 50                     optional: % of steps that must raise the
//                                 heuristic when such a step exists
//   dead 0 | dead 3+            optional: start moves into dead ends;
//   dead never                    never: no position the player can reach
//                                 is a dead end, not only after one move
//   detour 3 | 2-5 | 3+         optional: moves of the par beyond the
//                                 solver's lower bound at the start
//   only 6                      optional: the colour a level teaches: the
//                                 only one whose stones may move at the
//                                 start, and pressing it alone reaches the
//                                 target in par moves
//   players 0-90                optional: the share in % of simulated
//                                 players (Player.h) that solve the level
//   tries 200                   optional: walks tried before giving up
//   walk 17                     optional: the first walk to try (default 1);
//                                 pinning the walk that gen took makes a
//                                 rebuild quick, and changes nothing else
//   end
// Lines starting with '#' are comments.
#pragma once

#include "Budget.h"

#include <array>
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct DeadRule {
    enum class Kind {
        Any,
        None,  // no start move leads into a dead end
        Never, // no reachable position is a dead end
        AtLeast
    } Rule = Kind::Any;
    int Count = 0;
};

struct LevelRecipe {
    int Line = 0; // where its "level" line is
    std::string Title;
    std::array<std::string, 9> Pattern;
    std::map<char, std::vector<std::uint8_t>> Mix;
    int Depth = 0;
    std::uint64_t Seed = 0;
    int ParLow = 1;
    int ParHigh = MaxParMoves;
    int DetourLow = 0;
    int DetourHigh = MaxParMoves;
    int OnlyMover = 0; // 0: any colour
    int PlayersLow = 0, PlayersHigh = 100;
    int Bias = 0;
    DeadRule Dead;
    int Tries = 200;
    int FirstWalk = 1;
};

struct RecipeParse {
    std::vector<LevelRecipe> Levels;
    std::optional<std::string> Error; // "line 12: ..." when the recipe is bad
};

RecipeParse ParseRecipe(std::istream& in);
