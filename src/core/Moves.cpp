#include "Moves.h"

namespace {

// The direction of each colour code: `Forward` is the one-way offset, or
// the positive direction of a two-way stone; `Backward` its negative one.
struct StoneRule {
    int Forward;
    int Backward; // 0 for one-way stones
};

constexpr StoneRule Rules[13] = {
    {0, 0},    // 0: empty cell
    {+1, -1},  // 1: right / left
    {+9, -9},  // 2: down / up
    {-9, 0},   // 3: up
    {+9, 0},   // 4: down
    {-1, 0},   // 5: left
    {+1, 0},   // 6: right
    {+10, -10}, // 7: down-right / up-left
    {+8, -8},  // 8: down-left / up-right
    {-10, 0},  // 9: up-left
    {+10, 0},  // 10: down-right
    {-8, 0},   // 11: up-right
    {+8, 0},   // 12: down-left
};

} // namespace

int TwoWayStep(std::uint8_t code)
{
    if (code == 0 || code > 12 || Rules[code].Backward == 0)
        return 0;
    return Rules[code].Forward;
}

bool PartnerQualifies(const TCells& board, int cell, int offset)
{
    const int n = cell + offset;
    if (offset > 0 ? n > CellCount : n < 1)
        return false;
    // A step to the right must not land in the first column, one to the
    // left not in the last: that would wrap around into another row.
    const bool stepsRight = offset == +1 || offset == +10 || offset == -8;
    const bool stepsLeft = offset == -1 || offset == -10 || offset == +8;
    if (stepsRight && n % BoardSide == 1)
        return false;
    if (stepsLeft && n % BoardSide == 0)
        return false;
    return board[n] != 0;
}

MoveOffer StoneMove(const TCells& board, int cell)
{
    MoveOffer offer;
    const std::uint8_t code = board[cell];
    if (code == 0 || code > 12)
        return offer;
    const StoneRule rule = Rules[code];

    if (rule.Backward == 0) {
        if (PartnerQualifies(board, cell, rule.Forward)) {
            offer.Kind = MoveKind::Swap;
            offer.Offset = rule.Forward;
        }
        return offer;
    }

    const bool forward = PartnerQualifies(board, cell, rule.Forward);
    const bool backward = PartnerQualifies(board, cell, rule.Backward);
    if (forward && backward) {
        offer.Kind = MoveKind::Ring;
        offer.Ring1 = cell + rule.Forward;
        offer.Ring2 = cell + rule.Backward;
    } else if (forward || backward) {
        offer.Kind = MoveKind::Swap;
        offer.Offset = forward ? rule.Forward : rule.Backward;
    }
    return offer;
}

bool IsSolved(const TLevelRecord& level)
{
    return level.Board == level.Target;
}
