#include "Replay.h"

#include "LevelFlow.h"
#include "Moves.h"

ReplayResult Replay(const TLevelRecord& level, const std::vector<Move>& moves)
{
    ReplayResult result;
    result.Board = level.Board;
    for (std::size_t n = 0; n < moves.size(); ++n) {
        const Move& move = moves[n];
        const bool onBoard = move.Cell >= 1 && move.Cell <= CellCount;
        const MoveOffer offer = onBoard ? StoneMove(result.Board, move.Cell) : MoveOffer {};
        if (offer.Kind == MoveKind::Swap && move.Cell + offer.Offset == move.Partner) {
            result.Clicks.push_back({move.Cell});
        } else if (offer.Kind == MoveKind::Ring && (move.Partner == offer.Ring1 || move.Partner == offer.Ring2)) {
            result.Clicks.push_back({move.Cell, move.Partner});
        } else {
            result.Legal = false;
            result.IllegalMove = static_cast<int>(n) + 1;
            return result;
        }
        ApplyMove(result.Board, move);
    }
    result.Solved = result.Board == level.Target;
    return result;
}

int PointsLeftAtOneMovePerSecond(int moves)
{
    return moves <= 0 ? PointsPerAttempt : PointsLeftAfter(moves, moves - 1);
}
