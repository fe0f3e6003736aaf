// Puts the shared game state back to how it is when the program starts.
#pragma once

#include "Daten.h"
#include "HighScore.h"

inline void ResetGameState()
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
    HighScoreMark = 0;
    EnterNewScore = false;
    EntryPlace = 0;
    ScoreTable = {};
}
