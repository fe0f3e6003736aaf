// The levels of the collection: a small picture of each target, drawn with
// the game's small stones, its number, par and difficulty.
#pragma once

#include "LevelRecord.h"

#include <QListWidget>

#include <vector>

class BoardPictures;

class LevelList : public QListWidget {
    Q_OBJECT
public:
    LevelList(const BoardPictures& pictures, QWidget* parent);

    // `facts`: per level, a line of par and difficulty (empty while unknown).
    void ShowLevels(const std::vector<TLevelRecord>& levels, const std::vector<QString>& facts, int current);

signals:
    void LevelChosen(int index);

private:
    const BoardPictures& Pictures;
    std::vector<TLevelRecord> Shown; // what the pictures show, so unchanged ones are not redrawn
};
