// The real game in a real X window, played with the mouse and the
// keyboard: each case starts build/velorin in a scratch working directory
// with its own level file, on a bare X server and under two window
// managers.
#include "Desktop.h"
#include "GameProcess.h"
#include "Levels.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

class Playing : public OnDesktop { };
INSTANTIATE_TEST_SUITE_P(Desktops, Playing,
                         ::testing::Values(WindowManager::Absent, WindowManager::Openbox, WindowManager::Xfwm4),
                         DesktopName);

TEST_P(Playing, AMissingLevelFileShowsTheFehlerBoxAtItsPlaceAndEndsAfterEnter)
{
    Game game(*Screen, {}, false);
    const auto box = Screen->FindWindow(QStringLiteral("Fehler"));
    ASSERT_TRUE(box);
    EXPECT_EQ(Screen->OuterGeometry(*box).topLeft(), QPoint(120, 150));
    ASSERT_TRUE(Screen->WaitForFocus(*box));
    Screen->Settle();
    EXPECT_TRUE(game.Process->Running());
    Screen->Key("Return");
    EXPECT_EQ(game.Process->WaitForExit(5), 1);
    EXPECT_FALSE(Screen->FindWindow(QStringLiteral("Velorin"), 0.2));
}

TEST_P(Playing, OneMoveCostsFivePointsOnTheScreen)
{
    Game game(*Screen, LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    EXPECT_TRUE(game.ScoreRowShows(68, 1200));
    EXPECT_TRUE(game.ScoreRowShows(11, 1));
    game.ClickCell(60); // the code 4 stone moves down onto cell 69
    EXPECT_TRUE(game.PointsShowMoves(1));
    EXPECT_TRUE(CellShows(game, 69, Asset("main/Farbe4.bmp")));
    EXPECT_TRUE(CellShows(game, 60, Asset("main/Farbe2.bmp")));
}

TEST_P(Playing, ATwoWayStoneWithTwoPartnersShowsTwoRingsAndTheChoiceSwaps)
{
    Game game(*Screen, LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    const QImage ring = Asset("main/Ring.bmp");
    game.ClickCell(41);
    EXPECT_TRUE(CellShows(game, 40, ring));
    EXPECT_TRUE(CellShows(game, 42, ring));
    EXPECT_FALSE(CellShowsNow(game, 41, ring));
    EXPECT_TRUE(game.PointsShowMoves(0)); // no move yet
    game.ClickCell(42);
    EXPECT_TRUE(CellShows(game, 41, Asset("main/Farbe5.bmp")));
    EXPECT_TRUE(CellShows(game, 42, Asset("main/Farbe1.bmp")));
    EXPECT_TRUE(CellShows(game, 40, Asset("main/Farbe3.bmp")));
    EXPECT_FALSE(CellShowsNow(game, 40, ring));
    EXPECT_TRUE(game.PointsShowMoves(1));
}

TEST_P(Playing, TheBoardPlaysFromTheKeyboardAlone)
{
    Game game(*Screen, LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    ASSERT_TRUE(game.Focus());
    Screen->Key("Down"); // only shows the cursor, on the centre cell
    EXPECT_TRUE(CursorOn(game, 41));
    for (const char* key : {"Down", "Down", "Right"})
        Screen->Key(key);
    ASSERT_TRUE(CursorOn(game, 60));
    game.FirstPress = std::chrono::steady_clock::now(); // the key starts the clock
    Screen->Key("space");                               // the code 4 stone moves down
    EXPECT_TRUE(game.PointsShowMoves(1));
    EXPECT_TRUE(CellShows(game, 69, Asset("main/Farbe4.bmp")));

    for (const char* key : {"Up", "Up", "Left", "Return"}) // the two-way stone on 41
        Screen->Key(key);
    EXPECT_TRUE(CellShows(game, 40, Asset("main/Ring.bmp")));
    Screen->Key("Right");
    Screen->Key("Return"); // the right-hand ring
    EXPECT_TRUE(CellShows(game, 41, Asset("main/Farbe5.bmp")));
    EXPECT_TRUE(CellShows(game, 40, Asset("main/Farbe3.bmp")));
    EXPECT_TRUE(CursorOn(game, 42));
    EXPECT_TRUE(game.PointsShowMoves(2));

    // The buttons' Alt keys still work while the board has the keyboard.
    Screen->Key("n", true);
    EXPECT_TRUE(game.DialogOpens(QStringLiteral("Startlevel ")));
}

TEST_P(Playing, ASolvedLevelShowsWertungBesideTheMainWindowThenTheNextLevel)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel(), RingLevel()}));
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

TEST_P(Playing, NeuesSpielWithAltNTakesATypedLevelNumber)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel(), RingLevel(), OneMoveLevel()}));
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

TEST_P(Playing, AGameEndedAboveTheTenthPlaceTakesANameWithAnUmlaut)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickCell(41);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Wertung")));
    Screen->Key("Return");
    EXPECT_EQ(game.DialogOpens(QStringLiteral("Bestenliste")), QPoint(110, 110));
    Screen->Type(QStringLiteral("Jürgen"));
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Bestenliste")));

    const std::vector<std::uint8_t> file = FileBytes(game.Dir->File("VScore.dat"));
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
