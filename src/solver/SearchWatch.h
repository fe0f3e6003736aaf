// A window into a running search for whoever started it on another thread:
// a flag that stops it early, and how far it has got. The search looks at
// it every few positions, so a stop comes within a millisecond, and
// watching costs next to nothing.
#pragma once

#include <atomic>
#include <cstddef>

struct SearchWatch {
    std::atomic<bool> Cancelled {false};
    // The lower bound on the level's par proved so far: the groups already
    // solved and the bounds of those still to come (BaseBound), plus what
    // the search of the current group has proved (GroupBound).
    std::atomic<int> BaseBound {0};
    std::atomic<int> GroupBound {0};
    std::atomic<std::size_t> Nodes {0}; // positions stored by the current search

    void Cancel() { Cancelled.store(true, std::memory_order_relaxed); }
    bool Stopped() const { return Cancelled.load(std::memory_order_relaxed); }
    int LowerBound() const
    {
        return BaseBound.load(std::memory_order_relaxed) + GroupBound.load(std::memory_order_relaxed);
    }
};

// Whether the search watched by `watch` (may be null) has been told to stop.
inline bool StopRequested(const SearchWatch* watch)
{
    return watch != nullptr && watch->Stopped();
}
