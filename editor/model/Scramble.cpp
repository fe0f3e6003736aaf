#include "Scramble.h"

#include "Generator.h"
#include "Random.h"
#include "Solver.h"

#include <algorithm>
#include <chrono>

namespace {

// What the scramble may spend: in all, and on the proof of each walk.
constexpr double ScrambleSeconds = 12;
constexpr double WalkProofSeconds = 0.5;
constexpr int MostWalks = 400;

// How far a par lies outside the range; 0 within.
int Distance(int par, ParRange wished)
{
    return par < wished.Low ? wished.Low - par : par > wished.High ? par - wished.High : 0;
}

// Whether `a` came nearer the range than `b`: closer, and proved before unproved.
bool Nearer(const ScrambleCandidate& a, const ScrambleCandidate& b, ParRange wished)
{
    const int da = Distance(a.Par, wished), db = Distance(b.Par, wished);
    return da != db ? da < db : a.Proved && !b.Proved;
}

std::string Reason(const ScrambleResult& result, ParRange wished, int longest, int unproved, bool stopped)
{
    const std::string range = std::to_string(wished.Low) + " bis " + std::to_string(wished.High);
    std::string why = "Kein Start mit bewiesenem Par von " + range + " in " + std::to_string(result.Walks)
        + (result.Walks == 1 ? " Versuch" : " Versuchen");
    if (stopped)
        why += ", das Mischen wurde angehalten";
    else if (!result.Nearest)
        return why + ": kein Stein dieses Ziels kann ziehen, es lässt sich nicht mischen.";
    else if (longest < wished.Low)
        why += ": weiter als Par " + std::to_string(longest)
            + " lassen sich diese Steine nicht mischen; mehr Steine oder andere Farben helfen";
    else if (unproved > 0)
        why += ": für " + std::to_string(unproved) + (unproved == 1 ? " Start" : " Starts")
            + " reichte die Zeit nicht, den Par zu beweisen";
    if (!result.Nearest)
        return why + ".";
    const ScrambleCandidate& near = *result.Nearest;
    return why + ". Am nächsten kam ein Start mit "
        + (near.Proved ? "Par " + std::to_string(near.Par)
                       : "höchstens " + std::to_string(near.Par) + " Zügen (Par mindestens "
                   + std::to_string(near.LowerBound) + ")")
        + ".";
}

} // namespace

ScrambleResult ScrambleTarget(const TCells& target, ParRange wished, std::uint64_t seed, SearchWatch* watch,
                              const ScrambleProgress& progress)
{
    ScrambleResult result;
    if (wished.Low < 1 || wished.Low > wished.High) {
        result.Error = "Der gewünschte Par-Bereich ist leer.";
        return result;
    }
    const TLevelRecord solved {target, target};
    const LevelSolver solver(solved);
    const LevelSearch search(solved); // the walks: whole-board moves and bound
    if (!solver.Searchable() || !search.Searchable()) {
        result.Error = "Das Ziel hat mehr als 16 verschiedene Steine in einer Gruppe: das kann der Löser nicht.";
        return result;
    }
    SolveBudget budget = GeneratorBudget(watch);
    budget.Seconds = WalkProofSeconds;
    const auto began = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };

    // The walk's length follows what the proofs find: longer while the
    // pars come out short, shorter while they come out long.
    int depth = wished.High;
    int longest = 0, unproved = 0;
    bool moved = false;
    for (int walk = 1; walk <= MostWalks && !StopRequested(watch) && elapsed() < ScrambleSeconds; ++walk) {
        Dice dice(seed, static_cast<std::uint64_t>(walk));
        const BackwardWalk back = WalkBackwards(search, target, depth, AwayBias, dice);
        if (back.Start == target)
            continue;
        moved = true;
        ++result.Walks;
        const SolveResult proof = solver.Solve(back.Start, budget, back.Solution);
        if (StopRequested(watch))
            break;
        ScrambleCandidate made {back.Start, static_cast<int>(proof.Moves.size()), proof.LowerBound,
                                proof.Status == SolveStatus::Optimal, 0, proof.Moves};
        if (made.Par == 0)
            continue; // no solution kept: cannot happen for a walk, which is one
        if (made.Proved)
            made.LowerBound = made.Par;
        else
            ++unproved;
        made.Detour = made.Par - solver.Bound(made.Start);
        longest = std::max(longest, made.Par);
        const bool fits = made.Proved && Distance(made.Par, wished) == 0;
        const bool fresh = std::none_of(result.Candidates.begin(), result.Candidates.end(),
                                        [&](const ScrambleCandidate& c) { return c.Start == made.Start; });
        if (fits && fresh)
            result.Candidates.push_back(made);
        else if (!fits && (!result.Nearest || Nearer(made, *result.Nearest, wished)))
            result.Nearest = made;
        if (progress)
            progress(result.Walks, static_cast<int>(result.Candidates.size()));
        if (static_cast<int>(result.Candidates.size()) >= MostScrambleCandidates)
            break;
        const int step = std::max(1, Distance(made.LowerBound, wished) / 2);
        if (made.Par < wished.Low)
            depth = std::min(depth + step, 4 * MostScramblePar);
        else if (made.LowerBound > wished.High)
            depth = std::max(1, depth - step);
        else
            depth = std::max(wished.Low, depth + static_cast<int>(dice.Below(3)) - 1); // around what works
    }
    // The most detour first: the start that asks most thought.
    std::stable_sort(result.Candidates.begin(), result.Candidates.end(),
                     [](const ScrambleCandidate& a, const ScrambleCandidate& b) { return a.Detour > b.Detour; });
    if (!result.Candidates.empty()) {
        result.Nearest.reset();
        result.Start = result.Candidates.front().Start;
        result.Par = result.Candidates.front().Par;
        return result;
    }
    if (!moved)
        result.Nearest.reset();
    result.Error = Reason(result, wished, longest, unproved, StopRequested(watch));
    return result;
}
