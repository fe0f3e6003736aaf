// On a bare X server the toolkit gives a dialog the keyboard itself, to
// revert to the dialog's parent window when the dialog goes: for a
// top-level window that is the root window. Nobody hands the keyboard on
// from there, and no key reaches the game until it is clicked. (Under a
// window manager the dialog's parent is its frame, and the window manager
// hands the keyboard to the window below.)
#pragma once

class QApplication;

// From then on, when the program closes a dialog of `app` (the game's
// forms, the about box, message boxes) and the keyboard has fallen to the
// root window, the window the dialog was opened over takes it. Once is
// enough; a second call does nothing.
void ReturnKeyboardAfterDialogs(QApplication& app);
