// One game per working directory: two games there would each keep their
// own high-score list, and the later save would drop the other's entries.
// The running game holds a lock on a file in its directory; the kernel
// lets go of it when the process ends, however it ends, so a killed game
// never blocks the next start.
#pragma once

#include <sys/types.h>

inline constexpr const char* GameLockFileName = ".velorin.lock";

class DirectoryLock {
public:
    enum class State {
        Held,          // this process holds the lock now
        HeldByAnother, // another process does: a game runs here already
        Unavailable,   // no lock can be made (a read-only directory)
    };

    explicit DirectoryLock(const char* path);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    State Status() const { return Current; }
    // The process that holds the lock, as it noted itself in the file;
    // 0 when that cannot be read.
    pid_t Holder() const;

private:
    int Fd = -1;
    State Current = State::Unavailable;
};
