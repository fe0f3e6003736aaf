// The real editor in a real X window on a private X server: it opens a
// level file, a stone is painted on the target with the mouse, the par of
// the changed level is awaited, and "Speichern" writes what was painted;
// once another program has changed the file, "Speichern" asks first. A
// level whose proof of par takes seconds is stopped and searched on.
#include "Analysis.h"
#include "ChildProcess.h"
#include "CollectionFile.h"
#include "Generator.h"
#include "Levels.h"
#include "Random.h"
#include "Scramble.h"
#include "Solver.h"
#include "TempDir.h"
#include "XDisplay.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <optional>
#include <thread>

namespace {

constexpr int AnchorCode = 9;         // moves up-left only: on cell 1 it never moves
constexpr int BoardMarginPixels = 45; // of the game's board picture, before cell 1
constexpr int StonePixels = 40;

// A row of stones whose code 2 stone must go four cells left (each 6 moves
// right only), and a marker stone on cell 1 of target and start.
TLevelRecord Level()
{
    return MakeLevel({{1, AnchorCode}, {39, 2}, {40, 6}, {41, 6}, {42, 6}, {43, 6}},
                     {{1, AnchorCode}, {39, 6}, {40, 6}, {41, 6}, {42, 6}, {43, 2}});
}

QImage Stone(int code)
{
    return QImage(QStringLiteral(VELORIN_ASSETS "/main/Farbe%1.bmp").arg(code)).convertToFormat(QImage::Format_RGB32);
}

// Every place where `screen` shows `stone`, its transparent colour left out.
std::vector<QPoint> FindAll(const QImage& screen, const QImage& stone)
{
    const QRgb transparent = stone.pixel(0, stone.height() - 1);
    std::vector<QPoint> opaque;
    for (int y = 0; y < stone.height(); ++y)
        for (int x = 0; x < stone.width(); ++x)
            if (stone.pixel(x, y) != transparent)
                opaque.emplace_back(x, y);
    std::vector<QPoint> found;
    for (int y = 0; y + stone.height() <= screen.height(); ++y)
        for (int x = 0; x + stone.width() <= screen.width(); ++x)
            if (std::all_of(opaque.begin(), opaque.end(),
                            [&](QPoint p) { return screen.pixel(x + p.x(), y + p.y()) == stone.pixel(p.x(), p.y()); }))
                found.emplace_back(x, y);
    return found;
}

// Cell 1 of the target: of the two boards side by side, each showing the
// marker stone there, the left one (the palette shows the stone too, alone
// in its row).
std::optional<QPoint> TargetAnchor(const QImage& screen)
{
    const std::vector<QPoint> found = FindAll(screen, Stone(AnchorCode));
    for (const QPoint left : found)
        for (const QPoint right : found)
            if (right.y() == left.y() && right.x() >= left.x() + 9 * StonePixels)
                return left;
    return std::nullopt;
}

std::vector<std::uint8_t> Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QPoint CellCentre(QPoint boardCorner, int cell)
{
    return boardCorner
        + QPoint(BoardMarginPixels + (cell - 1) % 9 * StonePixels + StonePixels / 2,
                 BoardMarginPixels + (cell - 1) / 9 * StonePixels + StonePixels / 2);
}

} // namespace

