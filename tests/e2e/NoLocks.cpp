// Loaded into the game by a test (LD_PRELOAD): a file system without locks,
// as a network drive without its lock service. Every lock fails.
#include <cerrno>

extern "C" int flock(int, int)
{
    errno = ENOLCK;
    return -1;
}
