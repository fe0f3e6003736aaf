// The game on real desktops: where its windows lie, frame included, at
// their first and later showings; a game minimized behind a dialog and
// brought back; two starts in one directory; a Wayland desktop.
#include "Desktop.h"
#include "GameProcess.h"
#include "Levels.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/stat.h>

namespace {

const auto EveryDesktop = ::testing::Values(WindowManager::Absent, WindowManager::Openbox, WindowManager::Xfwm4);
const auto WindowManagers = ::testing::Values(WindowManager::Openbox, WindowManager::Xfwm4);

// The screen of every test's X server.
constexpr QSize ScreenSize(1024, 768);

QPoint CentredOnScreen(QSize outer)
{
    return {(ScreenSize.width() - outer.width()) / 2, (ScreenSize.height() - outer.height()) / 2};
}

std::int32_t ScoreAt(const std::vector<std::uint8_t>& file, int place)
{
    std::int32_t score = 0;
    std::memcpy(&score, &file.at(120 + 4 * (place - 1)), 4);
    return score;
}

} // namespace

class Placing : public OnDesktop { };
INSTANTIATE_TEST_SUITE_P(Desktops, Placing, EveryDesktop, DesktopName);

TEST_P(Placing, TheMainWindowIsCentredByItsOuterSize)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    EXPECT_EQ(game.MainOuter.topLeft(), CentredOnScreen(game.MainOuter.size()))
        << "outer " << game.MainOuter.width() << " x " << game.MainOuter.height();
}

TEST_P(Placing, WertungAndBestenlisteHaveTheirPlacesAtTheFirstAndLaterShowings)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel(), OneMoveLevel(), OneMoveLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    for (int showing = 1; showing <= 3; ++showing) {
        game.ClickCell(41);
        EXPECT_EQ(game.DialogOpens(QStringLiteral("Wertung")), QPoint(135, 145)) << "showing " << showing;
        Screen->Key("Return");
        ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Wertung")));
    }
    // The end of the game opens the list for the name, then "Bestenliste".
    EXPECT_EQ(game.DialogOpens(QStringLiteral("Bestenliste")), QPoint(110, 110)) << "entry";
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Bestenliste")));
    ASSERT_TRUE(game.Focus());
    Screen->Key("b", true);
    EXPECT_EQ(game.DialogOpens(QStringLiteral("Bestenliste")), QPoint(110, 110)) << "viewing";
}

TEST_P(Placing, TheStartLevelDialogIsCentredAndTheAboutBoxCentredOnTheGame)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    ASSERT_TRUE(game.Focus());
    Screen->Key("n", true);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Startlevel ")));
    const QRect startLevel = Screen->OuterGeometry(*Screen->FindWindow(QStringLiteral("Startlevel ")));
    EXPECT_EQ(startLevel.topLeft(), CentredOnScreen(startLevel.size()));
    Screen->Key("Escape");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Startlevel ")));

    ASSERT_TRUE(game.Focus());
    Screen->Key("i", true);
    // 285 x 290 is the about box's outer size as the layout gives it.
    const QSize main = game.MainOuter.size();
    EXPECT_EQ(game.DialogOpens(QStringLiteral("Velorin - Info über ...")),
              QPoint((main.width() - 285) / 2, (main.height() - 290) / 2));
}

class Minimizing : public OnDesktop {
protected:
    // The player minimizes the game while `dialog` is open (the dialog
    // goes with it) and brings it back, twice.
    void MinimizeAndRestoreTwice(const Game& game, unsigned long dialog)
    {
        for (int round = 1; round <= 2; ++round) {
            ASSERT_TRUE(Screen->Minimize(game.MainId)) << "round " << round;
            ASSERT_TRUE(WaitFor([&] { return !Screen->Shown(dialog); })) << "the dialog stayed, round " << round;
            ASSERT_TRUE(Screen->Activate(game.MainId)) << "round " << round;
            ASSERT_TRUE(Screen->Activate(dialog)) << "round " << round;
            ASSERT_TRUE(Screen->WaitForFocus(dialog)) << "round " << round;
        }
        Screen->Settle();
    }
};
INSTANTIATE_TEST_SUITE_P(Desktops, Minimizing, WindowManagers, DesktopName);

