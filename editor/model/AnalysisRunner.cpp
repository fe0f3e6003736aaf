#include "AnalysisRunner.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

void AnalysisRunner::Start(const TLevelRecord& level, const AnalysisPlan& plan)
{
    Latest = level;
    Work.Start([level, plan, report = Report](SearchWatch& watch) {
        const auto began = std::chrono::steady_clock::now();
        // Until the par is known the report has the proof's progress and the
        // best solution known; afterwards each step of the analysis reports
        // itself.
        std::atomic<bool> published {false};
        std::mutex knownLock;
        std::vector<Move> known = plan.Known;
        watch.OnProgress = [&] {
            if (published)
                return;
            AnalysisReport live;
            live.LowerBound = watch.LowerBound();
            live.Positions = watch.Nodes.load(std::memory_order_relaxed);
            live.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            live.Budget = plan.Seconds;
            {
                const std::lock_guard hold(knownLock);
                live.Solution = known;
            }
            report(level, live);
        };
        Analyse(
            level, watch,
            [&](const AnalysisReport& step) {
                if (step.Result == Verdict::Running) { // a quick solution before the proof
                    const std::lock_guard hold(knownLock);
                    known = step.Solution;
                } else {
                    published = true;
                }
                report(level, step);
            },
            plan);
        watch.OnProgress = nullptr;
    });
}

void AnalysisRunner::Stop()
{
    Work.Stop();
}
