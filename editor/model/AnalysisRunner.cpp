#include "AnalysisRunner.h"

#include <atomic>

void AnalysisRunner::Start(const TLevelRecord& level)
{
    Latest = level;
    Work.Start([level, report = Report](SearchWatch& watch) {
        // Until the par is known the report has nothing but the proof's
        // progress; afterwards each step of the analysis reports itself.
        std::atomic<bool> published {false};
        watch.OnProgress = [&] {
            if (published)
                return;
            AnalysisReport live;
            live.LowerBound = watch.LowerBound();
            live.Positions = watch.Nodes.load(std::memory_order_relaxed);
            report(level, live);
        };
        Analyse(level, watch, [&](const AnalysisReport& step) {
            published = true;
            report(level, step);
        });
        watch.OnProgress = nullptr;
    });
}

void AnalysisRunner::Stop()
{
    Work.Stop();
}
