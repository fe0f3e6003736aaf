// A game started the way the program starts it, in a scratch working
// directory that holds the given level file.
#pragma once

#include "Daten.h"
#include "TempDir.h"
#include "main.h"
#include "velor.h"

#include <QApplication>

#include <functional>

class GameFixture {
public:
    // `levels` is written as "velor.dat"; `prepare` may put further files
    // into the directory before the game starts.
    using Preparation = std::function<void(const TempDir&)>;
    explicit GameFixture(const std::vector<std::uint8_t>& levels, const Preparation& prepare = {})
        : Cwd((Prepare(levels, prepare), Dir.Path))
    {
        Started = CreateWindows(*qApp);
    }
    ~GameFixture() { DestroyWindows(); }

    TempDir Dir;
    WorkingDirectory Cwd;
    bool Started = false;

private:
    void Prepare(const std::vector<std::uint8_t>& levels, const Preparation& prepare)
    {
        ResetGameState();
        Dir.Write("velor.dat", levels);
        if (prepare)
            prepare(Dir);
    }
};
