// Windows placed by their outer corner, frame and title bar included, the
// way the game's layout gives every place, also at a window's very first
// showing, before the toolkit has learnt the size of its frame.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

// The frame the window manager puts around the top-level `window`:
// nothing without a window manager or where none tells.
QMargins FrameMargins(QWidget* window);

// Puts the outer top-left corner of `window` at `outerTopLeft`.
void MoveOuter(QWidget* window, QPoint outerTopLeft);

// The window's size with its frame.
QSize OuterSize(QWidget* window);

// Centres the window by its outer size on the primary screen, never above
// or left of the screen's top-left corner.
void CentreOnScreen(QWidget* window);
