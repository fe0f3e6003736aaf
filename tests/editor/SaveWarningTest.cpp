// The warning before a save names the levels a player could not play
// through, by what is wrong with them, and nothing still being analysed.
#include "SaveWarning.h"
#include "Budget.h"
#include "Levels.h"

#include <gtest/gtest.h>

#include <map>

TEST(SaveWarning, NamesTheLevelsByWhatIsWrongAndSaysNothingOfLevelsStillAnalysed)
{
    std::vector<TLevelRecord> levels;
    std::map<int, AnalysisReport> reports; // by the level's number, stored in its first cell
    const auto add = [&](AnalysisReport report) {
        const int number = static_cast<int>(levels.size()) + 1;
        levels.push_back(MakeLevel({{1, number}}, {{1, number}}));
        report.Finished = report.Result != Verdict::Running;
        reports[number] = report;
    };
    const auto solvable = [](int par, bool optimal) {
        AnalysisReport report;
        report.Result = Verdict::Solvable;
        report.Solution.resize(static_cast<std::size_t>(par));
        report.Optimal = optimal;
        return report;
    };
    const auto known = [&](const TLevelRecord& level) -> const AnalysisReport* {
        const auto found = reports.find(level.Target[1]);
        return found != reports.end() ? &found->second : nullptr;
    };

    add(solvable(12, true));
    EXPECT_EQ(SaveWarning(levels, known), std::nullopt);

    AnalysisReport unsolvable;
    unsolvable.Result = Verdict::Unsolvable;
    add(unsolvable);                       // 2
    add(solvable(MaxParMoves + 1, true));  // 3
    add(solvable(MaxParMoves + 1, false)); // 4: a bound only
    add(AnalysisReport {});                // 5: running
    unsolvable.Result = Verdict::DifferentStones;
    add(unsolvable); // 6
    AnalysisReport nothing;
    nothing.Result = Verdict::AlreadySolved;
    add(nothing); // 7
    const auto warning = SaveWarning(levels, known);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->find("Level 2 und 6: unlösbar"), std::string::npos) << *warning;
    EXPECT_NE(warning->find("Level 7: nichts zu lösen"), std::string::npos) << *warning;
    EXPECT_NE(warning->find("Level 4: Par nicht bewiesen"), std::string::npos) << *warning;
    EXPECT_NE(warning->find("Level 3: Par über 30"), std::string::npos) << *warning;
    EXPECT_EQ(warning->find("Level 5"), std::string::npos) << *warning;
    EXPECT_EQ(warning->find("Level 1:"), std::string::npos) << *warning;
}
