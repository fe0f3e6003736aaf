#include "Generator.h"

#include "Random.h"
#include "Symbols.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

// A walk of `recipe.Depth` steps backwards from the target.
TCells WalkBack(const LevelSearch& search, const TCells& target, const LevelRecipe& recipe, Dice& dice)
{
    TCells board = target;
    std::set<std::array<std::uint8_t, CellCount>> seen;
    const auto key = [](const TCells& b) { return std::to_array(b.Item); };
    seen.insert(key(board));
    for (int step = 0; step < recipe.Depth; ++step) {
        // Predecessors not yet visited, and of them those that lie further
        // from the target by the heuristic.
        std::vector<TCells> fresh, further;
        const int here = search.Bound(board);
        for (const Move& move : MovesInto(search.Table(), board)) {
            TCells before = board;
            ApplyMove(before, move);
            if (seen.contains(key(before)))
                continue;
            fresh.push_back(before);
            if (search.Bound(before) > here)
                further.push_back(before);
        }
        if (fresh.empty())
            break;
        const auto& pool = !further.empty() && dice.Chance(recipe.Bias) ? further : fresh;
        board = pool[dice.Below(pool.size())];
        seen.insert(key(board));
    }
    return board;
}

bool MeetsDeadRule(const DeadRule& rule, const StartMoves& starts)
{
    if (starts.Unknown > 0)
        return false;
    switch (rule.Rule) {
    case DeadRule::Kind::Any:
        return true;
    case DeadRule::Kind::None:
        return starts.Dead == 0;
    case DeadRule::Kind::AtLeast:
        return starts.Dead >= rule.Count;
    }
    return false;
}

// Whether every stone that can move at the start has the colour `code`.
bool OnlyColourMoves(const LevelSolver& solver, const TCells& start, int code)
{
    const auto moves = solver.MovesFrom(start);
    return std::all_of(moves.begin(), moves.end(), [&](const Move& move) { return start[move.Cell] == code; });
}

} // namespace

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
    // What the rejected walks gave, for the author.
    int lowest = 1 << 30, highest = -1, tooFar = 0, detourFailed = 0, deadRuleFailed = 0, moverFailed = 0;
    for (int attempt = recipe.FirstWalk; attempt < recipe.FirstWalk + recipe.Tries; ++attempt) {
        if (StopRequested(budget.Watch)) {
            result.Error = "stopped";
            return result;
        }
        Dice dice(recipe.Seed, static_cast<std::uint64_t>(attempt));
        const TCells start = WalkBack(search, target, recipe, dice);
        if (start == target)
            continue;
        everMoved = true;
        // The par lies at least at the bound: a start whose bound leaves no
        // room for the detour asked for within the window is no candidate.
        const int bound = solver.Bound(start);
        if (bound > recipe.ParHigh - recipe.DetourLow) {
            ++tooFar;
            continue;
        }
        // Only a proved par will do.
        SolveBudget exact = budget;
        exact.FallbackNodes = 0;
        const SolveResult solution = solver.Solve(start, exact);
        if (solution.Status != SolveStatus::Optimal)
            continue;
        const int par = static_cast<int>(solution.Moves.size());
        lowest = std::min(lowest, par);
        highest = std::max(highest, par);
        if (par < recipe.ParLow || par > recipe.ParHigh)
            continue;
        GeneratedLevel level;
        level.Detour = par - bound;
        if (level.Detour < recipe.DetourLow || level.Detour > recipe.DetourHigh) {
            ++detourFailed;
            continue;
        }
        if (recipe.OnlyMover != 0 && !OnlyColourMoves(solver, start, recipe.OnlyMover)) {
            ++moverFailed;
            continue;
        }
        level.Starts = CountDeadStarts(solver, start, solution.Moves, budget.DeadEndNodes, budget.Watch);
        if (!MeetsDeadRule(recipe.Dead, level.Starts)) {
            ++deadRuleFailed;
            continue;
        }
        level.Record = {target, start};
        level.Solution = solution;
        level.Attempt = attempt;
        result.Level = level;
        return result;
    }
    if (!everMoved) {
        result.Error = "no stone of its pattern can move, so it cannot be scrambled";
        return result;
    }
    result.Error = "no walk of " + std::to_string(recipe.Tries) + " met its rules (";
    if (highest >= 0)
        result.Error += "proved pars " + std::to_string(lowest) + " to " + std::to_string(highest);
    else
        result.Error += "no par proved";
    result.Error += ", " + std::to_string(tooFar) + " too far for the window by the bound alone";
    result.Error += "; in the par window " + std::to_string(detourFailed) + " failed the detour, " +
                    std::to_string(moverFailed) + " the one moving colour, " + std::to_string(deadRuleFailed) +
                    " the dead ends)";
    return result;
}
