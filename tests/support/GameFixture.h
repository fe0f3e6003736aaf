// A game started the way the program starts it, in a scratch working
// directory that holds the given level file.
#pragma once

#include "GameState.h"
#include "TempDir.h"
#include "main.h"
#include "velor.h"

#include <QApplication>

#include <optional>

class GameFixture {
public:
    // `levels` is written as "velor.dat" unless it is empty and
    // `withoutLevelFile` is set.
    explicit GameFixture(const std::vector<std::uint8_t>& levels, bool withoutLevelFile = false)
        : Cwd((Prepare(levels, withoutLevelFile), Dir.Path))
    {
        Started = CreateWindows(*qApp);
    }
    ~GameFixture() { DestroyWindows(); }

    TempDir Dir;
    WorkingDirectory Cwd;
    bool Started = false;

private:
    void Prepare(const std::vector<std::uint8_t>& levels, bool withoutLevelFile)
    {
        ResetGameState();
        if (!withoutLevelFile)
            Dir.Write("velor.dat", levels);
    }
};
