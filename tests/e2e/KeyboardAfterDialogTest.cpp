// A dialog of the game closed from the keyboard leaves the keyboard with the
// game's window at once: with no click its Alt keys open dialogs and the
// arrows reach the board, on a bare X server as under a window manager.
#include "Desktop.h"
#include "GameProcess.h"
#include "Levels.h"

#include <gtest/gtest.h>

class KeyboardAfterDialog : public OnDesktop {
protected:
    // After `dialog` has closed: the main window holds the X keyboard
    // focus, an arrow shows the board's cursor on `cursorCell` (where the
    // last press left it), and Alt+N opens "Startlevel ".
    void ExpectKeyboardBackInTheGame(const Game& game, const QString& dialog, int cursorCell)
    {
        SCOPED_TRACE(("after " + dialog).toStdString());
        ASSERT_TRUE(Screen->WindowGone(dialog));
        EXPECT_TRUE(Screen->WaitForFocus(game.MainId)) << "the main window has no keyboard";
        Screen->Key("Down"); // only shows the cursor
        EXPECT_TRUE(CursorOn(game, cursorCell)) << "the arrow did not reach the board";
        Screen->Key("n", true);
        EXPECT_TRUE(game.DialogOpens(QStringLiteral("Startlevel "))) << "Alt+N did not reach the buttons";
    }

    static constexpr int CentreCell = 41; // the cursor's first cell
};
INSTANTIATE_TEST_SUITE_P(Desktops, KeyboardAfterDialog,
                         ::testing::Values(WindowManager::Absent, WindowManager::Openbox, WindowManager::Xfwm4),
                         DesktopName);

TEST_P(KeyboardAfterDialog, BestenlisteClosedWithReturn)
{
    Game game(*Screen, LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickScoreSide({110 + 42, 211 + 12}); // the button "Bestenliste"
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Bestenliste")));
    Screen->Key("Return");
    ExpectKeyboardBackInTheGame(game, QStringLiteral("Bestenliste"), CentreCell);
}

TEST_P(KeyboardAfterDialog, StartlevelCancelledWithEscape)
{
    Game game(*Screen, LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    ASSERT_TRUE(game.Focus());
    Screen->Key("n", true);
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Startlevel ")));
    Screen->Key("Escape");
    ExpectKeyboardBackInTheGame(game, QStringLiteral("Startlevel "), CentreCell);
}

TEST_P(KeyboardAfterDialog, WertungOfASolvedLevelClosedWithReturn)
{
    Game game(*Screen, LevelFileOf({OneMoveLevel(), RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    game.ClickCell(41); // solves the level
    ASSERT_TRUE(game.DialogOpens(QStringLiteral("Wertung")));
    Screen->Key("Return");
    ExpectKeyboardBackInTheGame(game, QStringLiteral("Wertung"), 41);
}

TEST_P(KeyboardAfterDialog, TheAboutBoxClosedWithReturn)
{
    Game game(*Screen, LevelFileOf({RingLevel()}));
    ASSERT_TRUE(game.WaitForMainWindow());
    ASSERT_TRUE(game.Focus());
    Screen->Key("i", true);
    const QString about = QStringLiteral("Velorin - Info über ...");
    ASSERT_TRUE(game.DialogOpens(about));
    Screen->Key("Return");
    ExpectKeyboardBackInTheGame(game, about, CentreCell);
}
