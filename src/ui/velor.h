// The program's start: the application, then the four windows in the
// order main window, start-level dialog, high-score list, score dialog.
#pragma once

class QApplication;

// Sets up `app` and creates the four windows; false when the program has
// been asked to end already (no level file).
bool CreateWindows(QApplication& app);

// Destroys the windows again.
void DestroyWindows();
