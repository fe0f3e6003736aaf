#include "SetCheck.h"

#include "Symmetry.h"

namespace {

constexpr int Thirds = 3;

// Each puzzle that repeats an earlier one is reported once, against the
// first it repeats; a repeated puzzle repeats its picture too, so only
// puzzles of their own are looked at for a repeated picture.
void FindRepeats(const std::vector<TLevelRecord>& levels, const std::vector<LevelCheck>& checks,
                 std::vector<std::string>& problems)
{
    const auto number = [](std::size_t n) { return std::to_string(n + 1); };
    for (std::size_t later = 0; later < levels.size(); ++later) {
        if (!IsPuzzle(checks[later]))
            continue;
        std::string repeat;
        for (std::size_t earlier = 0; earlier < later && repeat.empty(); ++earlier)
            if (IsPuzzle(checks[earlier]) && SamePuzzleTurned(levels[earlier], levels[later]))
                repeat = "the same puzzle as level " + number(earlier)
                    + (levels[earlier] == levels[later] ? "" : ", turned or mirrored");
        for (std::size_t earlier = 0; earlier < later && repeat.empty(); ++earlier)
            if (IsPuzzle(checks[earlier]) && SamePicture(levels[earlier].Target, levels[later].Target))
                repeat = "its target picture is level " + number(earlier) + "'s";
        if (!repeat.empty())
            problems.push_back("level " + number(later) + ": " + repeat);
    }
}

} // namespace

SetCheck CheckSet(const std::vector<TLevelRecord>& levels, const std::vector<LevelCheck>& checks)
{
    SetCheck set;
    FindRepeats(levels, checks, set.Problems);
    const std::size_t count = levels.size();
    if (count < Thirds)
        return set;
    for (std::size_t third = 0; third < Thirds; ++third) {
        ThirdShare share;
        share.First = static_cast<int>(count * third / Thirds) + 1;
        share.Last = static_cast<int>(count * (third + 1) / Thirds);
        for (int n = share.First - 1; n < share.Last; ++n)
            if (IsPuzzle(checks[static_cast<std::size_t>(n)]))
                share.Pairs += checks[static_cast<std::size_t>(n)].Neighbours;
        if (share.Pairs.Pairs >= MinPairsToJudgeShare && share.Pairs.Share() < MinSameColourShare)
            set.Problems.push_back("levels " + std::to_string(share.First) + "-" + std::to_string(share.Last)
                                   + ": same-colour neighbour share " + ShareText(share.Pairs.Share()) + ", below "
                                   + ShareText(MinSameColourShare));
        set.Thirds.push_back(share);
    }
    return set;
}
