// The positions a search has stored, with the way back to the start, and a
// hash table to find them again. Nodes lie in chunks that never move, so
// that growing never copies them and never needs twice their memory; the
// table holds (hash tag, id + 1) pairs, found by linear probing. Every allocation is first weighed
// against the memory budget: the store refuses a node rather than exceed it.
//
// A pair's place in the table comes from the high bits of its hash, which
// its tag keeps: the table grows from the tags alone, in one pass in the
// order of the table, without reading a node. A growth of a large table
// still takes a while (its fresh pages are the most of it), so it looks
// at StopAsked between pieces and leaves off when told to.
#pragma once

#include "PackedState.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

inline constexpr std::uint32_t NoNode = std::numeric_limits<std::uint32_t>::max();

template <int W> struct SearchNode {
    PackedState<W> State;
    std::uint32_t Parent = NoNode;
    std::uint8_t G = 0;        // moves from the start
    std::uint16_t QueuedF = 0; // the priority it is queued with: older queue entries are stale
};

template <int W> class NodeStore {
public:
    explicit NodeStore(std::size_t budget) : Budget(budget), Slots(NewTable(InitialBits)), Bits(InitialBits) { }

    // Asked between pieces of a growth of the table; true leaves the growth
    // off, the table as it was, and Add refuses the node it was growing for.
    std::function<bool()> StopAsked;

    std::size_t Size() const { return Count; }
    SearchNode<W>& operator[](std::uint32_t id) { return Chunks[id >> ChunkBits][id & ChunkMask]; }
    const SearchNode<W>& operator[](std::uint32_t id) const { return Chunks[id >> ChunkBits][id & ChunkMask]; }
    std::size_t Bytes() const
    {
        return Chunks.size() * ChunkNodes * sizeof(SearchNode<W>) + SlotCount() * sizeof(std::uint64_t)
            + Chunks.capacity() * sizeof(std::unique_ptr<SearchNode<W>[]>);
    }

    // Fetches the table's slot for `hash` ahead of Find.
    void Prefetch(std::uint64_t hash) const { __builtin_prefetch(&Slots[Home(hash)]); }

    // Fetches the node that the table's first slot with the tag of `hash`
    // points to: most often the one Find will compare.
    void PrefetchNode(std::uint64_t hash) const
    {
        const std::uint64_t tag = TagOf(hash);
        for (std::size_t at = Home(hash);; at = Next(at)) {
            const std::uint64_t slot = Slots[at];
            if (slot == 0)
                return;
            if (TagOf(slot) == tag) {
                __builtin_prefetch(&(*this)[IdOf(slot)]);
                return;
            }
        }
    }

    // The node holding `state`, NoNode when there is none.
    std::uint32_t Find(const PackedState<W>& state, std::uint64_t hash) const
    {
        const std::uint64_t tag = TagOf(hash);
        for (std::size_t at = Home(hash);; at = Next(at)) {
            const std::uint64_t slot = Slots[at];
            if (slot == 0)
                return NoNode;
            if (TagOf(slot) == tag && (*this)[IdOf(slot)].State == state)
                return IdOf(slot);
        }
    }

    // Stores a new node; NoNode when the budget (less `otherBytes`) cannot
    // take it, or when StopAsked ended the table's growth.
    std::uint32_t Add(const SearchNode<W>& node, std::uint64_t hash, std::size_t otherBytes)
    {
        if (Count == MaxNodes)
            return NoNode;
        if ((Count + 1) * LoadDen > SlotCount() * LoadNum) {
            if (Bits == MostBits || otherBytes + Bytes() + SlotCount() * 2 * sizeof(std::uint64_t) > Budget)
                return NoNode;
            if (!Grow())
                return NoNode;
        }
        if ((Count & ChunkMask) == 0) {
            if (otherBytes + Bytes() + ChunkNodes * sizeof(SearchNode<W>) > Budget)
                return NoNode;
            Chunks.push_back(std::make_unique<SearchNode<W>[]>(ChunkNodes));
        }
        const auto id = static_cast<std::uint32_t>(Count++);
        (*this)[id] = node;
        Place(Slots.get(), Bits, TagOf(hash) | (std::uint64_t {id} + 1));
        return id;
    }

private:
    static constexpr int ChunkBits = 14;
    static constexpr std::size_t ChunkNodes = std::size_t {1} << ChunkBits;
    static constexpr std::uint32_t ChunkMask = ChunkNodes - 1;
    static constexpr int InitialBits = 12;
    // A place needs no more bits than the tag holds (a table of 32 GiB).
    static constexpr int MostBits = 32;
    // The table is kept at most 70 % full: short probes, and little memory.
    static constexpr std::size_t LoadNum = 7, LoadDen = 10;
    static constexpr std::size_t MaxNodes = std::numeric_limits<std::uint32_t>::max() - 1;
    // Slots filled, or moved, between two looks at StopAsked.
    static constexpr std::size_t GrowthPiece = std::size_t {1} << 15;

    static std::uint64_t TagOf(std::uint64_t hashOrSlot) { return hashOrSlot & ~std::uint64_t {0xFFFFFFFF}; }
    static std::uint32_t IdOf(std::uint64_t slot) { return static_cast<std::uint32_t>(slot) - 1; }
    static std::size_t HomeIn(int bits, std::uint64_t hashOrSlot) { return hashOrSlot >> (64 - bits); }

    std::size_t SlotCount() const { return std::size_t {1} << Bits; }
    std::size_t Home(std::uint64_t hash) const { return HomeIn(Bits, hash); }
    std::size_t Next(std::size_t at) const { return (at + 1) & (SlotCount() - 1); }

    static std::unique_ptr<std::uint64_t[]> NewTable(int bits)
    {
        auto table = std::make_unique_for_overwrite<std::uint64_t[]>(std::size_t {1} << bits);
        std::fill_n(table.get(), std::size_t {1} << bits, 0);
        return table;
    }

    static void Place(std::uint64_t* table, int bits, std::uint64_t slot)
    {
        const std::size_t mask = (std::size_t {1} << bits) - 1;
        std::size_t at = HomeIn(bits, slot);
        while (table[at] != 0)
            at = (at + 1) & mask;
        table[at] = slot;
    }

    bool Stop() const { return StopAsked && StopAsked(); }

    // Twice the slots; false when StopAsked ended it.
    bool Grow()
    {
        const int bits = Bits + 1;
        const std::size_t count = std::size_t {1} << bits;
        auto table = std::make_unique_for_overwrite<std::uint64_t[]>(count);
        for (std::size_t from = 0; from < count; from += GrowthPiece) {
            if (Stop())
                return false;
            std::fill_n(table.get() + from, std::min(GrowthPiece, count - from), 0);
        }
        for (std::size_t at = 0; at < SlotCount(); ++at) {
            if (at % GrowthPiece == 0 && Stop())
                return false;
            if (Slots[at] != 0)
                Place(table.get(), bits, Slots[at]);
        }
        Slots = std::move(table);
        Bits = bits;
        return true;
    }

    std::size_t Budget;
    std::size_t Count = 0;
    std::vector<std::unique_ptr<SearchNode<W>[]>> Chunks;
    std::unique_ptr<std::uint64_t[]> Slots;
    int Bits; // the table holds 2^Bits slots
};
