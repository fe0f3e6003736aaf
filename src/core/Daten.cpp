#include "Daten.h"

// Zero-initialised, as every variable is when the game starts.
TLevelTable LevelTable {};
std::uint16_t LevelCount = 0;
std::uint16_t CurrentLevel = 0;
TLevelRecord CurrentRecord {};
std::int32_t Points = 0;
std::int32_t TotalScore = 0;
std::uint8_t Attempt = 0;
std::uint8_t ReadyForStone = 0;
std::int8_t SelectedCell = 0;
std::int8_t RingCell1 = 0;
std::int8_t RingCell2 = 0;
std::int32_t DialogLeft = 0;
std::int32_t DialogTop = 0;
bool StartedFromCD = false;
TListProtection ListProtection = TListProtection::None;
int ListProtectionReason = 0;
std::int32_t HighScoreMark = 0;
bool EnterNewScore = false;
std::uint8_t EntryPlace = 0;
THighScoreTable ScoreTable {};

// Keep beside the definitions above: a variable added there is reset here.
void ResetGameState()
{
    LevelTable = {};
    LevelCount = 0;
    CurrentLevel = 0;
    CurrentRecord = {};
    Points = 0;
    TotalScore = 0;
    Attempt = 0;
    ReadyForStone = 0;
    SelectedCell = 0;
    RingCell1 = 0;
    RingCell2 = 0;
    DialogLeft = 0;
    DialogTop = 0;
    StartedFromCD = false;
    ListProtection = TListProtection::None;
    ListProtectionReason = 0;
    HighScoreMark = 0;
    EnterNewScore = false;
    EntryPlace = 0;
    ScoreTable = {};
}
