// Work that the first frame of the game does not need waits until that
// frame is on the screen, so that the player sees the game sooner.
#pragma once

#include <functional>

class QWidget;

// Runs `work` once, right after `window` has painted its first frame, or
// before the program handles the player's first key or mouse press if
// that comes sooner (a key typed blind before the window shows).
void AfterFirstFrame(QWidget* window, std::function<void()> work);
