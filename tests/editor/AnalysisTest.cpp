// The analysis the editor runs while a level is drawn: the level tool's
// verdict and par, its steps, and its stop; the scramble and the made
// collection, judged by the level tool's solver.
#include "Analysis.h"
#include "AnalysisRunner.h"
#include "AnalysisWords.h"
#include "Budget.h"
#include "CollectionMaker.h"
#include "LevelEdits.h"
#include "LevelFile.h"
#include "Levels.h"
#include "Replay.h"
#include "Scramble.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

namespace {

TLevelRecord ShippedLevel(int n)
{
    auto table = std::make_unique<TLevelTable>();
    EXPECT_GE(ReadLevelFile(VELORIN_DATA_DIR "/velor.dat", *table).Count, n);
    return (*table)[n];
}

int ProvedPar(const TLevelRecord& level)
{
    const SolveResult solved = Solve(level);
    EXPECT_EQ(solved.Status, SolveStatus::Optimal);
    return static_cast<int>(solved.Moves.size());
}

} // namespace

TEST(Analysis, ReportsTheLevelToolsVerdictParAndMeasuresStepByStep)
{
    const TLevelRecord level = ShippedLevel(5);
    SearchWatch watch;
    std::vector<AnalysisReport> steps;
    Analyse(level, watch, [&](const AnalysisReport& report) { steps.push_back(report); });
    ASSERT_EQ(steps.size(), 4u); // a quick solution, the par, the dead start moves, the players
    const AnalysisReport& quick = steps.front();
    EXPECT_EQ(quick.Result, Verdict::Running); // to show while the proof runs
    const ReplayResult quickReplay = Replay(level, quick.Solution);
    EXPECT_TRUE(quickReplay.Legal && quickReplay.Solved);
    const AnalysisReport& report = steps.back();
    EXPECT_TRUE(report.Finished);
    EXPECT_EQ(report.Result, Verdict::Solvable);
    EXPECT_TRUE(report.Optimal);
    EXPECT_EQ(report.Par(), ProvedPar(level));
    const ReplayResult replay = Replay(level, report.Solution);
    EXPECT_TRUE(replay.Legal && replay.Solved);
    EXPECT_GT(report.Positions, 0u);
    EXPECT_TRUE(report.Detour && report.Starts && report.PlayersPercent);
    EXPECT_GE(quick.Par(), report.Par());
    EXPECT_FALSE(steps[1].Starts); // the par shows before the rest is known

    SearchWatch other;
    TLevelRecord broken = level;
    broken.Board[broken.Board[1] == 0 ? 1 : 2] ^= 1; // one stone changed or one empty cell filled
    EXPECT_EQ(AnalyseLevel(broken, other).Result, Verdict::DifferentStones);
    // Two stones that could swap, already in place.
    const TLevelRecord solved = MakeLevel({{10, 1}, {11, 2}}, {{10, 1}, {11, 2}});
    EXPECT_EQ(AnalyseLevel(solved, other).Result, Verdict::AlreadySolved);
    EXPECT_EQ(AnalyseLevel(TLevelRecord {}, other).Result, Verdict::Empty);
    // A stone of code 3 moves only up: from the top row it never gets down.
    EXPECT_EQ(AnalyseLevel(MakeLevel({{10, 3}, {1, 4}}, {{10, 4}, {1, 3}}), other).Result, Verdict::Unsolvable);

    SearchWatch stopped;
    stopped.Cancel();
    const AnalysisReport cut = AnalyseLevel(level, stopped);
    EXPECT_FALSE(cut.Finished);
    EXPECT_TRUE(cut.Stopped);
    EXPECT_NE(cut.Result, Verdict::Unsolvable); // a stopped search proves nothing impossible
    if (cut.Result == Verdict::Solvable) {      // what it found is kept, and plays
        const ReplayResult kept = Replay(level, cut.Solution);
        EXPECT_TRUE(kept.Legal && kept.Solved);
        EXPECT_EQ(cut.Detour.has_value(), cut.Optimal); // of an unproved par only an upper limit
    }
}

