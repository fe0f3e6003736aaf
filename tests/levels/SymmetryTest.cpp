#include "Symmetry.h"
#include "Levels.h"
#include "SmallLevels.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr Symmetry Identity {false, 0}, QuarterClockwise {false, 1}, LeftRightMirror {true, 0};

// The codes as derived by hand from the arrows on the stones.
// A quarter turn clockwise: up -> right -> down -> left -> up.
constexpr int AfterQuarterTurn[] = {0, 2, 1, 6, 5, 3, 4, 8, 7, 11, 12, 10, 9};
// Left and right swapped: up and down stay.
constexpr int AfterMirror[] = {0, 1, 2, 3, 4, 6, 5, 8, 7, 11, 12, 9, 10};

// No symmetry of its own: every turned copy differs.
TLevelRecord Lopsided()
{
    return MakeLevel({{1, 6}, {2, 3}, {3, 7}, {11, 9}, {12, 1}, {20, 12}},
                     {{1, 3}, {2, 6}, {3, 1}, {11, 12}, {12, 7}, {20, 9}});
}

std::set<Cells> Boards(const std::vector<TCells>& boards)
{
    std::set<Cells> set;
    for (const TCells& board : boards)
        set.insert(AsArray(board));
    return set;
}

} // namespace

TEST(Symmetry, ColoursTurnAsTheirArrowsDo)
{
    for (int code = 1; code <= ColourCount; ++code) {
        EXPECT_EQ(TurnedCode(code, QuarterClockwise), AfterQuarterTurn[code]) << "code " << code;
        EXPECT_EQ(TurnedCode(code, LeftRightMirror), AfterMirror[code]) << "code " << code;
        int turned = code;
        for (int turn = 0; turn < 4; ++turn)
            turned = TurnedCode(turned, QuarterClockwise);
        EXPECT_EQ(turned, code) << "four quarter turns";
        EXPECT_EQ(TurnedCode(TurnedCode(code, LeftRightMirror), LeftRightMirror), code) << "mirrored twice";
    }
    for (const Symmetry symmetry : AllSymmetries) {
        std::set<int> images;
        for (int code = 1; code <= ColourCount; ++code)
            images.insert(TurnedCode(code, symmetry));
        EXPECT_EQ(images, (std::set<int> {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})) << "each colour taken once";
        for (const int other : {0, 13, 200})
            EXPECT_EQ(TurnedCode(other, symmetry), other) << "empty cells and blocks stay";
    }
}

TEST(Symmetry, AnArrowOfRightStonesTurnedAQuarterClockwisePointsDown)
{
    // Shaft along row 4 from column 2 to the tip at column 6, the head's
    // sides on rows 3 and 5 at column 5.
    const TCells right = MakeLevel({{39, 6}, {40, 6}, {41, 6}, {42, 6}, {43, 6}, {33, 6}, {51, 6}}, {}).Target;
    // Shaft down column 4 from row 2 to the tip at row 6, the sides on row 5.
    const TCells down = MakeLevel({{23, 4}, {32, 4}, {41, 4}, {50, 4}, {59, 4}, {49, 4}, {51, 4}}, {}).Target;
    EXPECT_EQ(Turned(right, QuarterClockwise), down);
    EXPECT_EQ(MovedCell(1, QuarterClockwise), 9);
    EXPECT_EQ(MovedCell(9, QuarterClockwise), 81);
    EXPECT_EQ(MovedCell(1, LeftRightMirror), 9);
    EXPECT_EQ(MovedCell(41, QuarterClockwise), 41) << "the centre stays";
}

