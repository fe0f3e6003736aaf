#include "Symbols.h"

#include "Moves.h"

#include <set>

namespace {

const char* ScreenDirection(int from, int to)
{
    const int rows = (to - 1) / BoardSide - (from - 1) / BoardSide;
    const int columns = (to - 1) % BoardSide - (from - 1) % BoardSide;
    static const char* const Names[3][3] = {
        {"up-left", "up", "up-right"},
        {"left", "nowhere", "right"},
        {"down-left", "down", "down-right"},
    };
    return Names[rows + 1][columns + 1];
}

} // namespace

char SymbolOf(std::uint8_t code)
{
    if (code == 0)
        return '.';
    if (code <= 9)
        return static_cast<char>('0' + code);
    if (IsStone(code))
        return static_cast<char>('A' + code - 10);
    return '#';
}

std::optional<std::uint8_t> CodeOfSymbol(char symbol)
{
    if (symbol == '.')
        return 0;
    if (symbol >= '1' && symbol <= '9')
        return static_cast<std::uint8_t>(symbol - '0');
    if (symbol >= 'A' && symbol <= 'C')
        return static_cast<std::uint8_t>(symbol - 'A' + 10);
    return std::nullopt;
}

std::string DirectionsOf(std::uint8_t code)
{
    // In the middle of a board full of stones every allowed direction is
    // offered; the rule itself tells which.
    constexpr int Middle = 41;
    TCells board {};
    for (int cell = 1; cell <= CellCount; ++cell)
        board[cell] = BlockCode;
    board[Middle] = code;
    const MoveOffer offer = StoneMove(board, Middle);
    if (offer.Kind == MoveKind::Swap)
        return ScreenDirection(Middle, Middle + offer.Offset);
    if (offer.Kind == MoveKind::Ring)
        return std::string(ScreenDirection(Middle, offer.Ring1)) + " or " + ScreenDirection(Middle, offer.Ring2);
    return "cannot move";
}

std::string ColoursOf(const TCells& board)
{
    std::set<int> codes;
    for (int cell = 1; cell <= CellCount; ++cell)
        if (board[cell] != 0)
            codes.insert(board[cell]);
    std::string text;
    for (int code : codes)
        text += (text.empty() ? "" : ", ") + std::to_string(code);
    return text;
}
