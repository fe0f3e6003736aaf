#include "Assignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

TEST(Assignment, FindsTheCheapestOneToOneMatchingUpToSevenItems)
{
    std::mt19937 dice(5);
    constexpr int Infinite = 10000;
    for (int m = 1; m <= 7; ++m) {
        for (int round = 0; round < 30; ++round) {
            std::vector<std::int16_t> cost(m * m);
            for (auto& c : cost)
                c = static_cast<std::int16_t>(dice() % 9 == 0 ? Infinite : dice() % 12);
            std::vector<int> place(m);
            std::iota(place.begin(), place.end(), 0);
            int best = Infinite;
            do {
                int total = 0;
                for (int r = 0; r < m; ++r)
                    total += cost[r * m + place[r]];
                best = std::min(best, total);
            } while (std::next_permutation(place.begin(), place.end()));
            EXPECT_EQ(CheapestAssignment(m, cost.data(), Infinite), std::min(best, Infinite)) << "m " << m;
        }
    }
}
