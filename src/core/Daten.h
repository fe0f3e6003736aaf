// The state that the whole game shares: the level table, the level being
// played, points, attempt, ring choice, the high-score list and the
// hand-over to the dialogs. Plain process-wide variables, read and written
// by the level flow and the window handlers.
#pragma once

#include "HighScore.h"
#include "LevelRecord.h"

#include <cstdint>

extern TLevelTable LevelTable;
extern std::uint16_t LevelCount;
extern std::uint16_t CurrentLevel;
extern TLevelRecord CurrentRecord;
extern std::int32_t Points;
extern std::int32_t TotalScore;
extern std::uint8_t Attempt;
extern std::uint8_t ReadyForStone;
extern std::int8_t SelectedCell;
extern std::int8_t RingCell1;
extern std::int8_t RingCell2;
extern std::int32_t DialogLeft;
extern std::int32_t DialogTop;
extern bool StartedFromCD;
// Why the list is not written this run besides a start from a CD-ROM: the
// list on the disk could not be read, so writing would drop entries
// nobody has seen, or the directory could not be locked, so a second game
// there might be writing too. The errno says why.
enum class TListProtection : std::uint8_t {
    None,
    UnreadableList,
    NoLock
};
extern TListProtection ListProtection;
extern int ListProtectionReason;
extern std::int32_t HighScoreMark;
extern bool EnterNewScore;
extern std::uint8_t EntryPlace;
extern THighScoreTable ScoreTable;

// Puts every variable above back to how it is when the program starts
// (all zero); the tests start each game from there.
void ResetGameState();
