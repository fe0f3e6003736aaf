#include "Daten.h"

// Zero-initialised, as every variable is when the game starts.
TLevelTable LevelTable{};
std::uint16_t LevelCount = 0;
std::uint16_t CurrentLevel = 0;
TLevelRecord CurrentRecord{};
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
std::int32_t HighScoreMark = 0;
bool EnterNewScore = false;
std::uint8_t EntryPlace = 0;
