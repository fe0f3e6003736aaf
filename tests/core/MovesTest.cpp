#include "Moves.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>

namespace {

// Each code's direction(s) on the screen as (row step, column step): the
// first is the positive direction of a two-way stone.
const std::map<int, std::vector<std::pair<int, int>>> ScreenDirections = {
    {1, {{0, +1}, {0, -1}}},
    {2, {{+1, 0}, {-1, 0}}},
    {3, {{-1, 0}}},
    {4, {{+1, 0}}},
    {5, {{0, -1}}},
    {6, {{0, +1}}},
    {7, {{+1, +1}, {-1, -1}}},
    {8, {{+1, -1}, {-1, +1}}},
    {9, {{-1, -1}}},
    {10, {{+1, +1}}},
    {11, {{-1, +1}}},
    {12, {{+1, -1}}},
};

int Cell(int row, int column)
{
    return row * 9 + column + 1;
}

TCells FullBoard(std::uint8_t code)
{
    TCells board {};
    for (int cell = 1; cell <= 81; ++cell)
        board[cell] = code;
    return board;
}

// The neighbour in a screen direction, found by rows and columns rather
// than by cell offsets; nullopt off the board.
std::optional<int> Neighbour(int cell, std::pair<int, int> direction)
{
    const int row = (cell - 1) / 9 + direction.first;
    const int column = (cell - 1) % 9 + direction.second;
    if (row < 0 || row > 8 || column < 0 || column > 8)
        return std::nullopt;
    return Cell(row, column);
}

MoveOffer Expected(const TCells& board, int cell)
{
    MoveOffer offer;
    const int code = board[cell];
    if (!ScreenDirections.contains(code))
        return offer;
    std::vector<int> partners;
    for (auto direction : ScreenDirections.at(code)) {
        const auto n = Neighbour(cell, direction);
        partners.push_back(n && board[*n] != 0 ? *n : 0);
    }
    if (partners.size() == 2 && partners[0] && partners[1]) {
        offer.Kind = MoveKind::Ring;
        offer.Ring1 = partners[0];
        offer.Ring2 = partners[1];
    } else {
        for (int n : partners) {
            if (n) {
                offer.Kind = MoveKind::Swap;
                offer.Offset = n - cell;
            }
        }
    }
    return offer;
}

void ExpectSame(const MoveOffer& got, const MoveOffer& want, int cell)
{
    EXPECT_EQ(got.Kind, want.Kind) << "cell " << cell;
    EXPECT_EQ(got.Offset, want.Offset) << "cell " << cell;
    EXPECT_EQ(got.Ring1, want.Ring1) << "cell " << cell;
    EXPECT_EQ(got.Ring2, want.Ring2) << "cell " << cell;
}

} // namespace

TEST(MoveRule, EveryCodeOnEveryCellOfAFullBoardMovesOnlyWithinTheBoard)
{
    for (int code = 1; code <= 12; ++code) {
        SCOPED_TRACE(code);
        TCells board = FullBoard(14); // occupied everywhere by invisible blocks
        for (int cell = 1; cell <= 81; ++cell) {
            board[cell] = static_cast<std::uint8_t>(code);
            ExpectSame(StoneMove(board, cell), Expected(board, cell), cell);
            board[cell] = 14;
        }
    }
}

TEST(MoveRule, EmptyNeighboursNeverQualify)
{
    // Each stone alone on a board of empty cells, and then with a random
    // pattern of neighbours.
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 24;
    };
    for (int round = 0; round < 40; ++round) {
        TCells board {};
        for (int cell = 1; cell <= 81; ++cell)
            board[cell] = round == 0 ? 0 : static_cast<std::uint8_t>(next() % 3 == 0 ? 0 : 1 + next() % 20);
        for (int cell = 1; cell <= 81; ++cell) {
            for (int code = 0; code <= 20; ++code) {
                TCells probe = board;
                probe[cell] = static_cast<std::uint8_t>(code);
                ExpectSame(StoneMove(probe, cell), Expected(probe, cell), cell);
            }
        }
        if (HasFailure())
            return;
    }
}

