#include "AnalysisRunner.h"

#include <atomic>
#include <chrono>

void AnalysisRunner::Start(const TLevelRecord& level, const AnalysisPlan& plan)
{
    Latest = level;
    Work.Start([level, plan, report = Report](SearchWatch& watch) {
        const auto began = std::chrono::steady_clock::now();
        // Until the par is known the report has nothing but the proof's
        // progress; afterwards each step of the analysis reports itself.
        std::atomic<bool> published {false};
        watch.OnProgress = [&] {
            if (published)
                return;
            AnalysisReport live;
            live.LowerBound = watch.LowerBound();
            live.Positions = watch.Nodes.load(std::memory_order_relaxed);
            live.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            live.Budget = plan.Seconds;
            report(level, live);
        };
        Analyse(
            level, watch,
            [&](const AnalysisReport& step) {
                published = true;
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
