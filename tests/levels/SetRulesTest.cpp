#include "Levels.h"
#include "SetCheck.h"
#include "Symmetry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Three full rows from `firstRow`: 5s, 6s, 5s (one colour along each row)
// or 5s and 6s in a checkerboard (no two neighbours alike). The board has
// two stones of different codes swapped.
TLevelRecord Rows(int firstRow, bool checkered)
{
    TLevelRecord level {};
    for (int row = firstRow; row < firstRow + 3; ++row)
        for (int column = 0; column < BoardSide; ++column)
            level.Target[CellAt(row, column)] = (checkered ? row + column : row - firstRow) % 2 == 0 ? 5 : 6;
    level.Board = level.Target;
    const int other = checkered ? CellAt(firstRow, 1) : CellAt(firstRow + 1, 0);
    std::swap(level.Board[CellAt(firstRow, 0)], level.Board[other]);
    return level;
}

SetCheck CheckSetOf(const std::vector<TLevelRecord>& levels)
{
    std::vector<LevelCheck> checks;
    for (const TLevelRecord& level : levels)
        checks.push_back(CheckLevel(level));
    return CheckSet(levels, checks);
}

// The problems of single levels, leaving out those of the thirds.
std::vector<std::string> Repeats(const SetCheck& set)
{
    std::vector<std::string> repeats;
    std::copy_if(set.Problems.begin(), set.Problems.end(), std::back_inserter(repeats),
                 [](const std::string& problem) { return problem.starts_with("level "); });
    return repeats;
}

// Row `row`: a right stone at `from` pushed through blocks to the end.
void RightStoneThroughBlocks(TLevelRecord& level, int row, int from)
{
    for (int column = from; column < BoardSide; ++column)
        level.Board[CellAt(row, column)] = level.Target[CellAt(row, column)] = BlockCode;
    level.Board[CellAt(row, from)] = 6;
    level.Target[CellAt(row, BoardSide - 1)] = 6;
}

} // namespace

TEST(SetRules, APuzzleOrPictureAgainIsReportedOnceAgainstTheFirst)
{
    const TLevelRecord first = Rows(0, false);
    const TLevelRecord second = Rows(3, true);
    TLevelRecord secondRecoloured = second; // 5 and 6 renamed, another board
    for (int cell = 1; cell <= CellCount; ++cell)
        if (IsStone(second.Target[cell]))
            secondRecoloured.Target[cell] = secondRecoloured.Board[cell] = second.Target[cell] == 5 ? 4 : 3;
    std::swap(secondRecoloured.Board[CellAt(4, 0)], secondRecoloured.Board[CellAt(4, 1)]);
    TLevelRecord solved = first;
    solved.Board = solved.Target;

    const SetCheck set = CheckSetOf(
        {first, second, Turned(first, {true, 1}), secondRecoloured, first, solved, Turned(second, {false, 2})});
    const std::vector<std::string> expected = {
        "level 3: the same puzzle as level 1, turned or mirrored",
        "level 4: its target picture is level 2's",
        "level 5: the same puzzle as level 1",
        "level 7: the same puzzle as level 2, turned or mirrored",
    };
    EXPECT_EQ(Repeats(set), expected) << "a level that is no puzzle is not compared";
    EXPECT_TRUE(Repeats(CheckSetOf({first, second, Rows(1, false), Rows(2, true)})).empty());
}

TEST(SetRules, EachThirdKeepsToTheSameColourShareWhenItHasPairsEnoughToJudge)
{
    // Each level: 42 adjacent pairs, 24 alike along the rows, or none.
    const SetCheck set = CheckSetOf(
        {Rows(0, false), Rows(1, false), Rows(2, true), Rows(3, true), Rows(2, false), Rows(0, true), Rows(1, true)});
    std::vector<std::array<int, 4>> thirds; // first and last level, pairs, pairs of one code
    for (const ThirdShare& third : set.Thirds)
        thirds.push_back({third.First, third.Last, third.Pairs.Pairs, third.Pairs.SameCode});
    EXPECT_EQ(thirds, (std::vector<std::array<int, 4>> {{1, 2, 84, 48}, {3, 4, 84, 0}, {5, 7, 126, 24}}));
    const std::vector<std::string> expected = {
        "levels 3-4: same-colour neighbour share 0.00, below 0.40",
        "levels 5-7: same-colour neighbour share 0.19, below 0.40",
    };
    EXPECT_EQ(set.Problems, expected);

    // A third of a few stones is no picture to judge.
    const TLevelRecord small = MakeLevel({{1, 5}, {2, 6}}, {{1, 6}, {2, 5}});
    const TLevelRecord other = MakeLevel({{11, 5}, {12, 6}, {13, 6}}, {{11, 6}, {12, 5}, {13, 6}});
    const SetCheck few = CheckSetOf({small, other, Rows(0, false)});
    EXPECT_EQ(few.Thirds.size(), 3u);
    EXPECT_TRUE(few.Problems.empty()) << few.Problems.front();
    EXPECT_TRUE(CheckSetOf({small, other}).Thirds.empty()) << "two levels make no thirds";
}

TEST(SetRules, AParAboveThePlayersLimitIsAProblem)
{
    ASSERT_EQ(ShippedParLimit, 20);
    for (const int par : {20, 21}) {
        TLevelRecord level {};
        RightStoneThroughBlocks(level, 0, 0);
        RightStoneThroughBlocks(level, 2, 0);
        RightStoneThroughBlocks(level, 4, BoardSide - 1 - (par - 16));
        const LevelCheck check = CheckLevel(level);
        ASSERT_EQ(check.Solution.Moves.size(), static_cast<std::size_t>(par));
        const auto over = std::find_if(check.Problems.begin(), check.Problems.end(), [](const std::string& problem) {
            return problem.starts_with("over the player's budget");
        });
        if (par > ShippedParLimit)
            EXPECT_EQ(over != check.Problems.end() ? *over : "", "over the player's budget: par 21, more than 20");
        else
            EXPECT_EQ(over, check.Problems.end()) << *over;
    }
}

TEST(SetRules, LookAlikeNeighboursInATargetAreProblemsOfItsLevel)
{
    const LevelCheck check = CheckLevel(MakeLevel({{23, 7}, {24, 8}, {25, 3}}, {{23, 7}, {24, 3}, {25, 8}}));
    EXPECT_EQ(check.LookAlikePairs, 1);
    EXPECT_EQ(std::count(check.Problems.begin(), check.Problems.end(),
                         "codes 7 and 8 side by side at cells 23 and 24; they look alike"),
              1);
}
