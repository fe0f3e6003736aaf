// What a level may ask of a person: the moves one attempt pays for when
// every move takes three seconds of thought, and the par that leaves room
// for twice the optimal moves within them.
#pragma once

#include "LevelFlow.h"

inline constexpr int SecondsPerMove = 3;

// Each move costs its points and three ticks of the clock: 60 moves.
inline constexpr int PlayerMoveBudget = PointsPerAttempt / (PointsPerMove + SecondsPerMove * PointsPerTick);

// Twice the par still fits into one attempt: par 30 at most.
inline constexpr int MaxParMoves = PlayerMoveBudget / 2;
