// The help viewer: a window of its own that shows the help file, an HTML
// document, from its contents at the top. It runs beside the game and
// closes when the game ends.
#pragma once

#include <QRect>
#include <QString>

class QTextBrowser;
class QWidget;

inline constexpr unsigned HELP_QUIT = 2;     // close the help window
inline constexpr unsigned HELP_CONTENTS = 3; // show the contents page

// Carries out a help command for `file` on behalf of `owner`; false when the
// command is not one the viewer knows.
bool WinHelp(QWidget* owner, const QString& file, unsigned command, unsigned long data);

// The open help window's text view, or null (for tests).
QTextBrowser* HelpBrowser();

// The line shown in place of a help file that cannot be read.
QString HelpFileMissingText(const QString& file);

// The help window's size: lines of a comfortable length, and about as tall
// as the game.
inline constexpr QSize HelpWindowSize {600, 520};
inline constexpr int HelpWindowGap = 8; // between the game and the help

// Where the help window's outer frame goes: beside the game's frame on the
// right, else on the left, where it fits on `screen`; else over the right
// part of the game, kept on the screen.
QPoint HelpWindowPlace(const QRect& gameFrame, const QRect& screen, QSize helpFrame);
