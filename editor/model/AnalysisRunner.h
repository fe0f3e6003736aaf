// The analysis of one level at a time, as background work
// (BackgroundWork.h): a new level stops the analysis of the previous one.
// What is known is reported after each step of the analysis, and while the
// proof of par runs, its progress now and then.
#pragma once

#include "Analysis.h"
#include "BackgroundWork.h"

#include <functional>
#include <optional>

class AnalysisRunner {
public:
    // Called on the analysis's thread; `level` is the level analysed.
    using Reporter = std::function<void(const TLevelRecord& level, const AnalysisReport& report)>;

    explicit AnalysisRunner(Reporter report) : Report(std::move(report)) { }

    // Stops what runs and starts on `level`.
    void Start(const TLevelRecord& level, const AnalysisPlan& plan = {});
    void Stop();

    // The level being (or last) analysed; nullopt before the first Start.
    const std::optional<TLevelRecord>& Level() const { return Latest; }
    bool Busy() const { return Work.Running(); }
    // Also the stopped analyses have ended and given back their memory.
    bool AllEnded() const { return Work.AllEnded(); }

private:
    Reporter Report;
    std::optional<TLevelRecord> Latest;
    BackgroundWork Work; // last: its threads end before the rest goes
};
