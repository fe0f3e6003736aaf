// The whole reachable space of small levels against plain breadth-first
// search over the move rule of src/core.
#include "Reachable.h"
#include "SmallLevels.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every board reachable from `start`, pressing only `code` when it is not 0.
std::set<Cells> ReachableBoards(const TCells& start, int code = 0)
{
    std::set<Cells> seen {AsArray(start)};
    std::deque<TCells> queue {start};
    while (!queue.empty()) {
        const TCells board = queue.front();
        queue.pop_front();
        for (const TCells& next : Successors(board, code))
            if (seen.insert(AsArray(next)).second)
                queue.push_back(next);
    }
    return seen;
}

TEST(Reachable, CountsEveryPositionAndEveryDeadEndOfSmallOneWayLevels)
{
    std::mt19937 dice(7);
    int levelsWithDeadEnds = 0;
    for (int n = 0; n < 40; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 7, {2, 3, 5, 6, 9}, 6);
        const LevelSolver solver(level);
        const ReachableSpace space = ExploreReachable(solver, level.Board, level.Target, 100000);
        ASSERT_TRUE(space.Complete);
        const std::set<Cells> boards = ReachableBoards(level.Board);
        EXPECT_EQ(space.Positions, boards.size());
        std::size_t dead = 0;
        for (const Cells& cells : boards) {
            TLevelRecord from = level;
            std::copy(cells.begin(), cells.end(), from.Board.Item);
            dead += BreadthFirstPar(from) ? 0 : 1;
        }
        EXPECT_EQ(space.DeadEnds, dead) << "level " << n;
        levelsWithDeadEnds += dead > 0;
    }
    EXPECT_GT(levelsWithDeadEnds, 0); // the sample does hold traps
}

TEST(Reachable, TwoWayBoardsHaveNoDeadEndAndALimitLeavesTheSpaceUndecided)
{
    std::mt19937 dice(11);
    const TLevelRecord twoWay = RandomSmallLevel(dice, 9, {1, 2, 7, 8}, 8);
    const LevelSolver solver(twoWay);
    const ReachableSpace space = ExploreReachable(solver, twoWay.Board, twoWay.Target, 10);
    EXPECT_TRUE(space.Complete);
    EXPECT_EQ(space.DeadEnds, 0u);

    const TLevelRecord oneWay = RandomSmallLevel(dice, 8, {3, 6, 9}, 6);
    const LevelSolver oneWaySolver(oneWay);
    EXPECT_FALSE(ExploreReachable(oneWaySolver, oneWay.Board, oneWay.Target, 1).Complete);
}

TEST(Reachable, ParPressingOneColourAlone)
{
    // A row 6 6 3 that must become 3 6 6: the right-movers push the up-mover
    // left twice; the up-mover itself has nowhere to go.
    TLevelRecord level {};
    level.Board[1] = 6, level.Board[2] = 6, level.Board[3] = 3;
    level.Target[1] = 3, level.Target[2] = 6, level.Target[3] = 6;
    const LevelSolver solver(level);
    EXPECT_EQ(ParPressingOnly(solver, level.Board, level.Target, 6, 1000), 2);
    EXPECT_EQ(ParPressingOnly(solver, level.Board, level.Target, 3, 1000), std::nullopt);

    std::mt19937 dice(3);
    for (int n = 0; n < 30; ++n) {
        const TLevelRecord small = RandomSmallLevel(dice, 7, {1, 3, 6, 8}, 5);
        const LevelSolver smallSolver(small);
        for (int code : {1, 6}) {
            const auto par = ParPressingOnly(smallSolver, small.Board, small.Target, code, 100000);
            EXPECT_EQ(par.has_value(), ReachableBoards(small.Board, code).contains(AsArray(small.Target)))
                << "level " << n << " code " << code;
        }
    }
}

} // namespace
