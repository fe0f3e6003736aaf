// Runs the analysis of one level at a time on a thread of its own. A new
// level stops the analysis of the previous one; the caller polls for the
// report, which between the steps shows the search's progress.
#pragma once

#include "Analysis.h"

#include <memory>
#include <optional>

class AnalysisRunner {
public:
    AnalysisRunner() = default;
    ~AnalysisRunner(); // stops the running analysis and waits for it
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

private:
    struct Job;
    std::shared_ptr<Job> Current;
};
