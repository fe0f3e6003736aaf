// A game in a directory that cannot be locked (a network drive without its
// lock service): it says so at the start, plays, and writes no list, so
// that no second game there can lose an entry to it.
#include "Desktop.h"
#include "GameProcess.h"
#include "Levels.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The game's environment with locks that always fail.
std::vector<std::string> WithoutLocks()
{
    std::vector<std::string> environment {"QT_QPA_PLATFORM=xcb", "LD_PRELOAD=" VELORIN_NO_LOCKS};
    // A sanitized game wants its runtime first among its libraries.
    if (const char* options = std::getenv("ASAN_OPTIONS"))
        environment.push_back(std::string("ASAN_OPTIONS=") + options + ":verify_asan_link_order=0");
    return environment;
}

} // namespace

TEST(NoLock, TheGameSaysSoPlaysAndWritesNoList)
{
    XDisplay screen;
    Game game(screen, LevelFileOf({OneMoveLevel()}), true, WithoutLocks());
    const auto warning = screen.FindWindow(QStringLiteral("Warnung"), 15);
    ASSERT_TRUE(warning) << "no word of the missing lock at the start";
    ASSERT_TRUE(screen.WaitForFocus(*warning));
    screen.Key("Return");
    ASSERT_TRUE(game.WaitForMainWindow());

    game.ClickCell(41);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Wertung")));
    screen.Key("Return");
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Bestenliste")));
    screen.Type(QStringLiteral("Ohne"));
    screen.Key("Return");
    const auto notice = screen.FindWindow(QStringLiteral("Information"), 5);
    ASSERT_TRUE(notice) << "no word that the list is not saved";
    ASSERT_TRUE(screen.WaitForFocus(*notice));
    screen.Key("Return");
    ASSERT_TRUE(screen.WindowGone(QStringLiteral("Bestenliste")));
    EXPECT_FALSE(std::filesystem::exists(game.Dir->File("VScore.dat")));
    EXPECT_TRUE(game.Process->Running());
}
