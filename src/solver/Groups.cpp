#include "Groups.h"

#include "Moves.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace {

// The cells of `cells` that a stone of `code` on `cell` may swap with.
std::vector<int> PartnersOf(const TCells& board, int cell, std::uint8_t code)
{
    TCells probe = board;
    probe[cell] = code;
    const MoveOffer offer = StoneMove(probe, cell);
    if (offer.Kind == MoveKind::Swap)
        return {cell + offer.Offset};
    if (offer.Kind == MoveKind::Ring)
        return {offer.Ring1, offer.Ring2};
    return {};
}

// The connected parts of `cells` when two cells are joined if a stone of
// one of `codes` may swap between them. Each part is ascending.
std::vector<std::vector<int>> Components(const TCells& board, const std::vector<int>& cells,
                                         const std::set<std::uint8_t>& codes)
{
    std::vector<int> root(CellCount + 1);
    std::iota(root.begin(), root.end(), 0);
    const auto find = [&root](int cell) {
        while (root[cell] != cell)
            cell = root[cell] = root[root[cell]];
        return cell;
    };
    const std::set<int> inside(cells.begin(), cells.end());
    for (const int cell : cells)
        for (const std::uint8_t code : codes)
            for (const int partner : PartnersOf(board, cell, code))
                if (inside.contains(partner))
                    root[find(cell)] = find(partner);
    std::vector<std::vector<int>> parts;
    std::vector<int> partOfRoot(CellCount + 1, -1);
    for (const int cell : cells) {
        int& part = partOfRoot[find(cell)];
        if (part < 0) {
            part = static_cast<int>(parts.size());
            parts.emplace_back();
        }
        parts[part].push_back(cell);
    }
    return parts;
}

} // namespace

std::vector<LevelGroup> GroupsOf(const TCells& board)
{
    std::vector<int> occupied;
    for (int cell = 1; cell <= CellCount; ++cell)
        if (board[cell] != 0)
            occupied.push_back(cell);
    // Split by the codes of the whole part, then again by the codes each
    // piece holds, until no piece falls apart any more.
    std::vector<LevelGroup> groups;
    std::vector<std::vector<int>> pending {occupied};
    while (!pending.empty()) {
        const std::vector<int> part = std::move(pending.back());
        pending.pop_back();
        if (part.empty())
            continue;
        std::set<std::uint8_t> codes;
        for (const int cell : part)
            codes.insert(board[cell]);
        auto pieces = Components(board, part, codes);
        if (pieces.size() > 1) {
            for (auto& piece : pieces)
                pending.push_back(std::move(piece));
            continue;
        }
        LevelGroup group;
        group.Cells = part;
        group.Frozen = part.size() == 1;
        groups.push_back(std::move(group));
    }
    std::sort(groups.begin(), groups.end(),
              [](const LevelGroup& a, const LevelGroup& b) { return a.Cells.front() < b.Cells.front(); });
    return groups;
}

TCells Restricted(const TCells& cells, const LevelGroup& group)
{
    TCells part {};
    for (const int cell : group.Cells)
        part[cell] = cells[cell];
    return part;
}
