// Fuzz target: the reader of "velor.dat", and the move rule on every board
// it loads (any byte may reach the board as a colour code).
#include "FuzzCheck.h"

#include "IoError.h"
#include "LevelFile.h"
#include "Moves.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr unsigned char Untouched = 0xA5;

// Every partner a press offers lies on the board next to the stone (no
// wrap into another row), and holds something.
void CheckPartner(const TCells& board, int cell, int partner)
{
    FUZZ_CHECK(partner >= 1 && partner <= CellCount);
    FUZZ_CHECK(board[partner] != 0);
    const int rows = (partner - 1) / BoardSide - (cell - 1) / BoardSide;
    const int columns = (partner - 1) % BoardSide - (cell - 1) % BoardSide;
    FUZZ_CHECK(std::abs(rows) <= 1 && std::abs(columns) <= 1 && (rows != 0 || columns != 0));
}

void CheckMoves(const TCells& board)
{
    for (int cell = 1; cell <= CellCount; ++cell) {
        const MoveOffer offer = StoneMove(board, cell);
        switch (offer.Kind) {
        case MoveKind::None:
            break;
        case MoveKind::Swap:
            FUZZ_CHECK(board[cell] >= 1 && board[cell] <= 12);
            CheckPartner(board, cell, cell + offer.Offset);
            break;
        case MoveKind::Ring:
            FUZZ_CHECK(TwoWayStep(board[cell]) != 0);
            CheckPartner(board, cell, offer.Ring1);
            CheckPartner(board, cell, offer.Ring2);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TLevelTable table; // 16 KB, kept off the stack
    std::memset(&table, Untouched, sizeof table);
    const LevelFileResult result = ParseLevelFile({data, size}, table);

    const std::size_t whole = size / LevelRecordSize;
    FUZZ_CHECK(result.Count == std::min<std::size_t>(whole, MaxLevels));
    FUZZ_CHECK((result.Status == LevelFileStatus::TooMany) == (whole > MaxLevels));
    FUZZ_CHECK((result.Status == LevelFileStatus::Partial) == (whole <= MaxLevels && size % LevelRecordSize != 0));
    FUZZ_CHECK((result.Status == LevelFileStatus::Partial) == (result.IoError == IoReadBeyondEnd));

    for (int n = 1; n <= result.Count; ++n) {
        FUZZ_CHECK(std::memcmp(&table[n], data + (n - 1) * LevelRecordSize, LevelRecordSize) == 0);
        CheckMoves(table[n].Board);
        (void)IsSolved(table[n]);
    }
    // The table's other levels are left as they were.
    const auto* raw = reinterpret_cast<const unsigned char*>(&table);
    FUZZ_CHECK(std::all_of(raw + result.Count * LevelRecordSize, raw + sizeof table,
                           [](unsigned char b) { return b == Untouched; }));
    return 0;
}
