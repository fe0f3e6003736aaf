#include "PictureMeasures.h"
#include "Levels.h"
#include "StoneRules.h"

#include <gtest/gtest.h>

namespace {

TCells Target(std::initializer_list<std::pair<int, int>> stones)
{
    return MakeLevel(stones, {}).Target;
}

} // namespace

TEST(PictureMeasures, TheShareCountsAdjacentStonesAcrossRowsAndColumnsOnly)
{
    // 1 1 2 .    three pairs across and down, two of one code;
    // 1 . . 1    the stone on 13 touches the one on 3 only at a corner.
    const NeighbourPairs ell = CountNeighbourPairs(Target({{1, 1}, {2, 1}, {3, 2}, {10, 1}, {13, 1}}));
    EXPECT_EQ(ell.Pairs, 3);
    EXPECT_EQ(ell.SameCode, 2);
    EXPECT_DOUBLE_EQ(ell.Share(), 2.0 / 3);

    const NeighbourPairs square = CountNeighbourPairs(Target({{71, 4}, {72, 4}, {80, 4}, {81, 4}}));
    EXPECT_EQ(square.Pairs, 4) << "the bottom right corner";
    EXPECT_DOUBLE_EQ(square.Share(), 1.0);

    // The end of one row and the start of the next are not neighbours;
    // nor is a block, which is never drawn.
    const NeighbourPairs apart = CountNeighbourPairs(Target({{9, 3}, {10, 3}, {40, 5}, {41, BlockCode}}));
    EXPECT_EQ(apart.Pairs, 0);
    EXPECT_DOUBLE_EQ(apart.Share(), 0.0);

    NeighbourPairs both = ell;
    both += square;
    EXPECT_EQ(both.Pairs, 7);
    EXPECT_EQ(both.SameCode, 6);
    EXPECT_EQ(ShareText(both.Share()), "0.86");
}

TEST(PictureMeasures, LookAlikeColoursAreTheGroupsOneAndTwelveAndSevenEightAndTen)
{
    const std::pair<int, int> alike[] = {{1, 12}, {7, 8}, {7, 10}, {8, 10}};
    for (const auto& [code, other] : alike) {
        EXPECT_TRUE(LookAlike(code, other)) << code << " " << other;
        EXPECT_TRUE(LookAlike(other, code)) << other << " " << code;
    }
    for (int code = 1; code <= ColourCount; ++code)
        EXPECT_FALSE(LookAlike(code, code)) << "one colour is no confusion";
    int pairs = 0;
    for (int code = 1; code <= ColourCount; ++code)
        for (int other = code + 1; other <= ColourCount; ++other)
            pairs += LookAlike(code, other);
    EXPECT_EQ(pairs, 4);
}

TEST(PictureMeasures, LookAlikeNeighboursAreFoundSideBySideAndOneAboveTheOther)
{
    // 7 8 at 23 24; 12 above 1 at 60 and 69; 10 and 8 only corner to corner;
    // 7 at a row's end and 8 at the next row's start.
    const TCells target = Target(
        {{23, 7}, {24, 8}, {60, 12}, {69, 1}, {45, 10}, {53, 8}, {27, 7}, {28, 8}, {50, 7}, {51, 7}});
    const std::vector<LookAlikePair> expected = {{23, 24, 7, 8}, {60, 69, 12, 1}};
    EXPECT_EQ(LookAlikeNeighbours(target), expected);
    EXPECT_EQ(LookAlikeText(expected[0]), "codes 7 and 8 side by side at cells 23 and 24; they look alike");
    EXPECT_TRUE(LookAlikeNeighbours(Target({{1, 3}, {2, 4}, {10, 7}, {11, 7}})).empty());
}
