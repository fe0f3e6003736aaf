// How long the editor takes to prove par, the way its window asks for it,
// and how soon its live analysis stops when the author edits.
//   velorin-bench-editor [COUNT]
//       the analysis of each of the first COUNT shipped levels (all by
//       default), timed from its start to the moment the par is known.
//       Prints "level seconds par proved" per level.
//   velorin-bench-editor --stop LEVELFILE...
//       the runner started on each level of the files and stopped, as an
//       edit stops it, after a delay that walks through the steps of the
//       analysis. Prints "file level delay-ms stop-ms ended-ms" per stop:
//       until the runner returned, and until its thread had ended and
//       given back its memory.
#include "Analysis.h"
#include "AnalysisRunner.h"
#include "LevelFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

// Delays before the stop: early in the proof, deep in it, and later, in
// the dead ends or the simulated players.
constexpr int StopDelaysMs[] = {2, 30, 300};

int ProveShipped(int argc, char** argv)
{
    auto levels = std::make_unique<TLevelTable>();
    const LevelFileResult file = ReadLevelFile(VELORIN_LEVEL_FILE, *levels);
    if (file.Status != LevelFileStatus::Ok || file.Count == 0) {
        std::fprintf(stderr, "cannot read the level file %s\n", VELORIN_LEVEL_FILE);
        return 1;
    }
    const int count = argc > 1 ? std::min(std::atoi(argv[1]), int {file.Count}) : file.Count;
    for (int level = 1; level <= count; ++level) {
        SearchWatch watch;
        const auto start = std::chrono::steady_clock::now();
        double seconds = -1;
        AnalysisReport par;
        Analyse((*levels)[level], watch, [&](const AnalysisReport& report) {
            if (seconds < 0) { // the first report carries the verdict and the par
                seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                par = report;
                watch.Cancel(); // the rest (dead ends, players) is not what is timed
            }
        });
        const bool proved = par.Result == Verdict::Solvable && par.Optimal;
        std::printf("%d %.6f %d %d\n", level, seconds, par.Par(), proved ? 1 : 0);
    }
    return 0;
}

int TimeStops(int argc, char** argv)
{
    for (int f = 2; f < argc; ++f) {
        auto levels = std::make_unique<TLevelTable>();
        const LevelFileResult file = ReadLevelFile(argv[f], *levels);
        if (file.Status != LevelFileStatus::Ok) {
            std::fprintf(stderr, "cannot read the level file %s\n", argv[f]);
            return 1;
        }
        for (int level = 1; level <= file.Count; ++level)
            for (const int delay : StopDelaysMs) {
                AnalysisRunner runner([](const TLevelRecord&, const AnalysisReport&) {});
                runner.Start((*levels)[level]);
                std::this_thread::sleep_for(std::chrono::milliseconds(delay));
                const auto start = std::chrono::steady_clock::now();
                runner.Stop();
                const auto stopped = std::chrono::steady_clock::now();
                while (!runner.AllEnded())
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                const auto ended = std::chrono::steady_clock::now();
                const auto ms = [&](auto until) {
                    return std::chrono::duration<double, std::milli>(until - start).count();
                };
                std::printf("%s %d %d %.3f %.3f\n", argv[f], level, delay, ms(stopped), ms(ended));
                std::fflush(stdout);
            }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--stop") == 0)
        return TimeStops(argc, argv);
    return ProveShipped(argc, argv);
}
