// velorin-levels check FILE [--players N] [--seconds S]
#include "Commands.h"
#include "LevelCheck.h"
#include "LevelInput.h"
#include "Options.h"
#include "SetCheck.h"
#include "StoneRules.h"

#include <cstdio>
#include <ostream>

namespace {

std::string StonesText(const LevelCheck& check)
{
    std::string text;
    for (int code = 1; code <= ColourCount; ++code)
        if (check.StonesPerCode[code] > 0)
            text += std::to_string(code) + "x" + std::to_string(check.StonesPerCode[code]) + " ";
    return text.empty() ? "none" : text.substr(0, text.size() - 1);
}

std::string ParText(const LevelCheck& check)
{
    const SolveResult& s = check.Solution;
    if (!check.Problems.empty() && s.Moves.empty()) {
        if (s.Status == SolveStatus::Unsolvable)
            return "unsolvable";
        return s.Status == SolveStatus::Unknown ? ">=" + std::to_string(s.LowerBound) + " unknown" : "-";
    }
    if (s.Status == SolveStatus::Optimal)
        return std::to_string(s.Moves.size()) + " optimal";
    return std::to_string(s.LowerBound) + ".." + std::to_string(s.Moves.size()) + " bound";
}

std::string DeadText(const LevelCheck& check)
{
    if (check.Starts.Moves == 0)
        return "-";
    std::string text = std::to_string(check.Starts.Dead);
    if (check.Starts.Unknown > 0)
        text += " (" + std::to_string(check.Starts.Unknown) + " unknown)";
    return text;
}

std::string PlayersText(const LevelCheck& check)
{
    return check.Players ? std::to_string(check.Players->Percent()) + " %" : "";
}

std::string ShareColumn(const NeighbourPairs& pairs)
{
    return pairs.Pairs == 0 ? "-" : ShareText(pairs.Share());
}

void PrintRow(std::ostream& out, int number, const LevelCheck& check)
{
    char row[240];
    std::snprintf(row, sizeof row, "%3d  %-52s %-5s %4d  %-6s  %-14s %6d %9zu %5d  %-14s %6d  %-5s %5d  %s\n", number,
                  StonesText(check).c_str(), check.SameCodes ? "same" : "DIFF", check.CodesAbove12,
                  check.Solved ? "YES" : "no", ParText(check).c_str(), check.Detour, check.Solution.Nodes,
                  check.Starts.Moves, DeadText(check).c_str(), check.FrozenStones,
                  ShareColumn(check.Neighbours).c_str(), check.LookAlikePairs, PlayersText(check).c_str());
    out << row;
}

} // namespace

int RunCheck(const Args& args, std::ostream& out, std::ostream& err)
{
    const auto options = ParseOptions(args, true, err);
    if (!options)
        return 2;
    if (options->Words.size() != 1) {
        err << "usage: velorin-levels check FILE [--players N] [--seconds S]\n";
        return 2;
    }
    const std::string& file = options->Words[0];
    const int players = options->Players;
    SolveBudget budget = CheckBudget();
    budget.Seconds = options->Seconds.value_or(budget.Seconds);
    std::string error;
    const auto input = LoadLevels(file, error);
    if (!input) {
        err << "velorin-levels: " << error << "\n";
        return 2;
    }
    out << file << ": " << input->Size << " bytes, " << input->RecordsInFile << " records, " << input->Levels.size()
        << " levels loaded\n";
    int problems = 0;
    for (const std::string& fault : input->Faults) {
        out << "file: " << fault << "\n";
        ++problems;
    }

    const int count = static_cast<int>(input->Levels.size());
    const std::vector<LevelCheck> checks = CheckLevels(input->Levels, budget, players);

    if (count > 0)
        out << "\nLvl  Stones per colour (code x count)                     Codes  >12  Solved  Par            Detour "
               "Positions Start  Dead           Frozen  Same  Alike  Players\n";
    int optimal = 0, bounded = 0;
    for (int n = 0; n < count; ++n) {
        PrintRow(out, n + 1, checks[n]);
        optimal += checks[n].Solution.Status == SolveStatus::Optimal && !checks[n].Solution.Moves.empty();
        bounded += checks[n].Solution.Status == SolveStatus::Bound;
    }
    for (int n = 0; n < count; ++n)
        for (const std::string& problem : checks[n].Problems) {
            out << "level " << n + 1 << ": " << problem << "\n";
            ++problems;
        }
    const SetCheck set = CheckSet(input->Levels, checks);
    for (const std::string& problem : set.Problems)
        out << problem << "\n";
    problems += static_cast<int>(set.Problems.size());
    out << "\n";
    for (const ThirdShare& third : set.Thirds)
        out << "levels " << third.First << "-" << third.Last << ": same-colour neighbour share "
            << ShareColumn(third.Pairs) << " (" << third.Pairs.Pairs << " adjacent pairs"
            << (third.Pairs.Pairs < MinPairsToJudgeShare ? ", too few to judge" : "") << ")\n";
    out << count << " levels: " << optimal << " with optimal par, " << bounded << " with a bound only; " << problems
        << (problems == 1 ? " problem" : " problems") << "\n";
    return problems == 0 ? 0 : 1;
}
