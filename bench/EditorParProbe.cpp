// How long the editor takes to prove par, the way its window asks for it:
// the analysis of each shipped level, timed from its start to the moment
// the par is known. Prints "level seconds par proved" per level.
//   velorin-bench-editor [COUNT]   the first COUNT levels (all by default)
#include "Analysis.h"
#include "LevelFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
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
