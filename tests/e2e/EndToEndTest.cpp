// The real game in a real X window, played with the mouse and the
// keyboard: each case starts build/velorin on a private X server, in a
// scratch working directory with its own level file.
#include "ChildProcess.h"
#include "DigitReader.h"
#include "Levels.h"
#include "TempDir.h"
#include "XDisplay.h"

#include <gtest/gtest.h>

#include <QImage>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

XDisplay* Screen = nullptr;

class XServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override { Screen = new XDisplay(); }
    void TearDown() override
    {
        delete Screen;
        Screen = nullptr;
    }
};

const ::testing::Environment* const Server = ::testing::AddGlobalTestEnvironment(new XServerEnvironment);

QImage Asset(const char* name)
{
    return QImage(QStringLiteral(VELORIN_ASSETS "/%1").arg(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
}

// Level pieces.
TLevelRecord OneMoveLevel() // the code 6 stone on cell 41 moves right and solves it
{
    return MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}});
}
TLevelRecord RingLevel() // the code 1 stone on cell 41 has partners on both sides
{
    return MakeLevel({{1, 3}, {2, 5}, {3, 1}}, {{40, 3}, {41, 1}, {42, 5}, {60, 4}, {69, 2}});
}

// The game running in a scratch directory.
class Game {
public:
    explicit Game(const std::vector<std::uint8_t>& levels, bool withLevelFile = true)
    {
        if (withLevelFile)
            Dir.Write("velor.dat", levels);
        Process = std::make_unique<ChildProcess>(std::vector<std::string> {VELORIN_BINARY}, Dir.Path.string(),
                                                 std::vector<std::string> {"DISPLAY=" + Screen->Name(),
                                                                           "QT_QPA_PLATFORM=xcb"});
    }
    ~Game() { Process->Stop(); }

    // The main window, once it shows; false when it does not.
    bool WaitForMainWindow()
    {
        const auto window = Screen->FindWindow(QStringLiteral("Velorin"));
        if (!window)
            return false;
        Main = Screen->Geometry(*window);
        Screen->Settle();
        return Main.size() == QSize(697, 478);
    }

    // Clicks the window's black margin, which gives it the keyboard.
    bool Focus() const
    {
        Screen->Click(Main.topLeft() + QPoint(3, 3));
        const auto window = Screen->FindWindow(QStringLiteral("Velorin"));
        return window && Screen->WaitForFocus(*window);
    }

    QPoint CellCentre(int cell) const
    {
        return Main.topLeft() + QPoint(15 + 45 + (cell - 1) % 9 * 40 + 20, 15 + 45 + (cell - 1) / 9 * 40 + 20);
    }
    QRect CellArea(int cell) const { return {CellCentre(cell) - QPoint(20, 20), QSize(40, 40)}; }

    void ClickCell(int cell) const
    {
        Screen->Click(CellCentre(cell));
        Screen->Settle(0.15);
    }

    // A row of the score panel, read from the screen glyph by glyph.
    int ScoreRow(int row) const
    {
        const QImage panel = Screen->Grab(QRect(Main.topLeft() + QPoint(478 + 15, 10 + 312), QSize(180, 135)));
        return ReadNumber(panel, Asset("Zahlen.bmp"), row);
    }

