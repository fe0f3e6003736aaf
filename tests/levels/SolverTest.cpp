#include "Replay.h"
#include "SmallLevels.h"
#include "Solver.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::uint8_t> AllCodes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
const std::vector<std::uint8_t> OneWay = {3, 4, 5, 6, 9, 10, 11, 12};
const std::vector<std::uint8_t> TwoWay = {1, 2, 7, 8};

void ExpectParOfBreadthFirstSearch(const std::vector<std::uint8_t>& codes, unsigned seed)
{
    std::mt19937 dice(seed);
    int compared = 0;
    for (int n = 0; n < 40; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 8 + n % 4, codes, 4 + n % 9);
        const auto par = BreadthFirstPar(level, 300'000);
        ASSERT_TRUE(par.has_value()) << "level " << n << " is solvable by construction";
        const SolveResult solved = Solve(level);
        ASSERT_EQ(solved.Status, SolveStatus::Optimal) << "level " << n;
        EXPECT_EQ(static_cast<int>(solved.Moves.size()), *par) << "level " << n;
        const ReplayResult replay = Replay(level, solved.Moves);
        EXPECT_TRUE(replay.Legal) << "level " << n << ", move " << replay.IllegalMove;
        EXPECT_TRUE(replay.Solved) << "level " << n;
        compared += *par > 0;
    }
    EXPECT_GT(compared, 30);
}

} // namespace

TEST(Solver, ParEqualsBreadthFirstSearchAndEverySolutionReplaysToTheTarget)
{
    ExpectParOfBreadthFirstSearch(AllCodes, 1);
    ExpectParOfBreadthFirstSearch(OneWay, 2);
    ExpectParOfBreadthFirstSearch(TwoWay, 3);
}

TEST(Solver, ProvesALevelUnsolvableWhenNoMoveHelps)
{
    // Row 0: an up stone cannot leave the top row and a right stone has an
    // empty cell to its right, so nothing moves at all.
    TLevelRecord stuck {};
    stuck.Board[1] = 3;
    stuck.Board[2] = 6;
    stuck.Target[1] = 6;
    stuck.Target[2] = 3;
    EXPECT_EQ(Solve(stuck).Status, SolveStatus::Unsolvable);

    // The right stone can move, but only away from where it must go.
    TLevelRecord away {};
    away.Board[1] = 5;
    away.Board[2] = 6;
    away.Board[3] = 5;
    away.Target[1] = 6;
    away.Target[2] = 5;
    away.Target[3] = 5;
    EXPECT_EQ(Solve(away).Status, SolveStatus::Unsolvable);
    EXPECT_EQ(BreadthFirstPar(away), std::nullopt);

    TLevelRecord otherStones = away;
    otherStones.Target[3] = 4;
    EXPECT_EQ(Solve(otherStones).Status, SolveStatus::Unsolvable);

    // A search asked to start from a board with other stones or other empty
    // cells than its level's target reaches nothing.
    const LevelSearch search(away);
    TCells moved = away.Board;
    std::swap(moved[3], moved[4]);
    EXPECT_EQ(search.Run(moved, {}).Outcome, SearchOutcome::Exhausted);
    TCells recoloured = away.Board;
    recoloured[3] = 6;
    EXPECT_EQ(search.Run(recoloured, {}).Outcome, SearchOutcome::Exhausted);
}

TEST(Solver, OverItsBudgetFallsBackToAReplayableBoundAboveTheLowerBound)
{
    // A full board, and as its target the end of 24 random moves from it.
    std::mt19937 dice(7);
    TLevelRecord level {};
    for (int cell = 1; cell <= CellCount; ++cell)
        level.Board[cell] = AllCodes[dice() % AllCodes.size()];
    level.Target = level.Board;
    for (int n = 0; n < 24; ++n) {
        const auto next = Successors(level.Target);
        level.Target = next[dice() % next.size()];
    }

    const SolveResult exact = Solve(level, {2'000, 300'000, 0});
    ASSERT_EQ(exact.Status, SolveStatus::Bound);
    EXPECT_LE(exact.LowerBound, static_cast<int>(exact.Moves.size()));
    EXPECT_LE(exact.Moves.size(), 36u) << "weight 3/2 over a par of at most 24";
    const ReplayResult replay = Replay(level, exact.Moves);
    EXPECT_TRUE(replay.Legal && replay.Solved);

    const SolveResult none = Solve(level, {1'000, 1'000, 0});
    EXPECT_EQ(none.Status, SolveStatus::Unknown);
}

TEST(Solver, ALevelSolvedAtTheStartNeedsNoMove)
{
    TLevelRecord level {};
    level.Target[5] = level.Board[5] = 1;
    level.Target[6] = level.Board[6] = 2;
    const SolveResult solved = Solve(level);
    EXPECT_EQ(solved.Status, SolveStatus::Optimal);
    EXPECT_TRUE(solved.Moves.empty());
}
