// The flow of a level on the game state, without any window: charges,
// attempts, the outcome of a tick at 0 points, bonus, total, hand-over.
#include "LevelFlow.h"

#include "Daten.h"
#include "Levels.h"

#include <gtest/gtest.h>

namespace {

class LevelFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        LevelTable[1] = MakeLevel({{1, 3}}, {{10, 3}});
        LevelTable[2] = MakeLevel({{5, 4}}, {{6, 4}});
        LevelCount = 2;
        CurrentLevel = 1;
        StartGame();
    }
};

} // namespace

TEST_F(LevelFlow, AGameStartsAtTheChosenLevelWithAFullFirstAttempt)
{
    CurrentLevel = 2;
    TotalScore = 700;
    RingCell1 = 4;
    StartGame();
    EXPECT_EQ(CurrentRecord, LevelTable[2]);
    EXPECT_EQ(Attempt, 1);
    EXPECT_EQ(Points, 1200);
    EXPECT_EQ(TotalScore, 0);
    EXPECT_EQ(ReadyForStone, 1);
    EXPECT_EQ(RingCell1, 0);
}

TEST_F(LevelFlow, MovesAndTicksCostFivePointsWhileAnyAreLeft)
{
    Points = 10;
    EXPECT_TRUE(ChargeMove());
    EXPECT_EQ(ClockTick(), TickOutcome::Charged);
    EXPECT_EQ(Points, 0);
    EXPECT_FALSE(ChargeMove()); // a move at 0 points is free
    EXPECT_EQ(Points, 0);
    EXPECT_EQ(PointsLeftAfter(100, 200), 0);
    EXPECT_EQ(PointsLeftAfter(10, 9), 1200 - 95);
}

TEST_F(LevelFlow, PointsRunningOutLeadToTheNextAttemptsThenToTheEnd)
{
    for (int attempt = 1; attempt <= 2; ++attempt) {
        CurrentRecord.Board[10] = 0; // a move made in this attempt
        Points = 0;
        EXPECT_EQ(ClockTick(), TickOutcome::AttemptFailed) << attempt;
        EXPECT_TRUE(AttemptsLeft());
        StartNextAttempt();
        EXPECT_EQ(Attempt, attempt + 1);
        EXPECT_EQ(Points, 1200);
        EXPECT_EQ(CurrentRecord, LevelTable[1]); // from the start again
    }
    EXPECT_FALSE(AttemptsLeft());
    Points = 0;
    EXPECT_EQ(ClockTick(), TickOutcome::GameOver);

    Attempt = 0; // before the first game: nothing to fail
    EXPECT_EQ(ClockTick(), TickOutcome::NoAttempt);
}

TEST_F(LevelFlow, ASolvedLevelEarnsItsBonusAndLeadsToTheNextUntilTheLast)
{
    Points = 830;
    EXPECT_EQ(CreditBonus(), 500);
    EXPECT_EQ(Points, 1330);
    EXPECT_TRUE(FinishLevel());
    EXPECT_EQ(TotalScore, 1330);
    EXPECT_EQ(CurrentLevel, 2);
    EXPECT_EQ(Points, 1200);

    StartNextAttempt();
    StartNextAttempt();
    EXPECT_EQ(CreditBonus(), 0); // the third attempt earns none
    EXPECT_FALSE(FinishLevel());
    EXPECT_EQ(TotalScore, 2530);
    EXPECT_EQ(CurrentLevel, 2); // the level on which the game ended
    EXPECT_EQ(AttemptBonus(2), 250);
}

TEST_F(LevelFlow, OnlyATotalAboveTheTenthPlaceIsHandedOver)
{
    HighScoreMark = 900;
    TotalScore = 900;
    EXPECT_FALSE(HandOverTotal());
    EXPECT_EQ(HighScoreMark, 900);
    TotalScore = 905;
    EXPECT_TRUE(HandOverTotal());
    EXPECT_EQ(HighScoreMark, 905); // the score the list inserts
}
