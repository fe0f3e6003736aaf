// Painting the target and swapping in the start keep the start holding the
// target's stones, whatever is painted where.
#include "LevelEdits.h"
#include "Levels.h"
#include "StoneRules.h"

#include <gtest/gtest.h>

#include <random>

TEST(LevelEdits, PaintingKeepsTheStartOnTheTargetsStonesAndFollowsThePaintedCell)
{
    // Target 6 on 41, 5 on 42; the start has them swapped.
    TLevelRecord level = MakeLevel({{41, 6}, {42, 5}}, {{41, 5}, {42, 6}});

    EXPECT_TRUE(PaintTarget(level, 50, 3)); // a new stone: in both at the same cell
    EXPECT_EQ(level.Board[50], 3);

    EXPECT_TRUE(PaintTarget(level, 41, 7)); // the target's 6 becomes 7: the start's 6 (on 42) too
    EXPECT_EQ(level.Board[42], 7);
    EXPECT_EQ(level.Board[41], 5);

    EXPECT_TRUE(PaintTarget(level, 41, EmptyCode)); // empties in both; the start's 5 on it goes where its 7 was
    EXPECT_EQ(level.Board[41], EmptyCode);
    EXPECT_EQ(level.Board[42], 5);
    EXPECT_EQ(level.Target[42], 5);
    EXPECT_FALSE(PaintTarget(level, 42, 5)); // no change
    EXPECT_TRUE(FitsTarget(level, level.Board));

    // Any sequence of paints and swaps keeps it.
    std::mt19937 dice(7);
    for (int step = 0; step < 3000; ++step) {
        const int cell = static_cast<int>(dice() % CellCount) + 1;
        if (dice() % 3 == 0)
            SwapStart(level, cell, static_cast<int>(dice() % CellCount) + 1);
        else
            PaintTarget(level, cell, static_cast<std::uint8_t>(dice() % (BlockCode + 1)));
        ASSERT_TRUE(FitsTarget(level, level.Board)) << "after step " << step;
    }
}

TEST(LevelEdits, SwapsOnlyTwoDifferentPieces)
{
    TLevelRecord level = MakeLevel({{1, 1}, {2, 2}, {3, 2}}, {{1, 1}, {2, 2}, {3, 2}});
    EXPECT_FALSE(SwapStart(level, 1, 4)); // an empty cell
    EXPECT_FALSE(SwapStart(level, 2, 3)); // the same code
    EXPECT_TRUE(SwapStart(level, 1, 3));
    EXPECT_EQ(level.Board[1], 2);
    EXPECT_EQ(level.Board[3], 1);
    EXPECT_FALSE(FitsTarget(level, MakeLevel({{1, 1}}, {}).Target));
}
