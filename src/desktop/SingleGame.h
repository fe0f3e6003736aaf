// A second start of the game in a directory where a game already runs:
// it brings the running game to the front and ends, or, where that cannot
// be done (another display, a Wayland desktop), tells the player so. A
// game started at the same moment is given a few seconds to show its
// window.
#pragma once

class DirectoryLock;
class QApplication;

// `lock` is held by the running game.
void ShowRunningGame(QApplication& app, const DirectoryLock& lock);
