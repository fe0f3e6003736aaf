// Runs the analysis of one level at a time on a thread of its own. A new
// level stops the analysis of the previous one; the caller polls for the
// report, which between the steps shows the search's progress. A stopped
// analysis gives its memory back on its own thread: a search may hold a
// gigabyte, and the edit that stopped it does not wait for that.
#pragma once

#include "Analysis.h"

#include <memory>
#include <optional>
#include <vector>

class AnalysisRunner {
public:
    AnalysisRunner() = default;
    ~AnalysisRunner(); // stops the running analysis and waits for every thread
    AnalysisRunner(const AnalysisRunner&) = delete;
    AnalysisRunner& operator=(const AnalysisRunner&) = delete;

    // Stops what runs and starts on `level`.
    void Start(const TLevelRecord& level);
    void Stop();

    // The level being (or last) analysed; nullopt before the first Start.
    std::optional<TLevelRecord> Level() const;
    // What is known so far, with the live lower bound and positions of a
    // proof still running.
    AnalysisReport Report() const;
    bool Busy() const;
    // No thread of the runner is working any more: also the stopped ones
    // have ended and given back their memory.
    bool AllEnded() const;

private:
    struct Job;
    void RetireFinished();

    std::shared_ptr<Job> Current;
    std::vector<std::shared_ptr<Job>> Stopped; // told to stop, perhaps still giving back memory
};
