// The solver's benchmark corpus: scrambles of shipped pictures, made by
// backward walks from their targets (solvable by construction), and the
// proof of each one to a time budget.
//
//   velorin-bench-corpus make LEVELFILE OUTDIR
//       writes OUTDIR/walks-D.dat for D = 20, 25, 30, 35, 40 and 50 moves:
//       walks from the targets of ten levels spread evenly from level 70
//       to level 98, each with dice of fixed seeds (Random.h), the same on
//       every machine; and OUTDIR/walks.txt, the length of each walk, an
//       upper bound of its par.
//   velorin-bench-corpus run DIR [SECONDS] [JOBS] [THREADS]
//       proves every level of DIR/walks-*.dat with SECONDS (1) each, JOBS
//       (1) at a time with THREADS (2) each, and prints per level: file, number, answer, lower
//       bound, moves known, wall seconds, peak bytes of the search. The
//       answer is "fault" for a solution that does not replay. A last
//       line "# peak-resident-bytes N" gives the process's peak memory.
#include "Generator.h"
#include "LevelFile.h"
#include "Replay.h"
#include "Solver.h"

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int CorpusDepths[] = {20, 25, 30, 35, 40, 50};
constexpr int FirstTarget = 70, LastTarget = 98, TargetCount = 10;
// The walks lean away from the target as the editor's scrambles do.
constexpr int CorpusBias = 60;
constexpr std::uint64_t CorpusSeed = 2024;

std::string FileOf(const std::string& dir, int depth)
{
    return dir + "/walks-" + std::to_string(depth) + ".dat";
}

int Make(const char* levelFile, const std::string& dir)
{
    auto levels = std::make_unique<TLevelTable>();
    const LevelFileResult read = ReadLevelFile(levelFile, *levels);
    if (read.Status != LevelFileStatus::Ok || read.Count < LastTarget) {
        std::fprintf(stderr, "cannot read %d levels from %s\n", LastTarget, levelFile);
        return 1;
    }
    std::filesystem::create_directories(dir);
    std::ofstream list(dir + "/walks.txt");
    list << "# file level target walk-length (an upper bound of the par)\n";
    for (const int depth : CorpusDepths) {
        std::ofstream out(FileOf(dir, depth), std::ios::binary | std::ios::trunc);
        for (int n = 0; n < TargetCount; ++n) {
            const int target = FirstTarget + (LastTarget - FirstTarget) * n / (TargetCount - 1);
            const TCells& pattern = (*levels)[target].Target;
            const LevelSearch search(TLevelRecord {pattern, pattern});
            Dice dice(CorpusSeed + static_cast<std::uint64_t>(target), static_cast<std::uint64_t>(depth));
            const BackwardWalk walk = WalkBackwards(search, pattern, depth, CorpusBias, dice);
            const TLevelRecord record {pattern, walk.Start};
            out.write(reinterpret_cast<const char*>(&record), sizeof record);
            list << "walks-" << depth << ".dat " << n + 1 << " " << target << " " << walk.Solution.size() << "\n";
        }
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", FileOf(dir, depth).c_str());
            return 1;
        }
    }
    return list ? 0 : 1;
}

struct Job {
    std::string File;
    int Number = 0;
    TLevelRecord Level {};
};

const char* StatusWord(SolveStatus status)
{
    switch (status) {
    case SolveStatus::Optimal:
        return "optimal";
    case SolveStatus::Bound:
        return "bound";
    case SolveStatus::Unsolvable:
        return "unsolvable";
    case SolveStatus::Unknown:
        return "unknown";
    }
    return "?";
}

int Run(const std::string& dir, double seconds, int jobs, int threadsEach)
{
    std::vector<Job> work;
    for (const int depth : CorpusDepths) {
        auto table = std::make_unique<TLevelTable>();
        const std::string file = FileOf(dir, depth);
        const LevelFileResult read = ReadLevelFile(file.c_str(), *table);
        if (read.Status != LevelFileStatus::Ok) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        for (int n = 1; n <= read.Count; ++n)
            work.push_back({"walks-" + std::to_string(depth) + ".dat", n, (*table)[n]});
    }
    std::atomic<std::size_t> next {0};
    std::mutex printing;
    std::vector<std::thread> threads;
    for (int t = 0; t < jobs; ++t)
        threads.emplace_back([&] {
            for (std::size_t n = next++; n < work.size(); n = next++) {
                SolveBudget budget;
                budget.Seconds = seconds;
                budget.Threads = threadsEach;
                const auto started = std::chrono::steady_clock::now();
                const SolveResult result = Solve(work[n].Level, budget);
                const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
                const ReplayResult replay = Replay(work[n].Level, result.Moves);
                const bool fault = !result.Moves.empty() && !(replay.Legal && replay.Solved);
                const std::lock_guard lock(printing);
                std::printf("%s %d %s %d %zu %.4f %zu\n", work[n].File.c_str(), work[n].Number,
                            fault ? "fault" : StatusWord(result.Status), result.LowerBound, result.Moves.size(), wall,
                            result.PeakBytes);
                std::fflush(stdout);
            }
        });
    for (std::thread& t : threads)
        t.join();
    // The process's peak: with one level at a time, no proof held more.
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("# peak-resident-bytes %ld\n", usage.ru_maxrss * 1024L);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "make" && argc == 4)
        return Make(argv[2], argv[3]);
    if (mode == "run" && argc >= 3 && argc <= 6)
        return Run(argv[2], argc > 3 ? std::atof(argv[3]) : 1.0, argc > 4 ? std::max(1, std::atoi(argv[4])) : 1,
                   argc > 5 ? std::max(1, std::atoi(argv[5])) : 2);
    std::fprintf(stderr,
                 "usage: velorin-bench-corpus make LEVELFILE OUTDIR\n"
                 "       velorin-bench-corpus run DIR [SECONDS] [JOBS] [THREADS]\n");
    return 2;
}
