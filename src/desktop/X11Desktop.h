// What the game asks of an X11 window manager directly, where the toolkit
// has no word for it. On any other platform these do nothing and say so.
#pragma once

#include <QMargins>

#include <optional>
#include <sys/types.h>

class QWidget;

// Asks the window manager which frame it will put around `window` before
// the window is first shown, and waits a moment for the answer; nothing
// when there is no window manager, or it does not answer.
std::optional<QMargins> RequestFrameExtents(QWidget* window);

// Whether the game's windows are on an X server, where the functions
// here act.
bool OnX11Display();

// Brings the windows of the process `pid` on this machine to the front,
// restored if they were minimized and with the keyboard; false when the
// process has no window on this display.
bool ActivateWindowsOf(pid_t pid);

// Whether the X server's keyboard focus is on no program's window: on the
// root window, on none, or on whichever the pointer is over. False on any
// other platform.
bool KeyboardOnRootWindow();
