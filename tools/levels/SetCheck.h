// The rules a level set keeps as a whole: no puzzle twice, not even turned
// or mirrored; no target picture twice; and in each third of the set the
// pictures drawn in areas of one colour rather than in a speckle.
#pragma once

#include "LevelCheck.h"
#include "LevelRecord.h"
#include "PictureMeasures.h"

#include <string>
#include <vector>

// The share of adjacent target stones of one code that each third keeps to.
inline constexpr double MinSameColourShare = 0.4;

// A third with fewer adjacent pairs than one small picture holds (a 4 x 4
// square has 24) says nothing about how the set looks; it is not judged.
inline constexpr int MinPairsToJudgeShare = 24;

// Levels First..Last, counted from 1, and the adjacent pairs of their targets.
struct ThirdShare {
    int First = 0;
    int Last = 0;
    NeighbourPairs Pairs;
};

struct SetCheck {
    std::vector<ThirdShare> Thirds;    // none below three levels
    std::vector<std::string> Problems; // each names its level or levels
};

// `checks` are the levels' own checks (CheckLevels); only puzzles count.
SetCheck CheckSet(const std::vector<TLevelRecord>& levels, const std::vector<LevelCheck>& checks);
