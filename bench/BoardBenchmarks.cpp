// What a click and a repaint cost: the game's own windows, on the offscreen
// platform, with a full board.
#include "Daten.h"
#include "Image.h"
#include "LevelFile.h"
#include "LevelFlow.h"
#include "PaintBox.h"
#include "Pixels.h"
#include "main.h"
#include "velor.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// A full board of two-way stones, target differing, so that no press solves it.
// Cell 9 (top right corner) has only its left neighbour: each press there
// swaps the two code 1 stones at once. Cell 41's stone has partners on both
// sides: a press offers two rings.
TLevelRecord FullBoard()
{
    TLevelRecord level {};
    for (int cell = 1; cell <= CellCount; ++cell) {
        level.Board[cell] = static_cast<std::uint8_t>(1 + (cell % 12));
        level.Target[cell] = static_cast<std::uint8_t>(1 + ((cell + 5) % 12));
    }
    for (const int cell : {8, 9, 40, 41, 42})
        level.Board[cell] = 1;
    return level;
}

// The game, started as the program starts it, in a scratch directory
// holding 99 full-board levels.
class Game {
public:
    Game()
    {
        Dir = std::filesystem::temp_directory_path() / "velorin-bench";
        std::filesystem::create_directories(Dir);
        {
            std::ofstream out(Dir / "velor.dat", std::ios::binary);
            const TLevelRecord level = FullBoard();
            for (int n = 0; n < MaxLevels; ++n)
                out.write(reinterpret_cast<const char*>(&level), sizeof level);
        }
        std::filesystem::current_path(Dir);
        CreateWindows(*qApp);
        Mainform->show();
        QCoreApplication::processEvents();
    }
    ~Game()
    {
        DestroyWindows();
        std::filesystem::remove_all(Dir);
    }

private:
    std::filesystem::path Dir;
};

QPoint CentreOf(int cell)
{
    return {(cell - 1) % 9 * 40 + 65, (cell - 1) / 9 * 40 + 65};
}

void Press(int cell)
{
    const QPoint at = CentreOf(cell);
    Mainform->SpielfeldMouseDown(Qt::LeftButton, at.x(), at.y());
}

// A press that swaps at once: the move, its two cells drawn again, the
// points shown, the solved test, and the window painted on screen.
void BM_SpielfeldMouseDown(benchmark::State& state)
{
    for (auto _ : state) {
        Points = PointsPerAttempt;
        Press(9);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SpielfeldMouseDown);

// A press that offers two rings, then the press on one of them.
void BM_RingPress(benchmark::State& state)
{
    for (auto _ : state) {
        Points = PointsPerAttempt;
        Press(41);
        QCoreApplication::processEvents();
        Press(42);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RingPress);

void BM_SpielfeldPaint(benchmark::State& state)
{
    for (auto _ : state) {
        Mainform->SpielfeldPaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SpielfeldPaint);

void BM_ShowZiel(benchmark::State& state)
{
    for (auto _ : state) {
        Mainform->ShowZiel();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ShowZiel);

void BM_ShowZiffer(benchmark::State& state)
{
    std::int32_t value = 1200;
    for (auto _ : state) {
        Mainform->ShowZiffer(value, 68);
        value = value == 0 ? 1200 : value - 5;
    }
}
BENCHMARK(BM_ShowZiffer);

// Yardsticks, measured in the same run so that the figures above can be
// held to ratios whatever the machine: the bare pixel work of each figure,
// done with the game's own primitives and pictures, and for the figures
// that include showing it, shown by the plainest widget there is.

// One widget, its own picture, painted where it was drawn on.
class TBareCanvas : public QWidget {
public:
    TBareCanvas() : Picture(697, 478, QImage::Format_RGB32)
    {
        Picture.fill(Qt::black);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(Picture.size());
        show();
        QCoreApplication::processEvents();
    }
    QImage Picture;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), Picture, event->rect());
    }
};

// A move: two stones drawn, the points field copied, all three shown.
void BM_YardstickMove(benchmark::State& state)
{
    TBareCanvas bare;
    const QImage& panel = Mainform->Auswertung->Picture;
    const QRect first(365, 45, 40, 40), second(325, 45, 40, 40), field(500, 400, 80, 14);
    for (auto _ : state) {
        DrawTransparent(bare.Picture, first.topLeft(), Mainform->Farbe[1]);
        DrawTransparent(bare.Picture, second.topLeft(), Mainform->Farbe[2]);
        CopyRect(bare.Picture, field.topLeft(), panel, QRect(100, 85, 80, 14));
        bare.update(first);
        bare.update(second);
        bare.update(field);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_YardstickMove);

// A full repaint: the background copied, 81 stones drawn, all shown.
void BM_YardstickPaint(benchmark::State& state)
{
    TBareCanvas bare;
    for (auto _ : state) {
        CopyRect(bare.Picture, {0, 0}, Mainform->Hintergrund, QRect(0, 0, 450, 450));
        for (int cell = 1; cell <= CellCount; ++cell)
            DrawTransparent(bare.Picture, CentreOf(cell) - QPoint(20, 20),
                            Mainform->Farbe[static_cast<std::size_t>(1 + cell % 12)]);
        bare.update(0, 0, 450, 450);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_YardstickPaint);

// A number: the field wiped, four digits set, the field copied back.
void BM_YardstickZiffer(benchmark::State& state)
{
    QImage& panel = Mainform->Auswertung->Picture;
    QImage& strip = Mainform->Zahlen;
    for (auto _ : state) {
        CopyRect(strip, {120, 0}, panel, QRect(100, 85, 80, 14));
        for (int digit = 0; digit < 4; ++digit)
            CopyRect(strip, {152 + digit * 12, 0}, strip, QRect(digit * 12, 0, 12, 14));
        CopyRect(panel, {100, 68}, strip, QRect(120, 0, 80, 14));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_YardstickZiffer);

void BM_LoadFile99Levels(benchmark::State& state)
{
    for (auto _ : state)
        Mainform->LoadFile();
    state.counters["levels"] = LevelCount;
}
BENCHMARK(BM_LoadFile99Levels);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        // The benchmarks work on this game; it goes before the application.
        Game game;
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
