// The options a command takes after its own words: "--players N" and
// "--seconds S", the time budget of each proof of par.
#pragma once

#include "Commands.h"

#include <optional>

struct ToolOptions {
    Args Words;                    // the command's own words, options taken out
    int Players = 0;               // simulated players per level; 0: none
    std::optional<double> Seconds; // the proof's time budget, when given
};

// Nullopt after a complaint on `err` about an option that is unknown or
// given a bad value. `players` says whether the command takes --players.
std::optional<ToolOptions> ParseOptions(const Args& args, bool players, std::ostream& err);
