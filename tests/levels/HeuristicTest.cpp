#include "Heuristic.h"
#include "SmallLevels.h"

#include <gtest/gtest.h>

namespace {

// Every board from which the target can be reached, with its distance,
// found backwards from the target: a board B is one move before C when a
// move of B gives C.
std::map<Cells, int> DistancesToTarget(const TLevelRecord& level, const std::vector<TCells>& boards)
{
    std::map<Cells, std::vector<Cells>> before;
    for (const TCells& b : boards)
        for (const TCells& next : Successors(b))
            before[AsArray(next)].push_back(AsArray(b));
    std::map<Cells, int> distance {{AsArray(level.Target), 0}};
    std::deque<Cells> queue {AsArray(level.Target)};
    while (!queue.empty()) {
        const Cells at = queue.front();
        queue.pop_front();
        for (const Cells& b : before[at])
            if (distance.emplace(b, distance[at] + 1).second)
                queue.push_back(b);
    }
    return distance;
}

// All boards reachable from the level's start; empty when more than `limit`.
std::vector<TCells> Reachable(const TLevelRecord& level, std::size_t limit = 20'000)
{
    std::map<Cells, bool> seen {{AsArray(level.Board), true}};
    std::vector<TCells> boards {level.Board};
    for (std::size_t n = 0; n < boards.size(); ++n) {
        if (boards.size() > limit)
            return {};
        for (const TCells& next : Successors(boards[n]))
            if (seen.emplace(AsArray(next), true).second)
                boards.push_back(next);
    }
    return boards;
}

TCells FromArray(const Cells& a)
{
    TCells b;
    std::copy(a.begin(), a.end(), b.Item);
    return b;
}

} // namespace

// Admissible: never above the true distance; consistent: falls by at most
// one per move; and "dead" only where the target is truly out of reach.
// The plain bound lies at or below it.
TEST(Heuristic, NeverOverestimatesFallsByAtMostOnePerMoveAndCallsOnlyTrueDeadEndsDead)
{
    std::mt19937 dice(11);
    const std::vector<std::vector<std::uint8_t>> mixes = {
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {3, 4, 5, 6, 9, 10, 11, 12}, {1, 2, 7, 8}, {3, 6, 13}};
    int deadSeen = 0, boardsSeen = 0, levels = 0, stronger = 0;
    for (int n = 0; n < 60; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 7 + n % 4, mixes[n % mixes.size()], 6);
        const LevelSearch search(level);
        ASSERT_TRUE(search.Searchable());
        const std::vector<TCells> boards = Reachable(level);
        levels += !boards.empty();
        const std::map<Cells, int> distance = DistancesToTarget(level, boards);
        for (const TCells& b : boards) {
            const int h = search.Bound(b);
            const auto d = distance.find(AsArray(b));
            if (d == distance.end()) {
                deadSeen += h >= Heuristic::Infinite;
                continue;
            }
            ++boardsSeen;
            ASSERT_LE(h, d->second) << "level " << n;
            const int plain = search.PlainBound(b);
            ASSERT_LE(plain, h) << "level " << n << ": the search's bound is the stronger";
            stronger += plain < h;
            for (const TCells& next : Successors(b)) {
                const int hn = search.Bound(next);
                if (hn < Heuristic::Infinite) {
                    ASSERT_LE(h, hn + 1) << "level " << n;
                }
            }
        }
        for (const auto& [cells, d] : distance)
            ASSERT_LT(search.Bound(FromArray(cells)), Heuristic::Infinite) << "level " << n;
    }
    EXPECT_GT(levels, 30);
    EXPECT_GT(boardsSeen, 1000);
    EXPECT_GT(deadSeen, 0) << "the one-way mixes should hold some dead ends";
    EXPECT_GT(stronger, boardsSeen / 100) << "the matched active and passive steps and the largest code count";
}
