#include "NodeStore.h"

#include <gtest/gtest.h>

namespace {

// Position n: its number written into the items, four bits each.
PackedState<2> Position(std::uint32_t n)
{
    PackedState<2> state;
    for (int item = 0; item < 8; ++item)
        state.Set(item, static_cast<int>((n >> (4 * item)) & 15u));
    state.Set(20, 1); // something in the second word too
    return state;
}

std::uint32_t AddPosition(NodeStore<2>& store, std::uint32_t n)
{
    const PackedState<2> state = Position(n);
    return store.Add({state, NoNode, 0, 0}, state.Hash(), 0);
}

constexpr std::size_t Plenty = std::size_t {1} << 30;

// Enough positions for the table to double eight times from its first size.
constexpr std::uint32_t ManyPositions = 300'000;

TEST(NodeStore, FindsEveryPositionAfterTheTableHasGrown)
{
    NodeStore<2> store(Plenty);
    for (std::uint32_t n = 0; n < ManyPositions; ++n)
        ASSERT_EQ(AddPosition(store, n), n);
    EXPECT_EQ(store.Size(), ManyPositions);
    for (std::uint32_t n = 0; n < ManyPositions; ++n) {
        const PackedState<2> state = Position(n);
        ASSERT_EQ(store.Find(state, state.Hash()), n);
        ASSERT_TRUE(store[n].State == state);
    }
    const PackedState<2> absent = Position(ManyPositions);
    EXPECT_EQ(store.Find(absent, absent.Hash()), NoNode);
}

TEST(NodeStore, AStopDuringAGrowthLeavesTheStoreWholeAndRefusesTheNode)
{
    NodeStore<2> store(Plenty);
    bool stop = false;
    int asked = 0;
    store.StopAsked = [&] {
        ++asked;
        return stop;
    };
    std::uint32_t n = 0;
    // Fill the table up to the point where the next position makes it grow.
    for (; asked == 0; ++n)
        ASSERT_EQ(AddPosition(store, n), n);
    const std::size_t before = store.Size();
    // The next growth is left off.
    stop = true;
    std::uint32_t refused = NoNode;
    for (std::uint32_t tries = 0; tries < ManyPositions && refused == NoNode; ++tries, ++n)
        if (AddPosition(store, n) == NoNode)
            refused = n;
    ASSERT_NE(refused, NoNode) << "the table never needed to grow";
    EXPECT_GT(store.Size(), before);
    for (std::uint32_t m = 0; m < refused; ++m) {
        const PackedState<2> state = Position(m);
        ASSERT_EQ(store.Find(state, state.Hash()), m);
    }
    const PackedState<2> left = Position(refused);
    EXPECT_EQ(store.Find(left, left.Hash()), NoNode);
    // Once nobody asks to stop, it grows and takes the position.
    stop = false;
    EXPECT_EQ(AddPosition(store, refused), refused);
}

TEST(NodeStore, RefusesAPositionRatherThanExceedItsBudget)
{
    const std::size_t budget = std::size_t {4} << 20;
    NodeStore<2> store(budget);
    std::uint32_t n = 0;
    while (AddPosition(store, n) != NoNode)
        ++n;
    EXPECT_GT(n, 10'000u);
    EXPECT_LE(store.Bytes(), budget);
    EXPECT_EQ(store.Size(), n);
}

} // namespace
