// The positions a search has stored, with the way back to the start, and a
// hash table to find them again. Nodes lie in chunks that never move, so
// that growing never copies them and never needs twice their memory; the
// table holds (hash tag, id + 1) pairs, found by linear probing. Every allocation is first weighed
// against the memory budget: the store refuses a node rather than exceed it.
#pragma once

#include "PackedState.h"

#include <cstddef>
#include <cstdint>
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
    explicit NodeStore(std::size_t budget) : Budget(budget), Slots(InitialSlots, 0) { }

    std::size_t Size() const { return Count; }
    SearchNode<W>& operator[](std::uint32_t id) { return Chunks[id >> ChunkBits][id & ChunkMask]; }
    const SearchNode<W>& operator[](std::uint32_t id) const { return Chunks[id >> ChunkBits][id & ChunkMask]; }

    std::size_t Bytes() const
    {
        return Chunks.size() * ChunkNodes * sizeof(SearchNode<W>) + Slots.capacity() * sizeof(std::uint64_t)
            + Chunks.capacity() * sizeof(std::unique_ptr<SearchNode<W>[]>);
    }

    // Fetches the table's slot for `hash` ahead of Find.
    void Prefetch(std::uint64_t hash) const { __builtin_prefetch(&Slots[hash & (Slots.size() - 1)]); }

    // Fetches the node that the table's first slot with the tag of `hash`
    // points to: most often the one Find will compare.
    void PrefetchNode(std::uint64_t hash) const
    {
        const std::uint64_t tag = hash >> 32;
        const std::size_t mask = Slots.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const std::uint64_t slot = Slots[at];
            if (slot == 0)
                return;
            if ((slot >> 32) == tag) {
                __builtin_prefetch(&(*this)[static_cast<std::uint32_t>(slot) - 1]);
                return;
            }
        }
    }

    // The node holding `state`, NoNode when there is none.
    std::uint32_t Find(const PackedState<W>& state, std::uint64_t hash) const
    {
        const std::uint64_t tag = hash >> 32;
        const std::size_t mask = Slots.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const std::uint64_t slot = Slots[at];
            if (slot == 0)
                return NoNode;
            const auto id = static_cast<std::uint32_t>(slot) - 1;
            if ((slot >> 32) == tag && (*this)[id].State == state)
                return id;
        }
    }

    // Stores a new node; NoNode when the budget (less `otherBytes`) cannot
    // take it.
    std::uint32_t Add(const SearchNode<W>& node, std::uint64_t hash, std::size_t otherBytes)
    {
        if (Count == MaxNodes)
            return NoNode;
        if ((Count + 1) * LoadDen > Slots.size() * LoadNum) {
            if (otherBytes + Bytes() + Slots.size() * 2 * sizeof(std::uint64_t) > Budget)
                return NoNode;
            Grow();
        }
        if ((Count & ChunkMask) == 0) {
            if (otherBytes + Bytes() + ChunkNodes * sizeof(SearchNode<W>) > Budget)
                return NoNode;
            Chunks.push_back(std::make_unique<SearchNode<W>[]>(ChunkNodes));
        }
        const auto id = static_cast<std::uint32_t>(Count++);
        (*this)[id] = node;
        Place(hash, id);
        return id;
    }

private:
    static constexpr int ChunkBits = 14;
    static constexpr std::size_t ChunkNodes = std::size_t {1} << ChunkBits;
    static constexpr std::uint32_t ChunkMask = ChunkNodes - 1;
    static constexpr std::size_t InitialSlots = 1u << 12;
    // The table is kept at most 70 % full: short probes, and little memory.
    static constexpr std::size_t LoadNum = 7, LoadDen = 10;
    static constexpr std::size_t MaxNodes = std::numeric_limits<std::uint32_t>::max() - 1;

    void Place(std::uint64_t hash, std::uint32_t id)
    {
        const std::size_t mask = Slots.size() - 1;
        std::size_t at = hash & mask;
        while (Slots[at] != 0)
            at = (at + 1) & mask;
        Slots[at] = (hash >> 32 << 32) | (std::uint64_t {id} + 1);
    }

    void Grow()
    {
        std::vector<std::uint64_t> old(Slots.size() * 2, 0);
        old.swap(Slots);
        const std::size_t mask = Slots.size() - 1;
        for (const std::uint64_t slot : old) {
            if (slot == 0)
                continue;
            const auto id = static_cast<std::uint32_t>(slot) - 1;
            // The tag keeps the high half of the hash; the low half places
            // the slot, so the position is recomputed from the state.
            std::size_t at = (*this)[id].State.Hash() & mask;
            while (Slots[at] != 0)
                at = (at + 1) & mask;
            Slots[at] = slot;
        }
    }

    std::size_t Budget;
    std::size_t Count = 0;
    std::vector<std::unique_ptr<SearchNode<W>[]>> Chunks;
    std::vector<std::uint64_t> Slots;
};
