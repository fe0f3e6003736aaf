// velorin-levels show FILE N
#include "Commands.h"
#include "LevelInput.h"
#include "StoneRules.h"
#include "Symbols.h"

#include <ostream>
#include <set>

namespace {

std::string RowText(const TCells& cells, int row)
{
    std::string text;
    for (int column = 0; column < BoardSide; ++column) {
        text += SymbolOf(cells[row * BoardSide + column + 1]);
        text += column + 1 < BoardSide ? " " : "";
    }
    return text;
}

} // namespace

int RunShow(const Args& args, std::ostream& out, std::ostream& err)
{
    int number = 0;
    const auto level = LevelOfCall(args, "show", err, number);
    if (!level)
        return 2;
    out << "Level " << number << "\n"
        << "cell  Board               Target\n";
    for (int row = 0; row < BoardSide; ++row) {
        const int first = row * BoardSide + 1;
        out << (first < 10 ? "   " : "  ") << first << "  " << RowText(level->Board, row) << "   "
            << RowText(level->Target, row) << "\n";
    }
    std::set<int> codes;
    for (int cell = 1; cell <= CellCount; ++cell)
        if (level->Board[cell] != 0)
            codes.insert(level->Board[cell]);
    for (int code : codes) {
        if (IsStone(code))
            out << SymbolOf(static_cast<std::uint8_t>(code)) << " = code " << code << ", moves "
                << DirectionsOf(static_cast<std::uint8_t>(code)) << "\n";
        else
            out << "# = code " << code << ", an invisible block\n";
    }
    return 0;
}
