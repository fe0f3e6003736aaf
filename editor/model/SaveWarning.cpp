#include "SaveWarning.h"

#include "AnalysisWords.h"
#include "Budget.h"

#include <array>

namespace {

enum Concern {
    Unsolvable,
    NothingToSolve,
    Unproved,
    OverBudget,
    Concerns
};

std::optional<Concern> ConcernOf(const AnalysisReport& report)
{
    switch (report.Result) {
    case Verdict::DifferentStones:
    case Verdict::Unsolvable:
        return Unsolvable;
    case Verdict::Empty:
    case Verdict::AlreadySolved:
        return NothingToSolve;
    case Verdict::Unknown:
        return report.Finished ? std::optional(Unproved) : std::nullopt;
    case Verdict::Solvable:
        if (!report.Optimal)
            return report.Finished ? std::optional(Unproved) : std::nullopt;
        return report.Par() > MaxParMoves ? std::optional(OverBudget) : std::nullopt;
    case Verdict::Running:
        break;
    }
    return std::nullopt;
}

// "Level 3", "Level 3 und 7", "Level 3, 7 und 9".
std::string LevelNumbers(const std::vector<int>& numbers)
{
    std::string text = "Level ";
    for (std::size_t n = 0; n < numbers.size(); ++n) {
        if (n > 0)
            text += n + 1 == numbers.size() ? " und " : ", ";
        text += std::to_string(numbers[n]);
    }
    return text;
}

} // namespace

std::optional<std::string> SaveWarning(const std::vector<TLevelRecord>& levels, const KnownAnalysis& known)
{
    std::array<std::vector<int>, Concerns> named;
    for (std::size_t n = 0; n < levels.size(); ++n)
        if (const AnalysisReport* report = known(levels[n]))
            if (const auto concern = ConcernOf(*report))
                named[*concern].push_back(static_cast<int>(n) + 1);
    const std::array<std::string, Concerns> what {
        "unlösbar",
        "nichts zu lösen: der Start gleicht dem Ziel, oder kein Stein kann ziehen",
        "Par nicht bewiesen",
        "Par über " + std::to_string(MaxParMoves) + ": " + BeyondOneAttempt,
    };
    std::string text;
    for (int concern = 0; concern < Concerns; ++concern)
        if (!named[concern].empty())
            text += "\n" + LevelNumbers(named[concern]) + ": " + what[concern];
    if (text.empty())
        return std::nullopt;
    return "Nicht jeder Level lässt sich so durchspielen:" + text + "\n\nTrotzdem speichern?";
}