// A longer search starts from the best solution known: it never answers
// with a longer one, and proves the par when its budget allows.
TEST(Analysis, ALongerSearchGoesOnFromTheSolutionKnown)
{
    const TLevelRecord level = ShippedLevel(77);
    SearchWatch watch;
    const AnalysisReport quick = AnalyseLevel(level, watch, {0.001, {}});
    SearchWatch again;
    AnalysisPlan longer {EditorSeconds, quick.Solution};
    const AnalysisReport proved = AnalyseLevel(level, again, longer);
    ASSERT_EQ(proved.Result, Verdict::Solvable);
    EXPECT_TRUE(proved.Optimal);
    EXPECT_EQ(proved.Par(), ProvedPar(level));
    EXPECT_EQ(proved.Budget, EditorSeconds);
    if (quick.Result == Verdict::Solvable) {
        EXPECT_LE(proved.Par(), quick.Par());
    }

    // A known solution alone makes the level solvable even with no time to prove anything.
    SearchWatch none;
    const AnalysisReport bounded = AnalyseLevel(level, none, {0.0, proved.Solution});
    ASSERT_EQ(bounded.Result, Verdict::Solvable);
    EXPECT_LE(bounded.Par(), proved.Par());
}

TEST(Analysis, TheRunnerWorksOnTheLatestLevelAndStopsTheOneBefore)
{
    std::mutex lock;
    std::vector<std::pair<TLevelRecord, AnalysisReport>> reports;
    {
        AnalysisRunner runner([&](const TLevelRecord& level, const AnalysisReport& report) {
            const std::lock_guard guard(lock);
            reports.emplace_back(level, report);
        });
        const TLevelRecord stopped = ShippedLevel(60);
        runner.Start(stopped);
        const TLevelRecord latest = ShippedLevel(3);
        runner.Start(latest);
        EXPECT_EQ(runner.Level(), latest);
        while (runner.Busy())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const std::lock_guard guard(lock);
        // The two threads report in any order; each level's own reports
        // come in the order of its steps.
        std::vector<AnalysisReport> ofLatest;
        for (const auto& [level, report] : reports) {
            EXPECT_FALSE(level == stopped && report.Finished) << "the stopped analysis ran to its end";
            if (level == latest)
                ofLatest.push_back(report);
        }
        ASSERT_FALSE(ofLatest.empty());
        EXPECT_TRUE(ofLatest.back().Finished);
        EXPECT_EQ(ofLatest.back().Par(), ProvedPar(latest));
    }
}

// A window hears of a search's progress at most once a ProgressEvery.
TEST(Analysis, TheWatchTellsOfProgressAtMostOnceAnInterval)
{
    int told = 0;
    SearchWatch watch;
    watch.Progressed(std::chrono::steady_clock::now()); // nobody listens: nothing happens
    watch.OnProgress = [&] { ++told; };
    const auto start = std::chrono::steady_clock::now();
    const auto every = SearchWatch::ProgressEvery;
    for (const auto after : {every * 0, every / 2, every, every * 3 / 2, every * 5 / 2})
        watch.Progressed(start + after);
    EXPECT_EQ(told, 3); // at 0, 1 and 2.5 intervals
}