TEST_P(Minimizing, BehindWertungTheBonusIsAddedOnce)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel(), RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickCell(41);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Wertung")));
    MinimizeAndRestoreTwice(game, *Screen->FindWindow(QStringLiteral("Wertung")));
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Wertung")));
    EXPECT_TRUE(game.ScoreRowShows(11, 2));
    EXPECT_TRUE(game.ScoreRowShows(109, 1195 + 500));
}

TEST_P(Minimizing, BehindTheEntryListTheTotalIsEnteredOnce)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickCell(41);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Wertung")));
    Screen->Key("Return");
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Bestenliste")));
    MinimizeAndRestoreTwice(game, *Screen->FindWindow(QStringLiteral("Bestenliste")));
    Screen->Type(QStringLiteral("Aaa"));
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Bestenliste")));

    const std::vector<std::uint8_t> file = FileBytes(game.Dir->File("VScore.dat"));
    ASSERT_EQ(file.size(), 160u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[0]), 4), "\003Aaa");
    EXPECT_EQ(ScoreAt(file, 1), 1695);
    EXPECT_EQ(file[11], 0); // place 2 holds no name
    EXPECT_EQ(ScoreAt(file, 2), 0);
}

class SecondStart : public OnDesktop { };
INSTANTIATE_TEST_SUITE_P(Desktops, SecondStart, EveryDesktop, DesktopName);

TEST_P(SecondStart, BringsTheRunningGameBackWithItsDialogAndEnds)
{
    Game first(*Screen, LevelFileOf({OneMoveLevel(), RingLevel()}));
    ASSERT_TRUE(first.WaitForMainWindow());
    first.ClickCell(41);
    ASSERT_TRUE(first.DialogOpens(QStringLiteral("Wertung")));
    const unsigned long wertung = *Screen->FindWindow(QStringLiteral("Wertung"));
    if (GetParam() != WindowManager::Absent) {
        ASSERT_TRUE(Screen->Minimize(first.MainId));
    }

    Game second(*Screen, first);
    EXPECT_EQ(second.Process->WaitForExit(10), 0);
    EXPECT_TRUE(WaitFor([&] { return Screen->Shown(first.MainId) && Screen->Shown(wertung); }));
    EXPECT_TRUE(Screen->WaitForFocus(wertung));
    EXPECT_EQ(Screen->CountWindows(QStringLiteral("Velorin")), 1);

    // The first game plays on as if nothing had happened.
    Screen->Settle();
    Screen->Key("Return");
    ASSERT_TRUE(Screen->WindowGone(QStringLiteral("Wertung")));
    EXPECT_TRUE(first.ScoreRowShows(109, 1695));
}

// The later of two starts at one moment finds the earlier one before its
// window shows. Either may win the directory; the other has to end and
// leave the winner in front, without a word.
TEST_P(SecondStart, TwoStartsAtOneMomentLeaveOneGameInFront)
{
    constexpr int Rounds = 5;
    const QString information = QStringLiteral("Information");
    for (int round = 1; round <= Rounds; ++round) {
        SCOPED_TRACE(round);
        Game one(*Screen, LevelFileOf({OneMoveLevel()}));
        Game other(*Screen, one);
        ASSERT_TRUE(WaitFor(
            [&] {
                return !one.Process->Running() || !other.Process->Running() || Screen->CountWindows(information) > 0;
            },
            15));
        ASSERT_EQ(Screen->CountWindows(information), 0) << "the later start told that a game runs here";
        Game& ended = one.Process->Running() ? other : one;
        Game& running = &ended == &one ? other : one;
        EXPECT_EQ(ended.Process->WaitForExit(0), 0);
        ASSERT_TRUE(running.WaitForMainWindow());
        EXPECT_TRUE(Screen->WaitForFocus(running.MainId));
        EXPECT_EQ(Screen->CountWindows(QStringLiteral("Velorin")), 1);
        EXPECT_EQ(Screen->CountWindows(information), 0);
        EXPECT_TRUE(running.Process->Running());
    }
}

