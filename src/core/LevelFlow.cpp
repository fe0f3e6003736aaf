#include "LevelFlow.h"

#include "Daten.h"

namespace {

// The level from its starting position, with a full attempt's points and
// no ring offered.
void ResetAttempt()
{
    CurrentRecord = LevelTable[CurrentLevel];
    ReadyForStone = 1;
    RingCell1 = 0;
    RingCell2 = 0;
    Points = PointsPerAttempt;
}

} // namespace

void StartGame()
{
    StartLevel();
    TotalScore = 0;
}

void StartLevel()
{
    Attempt = 1;
    ResetAttempt();
}

void StartNextAttempt()
{
    ++Attempt;
    ResetAttempt();
}

bool AttemptsLeft()
{
    return Attempt < AttemptsPerLevel;
}

bool ChargeMove()
{
    if (Points <= 0)
        return false;
    Points -= PointsPerMove;
    return true;
}

TickOutcome ClockTick()
{
    if (Points > 0) {
        Points -= PointsPerTick;
        return TickOutcome::Charged;
    }
    if (Attempt == 0)
        return TickOutcome::NoAttempt;
    return AttemptsLeft() ? TickOutcome::AttemptFailed : TickOutcome::GameOver;
}

std::int32_t CreditBonus()
{
    const std::int32_t bonus = AttemptBonus(Attempt);
    Points += bonus;
    return bonus;
}

bool FinishLevel()
{
    TotalScore += Points;
    if (CurrentLevel >= LevelCount)
        return false;
    ++CurrentLevel;
    StartLevel();
    return true;
}

bool HandOverTotal()
{
    if (TotalScore <= HighScoreMark)
        return false;
    HighScoreMark = TotalScore;
    return true;
}
