// High-score lists for tests.
#pragma once

#include "HighScore.h"

#include <string>

// A full list: place p holds "Spieler<p>", level p and 1000 - 10p.
inline THighScoreTable FullTable()
{
    THighScoreTable table {};
    for (int place = 1; place <= Places; ++place) {
        SetNameBytes(table, place, "Spieler" + std::to_string(place));
        table.Levels[place] = static_cast<std::uint8_t>(place);
        table.Scores[place] = 1000 - 10 * place;
    }
    return table;
}