TEST(SecondStartElsewhere, OnAnotherDisplayItTellsThatTheGameRunsThere)
{
    XDisplay here, there;
    Game first(here, LevelFileOf({OneMoveLevel()}));
    ASSERT_TRUE(first.WaitForMainWindow());
    Game second(there, first);
    // The second start gives a game that has only just started a few
    // seconds to show its window here.
    const auto box = there.FindWindow(QStringLiteral("Information"), 15);
    ASSERT_TRUE(box);
    ASSERT_TRUE(there.WaitForFocus(*box));
    there.Settle();
    there.Key("Return");
    EXPECT_EQ(second.Process->WaitForExit(5), 0);
    EXPECT_FALSE(there.FindWindow(QStringLiteral("Velorin"), 0.2));
    EXPECT_TRUE(first.Process->Running());
}

TEST(SecondStartElsewhere, AKilledGameDoesNotBlockTheNextStart)
{
    XDisplay screen;
    Game first(screen, LevelFileOf({OneMoveLevel()}));
    ASSERT_TRUE(first.WaitForMainWindow());
    ::kill(first.Process->Pid(), SIGKILL);
    ASSERT_TRUE(screen.WindowGone(QStringLiteral("Velorin")));
    Game next(screen, first);
    EXPECT_TRUE(next.WaitForMainWindow());
}

// A Wayland compositor without a screen, beside the test's X server: the
// desktop of a Wayland session with XWayland.
class WaylandCompositor {
public:
    WaylandCompositor()
    {
        ::chmod(RuntimeDir.Path.c_str(), 0700);
        Process = std::make_unique<ChildProcess>(
            std::vector<std::string> {"weston", "--backend=headless-backend.so", "--socket=" + Socket}, "",
            std::vector<std::string> {"XDG_RUNTIME_DIR=" + RuntimeDir.Path.string()});
        if (!WaitFor([this] { return std::filesystem::exists(RuntimeDir.File(Socket)); }, 15))
            throw std::runtime_error("weston did not start");
    }

    // What a game started in the session finds in its environment.
    std::vector<std::string> Session(std::vector<std::string> more) const
    {
        more.insert(
            more.begin(),
            {"WAYLAND_DISPLAY=" + Socket, "XDG_RUNTIME_DIR=" + RuntimeDir.Path.string(), "XDG_SESSION_TYPE=wayland"});
        return more;
    }

private:
    TempDir RuntimeDir;
    const std::string Socket = "velorin-test";
    std::unique_ptr<ChildProcess> Process;
};

TEST(WaylandDesktop, TheGameOpensOnTheXServerWhereItsWindowsKeepTheirPlaces)
{
    XDisplay screen;
    WaylandCompositor weston;
    // No platform named: the game chooses.
    Game game(screen, LevelFileOf({OneMoveLevel(), RingLevel()}), true, weston.Session({"QT_QPA_PLATFORM"}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickCell(41);
    EXPECT_EQ(game.DialogOpens(QStringLiteral("Wertung")), QPoint(135, 145));
}

TEST(WaylandDesktop, APlatformThePlayerNamesIsKept)
{
    XDisplay screen;
    WaylandCompositor weston;
    Game game(screen, LevelFileOf({OneMoveLevel()}), true, weston.Session({"QT_QPA_PLATFORM=wayland"}));
    EXPECT_FALSE(screen.FindWindow(QStringLiteral("Velorin"), 3));
    EXPECT_TRUE(game.Process->Running());
}

TEST(WaylandDesktop, WithoutAnXServerTheGameRunsOnWayland)
{
    XDisplay screen; // for the test's own bookkeeping; the game is not told of it
    WaylandCompositor weston;
    Game game(screen, LevelFileOf({OneMoveLevel()}), true, weston.Session({"QT_QPA_PLATFORM", "DISPLAY"}));
    EXPECT_FALSE(WaitFor([&] { return !game.Process->Running(); }, 3)) << "the game ended";
}
