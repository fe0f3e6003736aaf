// The real game, build/velorin, started in a scratch working directory on
// a test's X server, and what the tests read off its main window.
#pragma once

#include "ChildProcess.h"
#include "LevelRecord.h"
#include "TempDir.h"
#include "XDisplay.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A picture of the game's assets, as the screen shows it.
QImage Asset(const char* name);

TLevelRecord OneMoveLevel(); // the code 6 stone on cell 41 moves right and solves it
TLevelRecord RingLevel();    // the code 1 stone on cell 41 has partners on both sides

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);

class Game {
public:
    // Writes `levels` as "velor.dat" (unless told not to) and starts the
    // game with `environment` added; by default on the X11 platform.
    Game(XDisplay& screen, const std::vector<std::uint8_t>& levels, bool withLevelFile = true,
         std::vector<std::string> environment = {"QT_QPA_PLATFORM=xcb"});
    // A further game in the directory of `first`.
    Game(XDisplay& screen, const Game& first, std::vector<std::string> environment = {"QT_QPA_PLATFORM=xcb"});
    ~Game();

    // The main window, once it shows; false when it does not.
    bool WaitForMainWindow();
    // Clicks the window's black margin, which gives it the keyboard.
    bool Focus() const;

    QPoint CellCentre(int cell) const;
    QRect CellArea(int cell) const;
    void ClickCell(int cell);
    // Presses a button of the score side by its place in the panel.
    void ClickScoreSide(QPoint inPanel) const;

    // A row of the score panel, read from the screen glyph by glyph.
    int ScoreRow(int row) const;
    // Waits until a row of the score panel shows `value`.
    ::testing::AssertionResult ScoreRowShows(int row, int value) const;
    // Waits until the points show an attempt's 1200 less `moves` moves and
    // the clock's ticks since the first press on the board, however many
    // the clock has had time for: a loaded machine may be slow to look.
    ::testing::AssertionResult PointsShowMoves(int moves) const;

    // A dialog of this title, once it is open and has the keyboard: where
    // its outer corner lies relative to the main window's outer corner.
    std::optional<QPoint> DialogOpens(const QString& title) const;

    XDisplay& Screen;
    std::shared_ptr<TempDir> Dir;
    std::unique_ptr<ChildProcess> Process;
    unsigned long MainId = 0;
    std::optional<std::chrono::steady_clock::time_point> FirstPress; // starts the clock
    QRect Main;                                                      // the client area on the screen
    QRect MainOuter;                                                 // with the window manager's frame

private:
    void Start(std::vector<std::string> environment);
};

// True when the cell shows `picture` wherever the picture is not its
// transparent bottom-left colour; the second waits for it a moment.
bool CellShowsNow(const Game& game, int cell, const QImage& picture);
bool CellShows(const Game& game, int cell, const QImage& picture);

// Waits a moment for the keyboard's cursor on a cell.
bool CursorOn(const Game& game, int cell);