TEST(MoveRule, StonesAtTheEdgesStopThere)
{
    TCells board = FullBoard(1);
    for (int cell : {9, 18, 81}) { // code 6 in the last column cannot move
        board[cell] = 6;
        EXPECT_EQ(StoneMove(board, cell).Kind, MoveKind::None) << cell;
        board[cell] = 1;
    }
    // Code 1 in the last column moves left at once, in the first only right.
    EXPECT_EQ(StoneMove(board, 18).Kind, MoveKind::Swap);
    EXPECT_EQ(StoneMove(board, 18).Offset, -1);
    EXPECT_EQ(StoneMove(board, 10).Offset, +1);
    // Code 2 in the top row only down, in the bottom row only up.
    board[5] = 2;
    EXPECT_EQ(StoneMove(board, 5).Offset, +9);
    board[77] = 2;
    EXPECT_EQ(StoneMove(board, 77).Offset, -9);
    // Code 7 on cell 1 only with 11, on 81 only with 71; code 8 on 9 only
    // with 17, on 73 only with 65.
    board[1] = 7;
    EXPECT_EQ(StoneMove(board, 1).Offset, +10);
    board[81] = 7;
    EXPECT_EQ(StoneMove(board, 81).Offset, -10);
    board[9] = 8;
    EXPECT_EQ(StoneMove(board, 9).Offset, +8);
    board[73] = 8;
    EXPECT_EQ(StoneMove(board, 73).Offset, -8);
    // Code 3 in the top row and code 4 in the bottom row cannot move.
    for (int cell = 1; cell <= 9; ++cell) {
        board[cell] = 3;
        EXPECT_EQ(StoneMove(board, cell).Kind, MoveKind::None) << cell;
        board[72 + cell] = 4;
        EXPECT_EQ(StoneMove(board, 72 + cell).Kind, MoveKind::None) << 72 + cell;
    }
}

TEST(MoveRule, TwoWayStonesOfferRingsOnlyWithBothNeighboursOccupied)
{
    TCells board {};
    board[41] = 1;
    board[42] = 5;
    board[40] = 13; // a block counts as occupied
    const MoveOffer both = StoneMove(board, 41);
    EXPECT_EQ(both.Kind, MoveKind::Ring);
    EXPECT_EQ(both.Ring1, 42); // positive direction first
    EXPECT_EQ(both.Ring2, 40);
    board[40] = 0;
    const MoveOffer one = StoneMove(board, 41);
    EXPECT_EQ(one.Kind, MoveKind::Swap);
    EXPECT_EQ(one.Offset, +1);
    board[42] = 0;
    EXPECT_EQ(StoneMove(board, 41).Kind, MoveKind::None);
}

TEST(MoveRule, EmptyCellsAndBlocksCannotBePicked)
{
    TCells board = FullBoard(1);
    for (int code : {0, 13, 99, 255}) {
        board[41] = static_cast<std::uint8_t>(code);
        EXPECT_EQ(StoneMove(board, 41).Kind, MoveKind::None) << code;
    }
}

TEST(MoveRule, TwoWayStepsAndTheSolvedTest)
{
    EXPECT_EQ(TwoWayStep(1), 1);
    EXPECT_EQ(TwoWayStep(2), 9);
    EXPECT_EQ(TwoWayStep(7), 10);
    EXPECT_EQ(TwoWayStep(8), 8);
    for (int code : {0, 3, 4, 5, 6, 9, 10, 11, 12, 13})
        EXPECT_EQ(TwoWayStep(static_cast<std::uint8_t>(code)), 0) << code;

    TLevelRecord level {};
    EXPECT_TRUE(IsSolved(level));
    level.Target[81] = 200; // blocks take part in the comparison
    EXPECT_FALSE(IsSolved(level));
    level.Board[81] = 200;
    EXPECT_TRUE(IsSolved(level));
}
