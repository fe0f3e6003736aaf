// The curve of difficulty across a level set: its measures per level drawn
// as a plot (SVG), and summed up by thirds of the set.
#pragma once

#include "PictureMeasures.h"

#include <cstddef>
#include <string>
#include <vector>

struct LevelMeasures {
    int Par = 0;
    int Detour = 0;
    std::size_t Positions = 0; // searched by the proof of par
    double DeadShare = 0;      // of the start moves
    int PlayersPercent = 0;    // simulated players who solve it
    NeighbourPairs Neighbours; // of its target
};

std::string CurveSvg(const std::vector<LevelMeasures>& levels);

// The medians of each third of the set, one line each.
std::string CurveSummary(const std::vector<LevelMeasures>& levels);
