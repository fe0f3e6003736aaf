// The game's entry point.
#include "DirectoryLock.h"
#include "EarlyPictures.h"
#include "FirstFrame.h"
#include "Platform.h"
#include "SingleGame.h"
#include "main.h"
#include "velor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    std::vector<char*> arguments = ArgumentsPreferringX11(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());

    // One game per directory; where no lock can be made (a read-only
    // directory) nothing can be saved either, and the game runs.
    const DirectoryLock lock(GameLockFileName);
    if (lock.Status() == DirectoryLock::State::HeldByAnother) {
        ShowRunningGame(app, lock.Holder());
        return 0;
    }

    // The main window's pictures are read on the second core while the
    // windows are built on the first; the first game takes the last of them.
    StartReadingEarlyPictures();
    int status = 1; // the level file is missing
    if (CreateMainWindow(app)) {
        Mainform->show();
        AfterFirstFrame(Mainform, CreateDialogs);
        status = app.exec();
    }
    DestroyWindows();
    return status;
}
