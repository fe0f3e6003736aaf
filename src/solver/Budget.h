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

// The shipped levels ask less: a player who thinks five seconds a move and
// takes twice the par still finishes within one attempt, at par 20 at most.
inline constexpr int ShippedSecondsPerMove = 5;
inline constexpr int ShippedParLimit = PointsPerAttempt / (PointsPerMove + ShippedSecondsPerMove * PointsPerTick) / 2;
