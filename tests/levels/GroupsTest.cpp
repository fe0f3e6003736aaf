// Groups of a level: stones never leave them, so a level splits into
// puzzles of its own, solved and settled one by one.
#include "Groups.h"
#include "DeadEnds.h"
#include "Levels.h"
#include "SmallLevels.h"
#include "Solver.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::vector<int>> CellsOf(const std::vector<LevelGroup>& groups)
{
    std::vector<std::vector<int>> cells;
    for (const LevelGroup& group : groups)
        cells.push_back(group.Cells);
    return cells;
}

// Whether the target can still be reached from `board`, by looking at
// every position reachable from it.
bool Reachable(const TCells& board, const TCells& target)
{
    TLevelRecord level {target, board};
    return BreadthFirstPar(level, 500'000).has_value();
}

} // namespace

TEST(Groups, SplitByTheCodesEachPartHoldsAndFindStonesThatNeverMove)
{
    // Rows 4 and 5 touch, and a stone of code 2 could swap between them;
    // but the 2s stand in a column of their own, so the rows, which hold
    // only codes that move across, are two groups. The 3 in row 8 has
    // nothing above it: it never moves.
    const TCells board =
        MakeLevel({}, {{37, 1}, {38, 6}, {39, 1}, {46, 5}, {47, 6}, {48, 5}, {9, 2}, {18, 2}, {27, 2}, {77, 3}}).Board;
    const auto groups = GroupsOf(board);
    EXPECT_EQ(CellsOf(groups), (std::vector<std::vector<int>> {{9, 18, 27}, {37, 38, 39}, {46, 47, 48}, {77}}));
    EXPECT_TRUE(groups.back().Frozen);
    EXPECT_FALSE(groups.front().Frozen);
    EXPECT_EQ(LevelSolver({board, board}).FrozenStones(), 1);
}

TEST(Groups, TheParsOfTheGroupsAddUpAndTheSolutionPlaysThroughAll)
{
    // Two small puzzles far apart, each scrambled by a few moves.
    std::mt19937 dice(7);
    const TLevelRecord left = RandomSmallLevel(dice, 9, {1, 3, 6, 7, 8}, 6);
    TLevelRecord right = RandomSmallLevel(dice, 9, {2, 4, 5, 9, 12}, 6);
    TLevelRecord both = left;
    for (int cell = 1; cell <= CellCount; ++cell) // the 4 x 4 corner moved to the bottom right
        if (right.Target[cell] != 0) {
            both.Target[cell + 5 + 5 * BoardSide] = right.Target[cell];
            both.Board[cell + 5 + 5 * BoardSide] = right.Board[cell];
        }
    const auto leftPar = BreadthFirstPar(left), rightPar = BreadthFirstPar(right);
    ASSERT_TRUE(leftPar && rightPar);
    const SolveResult solved = Solve(both);
    ASSERT_EQ(solved.Status, SolveStatus::Optimal);
    EXPECT_EQ(static_cast<int>(solved.Moves.size()), *leftPar + *rightPar);
    TCells board = both.Board;
    for (const Move& move : solved.Moves)
        ApplyMove(board, move);
    EXPECT_EQ(board, both.Target);
}

TEST(DeadEnds, EveryStartMoveIsSettledAsAFullSearchJudgesIt)
{
    std::mt19937 dice(11);
    int dead = 0, moves = 0;
    for (int n = 0; n < 30; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 10, {3, 4, 5, 6, 9, 10, 11, 12, 1}, 5 + n % 5);
        if (level.Board == level.Target)
            continue;
        const LevelSolver solver(level);
        const SolveResult solved = solver.Solve(level.Board);
        ASSERT_EQ(solved.Status, SolveStatus::Optimal);
        const StartMoves starts = CountDeadStarts(solver, level.Board, solved.Moves, SolveBudget {});
        EXPECT_EQ(starts.Unknown, 0) << "level " << n;
        int expectedDead = 0;
        for (const TCells& next : Successors(level.Board))
            expectedDead += next != level.Board && !Reachable(next, level.Target);
        EXPECT_EQ(starts.Dead, expectedDead) << "level " << n;
        dead += starts.Dead;
        moves += starts.Moves;
    }
    EXPECT_GT(dead, 5) << "the levels hold dead ends to find";
    EXPECT_GT(moves, dead);
}
