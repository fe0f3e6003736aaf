// What the level check costs: the solver on each shipped level, and the
// whole check of the set as the level tool runs it.
#include "LevelCheck.h"
#include "LevelFile.h"
#include "Solver.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

TLevelTable Levels {};
int LevelsLoaded = 0;

void BM_SolveLevel(benchmark::State& state, int level)
{
    for (auto _ : state) {
        const SolveResult result = Solve(Levels[level]);
        benchmark::DoNotOptimize(result.Moves.data());
        state.counters["par"] = static_cast<double>(result.Moves.size());
        state.counters["optimal"] = result.Status == SolveStatus::Optimal;
    }
}

void BM_CheckShippedSet(benchmark::State& state)
{
    for (auto _ : state)
        for (int level = 1; level <= LevelsLoaded; ++level)
            benchmark::DoNotOptimize(CheckLevel(Levels[level]).Problems.size());
}

} // namespace

int main(int argc, char** argv)
{
    const LevelFileResult file = ReadLevelFile(VELORIN_LEVEL_FILE, Levels);
    if (file.Status != LevelFileStatus::Ok || file.Count == 0) {
        std::fprintf(stderr, "cannot read the level file %s\n", VELORIN_LEVEL_FILE);
        return 1;
    }
    LevelsLoaded = file.Count;
    for (int level = 1; level <= LevelsLoaded; ++level)
        benchmark::RegisterBenchmark(("BM_SolveLevel/" + std::to_string(level)).c_str(), BM_SolveLevel, level)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_CheckShippedSet", BM_CheckShippedSet)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
