#include "GameProcess.h"

#include "DigitReader.h"
#include "Levels.h"

#include <fstream>

QImage Asset(const char* name)
{
    return QImage(QStringLiteral(VELORIN_ASSETS "/%1").arg(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
}

TLevelRecord OneMoveLevel()
{
    return MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}});
}

TLevelRecord RingLevel()
{
    return MakeLevel({{1, 3}, {2, 5}, {3, 1}}, {{40, 3}, {41, 1}, {42, 5}, {60, 4}, {69, 2}});
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Game::Game(XDisplay& screen, const std::vector<std::uint8_t>& levels, bool withLevelFile,
           std::vector<std::string> environment)
    : Screen(screen), Dir(std::make_shared<TempDir>())
{
    if (withLevelFile)
        Dir->Write("velor.dat", levels);
    Start(std::move(environment));
}

Game::Game(XDisplay& screen, const Game& first, std::vector<std::string> environment) : Screen(screen), Dir(first.Dir)
{
    Start(std::move(environment));
}

void Game::Start(std::vector<std::string> environment)
{
    environment.insert(environment.begin(), "DISPLAY=" + Screen.Name());
    Process = std::make_unique<ChildProcess>(std::vector<std::string> {VELORIN_BINARY}, Dir->Path.string(),
                                             environment);
}

Game::~Game()
{
    Process->Stop();
}

bool Game::WaitForMainWindow()
{
    const auto window = Screen.FindWindow(QStringLiteral("Velorin"), 15);
    if (!window)
        return false;
    MainId = *window;
    Screen.Settle();
    Main = Screen.Geometry(MainId);
    MainOuter = Screen.OuterGeometry(MainId);
    return Main.size() == QSize(697, 478);
}

bool Game::Focus() const
{
    Screen.Click(Main.topLeft() + QPoint(3, 3));
    return Screen.WaitForFocus(MainId);
}

QPoint Game::CellCentre(int cell) const
{
    return Main.topLeft() + QPoint(15 + 45 + (cell - 1) % 9 * 40 + 20, 15 + 45 + (cell - 1) / 9 * 40 + 20);
}

QRect Game::CellArea(int cell) const
{
    return {CellCentre(cell) - QPoint(20, 20), QSize(40, 40)};
}

void Game::ClickCell(int cell)
{
    if (!FirstPress)
        FirstPress = std::chrono::steady_clock::now();
    Screen.Click(CellCentre(cell));
    Screen.Settle(0.15);
}

void Game::ClickScoreSide(QPoint inPanel) const
{
    Screen.Click(Main.topLeft() + QPoint(478, 10) + inPanel);
}

int Game::ScoreRow(int row) const
{
    const QImage panel = Screen.Grab(QRect(Main.topLeft() + QPoint(478 + 15, 10 + 312), QSize(180, 135)));
    return ReadNumber(panel, Asset("Zahlen.bmp"), row);
}

::testing::AssertionResult Game::ScoreRowShows(int row, int value) const
{
    int seen = -1;
    if (WaitFor([&] { return (seen = ScoreRow(row)) == value; }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "row " << row << " shows " << seen << ", not " << value;
}

::testing::AssertionResult Game::PointsShowMoves(int moves) const
{
    const auto ticksAtMost = [this] {
        if (!FirstPress)
            return 0;
        const std::chrono::duration<double> since = std::chrono::steady_clock::now() - *FirstPress;
        return static_cast<int>(since.count()) + 1;
    };
    int seen = -1;
    const auto fits = [&] {
        seen = ScoreRow(68);
        const int ticks = (1200 - 5 * moves - seen) / 5;
        return seen % 5 == 0 && ticks >= 0 && ticks <= ticksAtMost();
    };
    if (WaitFor(fits))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the points show " << seen << ", not 1200 less " << moves
                                         << " moves and at most " << ticksAtMost() << " ticks";
}

std::optional<QPoint> Game::DialogOpens(const QString& title) const
{
    const auto window = Screen.FindWindow(title);
    if (!window || !Screen.WaitForFocus(*window))
        return std::nullopt;
    Screen.Settle(0.15);
    return Screen.OuterGeometry(*window).topLeft() - Screen.OuterGeometry(MainId).topLeft();
}

bool CellShowsNow(const Game& game, int cell, const QImage& picture)
{
    const QImage shown = game.Screen.Grab(game.CellArea(cell));
    const QRgb transparent = picture.pixel(0, picture.height() - 1);
    int compared = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (picture.pixel(x, y) == transparent)
                continue;
            if (shown.pixel(x, y) != picture.pixel(x, y))
                return false;
            ++compared;
        }
    }
    return compared > 0;
}

bool CellShows(const Game& game, int cell, const QImage& picture)
{
    return WaitFor([&] { return CellShowsNow(game, cell, picture); }, 2);
}

bool CursorOn(const Game& game, int cell)
{
    // White between black lines at the cell's corner.
    return WaitFor(
        [&] {
            const QImage shown = game.Screen.Grab(game.CellArea(cell));
            return shown.pixel(0, 0) == qRgb(0, 0, 0) && shown.pixel(1, 1) == qRgb(255, 255, 255)
                && shown.pixel(3, 3) == qRgb(0, 0, 0);
        },
        2);
}
