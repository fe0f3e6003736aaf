// The numbers of a level: the points of an attempt, what a move and a
// second cost, the attempts and the bonus for solving early.
#pragma once

#include <cstdint>

inline constexpr std::int32_t PointsPerAttempt = 1200;
inline constexpr std::int32_t PointsPerMove = 5;
inline constexpr std::int32_t PointsPerTick = 5;
inline constexpr int ClockIntervalMs = 1000;
inline constexpr std::uint8_t AttemptsPerLevel = 3;

// Added to the points of a level solved in that attempt.
inline constexpr std::int32_t AttemptBonus(std::uint8_t attempt)
{
    return attempt == 1 ? 500 : attempt == 2 ? 250 : 0;
}
