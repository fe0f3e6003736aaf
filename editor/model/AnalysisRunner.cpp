#include "AnalysisRunner.h"

#include <algorithm>
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
    for (const auto& job : Stopped)
        if (job->Worker.joinable())
            job->Worker.join();
}

void AnalysisRunner::RetireFinished()
{
    std::erase_if(Stopped, [](const std::shared_ptr<Job>& job) {
        if (!job->Done)
            return false;
        if (job->Worker.joinable())
            job->Worker.join(); // it has ended: no wait
        return true;
    });
}

void AnalysisRunner::Stop()
{
    if (!Current)
        return;
    // The search looks at its watch every few positions, so it stops
    // within a millisecond; what it frees afterwards is freed on its own
    // thread, and the job is kept until that thread has ended.
    Current->Watch.Cancel();
    RetireFinished();
    if (!Current->Done)
        Stopped.push_back(Current);
    else if (Current->Worker.joinable())
        Current->Worker.join();
}

void AnalysisRunner::Start(const TLevelRecord& level)
{
    Stop();
    auto job = std::make_shared<Job>();
    job->Level = level;
    Job* raw = job.get(); // the runner keeps every job until its thread has ended
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

bool AnalysisRunner::AllEnded() const
{
    const auto ended = [](const std::shared_ptr<Job>& job) { return job->Done.load(); };
    return (!Current || ended(Current)) && std::all_of(Stopped.begin(), Stopped.end(), ended);
}
