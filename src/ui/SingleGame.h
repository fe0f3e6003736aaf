// A second start of the game in a directory where a game already runs:
// it brings the running game to the front and ends, or, where that cannot
// be done (another display, a Wayland desktop), tells the player so.
#pragma once

#include <sys/types.h>

class QApplication;

void ShowRunningGame(QApplication& app, pid_t runningGame);
