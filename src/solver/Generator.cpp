#include "Generator.h"

#include "Player.h"
#include "Random.h"
#include "Reachable.h"
#include "Symbols.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace {

// What the generator may spend on each walk.
constexpr double WalkSeconds = 5;
// The most positions a teaching level's whole space may hold.
constexpr std::size_t TeachingPositions = 400000;

// Whether the start moves meet the recipe's rule on dead ones; nullopt
// when the moves left unsettled could go either way.
std::optional<bool> MeetsDeadRule(const DeadRule& rule, const StartMoves& starts)
{
    switch (rule.Rule) {
    case DeadRule::Kind::Any:
        return true;
    case DeadRule::Kind::None:
    case DeadRule::Kind::Never: // the start moves first; the rest when they pass
        if (starts.Dead > 0)
            return false;
        return starts.Unknown > 0 ? std::nullopt : std::optional(true);
    case DeadRule::Kind::AtLeast:
        if (starts.Dead >= rule.Count)
            return true;
        return starts.Dead + starts.Unknown < rule.Count ? std::optional(false) : std::nullopt;
    }
    return false;
}

// Whether every stone that can move at the start has the colour `code`,
// and pressing that colour alone reaches the target in `par` moves.
bool TeachesColour(const LevelSolver& solver, const TCells& start, const TCells& target, int code, int par)
{
    const auto moves = solver.MovesFrom(start);
    if (!std::all_of(moves.begin(), moves.end(), [&](const Move& move) { return start[move.Cell] == code; }))
        return false;
    return ParPressingOnly(solver, start, target, code, TeachingPositions) == par;
}

bool NoDeadEndReachable(const LevelSolver& solver, const TCells& start, const TCells& target)
{
    const ReachableSpace space = ExploreReachable(solver, start, target, TeachingPositions);
    return space.Complete && space.DeadEnds == 0;
}

} // namespace

BackwardWalk WalkBackwards(const LevelSearch& search, const TCells& target, int depth, int bias, Dice& dice)
{
    TCells board = target;
    std::vector<Move> back; // from each position to the one before it
    std::set<std::array<std::uint8_t, CellCount>> seen;
    const auto key = [](const TCells& b) { return std::to_array(b.Item); };
    seen.insert(key(board));
    for (int step = 0; step < depth; ++step) {
        // Predecessors not yet visited, and of them those that lie further
        // from the target by the plain bound.
        std::vector<std::pair<TCells, Move>> fresh, further;
        const int here = search.PlainBound(board);
        for (const Move& move : MovesInto(search.Table(), board)) {
            TCells before = board;
            ApplyMove(before, move);
            if (seen.contains(key(before)))
                continue;
            fresh.emplace_back(before, move);
            if (search.PlainBound(before) > here)
                further.emplace_back(before, move);
        }
        if (fresh.empty())
            break;
        const auto& pool = !further.empty() && dice.Chance(bias) ? further : fresh;
        const auto& [before, move] = pool[dice.Below(pool.size())];
        board = before;
        back.push_back(move);
        seen.insert(key(board));
    }
    return {board, {back.rbegin(), back.rend()}};
}

SolveBudget GeneratorBudget(SearchWatch* watch)
{
    SolveBudget budget;
    budget.Seconds = WalkSeconds;
    SettleDeadEndsReproducibly(budget); // the same recipe makes the same levels
    budget.Watch = watch;
    return budget;
}

TCells TargetOf(const LevelRecipe& recipe)
{
    Dice dice(recipe.Seed, 0);
    TCells target {};
    for (int row = 0; row < BoardSide; ++row) {
        for (int column = 0; column < BoardSide; ++column) {
            const char symbol = recipe.Pattern[row][column];
            const int cell = row * BoardSide + column + 1;
            if (const auto code = CodeOfSymbol(symbol)) {
                target[cell] = *code;
            } else {
                const auto& codes = recipe.Mix.at(symbol);
                target[cell] = codes[dice.Below(codes.size())];
            }
        }
    }
    return target;
}

std::vector<Move> MovesInto(const MoveTable& table, const TCells& board)
{
    const std::vector<int> codes = ItemCodes(table, board);
    std::vector<Move> moves;
    for (int from = 0; from < table.ItemCount(); ++from) {
        for (int to = 0; to < table.ItemCount(); ++to) {
            if (codes[from] == codes[to])
                continue;
            // Before the move the stone now on `to` stood on `from`.
            for (int partner : table.Partners(from, codes[to]))
                if (partner == to)
                    moves.push_back({table.Cells[from], table.Cells[to]});
        }
    }
    return moves;
}

GenerateResult Generate(const LevelRecipe& recipe, const SolveBudget& budget)
{
    return GenerateFrom(TargetOf(recipe), recipe, budget);
}