// Playing a turned board is playing the board turned: the same moves,
// turned, and so the same par for a turned level.
TEST(Symmetry, TheMoveRuleTurnsWithTheBoard)
{
    std::mt19937 dice(7);
    for (int n = 0; n < 20; ++n) {
        TCells board {};
        for (int cell = 1; cell <= CellCount; ++cell)
            board[cell] = static_cast<std::uint8_t>(dice() % 3 == 0 ? 0 : 1 + dice() % ColourCount);
        for (const Symmetry symmetry : AllSymmetries) {
            std::vector<TCells> turnedMoves;
            for (const TCells& next : Successors(board))
                turnedMoves.push_back(Turned(next, symmetry));
            EXPECT_EQ(Boards(Successors(Turned(board, symmetry))), Boards(turnedMoves)) << "board " << n;
        }
    }
    const TLevelRecord level = RandomSmallLevel(dice, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 6);
    const auto par = BreadthFirstPar(level);
    ASSERT_TRUE(par.has_value()) << "solvable by construction";
    for (const Symmetry symmetry : AllSymmetries)
        EXPECT_EQ(BreadthFirstPar(Turned(level, symmetry)), par);
}

TEST(Symmetry, ALevelTurnedOrMirroredIsTheSamePuzzleAndADifferentOneIsNot)
{
    const TLevelRecord level = Lopsided();
    std::set<std::pair<Cells, Cells>> copies;
    for (const Symmetry symmetry : AllSymmetries) {
        const TLevelRecord turned = Turned(level, symmetry);
        copies.insert({AsArray(turned.Target), AsArray(turned.Board)});
        EXPECT_TRUE(SamePuzzleTurned(level, turned));
        EXPECT_TRUE(SamePuzzleTurned(turned, level));
    }
    EXPECT_EQ(copies.size(), AllSymmetries.size()) << "eight different symmetries";

    TLevelRecord otherStone = level;
    otherStone.Board[20] = 10;
    otherStone.Target[20] = 10;
    TLevelRecord backwards = level;
    std::swap(backwards.Board, backwards.Target);
    // Stones moved to the turned cells but their colours left as they were.
    TLevelRecord unturnedColours {};
    for (int cell = 1; cell <= CellCount; ++cell) {
        unturnedColours.Board[MovedCell(cell, QuarterClockwise)] = level.Board[cell];
        unturnedColours.Target[MovedCell(cell, QuarterClockwise)] = level.Target[cell];
    }
    for (const TLevelRecord& other : {otherStone, backwards, unturnedColours})
        EXPECT_FALSE(SamePuzzleTurned(level, other));
    EXPECT_TRUE(SamePuzzleTurned(level, Turned(level, Identity)));
}

TEST(Symmetry, APictureIsTheSameWhateverItsColoursAndTurn)
{
    // A plus, its bar in one colour and its post in another.
    const TCells plus =
        MakeLevel({{39, 1}, {40, 1}, {41, 2}, {42, 1}, {43, 1}, {23, 2}, {32, 2}, {50, 2}, {59, 2}}, {}).Target;
    TCells recoloured = plus;
    for (int cell = 1; cell <= CellCount; ++cell)
        recoloured[cell] = plus[cell] == 1 ? 5 : plus[cell] == 2 ? 6 : 0;
    EXPECT_TRUE(SamePicture(plus, recoloured));
    EXPECT_TRUE(SamePicture(plus, Turned(recoloured, QuarterClockwise)));
    TCells withBlock = plus;
    withBlock[1] = BlockCode;
    EXPECT_TRUE(SamePicture(plus, withBlock)) << "a block is not drawn";

    TCells threeColours = plus;
    threeColours[23] = 3;
    threeColours[32] = 3;
    EXPECT_FALSE(SamePicture(plus, threeColours)) << "the post in two colours";
    TCells oneColour = plus;
    for (int cell = 1; cell <= CellCount; ++cell)
        oneColour[cell] = plus[cell] == 0 ? 0 : 1;
    EXPECT_FALSE(SamePicture(plus, oneColour));
    TCells shifted {};
    for (int cell = 1; cell < CellCount; ++cell)
        shifted[cell + 1] = plus[cell];
    EXPECT_FALSE(SamePicture(plus, shifted)) << "a picture moved along is another picture";
}