TEST(EditorOnScreen, OpensPaintsAStoneWaitsForParAndSaves)
{
    XDisplay screen;
    TempDir dir;
    const auto path = dir.Write("levels.dat", CollectionBytes({Level()}));
    ChildProcess editor({VELORIN_EDITOR_BINARY, path.string()}, dir.Path.string(),
                        {"DISPLAY=" + screen.Name(), "QT_QPA_PLATFORM=xcb"});
    const auto window = screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat"), 15);
    ASSERT_TRUE(window);
    std::optional<QPoint> anchor;
    ASSERT_TRUE(WaitFor([&] { return (anchor = TargetAnchor(screen.Grab())).has_value(); }));
    const QPoint target = *anchor - QPoint(BoardMarginPixels, BoardMarginPixels);

    // The palette starts on stone 1: it goes onto the empty cell after the row.
    // The start gets it on the same cell.
    screen.Click(CellCentre(target, 44));
    ASSERT_TRUE(screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat*"), 5));
    TLevelRecord painted = Level();
    painted.Target[44] = painted.Board[44] = 1;
    const SolveResult solved = Solve(painted);
    ASSERT_EQ(solved.Status, SolveStatus::Optimal);

    // Once the par is proved, "Lösung zeigen" names it. While the proof
    // still runs (on a busy machine) it shows the quick solution, its par
    // not proved: that window is closed and the solution asked for again.
    const QString solution = QStringLiteral("Lösung – Par %1").arg(solved.Moves.size());
    const QString anySolution = QStringLiteral("Lösung – ");
    ASSERT_TRUE(WaitFor(
        [&] {
            if (screen.FindWindowStarting(anySolution, 0)) {
                screen.Key("Escape");
                EXPECT_TRUE(WaitFor([&] { return !screen.FindWindowStarting(anySolution, 0); }));
            }
            screen.ControlKey("l");
            return screen.FindWindow(solution, 0.5).has_value();
        },
        20));
    screen.Key("Escape");
    ASSERT_TRUE(screen.WindowGone(solution));
    EXPECT_EQ(screen.CountWindows(solution), 0); // the shortcut pressed again opened no second one

    ASSERT_TRUE(screen.WaitForFocus(*window)); // the keyboard comes back from the closed window
    screen.ControlKey("s");
    ASSERT_TRUE(screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat"), 5));
    EXPECT_EQ(Slurp(path), CollectionBytes({painted}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path), {}), 1); // no temporary left

    // Undone and redone with the README's keys, on this desktop's key theme:
    // back at the state saved.
    screen.ControlKey("z");
    ASSERT_TRUE(screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat*"), 5));
    screen.ControlKey("y");
    ASSERT_TRUE(screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat"), 5));

    // Another program writes the file; a further stone is painted. "Nein"
    // leaves the other program's file and the painting unsaved, "Ja" saves.
    const std::vector<std::uint8_t> theirs = CollectionBytes({Level(), Level()});
    dir.Write("levels.dat", theirs);
    screen.Click(CellCentre(target, 45));
    ASSERT_TRUE(screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat*"), 5));
    painted.Target[45] = painted.Board[45] = 1;
    const QString question = QStringLiteral("Datei geändert");
    const auto saveAndAnswer = [&](const char* key) {
        screen.ControlKey("s");
        const auto box = screen.FindWindow(question, 5);
        if (!box || !screen.WaitForFocus(*box))
            return false;
        screen.Key(key); // the buttons' letters: "&Ja", "&Nein"
        if (!screen.WindowGone(question))
            return false;
        return screen.WaitForFocus(*window);
    };
    ASSERT_TRUE(saveAndAnswer("n"));
    EXPECT_EQ(Slurp(path), theirs);
    EXPECT_TRUE(screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat*"), 1));
    ASSERT_TRUE(saveAndAnswer("j"));
    ASSERT_TRUE(screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat"), 5));
    EXPECT_EQ(Slurp(path), CollectionBytes({painted}));
}

namespace {

// A 6 x 6 picture of five colours, walked back 45 steps: the quick search
// solves it at once, the proof of its par 35 takes some seconds.
TLevelRecord SlowToProve()
{
    constexpr int Side = 6, Colours = 5, Depth = 45, Seed = 6, Stream = 11;
    Dice dice(Seed, Stream);
    TCells target {};
    for (int row = 0; row < Side; ++row)
        for (int column = 0; column < Side; ++column)
            target[1 + row * BoardSide + column] = static_cast<std::uint8_t>(1 + dice.Below(Colours));
    const LevelSearch search(TLevelRecord {target, target});
    return {target, WalkBackwards(search, target, Depth, AwayBias, dice).Start};
}

QString UnprovedTitle(std::size_t moves)
{
    return QStringLiteral("Lösung – %1 Züge, Par nicht bewiesen").arg(moves);
}

} // namespace

// The analysis on demand, by its keys: the quick solution shows while the
// proof runs, Esc stops the proof and keeps that solution, and
// Ctrl+Shift+L goes on until the par is proved.
TEST(EditorOnScreen, StopsTheProofKeepsItsSolutionAndSearchesOn)
{
    const TLevelRecord level = SlowToProve();
    // What the editor will do, done here first: how long the proof takes on
    // this machine is how long a stopped proof must stay stopped.
    const LevelSolver solver(level);
    const SolveResult quick = solver.QuickSolution(level.Board, QuickSeconds);
    ASSERT_FALSE(quick.Moves.empty());
    const auto began = std::chrono::steady_clock::now();
    const SolveResult proved = solver.Solve(level.Board, EditorBudget(nullptr), quick.Moves);
    const double proofSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    ASSERT_EQ(proved.Status, SolveStatus::Optimal);
    ASSERT_LT(proved.Moves.size(), quick.Moves.size()); // else nothing would tell the proof's end

    XDisplay screen(WindowManager::Openbox); // a desktop that gives the window the keyboard
    TempDir dir;
    const auto path = dir.Write("levels.dat", CollectionBytes({level}));
    ChildProcess editor({VELORIN_EDITOR_BINARY, path.string()}, dir.Path.string(),
                        {"DISPLAY=" + screen.Name(), "QT_QPA_PLATFORM=xcb"});
    const auto window = screen.FindWindow(QStringLiteral("Velorin-Editor – levels.dat"), 15);
    ASSERT_TRUE(window);
    ASSERT_TRUE(screen.WaitForFocus(*window));
    const QString unproved = UnprovedTitle(quick.Moves.size());
    const QString par = QStringLiteral("Lösung – Par %1").arg(proved.Moves.size());
    // "Lösung zeigen": the title of the window it opens, closed again; empty
    // while no solution is known.
    const auto shownSolution = [&]() -> QString {
        screen.ControlKey("l");
        QString shown;
        WaitFor(
            [&] {
                for (const QString& title : {unproved, par})
                    if (screen.FindWindow(title, 0))
                        shown = title;
                return !shown.isEmpty();
            },
            0.5);
        if (!shown.isEmpty()) {
            screen.Key("Escape");
            EXPECT_TRUE(screen.WindowGone(shown) && screen.WaitForFocus(*window));
        }
        return shown;
    };
    ASSERT_TRUE(WaitFor([&] { return shownSolution() == unproved; }, 15)) << "the quick one, while the proof runs";

    screen.Key("Escape"); // Stopp
    std::this_thread::sleep_for(std::chrono::duration<double>(2 * proofSeconds + 1));
    ASSERT_EQ(shownSolution(), unproved) << "stopped: the proof went no further, the solution is kept";

    screen.ControlShiftKey("l"); // Länger suchen
    EXPECT_TRUE(WaitFor([&] { return shownSolution() == par; }, 10 * proofSeconds + 30));
}