std::string TallyText(const WalkTally& t)
{
    std::string text = std::to_string(t.Tried) + (t.Tried == 1 ? " walk" : " walks") + " tried: ";
    if (t.HighestPar >= 0)
        text += "proved pars " + std::to_string(t.LowestPar) + " to " + std::to_string(t.HighestPar);
    else
        text += "no par proved";
    const std::pair<int, const char*> dropped[] = {
        {t.TooShort, "too short for the par window by the walk alone"},
        {t.TooFar, "too far for it by the bounds alone"},
        {t.Unproved, "with a par not proved within the budget"},
        {t.OutsideWindow, "proved outside the par window"},
        {t.DetourFailed, "failed the detour"},
        {t.MoverFailed, "failed the colour taught"},
        {t.PlayersFailed, "failed the share of simulated players"},
        {t.DeadRuleFailed, "failed the rule on dead start moves"},
        {t.Unsettled, "dropped because start moves the rule on dead ends needs settled were left unsettled"},
    };
    for (const auto& [count, reason] : dropped)
        if (count > 0)
            text += "; " + std::to_string(count) + " " + reason;
    return text;
}

GenerateResult GenerateFrom(const TCells& target, const LevelRecipe& recipe, const SolveBudget& budget)
{
    GenerateResult result;
    const LevelSolver solver(TLevelRecord {target, target});
    const LevelSearch search(TLevelRecord {target, target}); // for the walks: whole-board moves and bound
    if (!solver.Searchable() || !search.Searchable()) {
        result.Error = "its pattern holds more than 16 different codes";
        return result;
    }
    bool everMoved = false;
    WalkTally& tally = result.Tally;
    for (int attempt = recipe.FirstWalk; attempt < recipe.FirstWalk + recipe.Tries; ++attempt) {
        if (StopRequested(budget.Watch)) {
            result.Error = "stopped";
            return result;
        }
        Dice dice(recipe.Seed, static_cast<std::uint64_t>(attempt));
        const BackwardWalk walk = WalkBackwards(search, target, recipe.Depth, recipe.Bias, dice);
        const TCells& start = walk.Start;
        if (start == target)
            continue;
        everMoved = true;
        ++tally.Tried;
        // The walk bounds the par from above, the bounds from below: a
        // start they put outside the window, or whose plain bound leaves no
        // room for the detour asked for, is no candidate.
        if (static_cast<int>(walk.Solution.size()) < recipe.ParLow) {
            ++tally.TooShort;
            continue;
        }
        const int bound = solver.Bound(start);
        if (bound > recipe.ParHigh - recipe.DetourLow) {
            ++tally.TooFar;
            continue;
        }
        // Only a proved par will do.
        const SolveResult solution = solver.Solve(start, budget, walk.Solution);
        if (StopRequested(budget.Watch)) {
            result.Error = "stopped";
            return result;
        }
        if (solution.Status != SolveStatus::Optimal) {
            ++tally.Unproved;
            continue;
        }
        const int par = static_cast<int>(solution.Moves.size());
        tally.LowestPar = std::min(tally.LowestPar, par);
        tally.HighestPar = std::max(tally.HighestPar, par);
        if (par < recipe.ParLow || par > recipe.ParHigh) {
            ++tally.OutsideWindow;
            continue;
        }
        GeneratedLevel level;
        level.Detour = par - bound;
        if (level.Detour < recipe.DetourLow || level.Detour > recipe.DetourHigh) {
            ++tally.DetourFailed;
            continue;
        }
        if (recipe.OnlyMover != 0 && !TeachesColour(solver, start, target, recipe.OnlyMover, par)) {
            ++tally.MoverFailed;
            continue;
        }
        level.Starts = CountDeadStarts(solver, start, solution.Moves, budget);
        if (StopRequested(budget.Watch)) {
            result.Error = "stopped";
            return result;
        }
        const std::optional<bool> meets = MeetsDeadRule(recipe.Dead, level.Starts);
        if (!meets) {
            ++tally.Unsettled;
            continue;
        }
        if (!*meets || (recipe.Dead.Rule == DeadRule::Kind::Never && !NoDeadEndReachable(solver, start, target))) {
            ++tally.DeadRuleFailed;
            continue;
        }
        level.Record = {target, start};
        if (recipe.PlayersLow > 0 || recipe.PlayersHigh < 100) {
            const int share = SimulatePlayers(solver, level.Record, MeasuredPlayers, recipe.Seed).Percent();
            if (share < recipe.PlayersLow || share > recipe.PlayersHigh) {
                ++tally.PlayersFailed;
                continue;
            }
        }
        level.Solution = solution;
        level.Attempt = attempt;
        result.Level = level;
        return result;
    }
    if (!everMoved) {
        result.Error = "no stone of its pattern can move, so it cannot be scrambled";
        return result;
    }
    result.Error = "no walk of " + std::to_string(recipe.Tries) + " met its rules (" + TallyText(tally) + ")";
    return result;
}