TEST(Analysis, AScrambleHoldsTheTargetsStonesWithAProvedParInTheWishedRange)
{
    const TCells target = ShippedLevel(20).Target; // a triangle of the two-way stones
    const ScrambleResult made = ScrambleTarget(target, {6, 9}, 1);
    ASSERT_TRUE(made.Start) << made.Error;
    const TLevelRecord level {target, *made.Start};
    EXPECT_TRUE(FitsTarget(level, level.Board));
    EXPECT_EQ(ProvedPar(level), made.Par);
    EXPECT_GE(made.Par, 6);
    EXPECT_LE(made.Par, 9);
    EXPECT_EQ(ScrambleTarget(target, {6, 9}, 1).Start, made.Start); // the seed decides

    // Several starts to choose from, each proved within the range, the most
    // detour first; the progress told after every walk.
    int told = 0;
    const ScrambleResult several = ScrambleTarget(ShippedLevel(70).Target, {15, 25}, 3, nullptr,
                                                  [&](int walks, int) { told = walks; });
    ASSERT_EQ(several.Candidates.size(), static_cast<std::size_t>(MostScrambleCandidates)) << several.Error;
    EXPECT_EQ(told, several.Walks);
    for (std::size_t n = 0; n < several.Candidates.size(); ++n) {
        const ScrambleCandidate& c = several.Candidates[n];
        EXPECT_TRUE(c.Proved);
        EXPECT_EQ(ProvedPar({ShippedLevel(70).Target, c.Start}), c.Par);
        EXPECT_TRUE(c.Par >= 15 && c.Par <= 25) << c.Par;
        // Its solution comes with it, for the analysis to start from.
        EXPECT_EQ(static_cast<int>(c.Solution.size()), c.Par);
        EXPECT_TRUE(Replay({ShippedLevel(70).Target, c.Start}, c.Solution).Solved);
        if (n > 0) {
            EXPECT_GE(several.Candidates[n - 1].Detour, c.Detour);
            EXPECT_NE(several.Candidates[n - 1].Start, c.Start);
        }
    }

    // Out of reach: the nearest start, and why. Two right-movers can push
    // one up-mover two cells left at most.
    const ScrambleResult tooFar = ScrambleTarget(MakeLevel({{1, 3}, {2, 6}, {3, 6}}, {}).Target, {5, 8}, 1);
    EXPECT_TRUE(tooFar.Candidates.empty());
    ASSERT_TRUE(tooFar.Nearest);
    EXPECT_EQ(tooFar.Nearest->Par, 2);
    EXPECT_NE(tooFar.Error.find("lassen sich diese Steine nicht mischen"), std::string::npos) << tooFar.Error;
    EXPECT_NE(tooFar.Error.find("Am nächsten kam ein Start mit Par " + std::to_string(tooFar.Nearest->Par)),
              std::string::npos)
        << tooFar.Error;

    const ScrambleResult frozen = ScrambleTarget(MakeLevel({{1, 3}}, {}).Target, {1, 5}, 1);
    EXPECT_FALSE(frozen.Start);
    EXPECT_FALSE(frozen.Nearest);
    EXPECT_NE(frozen.Error.find("lässt sich nicht mischen"), std::string::npos) << frozen.Error;
}

TEST(Analysis, AMadeCollectionGetsEveryLevelAskedForRisingInParEachProved)
{
    // Thirty from the drawn shapes, every time.
    std::vector<int> told;
    const MadeCollection made = MakeCollection(30, {}, {EasiestPar, HardestPar}, 11, nullptr,
                                               [&](int done) { told.push_back(done); });
    ASSERT_EQ(made.Levels.size(), 30u) << made.Error;
    EXPECT_TRUE(made.Error.empty());
    EXPECT_EQ(told.size(), 30u);
    EXPECT_EQ(told.back(), 30);
    const std::vector<TCells> shapes = DrawnShapes(11);
    for (std::size_t n = 0; n < made.Levels.size(); ++n) {
        EXPECT_EQ(ProvedPar(made.Levels[n]), made.Pars[n]);
        EXPECT_NE(std::find(shapes.begin(), shapes.end(), made.Levels[n].Target), shapes.end());
        if (n > 0) {
            EXPECT_GE(made.Pars[n], made.Pars[n - 1]);
        }
    }
    EXPECT_GE(made.Pars.back(), HardestPar - 1);

    // From the collection's own pictures.
    const std::vector<TCells> pictures {ShippedLevel(20).Target, ShippedLevel(70).Target};
    const MadeCollection own = MakeCollection(3, pictures, {6, 12}, 5, nullptr, {});
    ASSERT_EQ(own.Levels.size(), 3u) << own.Error;
    for (const TLevelRecord& level : own.Levels)
        EXPECT_NE(std::find(pictures.begin(), pictures.end(), level.Target), pictures.end());
    // The par range asked for: 6 at the first level, 12 at the last, each within one.
    EXPECT_TRUE(own.Pars.front() >= 5 && own.Pars.front() <= 7) << own.Pars.front();
    EXPECT_TRUE(own.Pars.back() >= 11 && own.Pars.back() <= 13) << own.Pars.back();

    // Stopped, it keeps what it made.
    SearchWatch watch;
    const MadeCollection stopped = MakeCollection(10, {}, {EasiestPar, HardestPar}, 3, &watch, [&](int done) {
        if (done == 2)
            watch.Cancel();
    });
    EXPECT_EQ(stopped.Levels.size(), 2u);
    EXPECT_NE(stopped.Error.find("Angehalten nach 2 von 10"), std::string::npos) << stopped.Error;
}

