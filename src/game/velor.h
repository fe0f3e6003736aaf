// The program's start: the application, then the four windows in the
// order main window, start-level dialog, high-score list, score dialog.
#pragma once

class QApplication;

// Sets up `app` and creates the four windows; false when the program has
// been asked to end already (no level file).
bool CreateWindows(QApplication& app);

// The same in two steps, as the game starts: first what its first frame
// shows (the main window with the game started, after the level file and
// the high-score file have been read and any of their message boxes
// answered), ...
bool CreateMainWindow(QApplication& app);
// ... then the three dialogs, the first time the game needs one of them;
// once only, a second call does nothing.
void CreateDialogs();

// Destroys the windows again.
void DestroyWindows();
