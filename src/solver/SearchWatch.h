// A window into a running search for whoever started it on another thread:
// a flag that stops it early, and how far it has got. The search looks at
// it every few positions, so a stop comes within a millisecond, and
// watching costs next to nothing. Whoever shows the progress is told of
// it now and then from the search's thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>

struct SearchWatch {
    std::atomic<bool> Cancelled {false};
    // The lower bound on the level's par proved so far: the groups already
    // solved and the bounds of those still to come (BaseBound), plus what
    // the search of the current group has proved (GroupBound).
    std::atomic<int> BaseBound {0};
    std::atomic<int> GroupBound {0};
    std::atomic<std::size_t> Nodes {0}; // positions stored by the current search

    // Called from the searching thread at most every ProgressEvery while
    // a search runs; set before the search starts.
    std::function<void()> OnProgress;
    static constexpr std::chrono::milliseconds ProgressEvery {100};

    void Cancel() { Cancelled.store(true, std::memory_order_relaxed); }
    bool Stopped() const { return Cancelled.load(std::memory_order_relaxed); }
    int LowerBound() const
    {
        return BaseBound.load(std::memory_order_relaxed) + GroupBound.load(std::memory_order_relaxed);
    }

    // The search has got further: OnProgress hears of it when it is due.
    void Progressed(std::chrono::steady_clock::time_point now)
    {
        if (!OnProgress)
            return;
        const auto at = now.time_since_epoch().count();
        auto due = NextProgress.load(std::memory_order_relaxed);
        if (at < due || !NextProgress.compare_exchange_strong(due, at + ProgressTicks(), std::memory_order_relaxed))
            return;
        OnProgress();
    }

private:
    static constexpr std::chrono::steady_clock::rep ProgressTicks()
    {
        return std::chrono::duration_cast<std::chrono::steady_clock::duration>(ProgressEvery).count();
    }
    std::atomic<std::chrono::steady_clock::rep> NextProgress {0};
};

// Whether the search watched by `watch` (may be null) has been told to stop.
inline bool StopRequested(const SearchWatch* watch)
{
    return watch != nullptr && watch->Stopped();
}
