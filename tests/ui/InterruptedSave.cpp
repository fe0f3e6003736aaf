// Saves a high-score list the way the game does, in the directory given as
// its argument, but stops dead at the moment the finished temporary file
// is to take the list's name. There it writes "R" to its output and waits
// to be killed: the test plays the power cut.
#include "FileSave.h"
#include "HighScore.h"

#include <unistd.h>

// Takes the place of the C library's rename for the game's code in this
// program only.
extern "C" int rename(const char*, const char*) noexcept
{
    (void)!::write(STDOUT_FILENO, "R", 1);
    for (;;)
        ::pause();
}

int main(int argc, char* argv[])
{
    if (argc != 2 || ::chdir(argv[1]) != 0)
        return 2;
    THighScoreTable table {};
    SetNameBytes(table, 1, "Neu");
    table.Levels[1] = 9;
    table.Scores[1] = 99999;
    // Reaching this line means the rename was never asked for.
    return SaveFile(HighScoreFileName, RecordBytes(table)).Error == 0 ? 3 : 4;
}