// "Unlösbar" only where every position was searched; a search that ran out
// of its time or memory says so, with what it proved.
TEST(Analysis, AnUndecidedSearchSaysWhyItStoppedAndNeverCallsTheLevelUnsolvable)
{
    AnalysisReport report;
    report.Result = Verdict::Unknown;
    report.Finished = true;
    report.LowerBound = 23;
    report.Seconds = 60.04;
    report.Positions = 1234567;
    report.Cause = StopCause::Time;
    const std::string time = VerdictLine(report);
    EXPECT_EQ(time,
              "Unentschieden: weder eine Lösung gefunden noch bewiesen, dass keine existiert; die Suche hielt "
              "nach 60,0 s und 1\u202F234\u202F567 Stellungen an, ihre Zeit war um. Par mindestens 23.");
    report.Cause = StopCause::Memory;
    EXPECT_NE(VerdictLine(report).find("ihr Speicher war voll"), std::string::npos) << VerdictLine(report);
    EXPECT_EQ(ShortFacts(report), "unentschieden");
    report.Finished = false;
    EXPECT_EQ(VerdictLine(report), "Abgebrochen.");
    for (const Verdict verdict : {Verdict::Unknown, Verdict::Solvable, Verdict::Running}) {
        report.Result = verdict;
        EXPECT_EQ(VerdictLine(report).find("Unlösbar"), std::string::npos);
    }
    report.Result = Verdict::Unsolvable;
    EXPECT_EQ(VerdictLine(report).rfind("Unlösbar (bewiesen)", 0), 0u);
}

// One move is "1 Zug"; the warning of a par beyond one attempt comes only
// when the par itself is that long, not a solution found on the way.
TEST(Analysis, MeasuresSayOneMoveAndWarnOnlyOfAParKnownToBeTooLong)
{
    AnalysisReport report;
    report.Result = Verdict::Solvable;
    report.Solution.resize(MaxParMoves + 1);
    report.LowerBound = MaxParMoves - 2;
    report.Detour = 1;
    const auto says = [&](const std::string& words) {
        const auto lines = MeasureLines(report);
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find(words) != std::string::npos; });
    };
    EXPECT_FALSE(says("Mehr als"));
    EXPECT_TRUE(says("Umweg: 1 Zug, der nicht näher ans Ziel führt"));
    report.Optimal = true;
    report.Detour = 3;
    EXPECT_TRUE(says("Mehr als 30 Züge"));
    EXPECT_TRUE(says("Umweg: 3 Züge, die nicht näher ans Ziel führen"));
    EXPECT_TRUE(says("Tote Startzüge: werden gesucht"));
    report.Stopped = true; // a stopped analysis looks no further
    EXPECT_TRUE(says("Tote Startzüge: nicht gesucht, die Analyse wurde angehalten"));
    EXPECT_EQ(Counted(1234, "Stellung", "Stellungen"), "1\u202F234 Stellungen");
}
