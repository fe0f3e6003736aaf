// Small levels for the solver tests, and plain breadth-first search over
// the move rule of src/core as the judge of their par.
#pragma once

#include "LevelRecord.h"
#include "Moves.h"
#include "Search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <vector>

using Cells = std::array<std::uint8_t, CellCount>;

inline Cells AsArray(const TCells& b)
{
    return std::to_array(b.Item);
}

// Every board one move away from `board`, straight from StoneMove; with a
// `code`, only the moves that press a stone of that code.
inline std::vector<TCells> Successors(const TCells& board, int code = 0)
{
    std::vector<TCells> next;
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (code != 0 && board[cell] != code)
            continue;
        const MoveOffer offer = StoneMove(board, cell);
        std::vector<int> partners;
        if (offer.Kind == MoveKind::Swap)
            partners.push_back(cell + offer.Offset);
        if (offer.Kind == MoveKind::Ring)
            partners = {offer.Ring1, offer.Ring2};
        for (int p : partners) {
            TCells b = board;
            std::swap(b[cell], b[p]);
            next.push_back(b);
        }
    }
    return next;
}

// The fewest moves from the level's board to its target; nullopt when
// unreachable or when more than `limit` boards were seen.
inline std::optional<int> BreadthFirstPar(const TLevelRecord& level, std::size_t limit = 2'000'000)
{
    std::map<Cells, int> seen {{AsArray(level.Board), 0}};
    std::deque<TCells> queue {level.Board};
    while (!queue.empty()) {
        const TCells board = queue.front();
        queue.pop_front();
        const int d = seen[AsArray(board)];
        if (board == level.Target)
            return d;
        for (const TCells& next : Successors(board))
            if (seen.emplace(AsArray(next), d + 1).second)
                queue.push_back(next);
        if (seen.size() > limit)
            return std::nullopt;
    }
    return std::nullopt;
}

// A random small level: `stones` cells of a 4 x 4 corner of the board
// with random codes from `codes`, scrambled by `steps` random moves
// forward from the target (so it is solvable).
inline TLevelRecord RandomSmallLevel(std::mt19937& dice, int stones, const std::vector<std::uint8_t>& codes, int steps)
{
    TLevelRecord level {};
    std::vector<int> cells;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            cells.push_back(row * 9 + column + 1);
    std::shuffle(cells.begin(), cells.end(), dice);
    for (int n = 0; n < stones; ++n)
        level.Target[cells[n]] = codes[dice() % codes.size()];
    // Walk forward from a scrambled copy; the target is the walk's end.
    level.Board = level.Target;
    for (int n = 0; n < steps; ++n) {
        const auto next = Successors(level.Board);
        if (next.empty())
            break;
        level.Board = next[dice() % next.size()];
    }
    std::swap(level.Board, level.Target);
    return level;
}
