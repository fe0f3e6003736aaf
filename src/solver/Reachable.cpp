#include "Reachable.h"

#include "StoneRules.h"

#include <array>
#include <deque>
#include <unordered_map>
#include <vector>

namespace {

using BoardKey = std::array<std::uint8_t, CellCount>;

struct KeyHash {
    std::size_t operator()(const BoardKey& key) const
    {
        std::size_t hash = 14695981039346656037ULL; // FNV-1a
        for (std::uint8_t byte : key)
            hash = (hash ^ byte) * 1099511628211ULL;
        return hash;
    }
};

BoardKey KeyOf(const TCells& board)
{
    return std::to_array(board.Item);
}

bool OnlyTwoWayStones(const TCells& board)
{
    for (int cell = 1; cell <= CellCount; ++cell)
        if (IsStone(board[cell]) && TwoWayStep(board[cell]) == 0)
            return false;
    return true;
}

// Breadth first from `start` over the moves `allowed` lets through; the
// positions in the order found, each with the positions one move on.
struct Graph {
    std::vector<TCells> Boards;
    std::vector<std::vector<int>> Next;
    std::vector<int> Depth;
    bool Complete = true;
};

template <typename Allowed>
Graph Explore(const LevelSolver& solver, const TCells& start, std::size_t limit, Allowed allowed, const TCells* stopAt)
{
    Graph graph;
    std::unordered_map<BoardKey, int, KeyHash> index;
    const auto visit = [&](const TCells& board, int depth) {
        const auto [where, fresh] = index.try_emplace(KeyOf(board), static_cast<int>(graph.Boards.size()));
        if (fresh) {
            graph.Boards.push_back(board);
            graph.Next.emplace_back();
            graph.Depth.push_back(depth);
        }
        return where->second;
    };
    visit(start, 0);
    for (std::size_t at = 0; at < graph.Boards.size(); ++at) {
        if (graph.Boards.size() > limit) {
            graph.Complete = false;
            return graph;
        }
        const TCells board = graph.Boards[at];
        if (stopAt != nullptr && board == *stopAt)
            return graph;
        for (const Move& move : solver.MovesFrom(board)) {
            if (!allowed(board, move))
                continue;
            TCells next = board;
            ApplyMove(next, move);
            const int to = visit(next, graph.Depth[at] + 1);
            graph.Next[at].push_back(to);
        }
    }
    return graph;
}

} // namespace

ReachableSpace ExploreReachable(const LevelSolver& solver, const TCells& start, const TCells& target, std::size_t limit)
{
    ReachableSpace space;
    if (OnlyTwoWayStones(start)) {
        // Every swap can be taken back, so every reachable position leads
        // back to the start and on to the target, when the start does.
        const SolveResult answer = solver.Solve(start);
        space.Complete = answer.Status == SolveStatus::Optimal || answer.Status == SolveStatus::Bound
            || answer.Status == SolveStatus::Unsolvable;
        space.DeadEnds = answer.Status == SolveStatus::Unsolvable ? 1 : 0;
        return space;
    }
    const auto graph = Explore(
        solver, start, limit, [](const TCells&, const Move&) { return true; }, nullptr);
    if (!graph.Complete)
        return space;
    // Which positions lead to the target: back from it along reversed moves.
    const std::size_t count = graph.Boards.size();
    std::vector<std::vector<int>> previous(count);
    for (std::size_t from = 0; from < count; ++from)
        for (int to : graph.Next[from])
            previous[static_cast<std::size_t>(to)].push_back(static_cast<int>(from));
    std::vector<bool> alive(count, false);
    std::deque<int> queue;
    for (std::size_t n = 0; n < count; ++n)
        if (graph.Boards[n] == target) {
            alive[n] = true;
            queue.push_back(static_cast<int>(n));
        }
    while (!queue.empty()) {
        const int at = queue.front();
        queue.pop_front();
        for (int before : previous[static_cast<std::size_t>(at)])
            if (!alive[static_cast<std::size_t>(before)]) {
                alive[static_cast<std::size_t>(before)] = true;
                queue.push_back(before);
            }
    }
    space.Complete = true;
    space.Positions = count;
    for (bool lives : alive)
        space.DeadEnds += lives ? 0 : 1;
    return space;
}

std::optional<int> ParPressingOnly(const LevelSolver& solver, const TCells& start, const TCells& target, int code,
                                   std::size_t limit)
{
    const auto graph = Explore(
        solver, start, limit, [code](const TCells& board, const Move& move) { return board[move.Cell] == code; },
        &target);
    for (std::size_t n = 0; n < graph.Boards.size(); ++n)
        if (graph.Boards[n] == target)
            return graph.Depth[n];
    return std::nullopt;
}