    // Waits until a row of the score panel shows `value`; false (with the
    // value last seen reported) when it does not.
    ::testing::AssertionResult ScoreRowShows(int row, int value) const
    {
        int seen = -1;
        if (WaitFor([&] { return (seen = ScoreRow(row)) == value; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "row " << row << " shows " << seen << ", not " << value;
    }

    // A dialog of this title, once it is open and has the keyboard: its
    // place relative to the main window.
    std::optional<QPoint> DialogOpens(const QString& title) const
    {
        const auto window = Screen->FindWindow(title);
        if (!window || !Screen->WaitForFocus(*window))
            return std::nullopt;
        Screen->Settle(0.15);
        return Screen->Geometry(*window).topLeft() - Main.topLeft();
    }

    TempDir Dir;
    std::unique_ptr<ChildProcess> Process;
    QRect Main;
};

// True when the cell shows `picture` wherever the picture is not its
// transparent bottom-left colour.
bool CellShowsNow(const Game& game, int cell, const QImage& picture)
{
    const QImage shown = Screen->Grab(game.CellArea(cell));
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

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(StartUp, AMissingLevelFileShowsTheFehlerBoxAtItsPlaceAndEndsAfterEnter)
{
    Game game({}, false);
    const auto box = Screen->FindWindow(QStringLiteral("Fehler"));
    ASSERT_TRUE(box);
    EXPECT_EQ(Screen->Geometry(*box).topLeft(), QPoint(120, 150));
    ASSERT_TRUE(Screen->WaitForFocus(*box));
    Screen->Settle();
    EXPECT_TRUE(game.Process->Running());
    Screen->Key("Return");
    EXPECT_EQ(game.Process->WaitForExit(5), 1);
    EXPECT_FALSE(Screen->FindWindow(QStringLiteral("Velorin"), 0.2));
}

TEST(Playing, OneMoveCostsFivePointsOnTheScreen)
{
    Game game(LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    EXPECT_TRUE(game.ScoreRowShows(68, 1200));
    EXPECT_TRUE(game.ScoreRowShows(11, 1));
    game.ClickCell(60); // the code 4 stone moves down onto cell 69
    EXPECT_TRUE(game.ScoreRowShows(68, 1195));
    EXPECT_TRUE(CellShows(game, 69, Asset("main/Farbe4.bmp")));
    EXPECT_TRUE(CellShows(game, 60, Asset("main/Farbe2.bmp")));
}

TEST(Playing, ATwoWayStoneWithTwoPartnersShowsTwoRingsAndTheChoiceSwaps)
{
    Game game(LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    const QImage ring = Asset("main/Ring.bmp");
    game.ClickCell(41);
    EXPECT_TRUE(CellShows(game, 40, ring));
    EXPECT_TRUE(CellShows(game, 42, ring));
    EXPECT_FALSE(CellShowsNow(game, 41, ring));
    EXPECT_TRUE(game.ScoreRowShows(68, 1200)); // no move yet
    game.ClickCell(42);
    EXPECT_TRUE(CellShows(game, 41, Asset("main/Farbe5.bmp")));
    EXPECT_TRUE(CellShows(game, 42, Asset("main/Farbe1.bmp")));
    EXPECT_TRUE(CellShows(game, 40, Asset("main/Farbe3.bmp")));
    EXPECT_FALSE(CellShowsNow(game, 40, ring));
    EXPECT_TRUE(game.ScoreRowShows(68, 1195));
}

TEST(Playing, ASolvedLevelShowsWertungBesideTheMainWindowThenTheNextLevel)
{
    Game game(LevelFileOf({OneMoveLevel(), RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickCell(41);
    EXPECT_EQ(game.DialogOpens(QStringLiteral("Wertung")), QPoint(135, 145));
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Wertung")));
    EXPECT_TRUE(game.ScoreRowShows(11, 2));
    EXPECT_TRUE(game.ScoreRowShows(68, 1200));
    EXPECT_TRUE(game.ScoreRowShows(109, 1695));
    EXPECT_TRUE(CellShows(game, 41, Asset("main/Farbe1.bmp")));
}

TEST(Playing, NeuesSpielWithAltNTakesATypedLevelNumber)
{
    Game game(LevelFileOf({OneMoveLevel(), RingLevel(), OneMoveLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    ASSERT_TRUE(game.Focus());
    Screen->Key("n", true);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Startlevel ")));
    Screen->Type(QStringLiteral("2"));
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Startlevel ")));
    EXPECT_TRUE(game.ScoreRowShows(11, 2));
    EXPECT_TRUE(CellShows(game, 41, Asset("main/Farbe1.bmp")));
}

TEST(Playing, AGameEndedAboveTheTenthPlaceTakesANameWithAnUmlaut)
{
    Game game(LevelFileOf({OneMoveLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickCell(41);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Wertung")));
    Screen->Key("Return");
    EXPECT_EQ(game.DialogOpens(QStringLiteral("Bestenliste")), QPoint(110, 110));
    Screen->Type(QStringLiteral("Jürgen"));
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Bestenliste")));

    const std::vector<std::uint8_t> file = FileBytes(game.Dir.File("VScore.dat"));
    ASSERT_EQ(file.size(), 160u);
    EXPECT_EQ(file[0], 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[1]), 6), "J\xFCrgen"); // Windows-1252
    EXPECT_EQ(file[110], 1); // the level on which the game ended
    std::int32_t score = 0;
    std::memcpy(&score, &file[120], 4);
    EXPECT_EQ(score, 1695);
    for (std::size_t i = 11; i < 110; ++i)
        EXPECT_EQ(file[i], 0) << "byte " << i; // the other nine places are empty
}
