// "Sammlung erzeugen": levels from the level generator, ever harder: the
// par window rises from level to level. The pictures are the collection's
// own targets when it has any, smallest first, else shapes drawn here. A
// level whose window no walk meets takes the nearest proved start there
// was, so that the collection always gets every level asked for; when it
// is stopped, it keeps the levels made so far.
#pragma once

#include "LevelRecord.h"
#include "Scramble.h"
#include "SearchWatch.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

inline constexpr int EasiestPar = 3;
inline constexpr int HardestPar = 20;

struct MadeCollection {
    std::vector<TLevelRecord> Levels; // in order of par, the easiest first
    std::vector<int> Pars;
    int OutsideWindow = 0; // levels whose par missed their window, the nearest that was found
    std::string Error;     // German, when fewer levels than asked were made
};

// Shapes for a collection without pictures of its own: a frame, a plus,
// a diamond, letters and more, each part in a colour of its own.
std::vector<TCells> DrawnShapes(std::uint64_t seed);

// `count` levels (1..99) on `pictures` (the drawn shapes when empty), the
// par rising from `pars.Low` at the first to `pars.High` at the last;
// `progress` is told how many are done.
MadeCollection MakeCollection(int count, const std::vector<TCells>& pictures, ParRange pars, std::uint64_t seed,
                              SearchWatch* watch, const std::function<void(int)>& progress);
