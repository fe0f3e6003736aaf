#include "Player.h"

#include "Random.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

using BoardKey = std::array<std::uint8_t, CellCount>;

BoardKey KeyOf(const TCells& board)
{
    return std::to_array(board.Item);
}

TCells After(const TCells& board, const Move& move)
{
    TCells next = board;
    ApplyMove(next, move);
    return next;
}

// The best bound one more move can reach from `board`.
int BestNextBound(const LevelSolver& solver, const TCells& board)
{
    int best = Heuristic::Infinite;
    for (const Move& move : solver.MovesFrom(board))
        best = std::min(best, solver.PlainBound(After(board, move)));
    return best;
}

// False as well when `watch` asks to stop: the trials are cut short then.
bool PlayOnce(const LevelSolver& solver, const TLevelRecord& level, Dice& dice, const SearchWatch* watch)
{
    TCells board = level.Board;
    std::set<BoardKey> seen {KeyOf(board)};
    int here = solver.PlainBound(board);
    for (int made = 0; made < PlayerMoveBudget; ++made) {
        if (StopRequested(watch))
            return false; // a stop waits for no whole game, nor for a whole look-ahead
        if (here >= Heuristic::Infinite)
            return false; // into a dead end
        // The moves to boards not seen yet, by the bound they leave.
        std::vector<std::pair<int, TCells>> choices;
        for (const Move& move : solver.MovesFrom(board)) {
            TCells next = After(board, move);
            if (!seen.contains(KeyOf(next)))
                choices.emplace_back(solver.PlainBound(next), next);
        }
        if (choices.empty())
            return false;
        int best = std::min_element(choices.begin(), choices.end(), [](const auto& a, const auto& b) {
                       return a.first < b.first;
                   })->first;
        if (best >= here) {
            // Nothing brings the target closer: look one move further.
            for (auto& [bound, next] : choices) {
                if (StopRequested(watch))
                    return false;
                if (bound < Heuristic::Infinite)
                    bound = std::min(bound, BestNextBound(solver, next) + 1);
            }
            best = std::min_element(choices.begin(), choices.end(), [](const auto& a, const auto& b) {
                       return a.first < b.first;
                   })->first;
        }
        std::vector<const TCells*> ties;
        for (const auto& [bound, next] : choices)
            if (bound == best)
                ties.push_back(&next);
        board = *ties[dice.Below(ties.size())];
        if (board == level.Target)
            return true;
        seen.insert(KeyOf(board));
        here = solver.PlainBound(board);
    }
    return false;
}

} // namespace

PlayerTrials SimulatePlayers(const LevelSolver& solver, const TLevelRecord& level, int runs, std::uint64_t seed,
                             const SearchWatch* watch)
{
    PlayerTrials trials;
    for (int run = 0; run < runs && !StopRequested(watch); ++run) {
        Dice dice(seed, static_cast<std::uint64_t>(run));
        const bool solved = PlayOnce(solver, level, dice, watch);
        if (StopRequested(watch))
            break; // that game was cut short: it counts neither way
        trials.Solved += solved;
        ++trials.Runs;
    }
    return trials;
}
