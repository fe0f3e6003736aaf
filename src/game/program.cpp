// The game's entry point.
#include "CommandLine.h"
#include "Daten.h"
#include "DirectoryLock.h"
#include "EarlyPictures.h"
#include "Platform.h"
#include "SingleGame.h"
#include "main.h"
#include "velor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // --help and --version answer in a terminal, without a window system.
    if (const auto answered = AnswerCommandLine(GameCommandLine, argc, argv))
        return *answered;

    // Without a window system the toolkit would abort; the player is told why.
    if (!WindowSystemReachable(argc, argv))
        return 1;

    // One game per directory. Where no lock can be had the game runs, but
    // keeps its list from the disk, where another game might write too.
    const DirectoryLock lock(GameLockFileName);
    const bool anotherGameRuns = lock.Status() == DirectoryLock::State::HeldByAnother;
    if (lock.Status() == DirectoryLock::State::Unavailable) {
        ListProtection = TListProtection::NoLock;
        ListProtectionReason = lock.Reason();
    }

    // The main window's pictures are read on the second core while the
    // toolkit starts and the windows are built on the first.
    if (!anotherGameRuns)
        StartReadingEarlyPictures();

    std::vector<char*> arguments = ArgumentsPreferringX11(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    if (anotherGameRuns) {
        ShowRunningGame(app, lock);
        return 0;
    }
    int status = 1; // the level file is missing
    if (CreateMainWindow(app)) {
        Mainform->show();
        status = app.exec();
    }
    DestroyWindows();
    return status;
}
