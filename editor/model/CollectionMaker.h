// "Sammlung erzeugen": a new collection from the level generator, its
// levels ever harder: the par window rises from level to level, and the
// patterns grow and take more colours. Every par is proved.
#pragma once

#include "LevelRecord.h"
#include "SearchWatch.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

inline constexpr int EasiestPar = 3;
inline constexpr int HardestPar = 20;

struct MadeCollection {
    std::vector<TLevelRecord> Levels;
    std::vector<int> Pars;
    std::string Error; // German, when not all levels could be made
};

// `count` levels (1..99); `progress` is told how many are done.
MadeCollection MakeCollection(int count, std::uint64_t seed, SearchWatch* watch,
                              const std::function<void(int)>& progress);
