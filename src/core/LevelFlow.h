// The flow of a level, on the shared game state (Daten.h): the points of
// an attempt and what a move and a second of the clock cost, the start of
// a game, a level and an attempt, what happens when the points run out,
// the bonus for an early solution and the hand-over of the game's total to
// the high-score list. The windows call these and show what changed.
#pragma once

#include <cstdint>

inline constexpr std::int32_t PointsPerAttempt = 1200;
inline constexpr std::int32_t PointsPerMove = 5;
inline constexpr std::int32_t PointsPerTick = 5;
inline constexpr int ClockIntervalMs = 1000;
inline constexpr std::uint8_t AttemptsPerLevel = 3;

// Added to the points of a level solved in that attempt: 500, 250, 0.
inline constexpr std::int32_t AttemptBonus(int attempt)
{
    return attempt == 1 ? 500 : attempt == 2 ? 250 : 0;
}

// The points left after `moves` moves and `ticks` ticks of an attempt:
// each costs its points while any are left.
inline constexpr std::int32_t PointsLeftAfter(int moves, int ticks)
{
    const std::int32_t spent = moves * PointsPerMove + ticks * PointsPerTick;
    return spent >= PointsPerAttempt ? 0 : PointsPerAttempt - spent;
}

// A new game at CurrentLevel: its first attempt, the total at 0.
void StartGame();
// CurrentLevel from its starting position, attempt 1.
void StartLevel();
// The next attempt at the current level, from its starting position.
void StartNextAttempt();
// Whether the player may still ask for another attempt.
bool AttemptsLeft();

// A move was made: it costs PointsPerMove while points are left. True when
// `Points` changed.
bool ChargeMove();

// What a tick of the clock brought.
enum class TickOutcome {
    Charged,       // PointsPerTick less
    AttemptFailed, // the points had run out; attempt Attempt + 1 comes next
    GameOver,      // they had run out in the last attempt
    NoAttempt,     // no game has started yet (a tick behind the start-up boxes)
};
TickOutcome ClockTick();

// The level is solved: adds the bonus of the attempt to `Points` and
// returns it.
std::int32_t CreditBonus();

// After the bonus: the level's points go to the total, and the next level
// starts. False when this was the last level; CurrentLevel then stays on
// it, the level on which the game ended.
bool FinishLevel();

// The end of a game: true when its total enters the high-score list, which
// then holds it as the score to insert (`HighScoreMark`).
bool HandOverTotal();
